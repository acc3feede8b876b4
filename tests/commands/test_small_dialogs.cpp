// The font, base-font and small element dialogs: their generators as tables of cases, and the
// dialogs driven as a user drives them.

#include "commands/font_generator.h"
#include "commands/small_element_generators.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"

#include <QtTest>

Q_DECLARE_METATYPE(Edit)

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// The document's lines joined by "\n", with "|" where the caret stands.
QString withCaret(const TextDocument &document)
{
    QStringList lines;
    for (int i = 0; i < document.lineCount(); ++i)
        lines << document.line(i);
    const TextPosition caret = document.caret();
    QString &line = lines[caret.line - 1];
    line = line.leftJustified(caret.column - 1, QLatin1Char(' ')).insert(caret.column - 1, QLatin1Char('|'));
    return lines.join(QLatin1Char('\n'));
}

QString appliedToEmptyDocument(const Edit &edit)
{
    LineBuffer document;
    apply(edit, document);
    return withCaret(document);
}

FontFields font(const char *face, const char *size = "", const char *title = "")
{
    FontFields f;
    f.face = u8(face);
    f.size = u8(size);
    f.title = u8(title);
    return f;
}

FontFields coloured(FontFields f, bool shown, Rgb colour = Rgb{})
{
    f.colourShown = shown;
    f.colour = colour;
    return f;
}

HorizontalRuleFields rule(const char *width, const char *size, const char *align)
{
    HorizontalRuleFields f;
    f.width = u8(width);
    f.size = u8(size);
    f.align = u8(align);
    return f;
}

} // namespace

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void generators_data();
    void generators();
    void styledFontReplacesTheSelection();
};

