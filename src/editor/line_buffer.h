#pragma once

#include "editor/text_document.h"

#include <vector>

// A document held as a plain list of lines, with the same behaviour as the editing component:
// for generators run without a window and as the reference the editor is checked against.
class LineBuffer : public TextDocument
{
public:
    LineBuffer() = default;
    explicit LineBuffer(const QStringList &lines, int maxLineWidth = kInitialMaxLineWidth)
        : m_lines(lines), m_maxLineWidth(maxLineWidth) {}

    void insert(const QString &text) override;

    TextPosition caret() const override { return m_caret; }
    void setCaretColumn(int column) override;
    void setCaretLine(int line) override;
    int maxLineWidth() const override { return m_maxLineWidth; }

    void select(const TextPosition &anchor, const TextPosition &caret) override;
    bool hasSelection() const override { return !(m_anchor == m_caret); }
    QString selectedText() const override;
    void selectAll() override;

    int lineCount() const override { return int(m_lines.size()); }
    QString line(int index) const override { return m_lines.value(index); }
    QString text() const override;
    void setText(const QString &text) override;
    qint64 statusLength() const override;

    bool isModified() const override { return m_modified; }
    void clearModified() override { m_modified = false; }

    void beginUndoGroup() override;
    void endUndoGroup() override;
    void undo() override;
    void redo() override;

private:
    struct Snapshot
    {
        QStringList lines;
        TextPosition caret;
    };

    TextPosition clampedToText(const TextPosition &position) const;
    void deleteSelection();
    void rememberForUndo();
    void keepEditedDocumentALine();

    QStringList m_lines;
    TextPosition m_caret;
    TextPosition m_anchor;
    int m_maxLineWidth = kInitialMaxLineWidth;
    bool m_modified = false;
    int m_groupDepth = 0;
    bool m_groupRecorded = false;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
};
