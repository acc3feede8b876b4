#pragma once

#include "base/colour.h"
#include "base/ini_file.h"
#include "editor/highlighter_kinds.h"

#include <optional>

// The settings file setup/setup.ini beside the program. Every section holds one key.
class Settings
{
public:
    // Makes sure the folder setup/ exists; nothing when it cannot be created.
    static std::optional<Settings> open();

    static constexpr const char *kColourBar = "CheckBox_Barvy";
    static constexpr const char *kPalette = "CheckBox_Nastroje";
    static constexpr const char *kFilePanel = "CheckBox_Zdroje";
    static constexpr const char *kQuickInsert = "CheckBox_RychlaV";
    static constexpr const char *kRuler = "CheckBox_Pravitko";
    static constexpr const char *kNonPrintable = "CheckBox_NetZnaky";
    static constexpr const char *kLineNumbers = "CheckBox_Cislovani";

    // A boolean under the key "Checked".
    bool readBool(const char *section, bool defaultValue) const;
    void writeBool(const char *section, const char *key, bool value);

    enum class Side { Background, Foreground };
    static QString colourSection(HtmlTokenClass tokenClass, Side side); // "Shape_AndAttri_Back"
    static int defaultColour(HtmlTokenClass tokenClass, Side side);      // 536870911 = none
    // The colour a document window gives the token class (nothing = the highlighter's own).
    std::optional<Rgb> htmlColour(HtmlTokenClass tokenClass, Side side) const;

    IniFile &file() { return m_file; }

private:
    explicit Settings(const QString &path) : m_file(path) {}
    IniFile m_file;
};