void TestSmallDialogs::generators_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("document");

    const FontStyles plain;
    const FontStyles all{true, true, true, true};
    FontStyles bold;
    bold.bold = true;
    FontStyles italic;
    italic.italic = true;
    const Rgb red{255, 0, 0};

    QTest::newRow("font, nothing filled in") << fontEdit({}, plain) << "<font>|</font>";
    QTest::newRow("font, face, size, red, bold")
        << fontEdit(coloured(font("Arial", "+2"), true, red), bold)
        << R"(<b><font face="Arial" size="+2" color="#FF0000">|</font></b>)";
    QTest::newRow("font, only Kurzíva") << fontEdit({}, italic) << "<i><font>|</font></i>";
    QTest::newRow("font, all four styles nest s, u, i, b")
        << fontEdit(font("", "", "x"), all) << R"(<s><u><i><b><font title="x">|</font></b></i></u></s>)";
    QTest::newRow("font, colour chosen but not ticked") << fontEdit(coloured({}, false, red), plain) << "<font>|</font>";
    QTest::newRow("font, swatch clicked, no colour chosen")
        << fontEdit(coloured({}, true), plain) << R"(<font color="#FFFFFF">|</font>)";
    QTest::newRow("font, values as they stand")
        << fontEdit(font(" ", "7", "a \"b\""), plain) << R"(<font face=" " size="7" title="a "b"">|</font>)";
    QTest::newRow("base font, a face only") << baseFontEdit(font("Arial")) << R"(<font face="Arial">|</font>)";
    QTest::newRow("base font, a group of faces and a colour")
        << baseFontEdit(coloured(font("Courier New, MS Sans Serif", "-1"), true, {0, 128, 255}))
        << R"(<font face="Courier New, MS Sans Serif" size="-1" color="#0080FF">|</font>)";

    QTest::newRow("p, defaults") << paragraphEdit({}) << "<p>|</p>";
    QTest::newRow("p, without the end tag") << paragraphEdit({{}, {}, false, false}) << "<p>|";
    QTest::newRow("p, align, clear and NoWrap") << paragraphEdit({"center", "all", true, true})
                                                << R"(<p align="center" clear="all" NoWrap>|</p>)";
    QTest::newRow("p, NoWrap without end tag") << paragraphEdit({{}, "left", true, false}) << R"(<p clear="left" NoWrap>|)";

    QTest::newRow("q, empty") << quotationEdit({}) << R"(<q cite="">|</q>)";
    QTest::newRow("q") << quotationEdit(u8("Čapek")) << u8(R"(<q cite="Čapek">|</q>)");
    QTest::newRow("label, empty") << formLabelEdit({}) << R"(<label text="">|</label>)";
    QTest::newRow("option, empty") << listOptionEdit({}) << R"(<option value="">|</option>)";
    QTest::newRow("option") << listOptionEdit("cz") << R"(<option value="cz">|</option>)";
    QTest::newRow("param, empty") << objectParameterEdit({}, {}) << "<param>|";
    QTest::newRow("param, a name only") << objectParameterEdit("autostart", {}) << R"(<param name="autostart">|)";
    QTest::newRow("param") << objectParameterEdit("src", "a.swf") << R"(<param name="src" value="a.swf">|)";

    QTest::newRow("meta, empty") << metaEdit({}) << "<meta>|";
    QTest::newRow("meta, name and content") << metaEdit({"robots", "noindex", {}})
                                            << R"(<meta name="robots" content="noindex">|)";
    QTest::newRow("meta, order name, content, http-equiv")
        << metaEdit({"x", "5", "refresh"}) << R"(<meta name="x" content="5" http-equiv="refresh">|)";

    QTest::newRow("script, empty") << scriptEdit({}) << "<script>\n|\n</script>";
    QTest::newRow("script, language only") << scriptEdit({"javascript", {}, {}, {}})
                                           << "<script language=\"javascript\">\n|\n</script>";
    QTest::newRow("script, all four") << scriptEdit({"vbs", "t", "onload", "window"})
                                      << "<script language=\"vbs\" title=\"t\" event=\"onload\" for=\"window\">\n|\n</script>";

    HorizontalRuleFields noShade;
    noShade.shade = false;
    noShade.colourShown = true;
    QTest::newRow("hr, empty") << horizontalRuleEdit({}) << "<hr |>";
    QTest::newRow("hr, boxes ignored while the lists are empty") << horizontalRuleEdit(noShade) << "<hr |>";
    HorizontalRuleFields wide = rule("75%", "", "");
    wide.shade = false;
    QTest::newRow("hr, width and noshade") << horizontalRuleEdit(wide) << R"(<hr width="75%" noshade>|)";
    HorizontalRuleFields gated = rule("", "2", "");
    gated.colourShown = true;
    QTest::newRow("hr, gate ticked, no colour chosen") << horizontalRuleEdit(gated) << R"(<hr size="2" color="#FFFFFF">|)";
    HorizontalRuleFields full = rule("800", "10", "center");
    full.colour = {10, 11, 12};
    full.colourShown = true;
    QTest::newRow("hr, all pieces in order") << horizontalRuleEdit(full)
                                             << R"(<hr width="800" size="10" align="center" color="#0A0B0C">|)";
    HorizontalRuleFields hidden = rule("", "", "left");
    hidden.colour = {1, 2, 3};
    QTest::newRow("hr, colour without its gate") << horizontalRuleEdit(hidden) << R"(<hr align="left">|)";
}

void TestSmallDialogs::generators()
{
    QFETCH(Edit, edit);
    QFETCH(QString, document);
    QCOMPARE(appliedToEmptyDocument(edit), document);
}

void TestSmallDialogs::styledFontReplacesTheSelection()
{
    // The first style pair replaces the selection; the rest nest inside it.
    LineBuffer document(QStringList{QStringLiteral("abc selected xyz")});
    document.select({1, 5}, {1, 13});
    FontStyles styles;
    styles.underline = true;
    styles.bold = true;
    apply(fontEdit(font("Arial"), styles), document);
    QCOMPARE(withCaret(document), QStringLiteral(R"(abc <u><b><font face="Arial">|</font></b></u> xyz)"));
    document.undo();
    QCOMPARE(document.line(0), QStringLiteral("abc selected xyz"));
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
