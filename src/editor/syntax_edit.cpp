#include "editor/syntax_edit.h"

#include "editor/edit.h"
#include "editor/insertion.h"
#include "editor/line_buffer.h"
#include "editor/line_end_marks.h"
#include "editor/syntax_edit_accessible.h"
#include "editor/utf8_count.h"

#include <Qsci/qscilexer.h>

#include "base/velinor_error.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

// The component's interface for filling a document piece by piece. The library does not ship its
// header, so this repeats its declaration: the same name in the same (global) namespace and the
// same members in the same order, so that the object the component hands out is called through its
// own type; a look-alike class reached through a cast would be undefined behaviour. Not in an
// anonymous namespace: with no overrider in sight the compiler would turn the calls into calls of a
// pure virtual function.
class ILoader
{
public:
    virtual int Release() = 0;
    virtual int AddData(const char *data, std::ptrdiff_t length) = 0;
    virtual void *ConvertToDocument() = 0;
};

namespace {

constexpr int kLineNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
constexpr int kBookmarkCount = 10;
constexpr int kBookmarkMask = (1 << kBookmarkCount) - 1;
constexpr int kBlockIndent = 2;

// The component's commands that change the text. Their stock keys are removed: the editor's own
// key table gives the keys that edit.
bool changesText(QsciCommand::Command command)
{
    switch (command) {
    case QsciCommand::LineDelete: case QsciCommand::LineCut: case QsciCommand::LineTranspose:
    case QsciCommand::LineDuplicate: case QsciCommand::SelectionDuplicate:
    case QsciCommand::SelectionLowerCase: case QsciCommand::SelectionUpperCase:
    case QsciCommand::DeleteWordLeft: case QsciCommand::DeleteWordRight: case QsciCommand::DeleteWordRightEnd:
    case QsciCommand::DeleteLineLeft: case QsciCommand::DeleteLineRight: case QsciCommand::SelectionCut:
    case QsciCommand::Paste: case QsciCommand::Undo: case QsciCommand::Redo: case QsciCommand::Delete:
    case QsciCommand::DeleteBack: case QsciCommand::DeleteBackNotLine: case QsciCommand::Tab:
    case QsciCommand::Backtab: case QsciCommand::Newline: case QsciCommand::Formfeed:
    case QsciCommand::MoveSelectedLinesUp: case QsciCommand::MoveSelectedLinesDown: case QsciCommand::ReverseLines:
        return true;
    default:
        return false;
    }
}
constexpr int kGutterWidthWithoutNumbers = 16;
constexpr unsigned long kUtf32Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32;
} // namespace

SyntaxEdit::SyntaxEdit(QWidget *parent) : QsciScintilla(parent)
{
    SyntaxEditAccessible::install();
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1UL);
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS,
                  static_cast<unsigned long>(SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION));
    SendScintilla(SCI_SETMARGINLEFT, 0UL, static_cast<long>(kTextMargin));
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    setAutoIndent(true);
    setEdgeMode(EdgeLine);
    setEdgeColumn(80);
    setWrapMode(WrapNone);
    setMarginWidth(kBookmarkMargin, 0);
    setMarginWidth(2, 0);
    // Bookmarks 0 to 9 show their digit in a margin of their own, there while any is set.
    SendScintilla(SCI_SETMARGINTYPEN, static_cast<unsigned long>(kBookmarkMargin), static_cast<long>(SC_MARGIN_SYMBOL));
    SendScintilla(SCI_SETMARGINMASKN, static_cast<unsigned long>(kBookmarkMargin), static_cast<long>(kBookmarkMask));
    SendScintilla(SCI_SETMARGINMASKN, static_cast<unsigned long>(kLineNumberMargin), 0L);
    for (int bookmark = 0; bookmark < kBookmarkCount; ++bookmark)
        SendScintilla(SCI_MARKERDEFINE, static_cast<unsigned long>(bookmark), static_cast<long>(SC_MARK_CHARACTER + '0' + bookmark));
    removeTextChangingStockKeys();

    // Sizes in points: the component takes a font's point size (11 px and 13 px at 96 dpi).
    QFont gutterFont(QStringLiteral("Arial"));
    gutterFont.setPointSize(8);
    setMarginsFont(gutterFont);

    for (int i = 0; i < kHighlighterCount; ++i)
        m_lexers[i] = createHighlighter(static_cast<Highlighter>(i), this);
    configureDocument();

    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    setEditorFont(font);
    setHighlighter(Highlighter::Html);
    setNonPrintableVisible(false);

    // The base class answers every caret move with the caret's column, counted from the line start
    // (a long wait on a long line), for a signal and a brace matching Velinor does not use.
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & SC_UPDATE_CONTENT) {
            // Typing widens the caret's range when it makes the caret's line longer than ever.
            const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)));
            const long bytes = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line))
                               - SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
            if (bytes + 1 > m_maxLineWidth) // a line holds no more characters than bytes
                widenCaretRange(lineLengthInCharacters(int(line)) + 1);
        }
        updateChangeNotifications();
        if (QAccessible::isActive()) {
            if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(this)) {
                if (QAccessibleTextInterface *text = accessible->textInterface()) {
                    QAccessibleTextCursorEvent event(this, text->cursorPosition());
                    QAccessible::updateAccessibility(&event);
                }
            }
        }
        emit statusChanged();
    });
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *text, int length, int linesAdded, int, int, int, int, int) {
                onModified(position, type, text, length, linesAdded);
            });
    // The first change after the text was set, loaded or its flag cleared.
    connect(this, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, [this] {
        if (m_silentChanges > 0)
            return;
        m_noLines = false;
        if (!m_modified) {
            m_modified = true;
            emit statusChanged();
        }
    });
    updateChangeNotifications();
}

