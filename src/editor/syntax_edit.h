#pragma once

#include "base/text_file.h"
#include "editor/editor_keys.h"
#include "editor/highlighters.h"
#include "editor/text_document.h"

#include <Qsci/qsciscintilla.h>

#include <array>

class QsciLexer;

// The editing component of a document window: QScintilla configured the way Velinor edits pages,
// behind the TextDocument operations that every command uses.
//
// The component keeps the text as UTF-8 lines joined by "\n"; the line-break style and encoding of
// the file it was loaded from are remembered for saving.
class SyntaxEdit : public QsciScintilla, public TextDocument
{
    Q_OBJECT

public:
    explicit SyntaxEdit(QWidget *parent = nullptr);

    // TextDocument
    using TextDocument::lines; // the document's lines, not the component's line count
    void insert(const QString &text) override;
    TextPosition caret() const override;
    void setCaretColumn(int column) override;
    void setCaretLine(int line) override;
    int maxLineWidth() const override { return m_maxLineWidth; }
    void select(const TextPosition &anchor, const TextPosition &caret) override;
    bool hasSelection() const override;
    QString selectedText() const override;
    void selectAll() override;
    int lineCount() const override;
    QString line(int index) const override;
    QString text() const override;
    void setText(const QString &text) override;
    qint64 statusLength() const override;
    bool isModified() const override { return m_modified; }
    void clearModified() override;
    void beginUndoGroup() override;
    void endUndoGroup() override;
    void undo() override;
    void redo() override;
    void runSteps(const Edit &edit) override;

    // Files. Both raise VelinorError ("Cannot open file %s", "Cannot create file %s").
    void loadFile(const QString &path);
    // Returns true when the text did not fit windows-1250 and was written as UTF-8 instead.
    bool saveFile(const QString &path);
    LineBreak lineBreak() const { return m_lineBreak; }
    // NUL bytes of the file last loaded: each ended a line and is written back as a line break.
    qint64 loadedNulBytes() const { return m_loadedNulBytes; }
    // Places of the file last loaded whose bytes formed no character: each reads, and is written
    // back, as U+FFFD.
    qint64 loadedMalformed() const { return m_loadedMalformed; }
    TextEncoding encoding() const { return m_encoding; }
    // The text as the component keeps it: UTF-8, lines joined by "\n". A copy, taken without
    // rearranging the component's buffer, into `room` when it is large enough and not shared (memory
    // already touched copies much faster than fresh memory).
    QByteArray utf8Text(QByteArray room = QByteArray()) const;
    qint64 utf8Size() const; // bytes
    // Text recovered after a crash: it replaces the text without undo history, keeps the line break
    // and encoding of the file it came from for saving, and counts as modified.
    void setRecoveredText(const SplitText &text);

    // Highlighting
    void setHighlighter(Highlighter highlighter);
    Highlighter highlighter() const { return m_highlighter; }
    QsciLexer *highlighterLexer(Highlighter highlighter) const { return m_lexers[int(highlighter)]; }
    void setHtmlTokenColours(HtmlTokenClass tokenClass, const std::optional<Rgb> &background,
                             const std::optional<Rgb> &foreground);

