// The generators of the form, frame, multimedia, list and counter dialogs, run on a plain document.
#include "base/velinor_error.h"
#include "dialogs/attribute_text.h"
#include "dialogs/counter_generator.h"
#include "dialogs/form_generators.h"
#include "dialogs/frame_generators.h"
#include "dialogs/list_generator.h"
#include "dialogs/multimedia_generators.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"

#include <QtTest>

Q_DECLARE_METATYPE(Edit)

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestDialogGenerators : public QObject
{
    Q_OBJECT

private slots:
    // Each row: a generator's edit, run at the end of a line holding `before`.
    void generatedText_data();
    void generatedText();
    void memoLinesFromText_data();
    void memoLinesFromText();
    void counterAddresses();

private:
    static void addForms();
    static void addFrames();
    static void addMultimedia();
    static void addLists();
    static void addCounter();
};

namespace {

// A row whose result is one line, with the caret `fromEnd` characters before its end.
void oneLine(const char *name, const Edit &edit, const QString &text, int fromEnd = 0)
{
    QTest::newRow(name) << edit << QString() << QStringList{text} << 1 << int(text.size()) + 1 - fromEnd;
}

// A row whose result is a start tag, an empty line holding the caret, and an end tag.
void container(const char *name, const Edit &edit, const QString &startTag, const QString &endTag,
               const QString &before = {})
{
    QTest::newRow(name) << edit << before << QStringList{before + startTag, QString(), endTag} << 2 << 1;
}

} // namespace

void TestDialogGenerators::generatedText_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("before"); // the document's one line before the edit, the caret at its end
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<int>("caretColumn");

    addForms();
    addFrames();
    addMultimedia();
    addLists();
    addCounter();
}

void TestDialogGenerators::addForms()
{
    FormFields form;
    container("form: empty", formEdit(form), "<form>", "</form>");
    form.action = "send.php";
    form.method = "post";
    container("form: action and method", formEdit(form), u8(R"(<form action="send.php" method="post">)"), "</form>");
    form = {"f", "a.php", "get", "t", "_blank"};
    container("form: every field in order", formEdit(form),
              u8(R"(<form name="f" action="a.php" method="get" title="t" target="_blank">)"), "</form>");

    InputFields input;
    oneLine("input: empty", inputEdit(input), "<input>");
    input.type = "text";
    input.name = "jmeno";
    input.size = "20";
    input.showSize = true;
    oneLine("input: type, name and size", inputEdit(input), u8(R"(<input type="text" name="jmeno" size="20">)"));
    input = InputFields();
    input.tabIndex = "1";
    input.showTabIndex = true;
    input.maxLength = "30";
    oneLine("input: a value whose box is unticked is left out", inputEdit(input), u8(R"(<input tabindex="1">)"));
    input = InputFields();
    input.size = "-1";
    input.showSize = true;
    input.tabIndex.clear();
    input.showTabIndex = true;
    oneLine("input: below zero written, an emptied field is not", inputEdit(input), u8(R"(<input size="-1">)"));
    input = {"image", u8(R"(C:\web\b.gif)"), "Alt", u8(R"(say "hi" & <b>)"), "T", "n", "left",
             "2", true, "10", true, "5", true, false, true};
    oneLine("input: every attribute in order, values unchanged", inputEdit(input),
            u8(R"(<input type="image" url="C:\web\b.gif" alt="Alt" value="say "hi" & <b>" title="T" name="n" align="left")"
               R"( tabindex="2" maxlength="10" size="5" disable readonly>)"));

    SelectFields select;
    container("select: empty", selectEdit(select), "<select>", "</select>");
    select.name = "barva";
    select.active = false;
    select.listBox = true;
    container("select: colour, disable and multiple", selectEdit(select),
              u8(R"(<select name="barva" disable multiple>)"), "</select>");
    select = SelectFields();
    select.alignment = "middle";
    select.showTabIndex = select.showSize = true;
    select.size = "4";
    container("select: tabindex before size", selectEdit(select),
              u8(R"(<select align="middle" tabindex="0" size="4">)"), "</select>");

    TextareaFields textarea;
    container("textarea: empty", textareaEdit(textarea), "<textarea>", "</textarea>");
    textarea.alignment = "left";
    container("textarea: alignment", textareaEdit(textarea), u8(R"(<textarea align="left">)"), "</textarea>");
    textarea = {"t", {}, "40", true, "5", true, "3", true, true};
    container("textarea: cols, rows, tabindex, readonly", textareaEdit(textarea),
              u8(R"(<textarea name="t" cols="40" rows="5" tabindex="3" readonly>)"), "</textarea>");
}

