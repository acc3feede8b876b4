#include "contract_cases.h"

#include "app/startup_document.h"
#include "base/velinor_error.h"
#include "editor/edit.h"
#include "editor/insertion.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "editor/utf8_count.h"

#include <Qsci/qscilexerhtml.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <random>

Q_DECLARE_METATYPE(TextPosition)
Q_DECLARE_METATYPE(Edit)

namespace {

enum class Kind { Buffer, Editor };

std::unique_ptr<TextDocument> makeDocument(Kind kind)
{
    if (kind == Kind::Buffer)
        return std::make_unique<LineBuffer>();
    return std::make_unique<SyntaxEdit>();
}

QString joined(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void contract_data();
    void contract();
    void statusLength_data();
    void statusLength();
    void modifiedFlag_data();
    void modifiedFlag();
    void failingEditKeepsItsSteps_data();
    void failingEditKeepsItsSteps();
    void selectAllAndSelectedText_data();
    void selectAllAndSelectedText();

    void editorFileRoundTrip();
    void editorTypingAtTheStartKeepsTheMark();
    void editorLoadFailureKeepsText();
    void editorKeepsCharactersThatNeedUtf8();
    void editorPasteSplitsLines();
    void editorHighlighters();
    void editorViewGeometry();
    void editorInsertKeyTogglesOverwrite();
    void badInputNeverCrashes();
    void accessibleTextUsesCharacterOffsets();
    void typingCountsAsAChange();
    void editorKeys_data();
    void editorKeys();
    void editorKeysThatMove();
    void pasteAndTypingTrimTrailingSpaces_data();
    void pasteAndTypingTrimTrailingSpaces();
    void utf8Counting_data();
    void utf8Counting();
    void columnsOnALineEditedInTheMiddle();
    void editsOnAVeryLongLine_data();
    void editsOnAVeryLongLine();
    void randomEditsOnAVeryLongLine();
};

void TestEditor::contract_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    const auto cases = contractCases();
    for (int i = 0; i < int(cases.size()); ++i) {
        QTest::addRow("line buffer: %s", cases[i].name) << int(Kind::Buffer) << i;
        QTest::addRow("editor: %s", cases[i].name) << int(Kind::Editor) << i;
    }
}

void TestEditor::contract()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    const ContractCase c = contractCases().at(index);
    auto doc = makeDocument(Kind(kind));
    doc->setText(joined(c.initial));
    QCOMPARE(doc->lines(), c.initial);
    doc->setCaretLine(c.caret.line);
    doc->setCaretColumn(c.caret.column);
    QCOMPARE(doc->caret(), c.caret);
    if (c.selection)
        doc->select(c.selection->first, c.selection->second);

    apply(c.edit, *doc);
    QCOMPARE(doc->lines(), c.expected);
    QCOMPARE(doc->caret(), c.expectedCaret);
    QVERIFY(!doc->hasSelection());

    doc->undo();
    QCOMPARE(doc->lines(), c.afterUndo.value_or(c.initial));
    doc->redo();
    QCOMPARE(doc->lines(), c.expected);
}

void TestEditor::statusLength_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<qint64>("length");
    for (Kind kind : {Kind::Buffer, Kind::Editor}) {
        const char *prefix = kind == Kind::Buffer ? "line buffer" : "editor";
        QTest::addRow("%s: no lines", prefix) << int(kind) << "" << 0 << qint64(0);
        QTest::addRow("%s: one empty line", prefix) << int(kind) << "\r\n" << 1 << qint64(2);
        QTest::addRow("%s: two lines", prefix) << int(kind) << "abc\r\nde\r\n" << 2 << qint64(9);
        QTest::addRow("%s: Czech letters count one", prefix) << int(kind) << QString::fromUtf8("žluť\r\n") << 1 << qint64(6);
        QTest::addRow("%s: last line empty", prefix) << int(kind) << "a\r\n\r\n" << 2 << qint64(5);
    }
}

void TestEditor::statusLength()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(qint64, length);
    auto doc = makeDocument(Kind(kind));
    doc->setText(text);
    QCOMPARE(doc->lineCount(), lines);
    QCOMPARE(doc->statusLength(), length);
    QCOMPARE(doc->text(), text);
}

void TestEditor::modifiedFlag_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("line buffer") << int(Kind::Buffer);
    QTest::newRow("editor") << int(Kind::Editor);
}

void TestEditor::modifiedFlag()
{
    QFETCH(int, kind);
    auto doc = makeDocument(Kind(kind));
    doc->setText(joined(startupDocumentLines()));
    QVERIFY(!doc->isModified());
    doc->setCaretLine(9);
    QVERIFY(!doc->isModified()); // a caret move is no change
    doc->insert(QStringLiteral("<p>"));
    QVERIFY(doc->isModified());
    doc->undo();
    QVERIFY(doc->isModified()); // stays set until cleared
    doc->clearModified();
    QVERIFY(!doc->isModified());
    doc->setText(QStringLiteral("x"));
    QVERIFY(!doc->isModified()); // replacing the whole text leaves the flag alone
    QCOMPARE(doc->lines(), QStringList{QStringLiteral("x")});
}

