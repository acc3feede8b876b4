#pragma once

class QMdiArea;

enum class WindowArrangement { Cascade, SideBySide, OneUnderAnother };

// Arranges the document windows of the frame that are not minimised (those stay icons), in the
// order they were opened (a cascade puts the active one last, in front), and keeps the active one active.
void arrangeSubWindows(QMdiArea *area, WindowArrangement arrangement);