void SyntaxEdit::updateChangeNotifications()
{
    // The component hands every reported insertion and deletion to the accessibility layer along
    // with a character offset it counts from the start of the document: in a large document each
    // typed key would cost a scan of everything before it. Without assistive technology running,
    // change reports are switched off (any flag of an insertion's own in the mask lets it through);
    // the modified flag comes from the save point instead. The notices sent before a change carry
    // no such offset and stay on: they tell that an edit is coming.
    const bool wanted = QAccessible::isActive();
    if (wanted == m_reportsTextChanges)
        return;
    m_reportsTextChanges = wanted;
    SendScintilla(SCI_SETMODEVENTMASK, wanted ? static_cast<unsigned long>(SC_MODEVENTMASKALL)
                                              : static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
}

// Settings that belong to the component's document rather than to its view; a loaded document
// needs them again. The SyntaxEdit never shares its document with another component.
void SyntaxEdit::configureDocument()
{
    setUtf8(true);
    setEolMode(EolUnix);
    setIndentationsUseTabs(false);
    setTabWidth(8);
    setBackspaceUnindents(true);
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, kUtf32Index);
    // The lexer and its word lists belong to the document too; the styles stay with the view.
    // (Setting the whole lexer again would restyle the entire text.)
    if (QsciLexer *current = lexer()) {
        SendScintilla(SCI_SETLEXERLANGUAGE, 0UL, current->lexer());
        for (int set = 1; set <= 9; ++set)
            if (const char *words = current->keywords(set))
                SendScintilla(SCI_SETKEYWORDS, static_cast<unsigned long>(set - 1), words);
        current->refreshProperties();
    }
}

// ---- changes ------------------------------------------------------------------------------------

void SyntaxEdit::onModified(int position, int modificationType, const char *, int length, int linesAdded)
{
    if (m_silentChanges > 0)
        return;
    if (modificationType & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))
        emit textEdited();
    if (!(modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)))
        return;
    m_noLines = false;
    if (modificationType & SC_MOD_INSERTTEXT) {
        // Widen the caret's range when a longer line than ever before is entered.
        const int first = int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
        const int last = int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position + length)));
        for (int l = first; l <= last && l <= first + std::max(linesAdded, 0); ++l)
            widenCaretRange(lineLengthInCharacters(l) + 1);
    }
    if (!m_modified) {
        m_modified = true;
        emit statusChanged();
    }
}

void SyntaxEdit::clearModified()
{
    SendScintilla(SCI_SETSAVEPOINT);
    if (m_modified) {
        m_modified = false;
        emit statusChanged();
    }
}

void SyntaxEdit::beginUndoGroup()
{
    if (m_undoDepth++ == 0)
        beginUndoAction();
}

void SyntaxEdit::endUndoGroup()
{
    if (m_undoDepth > 0 && --m_undoDepth == 0)
        endUndoAction();
}

void SyntaxEdit::undo()
{
    QsciScintilla::undo();
}

void SyntaxEdit::redo()
{
    QsciScintilla::redo();
}

// ---- positions ----------------------------------------------------------------------------------

QByteArray SyntaxEdit::lineBytes(int line) const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const long start = self->SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = self->SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (end <= start)
        return {};
    const char *data = reinterpret_cast<const char *>(
        self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    return QByteArray(data, end - start);
}

int SyntaxEdit::lineLengthInCharacters(int line) const
{
    // From the component's index of line starts in characters, without reading the line: the
    // characters up to the next line's start, less its line break (one byte per character).
    auto *self = const_cast<SyntaxEdit *>(this);
    const long lines = self->SendScintilla(SCI_GETLINECOUNT);
    if (line < 0 || line >= lines)
        return 0;
    const long end = self->SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    const long next = line + 1 < lines ? self->SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))
                                       : self->SendScintilla(SCI_GETLENGTH);
    return int(self->SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line + 1), kUtf32Index)
               - self->SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf32Index)
               - (next - end));
}

