// The stylesheet generator of the CSS editor and where it stores a style, without any window.
#include "base/velinor_error.h"
#include "css/css_style_generator.h"

#include <QtTest>

Q_DECLARE_METATYPE(CssStyleFields)

namespace {

// The expected text: "body {", an empty line, the property lines, an empty line, "}".
QString rule(const QStringList &properties)
{
    QString text = QStringLiteral("body {\r\r");
    for (const QString &property : properties)
        text += property + QLatin1Char('\r');
    return text + QStringLiteral("\r}");
}

CssColour checked(Rgb colour = {})
{
    return CssColour{true, colour};
}

} // namespace

class TestCssGenerator : public QObject
{
    Q_OBJECT

private slots:
    void styleText_data();
    void styleText();
    void everyPropertyInOrder();
    void filePath_data();
    void filePath();
    void emptyRule();
};

void TestCssGenerator::styleText_data()
{
    QTest::addColumn<CssStyleFields>("fields");
    QTest::addColumn<QString>("text");

    CssStyleFields f;
    QTest::newRow("nothing filled") << f << rule({});

    f.fontFamily = "Arial";
    f.fontSize = {"12", "px"};
    f.fontColour = checked({255, 0, 0});
    f.underline = f.blink = true;
    QTest::newRow("font, size, red, underline and blink") << f
        << rule({"font-family: Arial;", "font-size: 12px;", "color: #FF0000;", "text-decoration: underline blink;"});

    f = {};
    f.backgroundColour = checked(); // checked, the swatch never clicked
    QTest::newRow("swatch never set is white") << f << rule({"background-color: #FFFFFF;"});
    f.backgroundColour.checked = false;
    f.backgroundColour.colour = {1, 2, 3};
    QTest::newRow("cleared box keeps its colour unwritten") << f << rule({});

    f = {};
    f.fontSize = {"medium", ""};
    f.lineHeight = {"", "px"};
    f.marginLeft = {"10", "px"};
    f.textIndent = {" 2", "em "};
    QTest::newRow("lengths: keyword alone, units alone, value with units, untrimmed") << f
        << rule({"font-size: medium;", "text-indent:  2em ;", "margin-left: 10px;"});

    f = {};
    f.noDecoration = true;
    QTest::newRow("none alone") << f << rule({"text-decoration: none;"});
    f.underline = f.overline = f.lineThrough = f.blink = true;
    QTest::newRow("all five decorations in order") << f
        << rule({"text-decoration: underline overline line-through blink none;"});

    f = {};
    f.verticalPosition = {"top", ""};
    QTest::newRow("position: only top") << f << rule({"background-position: top;"});
    f = {};
    f.horizontalPosition = {"left", ""};
    QTest::newRow("position: only left") << f << rule({"background-position: left ;"});
    f.horizontalPosition = {"10", "px"};
    f.verticalPosition = {"20", "px"};
    QTest::newRow("position: two lengths") << f << rule({"background-position: 10px 20px;"});
    f.horizontalPosition = {"", "px"};
    f.verticalPosition = {"bottom", "%"};
    QTest::newRow("position: units of an empty part still written") << f
        << rule({"background-position:px bottom%;"});
    f.verticalPosition = {"", "%"};
    QTest::newRow("position: units alone write nothing") << f << rule({});

    f = {};
    f.borderLeftColour = checked({0, 0, 255});
    f.borderTopColour = checked({0x12, 0xAB, 0x0C});
    QTest::newRow("border colours left and top") << f << rule({"border-color: #0000FF #12AB0C;"});
    f = {};
    f.borderBottomColour = checked();
    QTest::newRow("border colour bottom alone") << f << rule({"border-color: #FFFFFF;"});

    f = {};
    f.listImage = "file:///home/eva/obrázky/tečka.gif";
    f.backgroundImage = "file:///srv/pozadí.jpg";
    QTest::newRow("picture addresses") << f
        << rule({"background-image: url(file:///srv/pozadí.jpg);", "list-style-image: url(file:///home/eva/obrázky/tečka.gif);"});

    f = {};
    f.filter = "Glow(Color=?, Strength=?)";
    f.cursor = "hand";
    QTest::newRow("filter template with its question marks") << f
        << rule({"cursor: hand;", "filter: Glow(Color=?, Strength=?);"});

    f = {};
    f.clearSide = "both";
    f.scrollTrack = checked({9, 9, 9});
    QTest::newRow("clear and track write nothing") << f << rule({});
}

void TestCssGenerator::styleText()
{
    QFETCH(CssStyleFields, fields);
    QFETCH(QString, text);
    QCOMPARE(cssStyleText(fields), text);
}

