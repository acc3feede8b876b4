#pragma once

#include "app/settings.h"

#include <vector>

class IniFile;

// The settings the options dialog edits, in the order it writes them: the booleans (the two bars,
// one per palette tab, the panels and the editor marks), then the twenty HTML highlighter colours,
// each token class's background before its foreground.
struct OptionSetting
{
    enum class Form { Boolean, Colour };

    Form form;
    BoolSetting boolean;  // when form is Boolean
    ColourSetting colour; // when form is Colour

    // The section, which is also the object name of the dialog's control.
    QString section() const;
    int defaultValue() const; // a boolean as 0 or 1
};

const std::vector<OptionSetting> &optionSettings();

// One value per entry of optionSettings(): a boolean as 0 or 1, a colour as its stored integer
// (kept whole, so that a value the user did not touch is written back unchanged).
using OptionValues = std::vector<int>;

OptionValues defaultOptionValues();
// Missing values and values that are not integers read as their defaults.
OptionValues readOptionValues(const IniFile &file);
// Writes every value in table order. Raises "Unable to write to %s" at the first value that cannot
// be written; the values after it are not written.
void writeOptionValues(IniFile &file, const OptionValues &values);