void TestDialogGenerators::addFrames()
{
    FramesetFields frameset;
    container("frameset: empty lists", framesetEdit(frameset), u8(R"(<frameset scrolling="auto" frameborder="yes">)"),
              "</frameset>");
    frameset.columns = "2";
    frameset.rows = "*";
    container("frameset: 2/*", framesetEdit(frameset),
              u8(R"(<frameset cols="2" rows="*" scrolling="auto" frameborder="yes">)"), "</frameset>");
    frameset = FramesetFields();
    frameset.showSpacing = true;
    frameset.spacing = "5";
    frameset.scrolling = FrameScrolling::No;
    frameset.border = FrameBorder::No;
    container("frameset: spacing, no scroll bars, no border", framesetEdit(frameset),
              u8(R"(<frameset framespacing="5" scrolling="no" frameborder="no">)"), "</frameset>");

    using Form = FrameFields::PathForm;
    FrameFields iframe;
    iframe.form = Form::Relative;
    iframe.path = u8(R"(C:\web\menu.html)");
    iframe.name = "menu";
    oneLine("iframe: relative path", frameEdit("iframe", iframe),
            u8(R"(<iframe src="menu.html" name="menu" scrolling="auto" frameborder="yes">)"));
    iframe.form = Form::Absolute;
    oneLine("iframe: absolute path", frameEdit("iframe", iframe),
            u8(R"(<iframe src="C:\web\menu.html" name="menu" scrolling="auto" frameborder="yes">)"));
    iframe.form = Form::Relative;
    iframe.path = "stranky/obsah.html";
    iframe.name.clear();
    oneLine("iframe: relative, a path typed by hand gives its file name", frameEdit("iframe", iframe),
            u8(R"(<iframe src="obsah.html" scrolling="auto" frameborder="yes">)"));
    iframe.path.clear();
    oneLine("iframe: relative, no path: no source", frameEdit("iframe", iframe),
            u8(R"(<iframe scrolling="auto" frameborder="yes">)"));

    FrameFields frame;
    frame.path = "a.html";
    frame.alignment = "top";
    frame.marginHeight = "-1";
    frame.showMarginHeight = true;
    frame.marginWidth = "3";
    frame.scrolling = FrameScrolling::Yes;
    oneLine("frame: neither path form writes no source; margins gated", frameEdit("frame", frame),
            u8(R"(<frame align="top" marginheight="-1" scrolling="yes" frameborder="yes">)"));
}

