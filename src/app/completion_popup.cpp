#include "app/completion_popup.h"

#include "app/completion_list.h"
#include "editor/syntax_edit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 500;
constexpr int kVisibleRows = 10;
const QColor kEntryColour(0, 128, 0); // green

} // namespace

CompletionPopup::CompletionPopup(SyntaxEdit *editor) : QFrame(editor, Qt::Popup), m_editor(editor)
{
    setObjectName(QStringLiteral("SynCompletionProposal"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);

    m_title = new QLabel(QStringLiteral("HTML šablony"), this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setAutoFillBackground(true);
    m_title->setBackgroundRole(QPalette::Button);
    m_title->setForegroundRole(QPalette::ButtonText);
    m_title->setContentsMargins(3, 1, 3, 1);
    QFont titleFont(QStringLiteral("Fixedsys"));
    titleFont.setStyleHint(QFont::TypeWriter);
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("List"));
    m_list->setColumnCount(2);
    m_list->setHeaderHidden(true);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setStyleHint(QFont::SansSerif);
    listFont.setPointSize(8);
    m_list->setFont(listFont);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Text, kEntryColour); // the selection keeps the desktop's colours
    m_list->setPalette(palette);
    m_list->setAttribute(Qt::WA_InputMethodEnabled); // composed letters reach the filter below
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemActivated, this, &CompletionPopup::chooseCurrent);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_list);
    setFocusProxy(m_list);
}

bool CompletionPopup::open()
{
    const CompletionRequest request =
        completionRequest(m_editor->line(m_editor->caretLine() - 1), m_editor->caretColumn());
    m_line = m_editor->caretLine();
    m_wordStart = request.wordStartColumn;
    if (!fill()) {
        hide();
        return false;
    }
    const int rowHeight = m_list->sizeHintForRow(0);
    m_list->setFixedHeight(rowHeight * kVisibleRows + 2);
    setFixedWidth(kWidth);
    adjustSize();
    placeUnderCaret();
    show();
    m_list->setFocus();
    return true;
}

bool CompletionPopup::fill()
{
    const TextPosition caret = m_editor->caret();
    const CompletionRequest request = completionRequest(m_editor->line(caret.line - 1), caret.column);
    if (caret.line != m_line || request.wordStartColumn != m_wordStart)
        return false; // the caret has left the word
    const QStringList rows = completionRows(request.typed);
    if (rows.isEmpty())
        return false;
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const QString &row : rows) {
        auto *item = new QTreeWidgetItem({row.section(QLatin1Char('\t'), 0, 0), row.section(QLatin1Char('\t'), 1)});
        item->setData(0, Qt::UserRole, row);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->setCurrentItem(items.first());
    return true;
}

void CompletionPopup::placeUnderCaret()
{
    const long position = m_editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const QPoint caret(int(m_editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position)),
                       int(m_editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position)));
    const int lineHeight = int(m_editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL));
    QPoint place = m_editor->viewport()->mapToGlobal(caret + QPoint(0, lineHeight));
    // Kept on the screen: above the caret when there is no room below it.
    if (const QScreen *screen = m_editor->screen()) {
        const QRect free = screen->availableGeometry();
        if (place.y() + height() > free.bottom())
            place.setY(place.y() - lineHeight - height());
        place.setX(std::max(free.left(), std::min(place.x(), free.right() - width())));
    }
    move(place);
}

void CompletionPopup::chooseCurrent()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    const QString row = item ? item->data(0, Qt::UserRole).toString() : QString();
    hide();
    if (!row.isEmpty())
        emit chosen(row);
}

bool CompletionPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::InputMethod) {
        // A letter composed from a dead key (ˇ then c) is text for the editor like any other.
        QApplication::sendEvent(m_editor, event);
        if (!fill())
            hide();
        return true;
    }
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false; // the list moves
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        chooseCurrent();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        // Typing goes on in the editor; the list follows the word.
        QApplication::sendEvent(m_editor, key);
        if (!fill())
            hide();
        return true;
    }
}
