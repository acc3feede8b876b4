#pragma once

#include <vector>

// Where the ruler above a document draws its ticks and numbers.
//
// Tick n marks the boundary after the n-th character of a line. The first tick drawn is n = L - 1
// (L = first visible column) at textLeft, the left edge of the first visible text column; then one
// tick per character width, N + 1 ticks in all for N visible columns.
struct RulerTick
{
    int n = 0;
    int x = 0;          // pixels from the ruler's left edge
    int length = 2;     // 5 on multiples of 5, 2 otherwise
    bool numbered = false; // multiples of 10 carry their number
};

std::vector<RulerTick> rulerTicks(int textLeft, double characterWidth, int firstVisibleColumn, int visibleColumns);

// The left edge of a tick's number: centred on the tick, the half width rounded toward zero.
int rulerLabelLeft(int tickX, int labelWidth);

// The right margin a click at column c sets: the boundary after character c - 1, at least 1.
int rightMarginForClick(int column);
