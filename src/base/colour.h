#pragma once

#include <QString>
#include <optional>
#include <vector>

// A colour as Velinor writes it into documents and settings.
struct Rgb
{
    int red = 255;
    int green = 255;
    int blue = 255;
    bool operator==(const Rgb &o) const { return red == o.red && green == o.green && blue == o.blue; }
};

// "#RRGGBB" with upper-case hexadecimal digits, red first.
QString colourText(const Rgb &colour);

// Six hexadecimal digits without "#" (either case) as red, green, blue; nothing when malformed.
std::optional<Rgb> parseColourDigits(const QString &sixDigits);

// The settings file's colour integer: red in bits 0-7, green 8-15, blue 16-23.
// kNoColour stands for "no colour of its own".
constexpr int kNoColour = 536870911;

std::optional<Rgb> settingsColourToRgb(int value);
int rgbToSettingsColour(const std::optional<Rgb> &colour);

// The sixteen colours that have names in HTML, in the order of the colour bar.
struct NamedColour
{
    const char *name; // "Maroon"
    Rgb colour;
};
const std::vector<NamedColour> &namedColours();
// The colour of a name of namedColours(); white for any other name.
Rgb namedColour(const QString &name);