void TestDialogGenerators::addMultimedia()
{
    MarqueeFields marquee;
    marquee.showDelay = true;
    marquee.delay = "100";
    oneLine("marquee: four empty lists give the skeleton", marqueeEdit(marquee), "<marquee></marquee>", 10);
    marquee.behavior = "alternate";
    marquee.direction = "right";
    marquee.loop = "infinite";
    oneLine("marquee: alternate/right/infinite/100", marqueeEdit(marquee),
            u8(R"(<marquee behavior="alternate" direction="right" loop="infinite" scrooldelay="100"></marquee>)"), 10);
    marquee = MarqueeFields();
    marquee.direction = "up";
    marquee.alignment = "left";
    marquee.showColour = true;
    oneLine("marquee: alignment before direction, the white default colour", marqueeEdit(marquee),
            u8(R"(<marquee align="left" direction="up" color="#FFFFFF"></marquee>)"), 10);
    marquee.colour = Rgb{0x12, 0xab, 0x00};
    marquee.showHspace = marquee.showVspace = marquee.showWidth = marquee.showHeight = marquee.showAmount = true;
    marquee.hspace = "1";
    marquee.vspace = "2";
    marquee.width.clear();
    marquee.height = "-4";
    marquee.amount = "6";
    oneLine("marquee: colour and spin fields in order, an emptied one written empty", marqueeEdit(marquee),
            u8(R"(<marquee align="left" direction="up" color="#12AB00" hspace="1" vspace="2" width="" height="-4")"
               R"( scroolamount="6"></marquee>)"),
            10);

    EmbedFields embed;
    embed.showHeight = true;
    oneLine("embed: no path gives the skeleton", embedEdit(embed), "<embed></embed>", 8);
    embed = EmbedFields();
    embed.path = "film.swf";
    embed.parameters = QStringList{"quality=high", "loop=false"};
    oneLine("embed: memo lines", embedEdit(embed), u8(R"(<embed src="film.swf" quality=high loop=false></embed>)"), 8);
    embed.palette = "background";
    embed.showWidth = true;
    embed.width = "320";
    embed.height = "240";
    embed.parameters = QStringList{"a", "", "b"};
    oneLine("embed: palette, ticked width, an empty memo line is a lone space", embedEdit(embed),
            u8(R"(<embed src="film.swf" palette="background" width="320" a  b></embed>)"), 8);
    embed = EmbedFields();
    embed.path = "x";
    QString many;
    for (int i = 0; i < 300; ++i) {
        embed.parameters << QString("p%1=%1").arg(i);
        many += QString(" p%1=%1").arg(i);
    }
    oneLine("embed: all of 300 memo lines", embedEdit(embed), u8(R"(<embed src="x")") + many + "></embed>", 8);

    oneLine("sound: no path gives the skeleton, caret on its space", soundEdit(SoundFields{{}, "5"}), "<bgsound >", 1);
    oneLine("sound: infinite", soundEdit(SoundFields{"zvuk.mid", "infinite"}),
            u8(R"(<bgsound dynsrc="zvuk.mid" loop="infinite">)"));
    oneLine("sound: empty repetition left out", soundEdit(SoundFields{"zvuk.mid", {}}), u8(R"(<bgsound dynsrc="zvuk.mid">)"));

    VideoFields video;
    video.showLoop = true;
    oneLine("video: no path gives the skeleton", videoEdit(video), "<img >", 1);
    video.path = "film.avi";
    oneLine("video: loop 0", videoEdit(video), u8(R"(<img dynsrc="film.avi" loop="0">)"));
    video.showLoop = false;
    video.start = "mouseover";
    video.controls = true;
    oneLine("video: start and controls", videoEdit(video), u8(R"(<img dynsrc="film.avi" start="mouseover" controls>)"));
}

void TestDialogGenerators::addLists()
{
    using Kind = ListFields::Kind;
    container("list: defaults", listEdit(ListFields()), "<ol>", "</ol>");
    ListFields list{Kind::Ordered, "I", {}, "justify", "4"};
    container("list: ordered I/justify/4", listEdit(list), u8(R"(<ol type="I" align="justify" start="4">)"), "</ol>");
    list = ListFields{Kind::Unordered, "a", "square", {}, "7"};
    container("list: unordered square, the hidden type and start unused", listEdit(list),
              u8(R"(<ul type="square">)"), "</ul>");
    container("list: in the middle of a line", listEdit(ListFields()), "<ol>", "</ol>", "abc");
}

void TestDialogGenerators::addCounter()
{
    const QString link = u8(R"(<a href=")") + counterHomePage() + u8(R"("><img src=")")
                         + QLatin1String(kCounterServiceBase) + "/bin/counter.gif/link=";
    const QString end = u8(R"(" border=0></a>)");
    // The caret: 14 characters left lands after the source's closing quotation mark, 4 before "</a>".
    oneLine("counter: no identifier, no style", counterEdit(CounterFields()), link + end, 14);
    oneLine("counter: identifier and style", counterEdit(CounterFields{"Rainbow", "mojestranka", "6"}),
            link + "mojestranka&width=6&set=Rainbow" + end, 4);
    oneLine("counter: identifier without a style", counterEdit(CounterFields{{}, "mojestranka", "6"}),
            link + "mojestranka&width=6&set=" + end, 14);
    oneLine("counter: style without an identifier", counterEdit(CounterFields{"Domino", {}, "100"}),
            link + "&width=100&set=Domino" + end, 4);
    oneLine("counter: values copied without encoding", counterEdit(CounterFields{"a b", "moje & stranka", "2"}),
            link + "moje & stranka&width=2&set=a b" + end, 4);
}

void TestDialogGenerators::generatedText()
{
    QFETCH(Edit, edit);
    QFETCH(QString, before);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    QFETCH(int, caretColumn);

    LineBuffer document(QStringList{before});
    document.setCaretColumn(int(before.size()) + 1);
    apply(edit, document);
    QCOMPARE(document.lines(), lines);
    QCOMPARE(document.caret(), (TextPosition{caretLine, caretColumn}));
    document.undo();
    QCOMPARE(document.lines(), QStringList{before}); // one undo step
}

void TestDialogGenerators::memoLinesFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty memo") << QString() << QStringList();
    QTest::newRow("one line") << "a=1" << QStringList{"a=1"};
    QTest::newRow("a final line break adds no line") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("an empty line inside") << "a\n\nb" << QStringList{"a", "", "b"};
    QTest::newRow("a lone line break is one empty line") << "\n" << QStringList{""};
}

void TestDialogGenerators::memoLinesFromText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(memoLines(text), lines);
}

void TestDialogGenerators::counterAddresses()
{
    // The link and the image the markup points at are addresses of one service: its home page
    // and its counter image for the identifier.
    LineBuffer document(QStringList{QString()});
    apply(counterEdit(CounterFields{"Rainbow", "mojestranka", "6"}), document);
    const QRegularExpression markup(QStringLiteral(R"re(^<a href="([^"]*)"><img src="([^"]*)" border=0></a>$)re"));
    const QRegularExpressionMatch match = markup.match(document.lines().join(QString()));
    QVERIFY2(match.hasMatch(), qPrintable(document.lines().join(QString())));
    const QUrl home(match.captured(1));
    const QUrl image(match.captured(2));
    for (const QUrl &url : {home, image}) {
        QVERIFY2(url.isValid() && !url.host().isEmpty(), qPrintable(url.toString()));
        QVERIFY(url.scheme() == "http" || url.scheme() == "https");
    }
    QCOMPARE(image.host(), home.host());
    QCOMPARE(home.path(), QStringLiteral("/counter/"));
    QCOMPARE(image.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority),
             QStringLiteral("/bin/counter.gif/link=mojestranka&width=6&set=Rainbow"));
}

QTEST_GUILESS_MAIN(TestDialogGenerators)
#include "test_dialog_generators.moc"
