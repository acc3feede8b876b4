#include "app/mdi_arrangement.h"

#include "app/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

void arrangeSubWindows(QMdiArea *area, WindowArrangement arrangement)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area->subWindowList(QMdiArea::CreationOrder))
        if (!window->isMinimized() && !window->isHidden())
            windows.append(window);
    if (windows.isEmpty())
        return;
    QMdiSubWindow *active = area->activeSubWindow();
    if (arrangement == WindowArrangement::Cascade && windows.removeOne(active))
        windows.append(active); // in front, at the last place of the stagger
    const QRect free = area->viewport()->rect();
    QList<QRect> places;
    switch (arrangement) {
    case WindowArrangement::SideBySide:
        places = sideBySide(free, int(windows.size()));
        break;
    case WindowArrangement::OneUnderAnother:
        places = oneUnderAnother(free, int(windows.size()));
        break;
    case WindowArrangement::Cascade: {
        // One title bar's height: each caption stays visible below the one before it.
        const QStyle *style = windows.first()->style();
        const int step = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first())
                         + style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.first());
        places = cascade(free, int(windows.size()), step);
        break;
    }
    }
    for (int i = 0; i < int(windows.size()); ++i) {
        QMdiSubWindow *window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        window->setGeometry(places.at(i));
        if (arrangement == WindowArrangement::Cascade)
            window->raise(); // the last opened on top, every caption visible
    }
    if (active)
        area->setActiveSubWindow(active);
}
