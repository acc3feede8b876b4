// The integer conversion against its contract: optional leading spaces, an optional sign, then
// decimal digits, or with hexadecimal allowed "$"/"0x" and up to 32 bits taken as a signed 32-bit
// value; anything else, or a value outside 32 bits, is not an integer. The model below reads the
// text its own way (a regular expression and 64-bit arithmetic).
#include "fuzz_input.h"

#include "base/int_conversion.h"
#include "base/velinor_error.h"

#include <QRegularExpression>

#include <cstdint>
#include <optional>

namespace {

std::optional<int> contractValue(const QString &text, Hex hex)
{
    static const QRegularExpression decimal(QStringLiteral("^ *([+-]?)([0-9]+)\\z"));
    static const QRegularExpression hexadecimal(QStringLiteral("^ *([+-]?)(?:\\$|0[xX])([0-9A-Fa-f]+)\\z"));
    bool isHex = false;
    QRegularExpressionMatch match;
    if (hex == Hex::Allowed) {
        match = hexadecimal.match(text);
        isHex = match.hasMatch();
    }
    if (!isHex)
        match = decimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(2);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > (isHex ? 8 : 10))
        return std::nullopt;
    const std::int64_t magnitude = std::int64_t(digits.toULongLong(nullptr, isHex ? 16 : 10));
    const std::int64_t value = isHex ? std::int64_t(std::int32_t(std::uint32_t(magnitude))) : magnitude;
    const std::int64_t signedValue = match.captured(1) == QLatin1String("-") ? -value : value;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return int(signedValue);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const Hex hex = input.flag() ? Hex::Allowed : Hex::NotAllowed;
    const bool utf16 = input.flag();
    const QByteArray raw = input.rest();
    const QString text = utf16 ? QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData()), raw.size() / 2)
                               : QString::fromUtf8(raw);

    const std::optional<int> value = parseInteger(text, hex);
    FUZZ_CHECK(value == contractValue(text, hex), "parseInteger follows its contract");

    // toInteger agrees, and fails with the user's message.
    try {
        const int converted = toInteger(text, hex);
        FUZZ_CHECK(value && converted == *value, "toInteger gives what parseInteger gives");
    } catch (const VelinorError &error) {
        FUZZ_CHECK(!value, "toInteger raises only for non-integers");
        FUZZ_CHECK(error.message() == QStringLiteral("'%1' is not a valid integer value").arg(text), "error text");
    }

    // Every value written in decimal reads back.
    if (value) {
        FUZZ_CHECK(parseInteger(QString::number(*value), Hex::NotAllowed) == value, "decimal round trip");
        FUZZ_CHECK(parseInteger(QStringLiteral("$") + QString::number(uint(*value), 16), Hex::Allowed) == value,
                   "hexadecimal round trip");
    }
    return 0;
}
