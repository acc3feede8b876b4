#pragma once

#include "base/colour.h"

#include <QColor>

// The one conversion between the program's colours and Qt's, for the widget side only (the pure
// library does not link Qt Gui).

inline QColor toQColor(const Rgb &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline Rgb rgbOf(const QColor &colour)
{
    return Rgb{colour.red(), colour.green(), colour.blue()};
}
