#pragma once

#include <QString>
#include <optional>

// Integer conversion as every number field and settings value of Velinor reads it: optional leading
// spaces, an optional sign, decimal digits; with Hex::Allowed also "$" or "0x" followed by hexadecimal
// digits (up to 32 bits, taken as a signed 32-bit value). Anything else, or a value that does not fit
// in 32 bits, is not an integer.
enum class Hex { Allowed, NotAllowed };

std::optional<int> parseInteger(const QString &text, Hex hex = Hex::Allowed);

// As parseInteger, but raises VelinorError "'%s' is not a valid integer value" on failure.
int toInteger(const QString &text, Hex hex = Hex::Allowed);

// The value of one ASCII hexadecimal digit (either case), or -1.
int hexDigitValue(QChar c);
