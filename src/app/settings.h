#pragma once

#include "base/colour.h"
#include "base/ini_file.h"
#include "editor/highlighter_kinds.h"

#include <optional>

struct PaletteTab;

// One boolean of setup.ini: its section, its key and what it reads as when the file lacks it.
struct BoolSetting
{
    const char *section;
    const char *key;
    bool defaultValue;
};

enum class ColourSide { Background, Foreground };

// One highlighter colour of setup.ini (key "Color"), stored as an integer (536870911 = none).
struct ColourSetting
{
    QString section; // "Shape_AndAttri_Back"
    int defaultValue;
};

// Every setting Velinor reads or writes in setup.ini, declared once.
namespace Setting {
inline constexpr BoolSetting ColourBar{"CheckBox_Barvy", "Checked", true};
inline constexpr BoolSetting Palette{"CheckBox_Nastroje", "Checked", true};
inline constexpr BoolSetting FilePanel{"CheckBox_Zdroje", "Checked", true};
inline constexpr BoolSetting QuickInsert{"CheckBox_RychlaV", "Checked", true};
inline constexpr BoolSetting Ruler{"CheckBox_Pravitko", "Checked", true};
inline constexpr BoolSetting NonPrintable{"CheckBox_NetZnaky", "Checked", true};
inline constexpr BoolSetting LineNumbers{"CheckBox_Cislovani", "Checked", true};
// Written at exit: the palette's view menu and its dock.
inline constexpr BoolSetting PaletteMenu{"Panel_nastroju", "Checked", true};
inline constexpr BoolSetting PaletteDock{"TBToolbar_PanelControl", "Visible", true};

// A palette tab's own box ("CheckBox_Text").
BoolSetting paletteTab(const PaletteTab &tab);
ColourSetting htmlColour(HtmlTokenClass tokenClass, ColourSide side);
inline constexpr const char *kColourKey = "Color";
} // namespace Setting

// Reading and writing a setting through its record; a missing or non-integer value reads as the
// record's default.
bool readSetting(const IniFile &file, const BoolSetting &setting);
void writeSetting(IniFile &file, const BoolSetting &setting, bool value);
int readSetting(const IniFile &file, const ColourSetting &setting);
void writeSetting(IniFile &file, const ColourSetting &setting, int value);

// The settings file setup/setup.ini of the user folder. Every section holds one key.
class Settings
{
public:
    // Makes sure the folder setup/ exists; nothing when it cannot be created.
    static std::optional<Settings> open();
    // The file where it is, for reading only (the folder is not made).
    static Settings reader();

    bool read(const BoolSetting &setting) const { return readSetting(m_file, setting); }
    void write(const BoolSetting &setting, bool value) { writeSetting(m_file, setting, value); }
    // The colour a document window gives the token class (nothing = the highlighter's own).
    std::optional<Rgb> htmlColour(HtmlTokenClass tokenClass, ColourSide side) const;

    IniFile &file() { return m_file; }

private:
    explicit Settings(const QString &path) : m_file(path) {}
    IniFile m_file;
};