void TestEditor::failingEditKeepsItsSteps_data()
{
    modifiedFlag_data();
}

void TestEditor::failingEditKeepsItsSteps()
{
    QFETCH(int, kind);
    auto doc = makeDocument(Kind(kind));
    const Edit edit = Edit().insert(QStringLiteral("<table>")).insert(QStringLiteral("\r<tr>")).fail(QStringLiteral("'x' is not a valid integer value"));
    try {
        apply(edit, *doc);
        QFAIL("the edit's error was not raised");
    } catch (const VelinorError &e) {
        QCOMPARE(e.message(), QStringLiteral("'x' is not a valid integer value"));
    }
    QCOMPARE(doc->lines(), QStringList({QStringLiteral("<table>"), QStringLiteral("<tr>")}));
    doc->undo();
    QCOMPARE(doc->lineCount() <= 1 ? doc->line(0) : QStringLiteral("more"), QString());
}

void TestEditor::selectAllAndSelectedText_data()
{
    modifiedFlag_data();
}

void TestEditor::selectAllAndSelectedText()
{
    QFETCH(int, kind);
    auto doc = makeDocument(Kind(kind));
    doc->setText(QStringLiteral("ab\r\ncd\r\n"));
    doc->selectAll();
    QCOMPARE(doc->selectedText(), QStringLiteral("ab\r\ncd"));
    QCOMPARE(doc->caret(), (TextPosition{2, 3}));
    doc->select({1, 2}, {2, 2});
    QCOMPARE(doc->selectedText(), QStringLiteral("b\r\nc"));
}

void TestEditor::editorFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    const QByteArray bytes("<p>\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd</p>\r<br>\r\x81\x83\r");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    SyntaxEdit editor;
    editor.loadFile(path);
    QCOMPARE(editor.lines(), QStringList({QString::fromUtf8("<p>žluťoučký</p>"), QStringLiteral("<br>"),
                                          QString(QChar(0x81)) + QChar(0x83)}));
    QCOMPARE(editor.lineBreak(), LineBreak::CR);
    QVERIFY(!editor.isModified());
    // The loaded text is still coloured and still UTF-8 inside the component.
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETLEXER), long(QsciScintillaBase::SCLEX_HTML));
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETCODEPAGE), long(QsciScintillaBase::SC_CP_UTF8));
    QCOMPARE(editor.caret(), (TextPosition{1, 1}));

    editor.setCaretLine(2);
    editor.setCaretColumn(5);
    editor.insert(QStringLiteral("\rč"));
    const QString saved = dir.filePath(QStringLiteral("saved.htm"));
    QVERIFY(!editor.saveFile(saved));
    QCOMPARE(readAll(saved), QByteArray("<p>\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd</p>\r<br>\r\xe8\r\x81\x83\r"));
    QVERIFY(editor.isModified()); // saving leaves the flag to the caller
}

// A file's UTF-8 byte-order mark is no character of the text: what is typed at line 1, column 1
// is saved after it, and the file stays UTF-8 with its mark.
void TestEditor::editorTypingAtTheStartKeepsTheMark()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF<p>\r\n");
    }
    SyntaxEdit editor;
    editor.loadFile(path);
    QCOMPARE(editor.caret(), (TextPosition{1, 1}));
    QTest::keyClicks(&editor, "x");
    QCOMPARE(editor.lines(), QStringList{QStringLiteral("x<p>")});
    QVERIFY(!editor.saveFile(path));
    QCOMPARE(readAll(path), QByteArray("\xEF\xBB\xBF" "x<p>\r\n"));
}

void TestEditor::editorLoadFailureKeepsText()
{
    SyntaxEdit editor;
    editor.setText(QStringLiteral("keep\r\n"));
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nope.html"));
    try {
        editor.loadFile(missing);
        QFAIL("no error for a missing file");
    } catch (const VelinorError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot open file %1").arg(missing));
    }
    QCOMPARE(editor.lines(), QStringList{QStringLiteral("keep")});
}

