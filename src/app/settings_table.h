#pragma once

#include <QString>

#include <vector>

class IniFile;

// The settings the options dialog edits, in the order it writes them: the booleans (key "Checked",
// default true: the two bars, one per palette tab, the panels and the editor marks), then the twenty
// HTML highlighter colours (key "Color"), each token class's background before its foreground.
struct OptionSetting
{
    enum class Form { Boolean, Colour };

    QString section;
    Form form;
    int defaultValue; // booleans: 1
};

const std::vector<OptionSetting> &optionSettings();
QString optionKey(OptionSetting::Form form); // "Checked" or "Color"

// One value per entry of optionSettings(): a boolean as 0 or 1, a colour as its stored integer
// (kept whole, so that a value the user did not touch is written back unchanged).
using OptionValues = std::vector<int>;

OptionValues defaultOptionValues();
// Missing values and values that are not integers read as their defaults.
OptionValues readOptionValues(const IniFile &file);
// Writes every value in table order. Raises "Unable to write to %s" at the first value that cannot
// be written; the values after it are not written.
void writeOptionValues(IniFile &file, const OptionValues &values);
