#include "base/colour.h"

#include "base/int_conversion.h"

QString colourText(const Rgb &colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour.green & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour.blue & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<Rgb> parseColourDigits(const QString &sixDigits)
{
    if (sixDigits.size() != 6)
        return std::nullopt;
    // Digit by digit: a number parser would also take "0x", signs or spaces.
    int value = 0;
    for (QChar c : sixDigits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return Rgb{(value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF};
}

std::optional<Rgb> settingsColourToRgb(int value)
{
    if (value == kNoColour)
        return std::nullopt;
    const auto bits = static_cast<unsigned>(value);
    return Rgb{int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF)};
}

int rgbToSettingsColour(const std::optional<Rgb> &colour)
{
    if (!colour)
        return kNoColour;
    return (colour->red & 0xFF) | ((colour->green & 0xFF) << 8) | ((colour->blue & 0xFF) << 16);
}

const std::vector<NamedColour> &namedColours()
{
    static const std::vector<NamedColour> colours = {
        {"Black", {0, 0, 0}},       {"Maroon", {128, 0, 0}},   {"Green", {0, 128, 0}},
        {"Olive", {128, 128, 0}},   {"Navy", {0, 0, 128}},     {"Purple", {128, 0, 128}},
        {"Teal", {0, 128, 128}},    {"Gray", {128, 128, 128}}, {"Silver", {192, 192, 192}},
        {"Red", {255, 0, 0}},       {"Lime", {0, 255, 0}},     {"Yellow", {255, 255, 0}},
        {"Blue", {0, 0, 255}},      {"Fuchsia", {255, 0, 255}}, {"Aqua", {0, 255, 255}},
        {"White", {255, 255, 255}},
    };
    return colours;
}

Rgb namedColour(const QString &name)
{
    for (const NamedColour &entry : namedColours())
        if (name == QLatin1String(entry.name))
            return entry.colour;
    return Rgb{};
}
