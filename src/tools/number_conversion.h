#pragma once

#include <QString>

// The number conversion tool without its window: a decimal number of at most nine digits in
// hexadecimal, padded with zeros on the left to a minimum number of digits.

// Numbers of this many characters or more are refused ("Cifra je příliš velká").
inline constexpr int kTooManyDigits = 10;
// Padding beyond this many digits is not applied: a huge count would only build a huge string.
inline constexpr int kMaxPaddedDigits = 32;

// Upper-case hexadecimal digits of `number`, zero-padded to min(digits, kMaxPaddedDigits).
QString paddedHexadecimal(int number, int digits);

// Reads the digit count, then the number (decimal, leading spaces allowed) as the tool does and
// converts them; raises "'%s' is not a valid integer value" for either text that is not a number.
// The caller refuses numbers of kTooManyDigits characters first.
QString convertDecimalText(const QString &number, const QString &digits);
