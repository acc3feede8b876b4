#include "editor/line_buffer.h"

#include "base/text_file.h"
#include "editor/insertion.h"

#include <algorithm>

namespace {
bool before(const TextPosition &a, const TextPosition &b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}
} // namespace

void LineBuffer::rememberForUndo()
{
    if (m_groupDepth > 0 && m_groupRecorded)
        return;
    m_undo.push_back({m_lines, m_caret});
    m_redo.clear();
    if (m_groupDepth > 0)
        m_groupRecorded = true;
}

void LineBuffer::beginUndoGroup()
{
    if (m_groupDepth++ == 0)
        m_groupRecorded = false;
}

void LineBuffer::endUndoGroup()
{
    if (m_groupDepth > 0)
        --m_groupDepth;
}

void LineBuffer::keepEditedDocumentALine()
{
    // Like the editing component: once edited, an empty document holds one empty line.
    if (m_lines.isEmpty())
        m_lines.append(QString());
}

void LineBuffer::undo()
{
    if (m_undo.empty())
        return;
    m_redo.push_back({m_lines, m_caret});
    m_lines = m_undo.back().lines;
    m_caret = m_anchor = m_undo.back().caret;
    m_undo.pop_back();
    keepEditedDocumentALine();
    m_modified = true;
}

void LineBuffer::redo()
{
    if (m_redo.empty())
        return;
    m_undo.push_back({m_lines, m_caret});
    m_lines = m_redo.back().lines;
    m_caret = m_anchor = m_redo.back().caret;
    m_redo.pop_back();
    keepEditedDocumentALine();
    m_modified = true;
}

TextPosition LineBuffer::clampedToText(const TextPosition &position) const
{
    if (m_lines.isEmpty())
        return {1, 1};
    TextPosition p = position;
    p.line = std::clamp(p.line, 1, int(m_lines.size()));
    p.column = std::clamp(p.column, 1, characterCount(m_lines.at(p.line - 1)) + 1);
    return p;
}

void LineBuffer::select(const TextPosition &anchor, const TextPosition &caret)
{
    m_anchor = clampedToText(anchor);
    m_caret = clampedToText(caret);
}

QString LineBuffer::selectedText() const
{
    if (!hasSelection())
        return {};
    const TextPosition from = before(m_anchor, m_caret) ? m_anchor : m_caret;
    const TextPosition to = before(m_anchor, m_caret) ? m_caret : m_anchor;
    QStringList parts;
    for (int l = from.line; l <= to.line; ++l) {
        const QString &line = m_lines.at(l - 1);
        const int start = l == from.line ? indexAfterCharacters(line, from.column - 1) : 0;
        const int end = l == to.line ? indexAfterCharacters(line, to.column - 1) : int(line.size());
        parts.append(line.mid(start, end - start));
    }
    return parts.join(QStringLiteral("\r\n"));
}

void LineBuffer::selectAll()
{
    if (m_lines.isEmpty()) {
        m_anchor = m_caret = {1, 1};
        return;
    }
    m_anchor = {1, 1};
    m_caret = {int(m_lines.size()), characterCount(m_lines.last()) + 1};
}

void LineBuffer::deleteSelection()
{
    const TextPosition from = before(m_anchor, m_caret) ? m_anchor : m_caret;
    const TextPosition to = before(m_anchor, m_caret) ? m_caret : m_anchor;
    const QString &first = m_lines.at(from.line - 1);
    const QString &last = m_lines.at(to.line - 1);
    const QString joined = first.left(indexAfterCharacters(first, from.column - 1))
                           + last.mid(indexAfterCharacters(last, to.column - 1));
    m_lines.erase(m_lines.begin() + from.line, m_lines.begin() + to.line);
    m_lines[from.line - 1] = joined;
    m_caret = m_anchor = from;
}

void LineBuffer::insert(const QString &text)
{
    UndoGroup group(*this);
    rememberForUndo();
    if (hasSelection())
        deleteSelection();
    if (m_lines.isEmpty())
        m_lines.append(QString());
    const int index = m_caret.line - 1;
    const InsertionResult result = insertIntoLine(m_lines.at(index), m_caret.column, text);
    m_lines[index] = result.lines.first();
    for (int i = 1; i < result.lines.size(); ++i)
        m_lines.insert(index + i, result.lines.at(i));
    m_caret = m_anchor = {m_caret.line + int(result.lines.size()) - 1, result.caretColumn};
    m_maxLineWidth = std::max(m_maxLineWidth, result.longestLine + 1);
    m_modified = true;
}

void LineBuffer::setCaretColumn(int column)
{
    m_caret.column = std::clamp(column, 1, m_maxLineWidth);
    m_anchor = m_caret;
}

void LineBuffer::setCaretLine(int line)
{
    m_caret.line = std::clamp(line, 1, std::max(1, int(m_lines.size())));
    m_anchor = m_caret;
}

QString LineBuffer::text() const
{
    QString result;
    for (const QString &line : m_lines) {
        result += line;
        result += QStringLiteral("\r\n");
    }
    return result;
}

void LineBuffer::setText(const QString &text)
{
    const SplitText split = splitUtf8Text(text.toUtf8());
    m_lines = split.lineCount == 0 ? QStringList() : QString::fromUtf8(split.utf8).split(QLatin1Char('\n'));
    m_maxLineWidth = std::max(m_maxLineWidth, split.longestLine + 1);
    m_caret = m_anchor = {1, 1};
    m_undo.clear();
    m_redo.clear();
}

qint64 LineBuffer::statusLength() const
{
    qint64 length = 0;
    for (const QString &line : m_lines)
        length += characterCount(line) + 2;
    return length;
}