    // View
    void setNonPrintableVisible(bool visible);
    bool nonPrintableVisible() const { return m_nonPrintableVisible; }
    void setLineNumbersVisible(bool visible);
    bool lineNumbersVisible() const { return m_lineNumbersVisible; }
    void setGutterVisible(bool visible);
    bool gutterVisible() const { return m_gutterVisible; }
    int gutterWidth() const; // pixels; 0 when hidden
    void setEditorFont(const QFont &font);
    QFont editorFont() const { return m_font; }
    double characterWidth() const; // pixels
    int firstVisibleColumn() const; // 1 when not scrolled horizontally
    int visibleColumns() const;     // whole columns in the text area
    // The column whose left boundary is nearest to x (pixels from the component's left edge).
    int columnAtX(int x) const;
    void setRightMargin(int column);
    int rightMargin() const;
    bool isOverwriteMode() const;
    static constexpr int kTextMargin = 2; // pixels between the gutter and the text

signals:
    // Caret, selection, scroll position, modified flag or insert mode changed.
    void statusChanged();
    // Every key the component receives, before it acts on it.
    void keyPressed(QKeyEvent *event);
    // The text is about to change by an edit (typing, a command, undo); not when it is set, loaded
    // or recovered.
    void textEdited();

public slots:
    // Pastes through the insertion primitive: one undo step, trailing spaces trimmed. A column
    // selection copied by the component pastes as a column.
    void paste() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The class is written in several files, one per concern; these are grouped the same way.
    // syntax_edit.cpp: construction, the document contract and undo.
    void configureDocument();
    void updateChangeNotifications();
    void onModified(int position, int modificationType, const char *text, int length, int linesAdded);
    void replaceAllText(const SplitText &split);
    void placeCaret(int line, int column); // 1-based, column may be in virtual space
    void placeCaretAt(long position, int virtualSpace);
    void countInsertionAsChange();
    void replaceLines(int first, int last, const QStringList &replacement);
    void replaceRange(long start, long end, const QByteArray &newBytes); // the bytes start..end
    QByteArray textRange(long start, long end) const;
    long positionOfColumn(int line, int column, int *virtualSpace) const;
    int lineLengthInCharacters(int line) const;
    QByteArray lineBytes(int line) const;

    // syntax_edit_view.cpp
    void updateGutter();

    // syntax_edit_keys.cpp
    void removeTextChangingStockKeys();
    void performKeyAction(const EditorKeyBinding &binding);
    void trimTrailingSpaces(int line); // 0-based; the caret keeps its column
    void indentSelectedLines(int columns);
    bool hasBookmarks() const;
    void setBookmark(int bookmark);
    void goToBookmark(int bookmark);

    // syntax_edit_long_lines.cpp
    // A line longer than this many bytes (a minified stylesheet or script) is worked on in pieces.
    static constexpr long kLongLineBytes = 4096;
    // Characters between two positions, and the position that many characters on (no further than
    // `limit`), counted in the component's own memory without moving its text.
    long countCharacters(long start, long end) const;
    long positionAfter(long start, long characters, long limit) const;
    // The caret may go as far as the longest line ever held; a very long line also needs a larger
    // cache of measured text pieces, or every keystroke re-measures the whole line.
    void widenCaretRange(int width);
    // Runs steps that stay on a very long caret line on a window of it; false when they do not
    // qualify and need the whole lines.
    bool runStepsInWindow(const Edit &edit, int reachLeft, bool inserts);
    bool caretLineIsLong() const;
    void styleThroughCaretLine();
    // Scrolls the caret into view; on a very long line the line is styled first, so that the
    // component lays it out once for the scroll and the paint.
    void scrollToCaret();
    bool typeOnLongLine(const QKeyEvent &event);

    std::array<QsciLexer *, kHighlighterCount> m_lexers{};
    Highlighter m_highlighter = Highlighter::Html;
    QFont m_font;
    LineBreak m_lineBreak = LineBreak::CRLF;
    TextEncoding m_encoding = TextEncoding::Windows1250;
    int m_maxLineWidth = kInitialMaxLineWidth;
    long m_positionCacheSize = 1024; // the component's own default
    qint64 m_loadedNulBytes = 0;
    qint64 m_loadedMalformed = 0;
    int m_undoDepth = 0;
    int m_silentChanges = 0;   // >0 while the text is replaced without counting as an edit
    bool m_modified = false;
    // An empty component holds no line until it is edited; after that, one empty line.
    bool m_noLines = true;
    bool m_nonPrintableVisible = false;
    bool m_lineNumbersVisible = true;
    bool m_gutterVisible = true;
    bool m_reportsTextChanges = true; // the component's default: every change reported
};
