#include "base/colour.h"

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
    bool ok = false;
    const uint value = sixDigits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    for (QChar c : sixDigits)
        if (!c.isLetterOrNumber())
            return std::nullopt;
    return Rgb{int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF)};
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
