// SyntaxEdit: keeping a keystroke's work independent of the length of a very long line (minified
// CSS or JavaScript): characters counted in the component's own memory, steps run on a window of
// the line, and the line styled before the component scrolls to the caret.
#include "editor/syntax_edit.h"

#include "editor/insertion.h"
#include "editor/line_buffer.h"
#include "editor/utf8_count.h"

#include <Qsci/qscicommandset.h>

#include <QKeyEvent>

#include <algorithm>

// ---- counting in the component's memory ---------------------------------------------------------

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

// ---- steps on a window of the line --------------------------------------------------------------

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
    auto continues = [&byteAt](long position) { return isUtf8Continuation(byteAt(position)); };
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

// ---- typing and scrolling -----------------------------------------------------------------------

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