void TestEditor::editorKeepsCharactersThatNeedUtf8()
{
    SyntaxEdit editor;
    editor.insert(QString::fromUtf8("čaj 😀"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.html"));
    QVERIFY(editor.saveFile(path)); // told: the file had to be written as UTF-8
    QCOMPARE(readAll(path), QString::fromUtf8("čaj 😀\r\n").toUtf8());
    QCOMPARE(editor.encoding(), TextEncoding::Utf8);
}

void TestEditor::editorPasteSplitsLines()
{
    SyntaxEdit editor;
    editor.setText(QStringLiteral("XY\r\n"));
    editor.setCaretColumn(2);
    QApplication::clipboard()->setText(QStringLiteral("a\rb\r\nc\nd"));
    editor.paste();
    QCOMPARE(editor.lines(), QStringList({"Xa", "b", "c", "dY"}));
    editor.undo();
    QCOMPARE(editor.lines(), QStringList{"XY"});
}

void TestEditor::editorHighlighters()
{
    SyntaxEdit editor;
    QCOMPARE(editor.highlighter(), Highlighter::Html);
    QCOMPARE(editor.lexer(), editor.highlighterLexer(Highlighter::Html));
    const char *languages[] = {"HTML", "CSS", "JavaScript", "PHP", "SQL", "XML"};
    for (int i = 0; i < kHighlighterCount; ++i) {
        editor.setHighlighter(Highlighter(i));
        QCOMPARE(QString::fromLatin1(editor.lexer()->language()), QString::fromLatin1(languages[i]));
    }
    QCOMPARE(QString::fromLatin1(editor.highlighterLexer(Highlighter::Php)->lexer()), QStringLiteral("phpscript"));

    // A colour of its own, then "none" lets the editor's black on white show, not the colour the
    // highlighter would give tags by itself (navy).
    QsciLexer *html = editor.highlighterLexer(Highlighter::Html);
    editor.setHtmlTokenColours(HtmlTokenClass::Key, Rgb{0xFF, 0, 0}, Rgb{0x80, 0, 0xFF});
    QCOMPARE(html->color(QsciLexerHTML::Tag), QColor(0x80, 0, 0xFF));
    QCOMPARE(html->paper(QsciLexerHTML::Tag), QColor(0xFF, 0, 0));
    editor.setHtmlTokenColours(HtmlTokenClass::Key, std::nullopt, std::nullopt);
    QCOMPARE(html->color(QsciLexerHTML::Tag), QColor(Qt::black));
    QCOMPARE(html->paper(QsciLexerHTML::Tag), QColor(Qt::white));
    QVERIFY(html->defaultColor(QsciLexerHTML::Tag) != QColor(Qt::black));
    editor.setHtmlTokenColours(HtmlTokenClass::Value, std::nullopt, Rgb{0, 0x80, 0xFF});
    QCOMPARE(html->color(QsciLexerHTML::HTMLDoubleQuotedString), QColor(0, 0x80, 0xFF));
}

void TestEditor::editorViewGeometry()
{
    SyntaxEdit editor;
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    const double width = editor.characterWidth();
    QVERIFY(width > 4 && width < 20);
    const int gutter = editor.gutterWidth();
    QVERIFY(gutter > 0);
    editor.setLineNumbersVisible(false);
    QVERIFY(editor.gutterWidth() < gutter);
    editor.setGutterVisible(false);
    QCOMPARE(editor.gutterWidth(), 0);
    editor.setGutterVisible(true);
    editor.setLineNumbersVisible(true);
    QCOMPARE(editor.gutterWidth(), gutter);

    QCOMPARE(editor.firstVisibleColumn(), 1);
    const int columns = editor.visibleColumns();
    QVERIFY(columns > 20);
    QCOMPARE(editor.columnAtX(gutter + SyntaxEdit::kTextMargin), 1);
    QCOMPARE(editor.columnAtX(gutter + SyntaxEdit::kTextMargin + int(10 * width)), 11);
    QCOMPARE(editor.columnAtX(0), 1);

    // A bigger font: wider characters, fewer columns.
    QFont big = editor.editorFont();
    big.setPointSize(20);
    editor.setEditorFont(big);
    QVERIFY(editor.characterWidth() > width * 1.5);
    QVERIFY(editor.visibleColumns() < columns);

    // Scrolled right: the first visible column follows.
    editor.setText(QString(300, QLatin1Char('x')) + QStringLiteral("\r\n"));
    editor.SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(std::lround(22 * editor.characterWidth())));
    QCOMPARE(editor.firstVisibleColumn(), 23);

    editor.setRightMargin(30);
    QCOMPARE(editor.rightMargin(), 30);
    editor.setNonPrintableVisible(true);
    QVERIFY(editor.nonPrintableVisible());
    QCOMPARE(editor.whitespaceVisibility(), QsciScintilla::WsVisible);
}

void TestEditor::editorInsertKeyTogglesOverwrite()
{
    SyntaxEdit editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    int keys = 0;
    connect(&editor, &SyntaxEdit::keyPressed, this, [&](QKeyEvent *e) { keys += e->key() == Qt::Key_Insert; });
    QVERIFY(!editor.isOverwriteMode());
    QTest::keyClick(&editor, Qt::Key_Insert);
    QVERIFY(editor.isOverwriteMode());
    QTest::keyClicks(&editor, "ab");
    QTest::keyClick(&editor, Qt::Key_Home);
    QTest::keyClicks(&editor, "X");
    QCOMPARE(editor.lines(), QStringList{"Xb"});
    QTest::keyClick(&editor, Qt::Key_Insert);
    QVERIFY(!editor.isOverwriteMode());
    QCOMPARE(keys, 2);
}

void TestEditor::badInputNeverCrashes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("binary.bin"));
    QByteArray bytes;
    quint32 seed = 7;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes.append(char(seed >> 24));
    }
    bytes.append(QByteArray(1 << 20, 'x')); // and a 1 MB line
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    SyntaxEdit editor;
    editor.loadFile(path);
    QVERIFY(editor.lineCount() > 100);
    QVERIFY(editor.maxLineWidth() >= (1 << 20));
    editor.setCaretLine(editor.lineCount());
    editor.setCaretColumn(characterCount(editor.line(editor.lineCount() - 1)) + 1);
    editor.insert(QStringLiteral("<end>"));
    QVERIFY(editor.line(editor.lineCount() - 1).endsWith(QStringLiteral("x<end>")));
    QVERIFY(!editor.saveFile(dir.filePath(QStringLiteral("out.bin"))));
}