long SyntaxEdit::countCharacters(long start, long end) const
{
    // The text is split at the component's gap; asking for a range across it would move the gap.
    auto *self = const_cast<SyntaxEdit *>(this);
    // Clamped like the component's own count: a notification in the middle of a replacement can
    // still see the caret where the deleted text ended.
    end = std::min(end, self->SendScintilla(SCI_GETLENGTH));
    const long gap = self->SendScintilla(SCI_GETGAPPOSITION);
    long characters = 0;
    for (const auto &[from, to] : {std::pair{start, std::min(end, gap)}, std::pair{std::max(start, gap), end}}) {
        if (to <= from)
            continue;
        const char *piece = reinterpret_cast<const char *>(
            self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
        characters += long(countUtf8Characters(piece, to - from));
    }
    return characters;
}

long SyntaxEdit::positionAfter(long start, long characters, long limit) const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    limit = std::min(limit, self->SendScintilla(SCI_GETLENGTH));
    const long gap = self->SendScintilla(SCI_GETGAPPOSITION);
    for (const auto &[from, to] : {std::pair{start, std::min(limit, gap)}, std::pair{std::max(start, gap), limit}}) {
        if (to <= from)
            continue;
        const char *piece = reinterpret_cast<const char *>(
            self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
        const qsizetype offset = utf8OffsetAfter(piece, to - from, characters);
        if (offset < to - from)
            return from + long(offset);
        characters -= long(countUtf8Characters(piece, to - from));
    }
    return std::max(start, limit);
}

void SyntaxEdit::widenCaretRange(int width)
{
    if (width <= m_maxLineWidth)
        return;
    m_maxLineWidth = width;
    // Short pieces of a laid-out line are kept measured; the component's 1024 pieces cover lines
    // of a few thousand characters. Sized in powers of two, so that it is rarely emptied again.
    constexpr long kDefaultPieces = 1024;
    constexpr long kMostPieces = 1 << 18;
    long pieces = kDefaultPieces;
    while (pieces < kMostPieces && pieces < width / 4)
        pieces *= 2;
    if (pieces != m_positionCacheSize) {
        m_positionCacheSize = pieces;
        SendScintilla(SCI_SETPOSITIONCACHE, static_cast<unsigned long>(pieces));
    }
}

TextPosition SyntaxEdit::caret() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const long pos = self->SendScintilla(SCI_GETCURRENTPOS);
    const int line = int(self->SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos)));
    const long start = self->SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long chars = countCharacters(start, pos);
    const long main = self->SendScintilla(SCI_GETMAINSELECTION);
    const long virtualSpace = self->SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE, static_cast<unsigned long>(main));
    return {line + 1, int(chars + virtualSpace + 1)};
}

long SyntaxEdit::positionOfColumn(int line, int column, int *virtualSpace) const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const long start = self->SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line - 1));
    const long end = self->SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line - 1));
    const int length = lineLengthInCharacters(line - 1);
    if (column - 1 <= length) {
        *virtualSpace = 0;
        return positionAfter(start, column - 1, end);
    }
    *virtualSpace = column - 1 - length;
    return end;
}

void SyntaxEdit::placeCaret(int line, int column)
{
    int virtualSpace = 0;
    const long pos = positionOfColumn(line, column, &virtualSpace);
    placeCaretAt(pos, virtualSpace);
}

void SyntaxEdit::placeCaretAt(long pos, int virtualSpace)
{
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(pos));
    if (virtualSpace > 0) {
        SendScintilla(SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, static_cast<long>(virtualSpace));
        SendScintilla(SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, static_cast<long>(virtualSpace));
    }
    scrollToCaret();
    emit statusChanged();
}

void SyntaxEdit::setCaretColumn(int column)
{
    placeCaret(caret().line, std::clamp(column, 1, m_maxLineWidth));
}

void SyntaxEdit::setCaretLine(int line)
{
    const int column = caret().column;
    placeCaret(std::clamp(line, 1, std::max(1, lineCount())), column);
}

// ---- selection ----------------------------------------------------------------------------------

void SyntaxEdit::select(const TextPosition &anchor, const TextPosition &caretPosition)
{
    auto toPosition = [this](const TextPosition &p) {
        const int line = std::clamp(p.line, 1, std::max(1, int(SendScintilla(SCI_GETLINECOUNT))));
        const int column = std::clamp(p.column, 1, lineLengthInCharacters(line - 1) + 1);
        int virtualSpace = 0;
        return positionOfColumn(line, column, &virtualSpace);
    };
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(toPosition(anchor)), toPosition(caretPosition));
}

bool SyntaxEdit::hasSelection() const
{
    return hasSelectedText();
}

QString SyntaxEdit::selectedText() const
{
    QString text = QsciScintilla::selectedText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void SyntaxEdit::selectAll()
{
    // Anchor at the start, caret at the end.
    SendScintilla(SCI_SETSEL, 0UL, SendScintilla(SCI_GETLENGTH));
}

// ---- the insertion primitive --------------------------------------------------------------------

void SyntaxEdit::insert(const QString &text)
{
    runSteps(Edit().insert(text));
}

void SyntaxEdit::runSteps(const Edit &edit)
{
    // Every change of the component costs time in proportion to its position in the document
    // (the component reports each one to the accessibility layer with a character offset counted
    // from the start). So the steps run on a copy of the few lines they can reach, and the result
    // goes into the component as one change.
    int reachUp = 0;
    int reachDown = 0;
    int reachLeft = 0;
    bool inserts = false;
    bool staysOnTheCaretLine = true; // no step to another line and none to the right
    for (const Edit::Step &step : edit.steps()) {
        if (step.kind == Edit::StepKind::Up) {
            (step.count > 0 ? reachUp : reachDown) += std::abs(step.count);
            staysOnTheCaretLine = false;
        }
        if (step.kind == Edit::StepKind::Left) {
            staysOnTheCaretLine = staysOnTheCaretLine && step.count >= 0;
            reachLeft += std::max(step.count, 0);
        }
        inserts = inserts || step.kind == Edit::StepKind::Insert;
    }
    if (staysOnTheCaretLine && runStepsInWindow(edit, reachLeft, inserts))
        return;

    const int lines = lineCount();
    const TextPosition caretAt = caret();
    TextPosition anchorAt = caretAt;
    if (hasSelectedText()) {
        const long anchor = SendScintilla(SCI_GETANCHOR);
        const int anchorLine = int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(anchor)));
        const long anchorLineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(anchorLine));
        anchorAt = {anchorLine + 1, int(countCharacters(anchorLineStart, anchor)) + 1};
    }
    const int first = std::max(1, std::min(caretAt.line, anchorAt.line) - reachUp);
    const int last = std::min(lines, std::max(caretAt.line, anchorAt.line) + reachDown);

    QStringList slice;
    for (int l = first; l <= last; ++l)
        slice.append(line(l - 1));
    LineBuffer buffer(slice, m_maxLineWidth);
    buffer.setCaretLine(caretAt.line - first + 1);
    buffer.setCaretColumn(caretAt.column);
    if (!(anchorAt == caretAt))
        buffer.select({anchorAt.line - first + 1, anchorAt.column}, {caretAt.line - first + 1, caretAt.column});
    {
        UndoGroup group(buffer); // one snapshot of the slice, not one per step
        buffer.runSteps(edit);
    }

    if (inserts) {
        replaceLines(first, last, buffer.lines());
        countInsertionAsChange();
    }
    widenCaretRange(buffer.maxLineWidth());
    placeCaret(first + buffer.caretLine() - 1, buffer.caretColumn());
}

