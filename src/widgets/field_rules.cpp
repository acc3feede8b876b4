#include "widgets/field_rules.h"

#include "base/int_conversion.h"

#include <algorithm>
#include <climits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// value + steps without overflow, clamped to the range or to int.
int stepped(int value, int steps, qint64 minimum, qint64 maximum)
{
    return int(std::clamp(qint64(value) + steps, minimum, maximum));
}

} // namespace

bool digitFilterAccepts(QChar typed, FilterSpace space)
{
    return typed.unicode() < 32 || isDigit(typed) || (space == FilterSpace::Accepted && typed == QLatin1Char(' '));
}

QString upDownStep(const QString &text, int steps, int minimum, int maximum)
{
    return QString::number(stepped(toInteger(text), steps, minimum, maximum));
}

QString spinStep(const QString &text, int steps, SpinRange range)
{
    const int value = parseInteger(text).value_or(range.minimum);
    if (range.bounded())
        return QString::number(stepped(value, steps, range.minimum, range.maximum));
    return QString::number(stepped(value, steps, INT_MIN, INT_MAX));
}

QString spinFieldValue(const QString &text, SpinRange range)
{
    const auto value = parseInteger(text);
    if (!value || !range.bounded())
        return text;
    if (*value < range.minimum)
        return QString::number(range.minimum);
    if (*value > range.maximum)
        return QString::number(range.maximum);
    return text;
}

KeyVerdict spinKeyVerdict(QChar typed, SpinFilter filter, QChar decimalSeparator)
{
    const bool control = typed.unicode() < 32;
    const bool ownFilterAccepts = isDigit(typed) || typed == QLatin1Char('+') || typed == QLatin1Char('-')
                                  || typed == decimalSeparator || (control && typed != QLatin1Char('\r'));
    if (!ownFilterAccepts)
        return KeyVerdict::DropWithBeep;
    if (filter == SpinFilter::Digits && !digitFilterAccepts(typed))
        return KeyVerdict::Drop;
    return KeyVerdict::Accept;
}
