#include "app/window_arrangement.h"

#include <algorithm>

namespace {

// Splits `length` into `count` parts that add up to it exactly; returns the start of part i.
int partStart(int length, int count, int i)
{
    return int(qint64(length) * i / count);
}

} // namespace

QList<QRect> sideBySide(const QRect &area, int count)
{
    QList<QRect> places;
    for (int i = 0; i < count; ++i) {
        const int left = partStart(area.width(), count, i);
        const int right = partStart(area.width(), count, i + 1);
        places.append(QRect(area.left() + left, area.top(), right - left, area.height()));
    }
    return places;
}

QList<QRect> oneUnderAnother(const QRect &area, int count)
{
    QList<QRect> places;
    for (int i = 0; i < count; ++i) {
        const int top = partStart(area.height(), count, i);
        const int bottom = partStart(area.height(), count, i + 1);
        places.append(QRect(area.left(), area.top() + top, area.width(), bottom - top));
    }
    return places;
}

QList<QRect> cascade(const QRect &area, int count, int step)
{
    QList<QRect> places;
    if (count <= 0 || area.isEmpty())
        return places;
    step = std::max(1, step);
    const int stagger = step * (count - 1);
    const int width = std::min(area.width(), std::max(area.width() * 2 / 3, area.width() - stagger));
    const int height = std::min(area.height(), std::max(area.height() * 2 / 3, area.height() - stagger));
    // How many staggered positions fit before a window would cross the area's edge.
    const int room = std::min(area.width() - width, area.height() - height);
    const int positions = room / step + 1;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % positions) * step;
        places.append(QRect(area.left() + offset, area.top() + offset, width, height));
    }
    return places;
}
