#include "tools/colour_readings.h"

#include "base/int_conversion.h"

QString rgbFormText(const Rgb &c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
}

QString mixerChannelLabel(ColourChannel channel, int value)
{
    // The spacing lines the three values up under each other.
    switch (channel) {
    case ColourChannel::Red:
        return QString::fromUtf8("Červená: ") + QString::number(value);
    case ColourChannel::Green:
        return QString::fromUtf8("Zelená:   ") + QString::number(value);
    case ColourChannel::Blue:
        return QString::fromUtf8("Modrá:    ") + QString::number(value);
    }
    return {};
}

bool hexDigitFilterAccepts(QChar typed)
{
    return typed.unicode() < 32 || hexDigitValue(typed) >= 0;
}

QString colourReadingCaption()
{
    return QString::fromUtf8("Pozor - neplatné zadání čísla");
}

ColourReading readHexaColour(const QString &digits)
{
    // The field's filter lets only hexadecimal digits in; a pasted text that is not one is refused
    // with the same message.
    if (const auto colour = parseColourDigits(digits))
        return {*colour, {}};
    return {{}, QString::fromUtf8("Pole pro hodnotu barvy v hexadecimálním\ntvaru musí mít 6 platných znaků. Tedy 0..9 a a..f !")};
}

ColourReading readRgbColour(const QString &red, const QString &green, const QString &blue)
{
    const QString fields[] = {red, green, blue};
    for (const QString &field : fields)
        if (field.isEmpty())
            return {{}, QString::fromUtf8("Pole pro hodnoty barvy v rgb tvaru musí\nmít alespoň 1 platný znak. Tedy 0..9!")};
    const QString outOfRange = QString::fromUtf8("Pole pro hodnoty barvy v rgb tvaru musí\nmít být v rozmezí 0..255!");
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        // Only digits reach these fields; a pasted text that is not a number in range counts as out of range.
        const auto value = parseInteger(fields[i]);
        if (!value || *value < 0 || *value > 255)
            return {{}, outOfRange};
        values[i] = *value;
    }
    return {{values[0], values[1], values[2]}, {}};
}
