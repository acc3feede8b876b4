#include "editor/ruler_ticks.h"

#include <algorithm>
#include <cmath>

std::vector<RulerTick> rulerTicks(int textLeft, double characterWidth, int firstVisibleColumn, int visibleColumns)
{
    std::vector<RulerTick> ticks;
    ticks.reserve(size_t(std::max(visibleColumns, 0)) + 1);
    const int first = firstVisibleColumn - 1;
    for (int i = 0; i <= visibleColumns; ++i) {
        RulerTick tick;
        tick.n = first + i;
        tick.x = textLeft + int(std::lround(i * characterWidth));
        tick.length = tick.n % 5 == 0 ? 5 : 2;
        tick.numbered = tick.n % 10 == 0;
        ticks.push_back(tick);
    }
    return ticks;
}

int rulerLabelLeft(int tickX, int labelWidth)
{
    return tickX - labelWidth / 2;
}

int rightMarginForClick(int column)
{
    return std::max(column - 1, 1);
}