bool SyntaxEdit::runStepsInWindow(const Edit &edit, int reachLeft, bool inserts)
{
    // On a very long line (a minified stylesheet or script) even a copy of the caret's line costs
    // more than the keystroke may. Steps that stay on that line and move only to the left run on a
    // window of it around the caret and the selection: the line outside the window does not take
    // part in an insertion, so long as the window neither starts nor ends in spaces that the
    // insertion's trimming could reach, and the line itself ends in no space that it would trim.
    constexpr int kExtraColumns = 64;  // beyond the columns the steps move left
    const long caretPos = SendScintilla(SCI_GETCURRENTPOS);
    const long anchorPos = SendScintilla(SCI_GETANCHOR);
    const int line = int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(caretPos)));
    if (SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(anchorPos)) != line)
        return false;
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineEnd = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (lineEnd - lineStart <= kLongLineBytes)
        return false;
    auto byteAt = [this](long position) { return char(SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(position))); };
    auto continues = [&byteAt](long position) { return (static_cast<unsigned char>(byteAt(position)) & 0xC0) == 0x80; };
    // Whole characters only: back to the start of the character before, on to the start of the next.
    auto characterBefore = [&](long position) {
        do
            --position;
        while (position > lineStart && continues(position));
        return position;
    };
    auto characterAfter = [&](long position) {
        do
            ++position;
        while (position < lineEnd && continues(position));
        return position;
    };

    const long margin = long(reachLeft) + kExtraColumns;
    long windowStart = std::min(caretPos, anchorPos);
    for (long characters = 0; windowStart > lineStart && characters < margin; ++characters)
        windowStart = characterBefore(windowStart);
    while (windowStart > lineStart && byteAt(windowStart) == ' ')
        windowStart = characterBefore(windowStart);
    long windowEnd = lineEnd;
    if (byteAt(lineEnd - 1) != ' ') {
        windowEnd = positionAfter(std::max(caretPos, anchorPos), kExtraColumns, lineEnd);
        while (windowEnd < lineEnd && byteAt(windowEnd - 1) == ' ')
            windowEnd = characterAfter(windowEnd);
    }

    // Columns in the window count from its start; the window's first line is the caret's line.
    const int skipped = int(countCharacters(lineStart, windowStart));
    const int caretVirtualSpace = int(SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE,
                                                    static_cast<unsigned long>(SendScintilla(SCI_GETMAINSELECTION))));
    const TextPosition caretAt{1, int(countCharacters(windowStart, caretPos)) + caretVirtualSpace + 1};
    const TextPosition anchorAt{1, int(countCharacters(windowStart, anchorPos)) + 1};
    const QByteArray windowBytes = textRange(windowStart, windowEnd);
    LineBuffer buffer(QStringList{QString::fromUtf8(windowBytes)}, m_maxLineWidth - skipped);
    buffer.setCaretColumn(caretAt.column);
    if (!(anchorAt == caretAt))
        buffer.select(anchorAt, caretAt);
    {
        UndoGroup group(buffer);
        buffer.runSteps(edit);
    }

    // The caret's place in the window's new text, as bytes from the window's start.
    const QStringList result = buffer.lines();
    long caretOffset = 0;
    for (int l = 1; l < buffer.caretLine(); ++l)
        caretOffset += result.at(l - 1).toUtf8().size() + 1;
    const QString &caretLineText = result.at(buffer.caretLine() - 1);
    const int column = buffer.caretColumn() - 1;
    caretOffset += caretLineText.left(indexAfterCharacters(caretLineText, column)).toUtf8().size();
    const int virtualSpace = std::max(0, column - characterCount(caretLineText));

    if (inserts) {
        replaceRange(windowStart, windowEnd, result.join(QLatin1Char('\n')).toUtf8());
        countInsertionAsChange();
        int widest = 0;
        for (int l = line; l < line + int(result.size()); ++l)
            widest = std::max(widest, lineLengthInCharacters(l));
        widenCaretRange(widest + 1);
    }
    placeCaretAt(windowStart + caretOffset, virtualSpace);
    return true;
}

