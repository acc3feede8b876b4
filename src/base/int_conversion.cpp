#include "base/int_conversion.h"

#include "base/velinor_error.h"

#include <cstdint>

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

std::optional<int> parseInteger(const QString &text, Hex hex)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;

    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }

    bool isHex = false;
    if (hex == Hex::Allowed) {
        if (i < n && text.at(i) == QLatin1Char('$')) {
            isHex = true;
            i += 1;
        } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
                   && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
            isHex = true;
            i += 2;
        }
    }

    if (i >= n)
        return std::nullopt;

    std::uint64_t value = 0;
    const std::uint64_t limit = isHex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    for (; i < n; ++i) {
        const int digit = isHex ? hexDigitValue(text.at(i)) : (text.at(i).isDigit() && text.at(i).unicode() < 128 ? text.at(i).unicode() - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (isHex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > limit)
            return std::nullopt;
    }

    // Hexadecimal values fill all 32 bits: $FFFFFFFF is -1.
    std::int64_t signedValue = isHex ? static_cast<std::int32_t>(static_cast<std::uint32_t>(value))
                                     : static_cast<std::int64_t>(value);
    if (negative)
        signedValue = -signedValue;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(signedValue);
}

int toInteger(const QString &text, Hex hex)
{
    const auto value = parseInteger(text, hex);
    if (!value)
        throw VelinorError::notAnInteger(text);
    return *value;
}