void TestEditor::accessibleTextUsesCharacterOffsets()
{
    SyntaxEdit editor;
    editor.setText(QString::fromUtf8("žluťoučký\r\nkůň 😀 x\r\n"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&editor);
    QVERIFY(accessible);
    QAccessibleTextInterface *text = accessible->textInterface();
    QVERIFY(text);
    QVERIFY(accessible->editableTextInterface());
    QCOMPARE(text->characterCount(), 9 + 1 + 7); // "\n" between the lines counts one
    QCOMPARE(text->text(10, 13), QString::fromUtf8("kůň"));
    QCOMPARE(text->text(14, 15), QString::fromUtf8("😀"));
    editor.setCaretLine(2);
    editor.setCaretColumn(4);
    QCOMPARE(text->cursorPosition(), 13);
    text->setCursorPosition(3);
    QCOMPARE(editor.caret(), (TextPosition{1, 4}));
    text->setSelection(0, 10, 13);
    QCOMPARE(editor.selectedText(), QString::fromUtf8("kůň"));
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(start, 10);
    QCOMPARE(end, 13);
    accessible->editableTextInterface()->replaceText(10, 13, QStringLiteral("pes"));
    QCOMPARE(editor.line(1), QString::fromUtf8("pes 😀 x"));
}

void TestEditor::typingCountsAsAChange()
{
    SyntaxEdit editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setText(QString());
    QCOMPARE(editor.lineCount(), 0);
    int statusChanges = 0;
    connect(&editor, &SyntaxEdit::statusChanged, this, [&] { ++statusChanges; });
    QTest::keyClicks(&editor, "ab");
    QVERIFY(editor.isModified());
    QVERIFY(statusChanges > 0);
    QCOMPARE(editor.lines(), QStringList{"ab"});
    editor.clearModified();
    QVERIFY(!editor.isModified());
    QTest::keyClick(&editor, Qt::Key_Backspace); // any change, deletions too
    QVERIFY(editor.isModified());
    editor.clearModified();
    editor.undo(); // undo is a change as well
    QVERIFY(editor.isModified());
    // A line typed longer than the caret's range widens it.
    editor.setText(QString());
    QTest::keyClicks(&editor, QByteArray(1100, 'x').constData());
    QTRY_COMPARE(editor.maxLineWidth(), 1101); // noticed when the component next updates its view
}

// The editor's own keys, as a table: what each does to a small text. Keys the table does not give
// to an editing action change nothing.
void TestEditor::editorKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextPosition>("caretAt");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TextPosition>("caretAfter");

    const int ctrl = Qt::ControlModifier, shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    const QString three = QStringLiteral("ab\r\ncd\r\nef\r\n");
    QTest::newRow("Ctrl+Y deletes the line") << three << TextPosition{2, 2} << false << int(Qt::Key_Y) << ctrl
                                             << QStringList{"ab", "ef"} << TextPosition{2, 1};
    QTest::newRow("Shift+Ctrl+Y deletes to the line end") << three << TextPosition{2, 2} << false << int(Qt::Key_Y)
                                                          << shiftCtrl << QStringList{"ab", "c", "ef"} << TextPosition{2, 2};
    QTest::newRow("Ctrl+T deletes a word") << QStringLiteral("foo bar\r\n") << TextPosition{1, 1} << false
                                           << int(Qt::Key_T) << ctrl << QStringList{"bar"} << TextPosition{1, 1};
    QTest::newRow("Ctrl+Backspace deletes the last word, not the space") << QStringLiteral("foo bar\r\n") << TextPosition{1, 8} << false
                                                          << int(Qt::Key_Backspace) << ctrl << QStringList{"foo"}
                                                          << TextPosition{1, 5};
    QTest::newRow("Ctrl+N inserts a line, the caret stays") << QStringLiteral("ab\r\n") << TextPosition{1, 2} << false
                                                            << int(Qt::Key_N) << ctrl << QStringList{"a", "b"}
                                                            << TextPosition{1, 2};
    QTest::newRow("Ctrl+M breaks the line") << QStringLiteral("ab\r\n") << TextPosition{1, 2} << false << int(Qt::Key_M)
                                            << ctrl << QStringList{"a", "b"} << TextPosition{2, 1};
    QTest::newRow("Shift+Ctrl+I indents the block") << QStringLiteral("a\r\nb\r\n") << TextPosition{1, 1} << true
                                                    << int(Qt::Key_I) << shiftCtrl << QStringList{"  a", "  b"}
                                                    << TextPosition{2, 4};
    QTest::newRow("Shift+Ctrl+U unindents, never upper-cases") << QStringLiteral("    a\r\nb\r\n") << TextPosition{1, 1}
                                                               << true << int(Qt::Key_U) << shiftCtrl
                                                               << QStringList{"  a", "b"} << TextPosition{2, 2};
    QTest::newRow("Shift+Ctrl+L selects lines, deletes nothing") << three << TextPosition{2, 1} << false << int(Qt::Key_L)
                                                                 << shiftCtrl << QStringList{"ab", "cd", "ef"}
                                                                 << TextPosition{2, 1};
    // Keys that write a line leave no spaces at its end.
    QTest::newRow("Backspace leaves no space at the end") << QStringLiteral("abc d\r\n") << TextPosition{1, 6} << false
                                                          << int(Qt::Key_Backspace) << 0 << QStringList{"abc"}
                                                          << TextPosition{1, 5};
    QTest::newRow("Enter after a space") << QStringLiteral("ab cd\r\n") << TextPosition{1, 4} << false
                                         << int(Qt::Key_Return) << 0 << QStringList{"ab", "cd"} << TextPosition{2, 1};
    QTest::newRow("Enter indents in the free space") << QStringLiteral("  ab\r\n") << TextPosition{1, 5} << false
                                                     << int(Qt::Key_Return) << 0 << QStringList{"  ab", ""}
                                                     << TextPosition{2, 3};
    QTest::newRow("Tab at the end moves the caret only") << QStringLiteral("ab\r\n") << TextPosition{1, 3} << false
                                                         << int(Qt::Key_Tab) << 0 << QStringList{"ab"}
                                                         << TextPosition{1, 9};
    QTest::newRow("Tab inside the line") << QStringLiteral("ab\r\n") << TextPosition{1, 1} << false << int(Qt::Key_Tab)
                                         << 0 << QStringList{"        ab"} << TextPosition{1, 9};
    QTest::newRow("Delete at the end joins the lines") << QStringLiteral("ab\r\ncd\r\n") << TextPosition{1, 3} << false
                                                       << int(Qt::Key_Delete) << 0 << QStringList{"abcd"}
                                                       << TextPosition{1, 3};
    QTest::newRow("Shift+Ctrl+I leaves empty lines empty") << QStringLiteral("a\r\n\r\nb\r\n") << TextPosition{1, 1} << true
                                                           << int(Qt::Key_I) << shiftCtrl << QStringList{"  a", "", "  b"}
                                                           << TextPosition{3, 4};
    QTest::newRow("Ctrl+1 types nothing") << three << TextPosition{1, 1} << false << int(Qt::Key_1) << ctrl
                                          << QStringList{"ab", "cd", "ef"} << TextPosition{1, 1};
    // The component's own keys that would change the text.
    for (int key : {int(Qt::Key_L), int(Qt::Key_D), int(Qt::Key_U), int(Qt::Key_Delete)})
        QTest::addRow("Ctrl+%s changes nothing", qPrintable(QKeySequence(key).toString()))
            << three << TextPosition{2, 2} << true << key << ctrl << QStringList{"ab", "cd", "ef"} << TextPosition{3, 3};
    for (int key : {int(Qt::Key_T), int(Qt::Key_Delete), int(Qt::Key_Backspace)})
        QTest::addRow("Shift+Ctrl+%s changes nothing", qPrintable(QKeySequence(key).toString()))
            << three << TextPosition{2, 2} << false << key << shiftCtrl << QStringList{"ab", "cd", "ef"} << TextPosition{2, 2};
}