void SyntaxEdit::countInsertionAsChange()
{
    m_noLines = false; // even an empty insertion gives a document without lines its first line
    if (!m_modified && m_silentChanges == 0) {
        m_modified = true; // an insertion counts as a change even when the text stays the same
        emit statusChanged();
    }
}

QByteArray SyntaxEdit::textRange(long start, long end) const
{
    if (end <= start)
        return {};
    auto *self = const_cast<SyntaxEdit *>(this);
    return QByteArray(reinterpret_cast<const char *>(
                          self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start)),
                      end - start);
}

void SyntaxEdit::replaceLines(int first, int last, const QStringList &replacement)
{
    // Lines first..last (1-based; none when last < first) become the replacement.
    const int sciLines = int(SendScintilla(SCI_GETLINECOUNT));
    const long start = last >= first ? SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(first - 1)) : 0;
    const long end = last >= first ? SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(std::min(last, sciLines) - 1)) : 0;
    replaceRange(start, end, replacement.join(QLatin1Char('\n')).toUtf8());
}

void SyntaxEdit::replaceRange(long start, long end, const QByteArray &newBytes)
{
    // Only the bytes that differ are touched, so that undo keeps a small record.
    const QByteArray oldBytes = textRange(start, end);
    if (oldBytes == newBytes)
        return;

    auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(oldBytes.size(), newBytes.size());
    while (prefix < shorter && oldBytes.at(prefix) == newBytes.at(prefix))
        ++prefix;
    while (prefix > 0 && ((prefix < oldBytes.size() && isContinuation(oldBytes.at(prefix)))
                          || (prefix < newBytes.size() && isContinuation(newBytes.at(prefix)))))
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && oldBytes.at(oldBytes.size() - 1 - suffix) == newBytes.at(newBytes.size() - 1 - suffix))
        ++suffix;
    while (suffix > 0 && (isContinuation(oldBytes.at(oldBytes.size() - suffix))
                          || isContinuation(newBytes.at(newBytes.size() - suffix))))
        --suffix;

    const QByteArray middle = newBytes.mid(prefix, newBytes.size() - prefix - suffix);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start + prefix),
                  static_cast<long>(end - suffix));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(middle.size()), middle.constData());
}

// ---- whole text ---------------------------------------------------------------------------------

int SyntaxEdit::lineCount() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    if (self->SendScintilla(SCI_GETLENGTH) == 0)
        return m_noLines ? 0 : 1;
    return int(self->SendScintilla(SCI_GETLINECOUNT));
}

QString SyntaxEdit::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return {};
    return QString::fromUtf8(lineBytes(index));
}

QString SyntaxEdit::text() const
{
    const int lines = lineCount();
    if (lines == 0)
        return {};
    auto *self = const_cast<SyntaxEdit *>(this);
    const long length = self->SendScintilla(SCI_GETLENGTH);
    const char *data = reinterpret_cast<const char *>(self->SendScintilla(SCI_GETCHARACTERPOINTER));
    const EncodedText joined = encodeLines(data, length, lines, LineBreak::CRLF, TextEncoding::Utf8);
    return QString::fromUtf8(joined.bytes);
}

void SyntaxEdit::replaceAllText(const SplitText &split)
{
    ++m_silentChanges;
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_MARKERDELETEALL, static_cast<unsigned long>(-1)); // bookmarks belong to the old text
    if (!split.utf8.isEmpty())
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(split.utf8.size()), split.utf8.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_SETSAVEPOINT);
    --m_silentChanges;
    m_noLines = split.lineCount == 0;
    widenCaretRange(split.longestLine + 1);
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    scrollToCaret();
    updateGutter(); // no bookmarks any more
    emit statusChanged();
}

void SyntaxEdit::setText(const QString &text)
{
    replaceAllText(splitUtf8Text(text.toUtf8()));
}

qint64 SyntaxEdit::statusLength() const
{
    const int lines = lineCount();
    if (lines == 0)
        return 0;
    auto *self = const_cast<SyntaxEdit *>(this);
    // Characters of the component's text from its line index (its entry after the last line is the
    // whole text), without scanning the text.
    const long sciLines = self->SendScintilla(SCI_GETLINECOUNT);
    const long all = self->SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(sciLines), kUtf32Index);
    const qint64 characters = qint64(all) - (sciLines - 1); // without the "\n"s
    return characters + 2 * qint64(lines);
}

// ---- files --------------------------------------------------------------------------------------

void SyntaxEdit::loadFile(const QString &path)
{
    // The text goes into a fresh document through the component's loader, which reports no
    // change per piece; the document then replaces the current one in a single step.
    ILoader *loader = nullptr;
    auto createLoader = [this, &loader](qint64 bytes) {
        if (loader) // read again from the start: a fresh document
            loader->Release();
        // Room for the whole text and some to spare: a buffer filled to the brim would be copied
        // whole by the first keystroke.
        const qint64 capacity = bytes + bytes / 8 + 4096;
        loader = reinterpret_cast<ILoader *>(SendScintilla(SCI_CREATELOADER, static_cast<unsigned long>(capacity), 0L));
    };
    SplitText split;
    try {
        split = readTextFile(
            path, [&loader](const char *data, qsizetype size) { if (loader) loader->AddData(data, size); },
            createLoader);
    } catch (...) {
        if (loader)
            loader->Release();
        throw;
    }
    if (!loader)
        throw VelinorError::cannotOpen(path);
    void *document = loader->ConvertToDocument();

    ++m_silentChanges;
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document); // the component now holds the only reference
    // The loader leaves its free room after the text, but the caret starts at the top: the first
    // key would move the whole text there. Move it while loading, so that key costs what any does.
    if (SendScintilla(SCI_GETLENGTH) > 0) {
        SendScintilla(SCI_INSERTTEXT, 0UL, " ");
        SendScintilla(SCI_DELETERANGE, 0UL, 1L);
    }
    configureDocument();
    // A loaded document starts with undo collection off; without it nothing can be undone and the
    // save point is never left, so typing would not set the modified flag.
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    --m_silentChanges;

    m_lineBreak = split.lineBreak;
    m_encoding = split.encoding;
    m_loadedNulBytes = split.nulBytes;
    m_loadedMalformed = split.malformed;
    m_noLines = split.lineCount == 0;
    widenCaretRange(split.longestLine + 1);
    m_modified = false;
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    scrollToCaret();
    updateGutter(); // a loaded document has no bookmarks
    emit statusChanged();
}

