#pragma once

#include <QString>

// A hint "short|long": the tool tip shows the short part, the status bar the long one.
// A hint without "|" is both.
struct HintParts
{
    QString shortText;
    QString longText;
};

inline HintParts splitHint(const QString &hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}