void TestEditor::editorKeys()
{
    QFETCH(QString, text);
    QFETCH(TextPosition, caretAt);
    QFETCH(bool, selectAll);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, lines);
    QFETCH(TextPosition, caretAfter);
    SyntaxEdit editor;
    editor.setText(text);
    editor.setCaretLine(caretAt.line);
    editor.setCaretColumn(caretAt.column);
    if (selectAll)
        editor.selectAll();
    QTest::keyClick(&editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(editor.lines(), lines);
    QCOMPARE(editor.caret(), caretAfter);
}

// Bookmarks, selection modes, the matching bracket and undo on Alt+Backspace.
void TestEditor::editorKeysThatMove()
{
    SyntaxEdit editor;
    editor.setText(QStringLiteral("(ab)\r\ncd\r\nef\r\n"));
    const int gutter = editor.gutterWidth();
    editor.setCaretLine(3);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    QVERIFY(editor.gutterWidth() > gutter); // the bookmark shows in the gutter
    editor.setCaretLine(1);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(editor.caret().line, 3);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier); // set again on its line: removed
    QCOMPARE(editor.gutterWidth(), gutter);
    editor.setCaretLine(1);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(editor.caret().line, 1);

    editor.setCaretColumn(1);
    QTest::keyClick(&editor, Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(editor.caret(), (TextPosition{1, 4}));

    QTest::keyClick(&editor, Qt::Key_C, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONMODE), long(QsciScintillaBase::SC_SEL_RECTANGLE));
    QTest::keyClick(&editor, Qt::Key_N, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONMODE), long(QsciScintillaBase::SC_SEL_STREAM));

    editor.setCaretLine(2);
    editor.setCaretColumn(3);
    QTest::keyClicks(&editor, "xy");
    QCOMPARE(editor.line(1), QStringLiteral("cdxy"));
    QTest::keyClick(&editor, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(editor.line(1), QStringLiteral("cd"));
    QTest::keyClick(&editor, Qt::Key_Backspace, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(editor.line(1), QStringLiteral("cdxy"));
}

// Pasted and typed text follow the trailing-space rule: spaces that would end a line are not kept.
void TestEditor::pasteAndTypingTrimTrailingSpaces_data()
{
    QTest::addColumn<QString>("pasted"); // empty: typed instead
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("caretColumn");
    QTest::newRow("one space pasted at column 10") << " " << QByteArray() << 10 << "abc" << 4;
    QTest::newRow("X and two spaces pasted at the end") << "X  " << QByteArray() << 4 << "abcX" << 5;
    QTest::newRow("pasted text keeps inner spaces") << "x y" << QByteArray() << 4 << "abcx y" << 7;
    QTest::newRow("spaces typed at the end") << QString() << QByteArray("  ") << 4 << "abc" << 6;
    QTest::newRow("a space typed between words stays") << QString() << QByteArray(" d") << 4 << "abc d" << 6;
    QTest::newRow("a space typed inside the line stays") << QString() << QByteArray(" ") << 2 << "a bc" << 3;
}

void TestEditor::pasteAndTypingTrimTrailingSpaces()
{
    QFETCH(QString, pasted);
    QFETCH(QByteArray, typed);
    QFETCH(int, column);
    QFETCH(QString, line);
    QFETCH(int, caretColumn);
    SyntaxEdit editor;
    editor.setText(QStringLiteral("abc\r\n"));
    editor.setCaretColumn(column);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        editor.paste();
    } else {
        QTest::keyClicks(&editor, typed.constData());
    }
    QCOMPARE(editor.lines(), QStringList{line});
    QCOMPARE(editor.caret(), (TextPosition{1, caretColumn}));
    if (!pasted.isEmpty()) {
        editor.undo(); // one step
        QCOMPARE(editor.lines(), QStringList{"abc"});
    }
}

