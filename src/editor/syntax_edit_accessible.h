#pragma once

#include <QAccessibleWidget>

class SyntaxEdit;

// What assistive technology sees of a SyntaxEdit: its text, caret and selection, with character
// offsets worked out from the component's line index (O(log n)). It replaces the component's own
// interface, which counts characters from the start of the document on every caret move and every
// repaint: in a large document that made each arrow key cost a tenth of a second or more.
class SyntaxEditAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit SyntaxEditAccessible(SyntaxEdit *editor);

    // Makes every SyntaxEdit use this interface; call once a component exists.
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

    // Character offset of a byte position and back.
    int offsetOf(long position) const;
    long positionOf(int offset) const;

private:
    SyntaxEdit *editor() const;
};