QByteArray SyntaxEdit::utf8Text(QByteArray room) const
{
    // The two parts on either side of the buffer's gap are read where they are: asking for the
    // whole text at once would close the gap by moving everything after it, and the next keystroke
    // would move it back.
    auto *self = const_cast<SyntaxEdit *>(this);
    const long length = self->SendScintilla(SCI_GETLENGTH);
    const long gap = std::clamp(self->SendScintilla(SCI_GETGAPPOSITION), 0L, length);
    room.resize(length);
    if (gap > 0)
        std::memcpy(room.data(), reinterpret_cast<const char *>(self->SendScintilla(SCI_GETRANGEPOINTER, 0UL, gap)),
                    size_t(gap));
    if (length > gap)
        std::memcpy(room.data() + gap,
                    reinterpret_cast<const char *>(
                        self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(gap), length - gap)),
                    size_t(length - gap));
    return room;
}

qint64 SyntaxEdit::utf8Size() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_GETLENGTH);
}

void SyntaxEdit::setRecoveredText(const SplitText &text)
{
    replaceAllText(text);
    m_lineBreak = text.lineBreak;
    m_encoding = text.encoding;
    m_loadedNulBytes = 0;
    m_loadedMalformed = 0;
    m_modified = true; // the text is not what its file holds
    emit statusChanged();
}

bool SyntaxEdit::saveFile(const QString &path)
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const char *data = reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    const EncodedText saved = saveTextFile(path, data, length, lineCount(), m_lineBreak, m_encoding);
    m_encoding = saved.encoding;
    return saved.encodingChanged;
}

// ---- highlighting -------------------------------------------------------------------------------

void SyntaxEdit::setHighlighter(Highlighter highlighter)
{
    m_highlighter = highlighter;
    // Setting a lexer styles the whole text at once; the one already set styles text as it shows.
    if (lexer() != m_lexers[int(highlighter)])
        setLexer(m_lexers[int(highlighter)]);
    updateGutter();
}

void SyntaxEdit::setHtmlTokenColours(HtmlTokenClass tokenClass, const std::optional<Rgb> &background,
                                     const std::optional<Rgb> &foreground)
{
    ::setHtmlTokenColours(m_lexers[int(Highlighter::Html)], tokenClass, background, foreground);
}

// ---- view ---------------------------------------------------------------------------------------

void SyntaxEdit::setNonPrintableVisible(bool visible)
{
    m_nonPrintableVisible = visible;
    setWhitespaceVisibility(visible ? WsVisible : WsInvisible);
    // The component's own line-end marks would say "LF" for every document: paintEvent marks the
    // document's own line break instead.
    setEolVisibility(false);
    viewport()->update();
    emit statusChanged();
}

void SyntaxEdit::setLineNumbersVisible(bool visible)
{
    m_lineNumbersVisible = visible;
    updateGutter();
}

void SyntaxEdit::setGutterVisible(bool visible)
{
    m_gutterVisible = visible;
    updateGutter();
}

void SyntaxEdit::updateGutter()
{
    setMarginWidth(kBookmarkMargin, m_gutterVisible && hasBookmarks() ? kGutterWidthWithoutNumbers : 0);
    if (!m_gutterVisible) {
        setMarginWidth(kLineNumberMargin, 0);
        return;
    }
    setMarginType(kLineNumberMargin, m_lineNumbersVisible ? NumberMargin : SymbolMargin);
    const int width = m_lineNumbersVisible
                          ? int(SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_LINENUMBER), "00000"))
                          : kGutterWidthWithoutNumbers;
    setMarginWidth(kLineNumberMargin, width);
}

int SyntaxEdit::gutterWidth() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    int width = 0;
    for (int margin = 0; margin < 5; ++margin)
        width += int(self->SendScintilla(SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
    return width;
}

void SyntaxEdit::setEditorFont(const QFont &requested)
{
    // The component sizes fonts by points only.
    QFont font = requested;
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / std::max(1, logicalDpiY()));
    m_font = font;
    setFont(font);
    for (int i = 0; i < kHighlighterCount; ++i)
        applyHighlighterFont(m_lexers[i], static_cast<Highlighter>(i), font);
    if (lexer())
        setLexer(lexer()); // re-applies the styles of the current highlighter
    updateGutter();
}