QTEST_MAIN(TestEditor)
void TestEditor::utf8Counting_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ASCII shorter than a word") << QByteArray("abc");
    QTest::newRow("ASCII over several words") << QByteArray("<p class=\"x\">Hello, world</p>");
    QTest::newRow("Czech letters across word boundaries") << QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy").toUtf8();
    QTest::newRow("three- and four-byte characters") << QString::fromUtf8("a€b😀c😀😀€€ddddddddd😀").toUtf8();
    QTest::newRow("only multi-byte") << QString::fromUtf8("ěščřžýáíéěščřžýáíé").toUtf8();
}

void TestEditor::utf8Counting()
{
    QFETCH(QByteArray, text);
    // Byte offsets where each character starts, from the code points' encoded lengths.
    std::vector<qsizetype> starts;
    qsizetype offset = 0;
    for (char32_t c : QString::fromUtf8(text).toUcs4()) {
        starts.push_back(offset);
        offset += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    }
    QCOMPARE(countUtf8Characters(text.constData(), text.size()), qint64(QString::fromUtf8(text).toUcs4().size()));
    QCOMPARE(qint64(starts.size()), countUtf8Characters(text.constData(), text.size()));
    for (qint64 n = 0; n <= qint64(starts.size()) + 1; ++n)
        QCOMPARE(utf8OffsetAfter(text.constData(), text.size(), n), n < qint64(starts.size()) ? starts[size_t(n)] : text.size());
    // A piece that begins inside a character counts from the next one.
    if (starts.size() > 1 && starts[1] > 1) {
        QCOMPARE(utf8OffsetAfter(text.constData() + 1, text.size() - 1, 0), starts[1] - 1);
        QCOMPARE(countUtf8Characters(text.constData() + 1, text.size() - 1), qint64(starts.size()) - 1);
    }
}

