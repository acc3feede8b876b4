#include "app/palette_control.h"

#include <QLayout>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Lays its items out left to right and starts a new row where the width runs out.
class WrappingLayout : public QLayout
{
public:
    explicit WrappingLayout(QWidget *parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
    ~WrappingLayout() override
    {
        while (QLayoutItem *item = takeAt(0))
            delete item;
    }

    void addItem(QLayoutItem *item) override { m_items.append(item); }
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override
    {
        return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override
    {
        QSize size;
        for (QLayoutItem *item : m_items)
            size = size.expandedTo(item->minimumSize());
        return size;
    }

private:
    int arrange(const QRect &rect, bool apply) const
    {
        int x = rect.x();
        int y = rect.y();
        int rowHeight = 0;
        for (QLayoutItem *item : m_items) {
            if (item->widget() && item->widget()->isHidden())
                continue;
            const QSize hint = item->sizeHint();
            if (x + hint.width() > rect.right() + 1 && rowHeight > 0) {
                x = rect.x();
                y += rowHeight;
                rowHeight = 0;
            }
            if (apply)
                item->setGeometry(QRect(QPoint(x, y), hint));
            x += hint.width();
            rowHeight = std::max(rowHeight, hint.height());
        }
        return y + rowHeight - rect.y();
    }

    QList<QLayoutItem *> m_items;
};

} // namespace

PaletteControl::PaletteControl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageControl"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabStrip = new QWidget(this);
    new WrappingLayout(m_tabStrip);
    m_pages = new QStackedWidget(this);
    m_pages->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_tabStrip);
    layout->addWidget(m_pages);
}

int PaletteControl::addTab(QWidget *page, const QString &caption, const QString &objectName)
{
    auto *button = new QToolButton(m_tabStrip);
    button->setObjectName(objectName + QStringLiteral("_Tab"));
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    m_tabStrip->layout()->addWidget(button);
    page->setObjectName(objectName);
    m_pages->addWidget(page);
    const int index = int(m_tabs.size());
    m_tabs.push_back(button);
    connect(button, &QToolButton::clicked, this, [this, index] { setCurrentIndex(index); });
    if (m_current < 0)
        setCurrentIndex(index);
    return index;
}

void PaletteControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    m_current = index;
    m_pages->setCurrentIndex(index);
    updateHighlight();
    emit currentChanged(index);
}

void PaletteControl::setTabVisible(int index, bool visible)
{
    m_tabs.at(size_t(index))->setVisible(visible);
    m_tabStrip->layout()->invalidate();
    if (!visible && index == m_current) {
        for (int i = 0; i < count(); ++i)
            if (isTabVisible(i)) {
                setCurrentIndex(i);
                return;
            }
    }
}

bool PaletteControl::isTabVisible(int index) const
{
    return !m_tabs.at(size_t(index))->isHidden();
}

bool PaletteControl::isCaptionHighlighted(int index) const
{
    return m_tabs.at(size_t(index))->isChecked();
}

QWidget *PaletteControl::page(int index) const
{
    return m_pages->widget(index);
}

void PaletteControl::updateHighlight()
{
    for (int i = 0; i < count(); ++i) {
        QToolButton *tab = m_tabs.at(size_t(i));
        tab->setChecked(i == m_current);
        QFont font = tab->font();
        font.setBold(i == m_current);
        tab->setFont(font);
    }
}
