// SyntaxEdit: construction, the document contract (caret, selection, the insertion primitive,
// whole text) and undo. Its other concerns have files of their own (syntax_edit_*.cpp; the header
// groups the private members by file).
#include "editor/syntax_edit.h"

#include "editor/edit.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit_accessible.h"
#include "editor/syntax_edit_private.h"
#include "editor/utf8_count.h"

#include <Qsci/qscilexer.h>

#include <QAccessible>

#include <algorithm>
#include <cstdlib>

namespace {
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

    qsizetype prefix = 0;
    const qsizetype shorter = std::min(oldBytes.size(), newBytes.size());
    while (prefix < shorter && oldBytes.at(prefix) == newBytes.at(prefix))
        ++prefix;
    while (prefix > 0 && ((prefix < oldBytes.size() && isUtf8Continuation(oldBytes.at(prefix)))
                          || (prefix < newBytes.size() && isUtf8Continuation(newBytes.at(prefix)))))
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && oldBytes.at(oldBytes.size() - 1 - suffix) == newBytes.at(newBytes.size() - 1 - suffix))
        ++suffix;
    while (suffix > 0 && (isUtf8Continuation(oldBytes.at(oldBytes.size() - suffix))
                          || isUtf8Continuation(newBytes.at(newBytes.size() - suffix))))
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