void TestEditor::columnsOnALineEditedInTheMiddle()
{
    // The component keeps its text in two parts around the last edit; columns and lengths are counted
    // across that seam.
    const QString line = QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy ").repeated(40);
    SyntaxEdit editor;
    LineBuffer model;
    std::vector<TextPosition> beyondTheEdit;
    for (TextDocument *doc : {static_cast<TextDocument *>(&editor), static_cast<TextDocument *>(&model)}) {
        doc->setText(line + QStringLiteral("\r\n") + line + QStringLiteral("\r\n"));
        doc->setCaretLine(1);
        doc->setCaretColumn(700);
        doc->insert(QString::fromUtf8("ž"));
        doc->setCaretColumn(1500);
        beyondTheEdit.push_back(doc->caret());
        doc->insert(QStringLiteral("x"));
        doc->setCaretLine(2);
        doc->setCaretColumn(900);
    }
    QCOMPARE(beyondTheEdit.at(0), (TextPosition{1, 1500}));
    QCOMPARE(beyondTheEdit.at(1), (TextPosition{1, 1500}));
    QCOMPARE(editor.lines(), model.lines());
    QCOMPARE(editor.caret(), model.caret());
    QCOMPARE(editor.caret(), (TextPosition{2, 900}));
    QCOMPARE(editor.statusLength(), model.statusLength());
    editor.setCaretLine(1);
    QCOMPARE(editor.caret(), (TextPosition{1, 900}));
    editor.insert(QStringLiteral("|"));
    QCOMPARE(editor.line(0).toUcs4().mid(899, 1), QString(QStringLiteral("|")).toUcs4());
}

void TestEditor::editsOnAVeryLongLine_data()
{
    // A minified line of some 25 kB with two-, three- and four-byte characters, and a run of spaces
    // in its middle. Edits on such a line work on a piece of it around the caret; each case checks
    // the editor against the plain model, which always works on whole lines.
    const QString piece = QString::fromUtf8(".r{font:\"Žluťoučký 😀\";color:#f€0}");
    const QString half = piece.repeated(300);
    const QString line = half + QString(300, QLatin1Char(' ')) + half;
    const int length = int(line.toUcs4().size());
    const int afterSpaces = int(half.toUcs4().size()) + 301;
    const QString endsInSpaces = line + QStringLiteral("   ");

    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TextPosition>("anchor");
    QTest::addColumn<TextPosition>("caret");
    QTest::addColumn<Edit>("edit");
    const TextPosition middle{1, length / 3};
    QTest::newRow("an entity in the middle") << QStringList{line} << middle << middle << Edit().insert(QStringLiteral("&nbsp;"));
    QTest::newRow("a tag pair at the start") << QStringList{line} << TextPosition{1, 1} << TextPosition{1, 1}
                                             << Edit().insert(QStringLiteral("<b></b>")).left(4);
    QTest::newRow("a tag pair at the end") << QStringList{line} << TextPosition{1, length + 1} << TextPosition{1, length + 1}
                                           << Edit().insert(QStringLiteral("<b></b>")).left(4);
    QTest::newRow("beyond the end, in virtual space") << QStringList{line} << TextPosition{1, length + 10}
                                                      << TextPosition{1, length + 10} << Edit().insert(QStringLiteral("x"));
    QTest::newRow("lines in the middle") << QStringList{line} << middle << middle
                                         << Edit().insert(QStringLiteral("a\r\n  b  \r\nc")).left(2);
    QTest::newRow("a line break after a run of spaces trims them")
        << QStringList{line} << TextPosition{1, afterSpaces} << TextPosition{1, afterSpaces} << Edit().insert(QStringLiteral("\r\n"));
    QTest::newRow("spaces inserted before a run of spaces")
        << QStringList{line} << TextPosition{1, afterSpaces - 300} << TextPosition{1, afterSpaces - 300}
        << Edit().insert(QStringLiteral("  \r\n "));
    QTest::newRow("a line ending in spaces loses them")
        << QStringList{endsInSpaces} << middle << middle << Edit().insert(QStringLiteral("x"));
    QTest::newRow("a selection replaced") << QStringList{line} << TextPosition{1, length / 2 - 150} << TextPosition{1, length / 2}
                                          << Edit().insert(QStringLiteral("y"));
    QTest::newRow("a selection made backwards replaced")
        << QStringList{line} << TextPosition{1, length / 2 + 150} << TextPosition{1, length / 2} << Edit().insert(QString());
    QTest::newRow("far to the left after inserting") << QStringList{line} << middle << middle
                                                     << Edit().insert(QStringLiteral("ab")).left(700);
    QTest::newRow("to the left only") << QStringList{line} << middle << middle << Edit().left(10);
    QTest::newRow("up to the line above") << QStringList{QStringLiteral("short"), line, QStringLiteral("after")}
                                          << TextPosition{2, 5000} << TextPosition{2, 5000}
                                          << Edit().insert(QStringLiteral("<br>\r\n")).up(1);
    QTest::newRow("between other lines") << QStringList{QStringLiteral("before"), line, QStringLiteral("after")}
                                         << TextPosition{2, length} << TextPosition{2, length}
                                         << Edit().insert(QString::fromUtf8("😀\r\n"));
}

