#pragma once

#include <QList>
#include <QRect>

// Where the document windows go when the user arranges them (the "&Okno" menu). Pure geometry:
// `area` is the frame's free area, the result has one rectangle per window, in the windows' order.

// "&Vedle sebe": columns of equal width (the spare pixels to the first ones), each as high as the area.
QList<QRect> sideBySide(const QRect &area, int count);

// "&Pod sebou": rows of equal height, each as wide as the area.
QList<QRect> oneUnderAnother(const QRect &area, int count);

// "&Kaskáda": windows staggered by `step` pixels right and down, each at least two thirds of the
// area wide and high so its text stays readable; when the stagger reaches the area's edge it
// starts again at the top-left corner.
QList<QRect> cascade(const QRect &area, int count, int step);