// Every field set at once: each property appears once, in the fixed order.
void TestCssGenerator::everyPropertyInOrder()
{
    CssStyleFields f;
    int n = 0;
    auto next = [&n] { return QString::number(++n); };
    for (QString *keyword : {&f.fontFamily, &f.fontWeight, &f.fontStyle, &f.fontVariant, &f.textTransform,
                             &f.backgroundRepeat, &f.backgroundAttachment, &f.textAlign, &f.whiteSpace, &f.floatSide,
                             &f.borderStyle, &f.listType, &f.listPosition, &f.pageBreakBefore, &f.pageBreakAfter,
                             &f.cursor, &f.filter, &f.backgroundImage, &f.listImage})
        *keyword = next();
    for (CssLength *length : {&f.fontSize, &f.lineHeight, &f.horizontalPosition, &f.verticalPosition,
                              &f.wordSpacing, &f.letterSpacing, &f.verticalAlign, &f.textIndent, &f.width, &f.height,
                              &f.paddingLeft, &f.paddingRight, &f.paddingTop, &f.paddingBottom, &f.marginLeft,
                              &f.marginRight, &f.marginTop, &f.marginBottom, &f.borderLeft, &f.borderRight,
                              &f.borderTop, &f.borderBottom})
        *length = {next(), "pt"};
    for (CssColour *colour : {&f.fontColour, &f.backgroundColour, &f.borderLeftColour, &f.borderRightColour,
                              &f.borderTopColour, &f.borderBottomColour, &f.scrollFace, &f.scrollHighlight,
                              &f.scrollShadow, &f.scroll3dLight, &f.scrollDarkShadow, &f.scrollArrow})
        *colour = checked({0, 0, ++n});
    f.underline = true;

    const QStringList lines = cssStyleText(f).split(QLatin1Char('\r'));
    QStringList names;
    for (const QString &line : lines.mid(2, lines.size() - 4))
        names << line.section(QLatin1Char(':'), 0, 0);
    const QStringList expected{
        "font-family", "font-size", "font-weight", "font-style", "line-height", "font-variant", "color",
        "text-transform", "text-decoration", "background-color", "background-image", "background-repeat",
        "background-attachment", "background-position", "word-spacing", "letter-spacing", "vertical-align",
        "text-align", "text-indent", "white-space", "float", "width", "height", "padding-left",
        "padding-right", "padding-top", "padding-bottom", "margin-left", "margin-right", "margin-top",
        "margin-bottom", "border-style", "border-left-width", "border-right-width", "border-top-width",
        "border-bottom-width", "border-color", "list-style-type", "list-style-position", "list-style-image",
        "page-break-before", "page-break-after", "cursor", "filter", "scrollbar-face-color",
        "scrollbar-highlight-color", "scrollbar-shadow-color", "scrollbar-3dlight-color",
        "scrollbar-darkshadow-color", "scrollbar-arrow-color"};
    QCOMPARE(names, expected);
    QCOMPARE(lines.first(), "body {");
    QCOMPARE(lines.last(), "}");
    QVERIFY(lines.contains("border-color: #00002C #00002D #00002E #00002F;"));
}

void TestCssGenerator::filePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << "modry" << true;
    QTest::newRow("already ending in .css") << "a.css" << true;
    QTest::newRow("Czech letters and spaces") << QString::fromUtf8("můj styl") << true;
    QTest::newRow("dots inside a name") << "a..b" << true;
    QTest::newRow("dots alone") << ".." << true; // the file "...css"
    QTest::newRow("a folder inside") << "sub/styl" << true;
    QTest::newRow("up and out") << "../../etc/profile" << false;
    QTest::newRow("down, then out") << "sub/../../styl" << false;
    QTest::newRow("the program's own stylesheet") << "../wgal/default" << false;
    QTest::newRow("absolute") << "/tmp/styl" << false;
}

void TestCssGenerator::filePath()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const QString expected = "/p/projekty/" + name + ".css";
    try {
        QCOMPARE(cssStyleFilePath("/p/projekty", name), expected);
        QVERIFY2(accepted, "a name leaving the folder was accepted");
    } catch (const VelinorError &error) {
        QVERIFY2(!accepted, qPrintable("a name inside the folder was refused: " + error.message()));
        QVERIFY2(error.message().contains(u"mimo složku projekty"), qPrintable(error.message()));
    }
}

void TestCssGenerator::emptyRule()
{
    QCOMPARE(emptyStyleRule("p", "nadpis"), "p.nadpis{}");
    QCOMPARE(emptyStyleRule("p", ""), "p{}");
    QCOMPARE(emptyStyleRule("", "nadpis"), ".nadpis{}");
    QCOMPARE(emptyStyleRule("", ""), "{}");
    QCOMPARE(emptyStyleRule("p", ".x"), "p..x{}");
    QCOMPARE(emptyStyleRule(" h1 ", " a"), " h1 . a{}");
}

QTEST_GUILESS_MAIN(TestCssGenerator)
#include "test_css_generator.moc"