void TestEditor::editsOnAVeryLongLine()
{
    QFETCH(QStringList, lines);
    QFETCH(TextPosition, anchor);
    QFETCH(TextPosition, caret);
    QFETCH(Edit, edit);
    SyntaxEdit editor;
    LineBuffer model;
    for (TextDocument *doc : {static_cast<TextDocument *>(&editor), static_cast<TextDocument *>(&model)}) {
        doc->setText(lines.join(QStringLiteral("\r\n")));
        doc->select(anchor, caret);
        if (!doc->hasSelection()) { // a caret in virtual space is placed, not selected
            doc->setCaretLine(caret.line);
            doc->setCaretColumn(caret.column);
        }
        apply(edit, *doc);
    }
    QCOMPARE(editor.lines(), model.lines());
    QCOMPARE(editor.caret(), model.caret());
    QCOMPARE(editor.statusLength(), model.statusLength());
    for (const QString &line : editor.lines())
        QVERIFY(editor.maxLineWidth() > characterCount(line)); // the caret may reach every line's end
    editor.undo();
    QCOMPARE(editor.lines(), lines);
}

void TestEditor::randomEditsOnAVeryLongLine()
{
    // Random insertions, selections and moves on a long line of letters, spaces and multi-byte
    // characters, each checked against the whole-line model; a fixed seed keeps failures repeatable.
    std::mt19937 random(20261211);
    auto pick = [&random](int below) { return int(random() % unsigned(below)); };
    const QStringList parts{QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("   "), QString::fromUtf8("ž"),
                            QString::fromUtf8("€"), QString::fromUtf8("😀"), QStringLiteral("{x:y}")};
    QString line;
    while (line.toUtf8().size() < 9000)
        line += parts.at(pick(int(parts.size())));
    SyntaxEdit editor;
    LineBuffer model;
    for (TextDocument *doc : {static_cast<TextDocument *>(&editor), static_cast<TextDocument *>(&model)})
        doc->setText(QStringLiteral("before\r\n") + line + QStringLiteral("\r\nafter"));
    for (int round = 0; round < 150; ++round) {
        const int length = int(model.line(1).toUcs4().size());
        const TextPosition caret{2, 1 + pick(length + 3)};
        // Short selections, so that the line stays long.
        const TextPosition anchor = pick(3) == 0 ? TextPosition{2, std::clamp(caret.column + pick(81) - 40, 1, length + 1)} : caret;
        QString text;
        for (int n = pick(4); n > 0; --n)
            text += pick(5) == 0 ? QStringLiteral("\r\n") : parts.at(pick(int(parts.size())));
        Edit edit;
        edit.insert(text);
        if (pick(2) == 0)
            edit.left(pick(80));
        for (TextDocument *doc : {static_cast<TextDocument *>(&editor), static_cast<TextDocument *>(&model)}) {
            doc->select(anchor, caret);
            if (!doc->hasSelection()) {
                doc->setCaretLine(caret.line);
                doc->setCaretColumn(caret.column);
            }
            apply(edit, *doc);
        }
        QCOMPARE(editor.lines(), model.lines());
        QCOMPARE(editor.caret(), model.caret());
        // Keep one long line in play: the edit is undone in both when it split the line.
        if (model.lineCount() != 3)
            for (TextDocument *doc : {static_cast<TextDocument *>(&editor), static_cast<TextDocument *>(&model)})
                doc->undo();
        QCOMPARE(editor.lines(), model.lines());
    }
    QVERIFY(model.line(1).toUtf8().size() > 4096); // still a very long line at the end
}

#include "test_editor.moc"
