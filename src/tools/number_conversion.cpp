#include "tools/number_conversion.h"

#include "base/int_conversion.h"

#include <algorithm>

QString paddedHexadecimal(int number, int digits)
{
    const QString hex = QString::number(uint(number), 16).toUpper();
    return hex.rightJustified(std::clamp(digits, 0, kMaxPaddedDigits), QLatin1Char('0'));
}

QString convertDecimalText(const QString &number, const QString &digits)
{
    const int minimumDigits = toInteger(digits, Hex::NotAllowed);
    const int value = toInteger(number, Hex::NotAllowed);
    return paddedHexadecimal(value, minimumDigits);
}
