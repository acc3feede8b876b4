#pragma once

#include <QString>
#include <QStringList>

class Edit;

// A caret or selection end: line and column, both counted from 1. Columns count characters.
struct TextPosition
{
    int line = 1;
    int column = 1;
    bool operator==(const TextPosition &o) const { return line == o.line && column == o.column; }
};

// What every command needs of a document. Two implementations keep each other honest: LineBuffer
// (plain memory) and SyntaxEdit (the editing component); both pass the same table of cases.
class TextDocument
{
public:
    static constexpr int kInitialMaxLineWidth = 1024;

    virtual ~TextDocument() = default;

    // The insertion primitive: replace the selection with the text as one undo step. CR, LF and
    // CRLF split lines, a NUL ends the text, every written line loses its trailing spaces, and the
    // caret ends right after the inserted text. See insertion.h.
    virtual void insert(const QString &text) = 0;

    virtual TextPosition caret() const = 0;
    int caretLine() const { return caret().line; }
    int caretColumn() const { return caret().column; }
    // Caret moves clamp the line to 1..lineCount (1 without lines) and the column to
    // 1..maxLineWidth; a column past the end of the line stays there (virtual space).
    // The width starts at 1024 and grows so that the end of the longest line is reachable.
    virtual void setCaretColumn(int column) = 0;
    virtual void setCaretLine(int line) = 0;
    virtual int maxLineWidth() const = 0;

    virtual void select(const TextPosition &anchor, const TextPosition &caret) = 0;
    virtual bool hasSelection() const = 0;
    virtual QString selectedText() const = 0; // lines joined by CRLF
    virtual void selectAll() = 0;

    virtual int lineCount() const = 0;
    virtual QString line(int index) const = 0; // index from 0
    QStringList lines() const;
    // Every line followed by CRLF, the last one too.
    virtual QString text() const = 0;
    // Replaces the whole text (split at any line break; "" gives no lines): no undo step, the
    // modified flag is left as it is. A document without lines gets one as soon as it is edited.
    virtual void setText(const QString &text) = 0;
    // Characters of all lines plus two for the break after every line: the status bar's count.
    virtual qint64 statusLength() const = 0;

    virtual bool isModified() const = 0;
    virtual void clearModified() = 0;

    // Nested groups form one undo step.
    virtual void beginUndoGroup() = 0;
    virtual void endUndoGroup() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;

    // Runs the insertions and caret moves of an edit (its error is the caller's business).
    // Implementations may run them as one change of the text.
    virtual void runSteps(const Edit &edit);
};

// Holds an undo group open for its lifetime.
class UndoGroup
{
public:
    explicit UndoGroup(TextDocument &document) : m_document(document) { m_document.beginUndoGroup(); }
    ~UndoGroup() { m_document.endUndoGroup(); }
    UndoGroup(const UndoGroup &) = delete;
    UndoGroup &operator=(const UndoGroup &) = delete;

private:
    TextDocument &m_document;
};
