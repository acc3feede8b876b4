#pragma once

#include <QWidget>

#include <vector>

class QStackedWidget;
class QToolButton;

// The tool palette's tab control: tab captions wrap onto as many rows as they need, single tabs
// can be hidden, and the active tab's caption is drawn highlighted.
class PaletteControl : public QWidget
{
    Q_OBJECT

public:
    explicit PaletteControl(QWidget *parent = nullptr);

    int addTab(QWidget *page, const QString &caption, const QString &objectName);
    int count() const { return int(m_tabs.size()); }
    void setCurrentIndex(int index);
    int currentIndex() const { return m_current; }
    void setTabVisible(int index, bool visible);
    bool isTabVisible(int index) const;
    bool isCaptionHighlighted(int index) const;
    QWidget *page(int index) const;
    QToolButton *tabButton(int index) const { return m_tabs.at(size_t(index)); }

signals:
    void currentChanged(int index);

private:
    void updateHighlight();

    QWidget *m_tabStrip;
    QStackedWidget *m_pages;
    std::vector<QToolButton *> m_tabs;
    int m_current = -1;
};
