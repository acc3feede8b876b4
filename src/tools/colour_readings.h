#pragma once

#include "base/colour.h"

#include <QChar>
#include <QString>

// The texts and readings of the colour mixer and the colour viewer, without any widget.

// The mixer's RGB form: "(" red ", " green ", " blue ")".
QString rgbFormText(const Rgb &colour);

// The mixer's label of one channel with its value: "Červená: 255", "Zelená:   255", "Modrá:    255".
enum class ColourChannel { Red, Green, Blue };
QString mixerChannelLabel(ColourChannel channel, int value);

// The colour viewer's key filters: control characters pass, and hexadecimal digits (either case)
// or decimal digits respectively.
bool hexDigitFilterAccepts(QChar typed);

// What "&Převést" reads from the viewer's fields: a colour, or the message that stops it.
struct ColourReading
{
    Rgb colour;
    QString message; // empty when the colour was read
    bool ok() const { return message.isEmpty(); }
};

// The caption of the viewer's messages.
QString colourReadingCaption();

// Six hexadecimal digits (no "#"), red first.
ColourReading readHexaColour(const QString &digits);

// Three decimal fields; every one must hold a digit, and the first above 255 (red, then green,
// then blue) stops the reading.
ColourReading readRgbColour(const QString &red, const QString &green, const QString &blue);
