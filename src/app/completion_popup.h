#pragma once

#include <QFrame>

class QLabel;
class QTreeWidget;
class SyntaxEdit;

// The tag-completion list of a document window: a pop-up under the caret titled "HTML šablony",
// 500 pixels wide and ten rows high, with each entry's description and tag name in two columns.
// While it is open, the list's own keys move and choose (Up, Down, Page Up/Down, Home, End;
// Enter or Tab chooses, Escape closes); every other key goes on to the editor, and the list then
// shows only the entries that match the word before the caret, closing when none does or when
// the caret leaves the word.
class CompletionPopup : public QFrame
{
    Q_OBJECT

public:
    explicit CompletionPopup(SyntaxEdit *editor);

    // Opens (or refreshes) the list for the word before the caret; false when no entry matches.
    bool open();

    QTreeWidget *list() const { return m_list; }
    QLabel *title() const { return m_title; }

signals:
    // The entry chosen, as its row "description<TAB>tag".
    void chosen(const QString &row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fill();           // the matching rows; false when there are none
    void placeUnderCaret();
    void chooseCurrent();

    SyntaxEdit *m_editor;
    QLabel *m_title;
    QTreeWidget *m_list;
    int m_line = 0;        // where the word being completed starts (1-based)
    int m_wordStart = 0;
};
