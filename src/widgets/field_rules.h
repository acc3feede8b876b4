#pragma once

#include <QChar>
#include <QString>

// The rules of the numeric fields that element dialogs share, without any widget.

// The digit filter: a typed control character (Backspace, Ctrl+C, Ctrl+V, Ctrl+X) or digit 0-9
// passes; any other typed character is dropped without a message. Pasted text is not filtered.
// Some fields (the number conversion tool's) let the space through as well.
enum class FilterSpace { Dropped, Accepted };
bool digitFilterAccepts(QChar typed, FilterSpace space = FilterSpace::Dropped);

// An up-down bound to a number edit: the edit's integer plus `steps`, kept within
// [minimum, maximum], written back in decimal. Raises "'%s' is not a valid integer value" when the
// text is not an integer (an empty or pasted field).
QString upDownStep(const QString &text, int steps, int minimum, int maximum);

// A spin field's range; minimum and maximum both 0 mean unbounded.
struct SpinRange
{
    int minimum = 0;
    int maximum = 0;
    bool bounded() const { return minimum != 0 || maximum != 0; }
};

// The spin field's arrows: its integer plus `steps` (kept within a bounded range). A text that is
// not an integer steps from the minimum.
QString spinStep(const QString &text, int steps, SpinRange range);

// The value a spin field holding `text` gives: an integer outside a bounded range is the nearest
// limit; any other text (in range, unbounded, or not an integer) is the text as typed.
QString spinFieldValue(const QString &text, SpinRange range);

// What a spin field does with a typed character. Its own filter accepts digits, "+", "-", the
// locale's decimal separator and control characters other than Enter, and beeps on anything else;
// with the digit filter on top, "+", "-" and the separator are then dropped silently too.
enum class SpinFilter { Numeric, Digits };
enum class KeyVerdict { Accept, Drop, DropWithBeep };
KeyVerdict spinKeyVerdict(QChar typed, SpinFilter filter, QChar decimalSeparator);