double SyntaxEdit::characterWidth() const
{
    // A single character's width is rounded down; a long run gives the true advance.
    static const QByteArray run(100, 'M');
    auto *self = const_cast<SyntaxEdit *>(this);
    const long width = self->SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_DEFAULT), run.constData());
    return std::max(1.0, double(width) / run.size());
}

int SyntaxEdit::firstVisibleColumn() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    return int(std::lround(double(self->SendScintilla(SCI_GETXOFFSET)) / characterWidth())) + 1;
}

int SyntaxEdit::visibleColumns() const
{
    const int textWidth = viewport()->width() - gutterWidth() - kTextMargin;
    return std::max(0, int(textWidth / characterWidth()));
}

int SyntaxEdit::columnAtX(int x) const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const double fromTextStart = x - gutterWidth() - kTextMargin + double(self->SendScintilla(SCI_GETXOFFSET));
    return std::max(1, int(std::lround(fromTextStart / characterWidth())) + 1);
}

void SyntaxEdit::setRightMargin(int column)
{
    setEdgeColumn(column);
}

int SyntaxEdit::rightMargin() const
{
    return edgeColumn();
}

bool SyntaxEdit::isOverwriteMode() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_GETOVERTYPE) != 0;
}

void SyntaxEdit::paintEvent(QPaintEvent *event)
{
    QsciScintilla::paintEvent(event);
    if (!m_nonPrintableVisible)
        return;
    QPainter painter(viewport());
    painter.setFont(m_font);
    paintLineEndMarks(*this, painter, lineEndMark(m_lineBreak));
}

void SyntaxEdit::removeTextChangingStockKeys()
{
    for (QsciCommand *command : standardCommands()->commands()) {
        if (changesText(command->command())) {
            command->setKey(0);
            command->setAlternateKey(0);
        }
    }
}

void SyntaxEdit::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event);
    if (const EditorKeyBinding *binding = editorKeyBinding(*event)) {
        performKeyAction(*binding);
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int combined = event->keyCombination().toCombined() & ~int(Qt::KeypadModifier);
    if (chord && !event->text().isEmpty() && !standardCommands()->boundTo(combined)) {
        event->ignore(); // Ctrl+1 and the like type nothing
        return;
    }
    // A space typed at the end of a line is not stored: the caret moves into the free space after
    // the text, and a character typed there brings the spaces with it.
    if (event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::ShiftModifier) && !hasSelectedText()
        && !isListActive()) {
        const TextPosition at = caret();
        if (at.column > lineLengthInCharacters(at.line - 1)) {
            setCaretColumn(at.column + 1);
            event->accept();
            return;
        }
    }
    if (!chord && typeOnLongLine(*event)) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

bool SyntaxEdit::caretLineIsLong() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const long line = self->SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(self->SendScintilla(SCI_GETCURRENTPOS)));
    return self->SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line))
               - self->SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line))
           > kLongLineBytes;
}

void SyntaxEdit::styleThroughCaretLine()
{
    // The component lays out the caret's line to scroll to the caret before it styles the new text,
    // and lays the whole line out again when the paint has styled it. Styled first, the line is laid
    // out once. The styling starts where the component's own would.
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)));
    const long through = line + 1 < SendScintilla(SCI_GETLINECOUNT)
                             ? SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))
                             : SendScintilla(SCI_GETLENGTH);
    const long styled = SendScintilla(SCI_GETENDSTYLED);
    if (styled >= through)
        return;
    const long from = SendScintilla(SCI_POSITIONFROMLINE,
                                    static_cast<unsigned long>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(styled))));
    SendScintilla(SCI_COLOURISE, static_cast<unsigned long>(from), through);
}

void SyntaxEdit::scrollToCaret()
{
    if (caretLineIsLong())
        styleThroughCaretLine();
    SendScintilla(SCI_SCROLLCARET);
}

bool SyntaxEdit::typeOnLongLine(const QKeyEvent &event)
{
    // A character typed on a very long line goes in as the component would put it (the same undo
    // record, the same notices), but styled before the caret is scrolled to. Anything beyond a plain
    // character at a plain caret is left to the component.
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint() || isReadOnly() || isListActive()
        || SendScintilla(SCI_GETOVERTYPE) || SendScintilla(SCI_GETSELECTIONS) != 1
        || !SendScintilla(SCI_GETSELECTIONEMPTY) || SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE, 0UL) != 0
        || SendScintilla(SCI_CALLTIPACTIVE)
        || standardCommands()->boundTo(event.keyCombination().toCombined() & ~int(Qt::KeypadModifier))
        || !caretLineIsLong())
        return false;
    const QByteArray bytes = text.toUtf8();
    const long pos = SendScintilla(SCI_GETCURRENTPOS);
    SendScintilla(SCI_INSERTTEXT, static_cast<unsigned long>(pos), bytes.constData());
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(pos + bytes.size()));
    scrollToCaret();
    SendScintilla(SCI_CHOOSECARETX);
    emit SCN_CHARADDED(int(text.toUcs4().value(0)));
    return true;
}

void SyntaxEdit::performKeyAction(const EditorKeyBinding &binding)
{
    // Keys that write a line leave no spaces at its end, as typing does not.
    const auto trimCaretLine = [this] { trimTrailingSpaces(caret().line - 1); };
    // Undo and redo step through the history; everything else is one step of it.
    if (binding.action == EditorAction::Undo || binding.action == EditorAction::Redo) {
        binding.action == EditorAction::Undo ? undo() : redo();
        emit statusChanged();
        return;
    }
    beginUndoGroup();
    switch (binding.action) {
    case EditorAction::DeleteCharacter: SendScintilla(SCI_CLEAR); trimCaretLine(); break;
    case EditorAction::DeleteLastCharacter: SendScintilla(SCI_DELETEBACK); trimCaretLine(); break;
    case EditorAction::DeleteLine: SendScintilla(SCI_LINEDELETE); break;
    case EditorAction::DeleteToLineEnd: SendScintilla(SCI_DELLINERIGHT); trimCaretLine(); break;
    case EditorAction::DeleteWord: SendScintilla(SCI_DELWORDRIGHT); trimCaretLine(); break;
    case EditorAction::DeleteLastWord: SendScintilla(SCI_DELWORDLEFT); trimCaretLine(); break;
    case EditorAction::InsertLine:
        SendScintilla(SCI_INSERTTEXT, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)), "\n");
        trimCaretLine();
        break;
    case EditorAction::LineBreak:
        SendScintilla(SCI_NEWLINE);
        // The line left behind, and the new one when it holds only its indentation: the caret
        // then stands indented in the free space.
        trimTrailingSpaces(caret().line - 2);
        trimCaretLine();
        break;
    case EditorAction::Tab: SendScintilla(SCI_TAB); trimCaretLine(); break;
    case EditorAction::BackTab: SendScintilla(SCI_BACKTAB); break;
    case EditorAction::BlockIndent: indentSelectedLines(kBlockIndent); break;
    case EditorAction::BlockUnindent: indentSelectedLines(-kBlockIndent); break;
    case EditorAction::GoToBookmark: goToBookmark(binding.bookmark); break;
    case EditorAction::SetBookmark: setBookmark(binding.bookmark); break;
    case EditorAction::NormalSelection:
        SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_STREAM));
        SendScintilla(SCI_CANCEL); // caret keys move again instead of extending the selection
        break;
    case EditorAction::ColumnSelection:
        SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_RECTANGLE));
        break;
    case EditorAction::LineSelection: SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_LINES)); break;
    case EditorAction::MatchingBracket: {
        const long position = SendScintilla(SCI_GETCURRENTPOS);
        long match = SendScintilla(SCI_BRACEMATCH, static_cast<unsigned long>(position), 0L);
        if (match < 0 && position > 0)
            match = SendScintilla(SCI_BRACEMATCH, static_cast<unsigned long>(position - 1), 0L);
        if (match >= 0)
            SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(match));
        break;
    }
    case EditorAction::Undo:
    case EditorAction::Redo:
        break; // above
    case EditorAction::Cut: cut(); break;
    case EditorAction::Paste: paste(); break;
    }
    endUndoGroup();
    emit statusChanged();
}

void SyntaxEdit::trimTrailingSpaces(int line)
{
    if (line < 0 || line >= int(SendScintilla(SCI_GETLINECOUNT)))
        return;
    const QByteArray bytes = lineBytes(line);
    qsizetype kept = bytes.size();
    while (kept > 0 && bytes.at(kept - 1) == ' ')
        --kept;
    if (kept == bytes.size())
        return;
    const TextPosition at = caret();
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start + kept), static_cast<long>(start + bytes.size()));
    SendScintilla(SCI_REPLACETARGET, 0UL, "");
    if (at.line == line + 1)
        placeCaret(at.line, at.column);
}

void SyntaxEdit::indentSelectedLines(int columns)
{
    const long anchor = SendScintilla(SCI_GETANCHOR);
    const long current = SendScintilla(SCI_GETCURRENTPOS);
    const long first = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::min(anchor, current)));
    long last = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max(anchor, current)));
    // A selection that ends at the start of a line does not take that line along.
    if (last > first && SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(last)) == std::max(anchor, current))
        --last;
    beginUndoGroup();
    for (long line = first; line <= last; ++line) {
        if (lineBytes(int(line)).trimmed().isEmpty())
            continue; // indenting an empty line would only store spaces at its end
        const long indent = SendScintilla(SCI_GETLINEINDENTATION, static_cast<unsigned long>(line));
        SendScintilla(SCI_SETLINEINDENTATION, static_cast<unsigned long>(line), std::max(0L, indent + columns));
    }
    endUndoGroup();
}

bool SyntaxEdit::hasBookmarks() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_MARKERNEXT, 0UL, static_cast<long>(kBookmarkMask)) >= 0;
}

void SyntaxEdit::setBookmark(int bookmark)
{
    // Set on the line that already holds it, a bookmark is taken away.
    const unsigned long line = static_cast<unsigned long>(caret().line - 1);
    const bool here = SendScintilla(SCI_MARKERGET, line) & (1 << bookmark);
    SendScintilla(SCI_MARKERDELETEALL, static_cast<unsigned long>(bookmark));
    if (!here)
        SendScintilla(SCI_MARKERADD, line, static_cast<long>(bookmark));
    updateGutter();
}

void SyntaxEdit::goToBookmark(int bookmark)
{
    const long line = SendScintilla(SCI_MARKERNEXT, 0UL, static_cast<long>(1 << bookmark));
    if (line >= 0)
        setCaretLine(int(line) + 1);
}

void SyntaxEdit::paste()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    if (data->hasFormat(QStringLiteral("text/x-qscintilla-rectangular"))) {
        QsciScintilla::paste();
        return;
    }
    insert(data->text());
}
