#include "app/settings.h"

#include "app/layout_records.h"
#include "base/program_folder.h"

namespace {
QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}
} // namespace

BoolSetting Setting::paletteTab(const PaletteTab &tab)
{
    return {tab.settingsSection, "Checked", true};
}

ColourSetting Setting::htmlColour(HtmlTokenClass tokenClass, ColourSide side)
{
    // Background, foreground.
    static const int defaults[kHtmlTokenClassCount][2] = {
        {kNoColour, 65280},     // AndAttri: entities
        {65535, 0},             // ASPAttri
        {kNoColour, kNoColour}, // CommentAttri
        {kNoColour, kNoColour}, // IdentifierAttri
        {kNoColour, 16711808},  // KeyAttri: known tags
        {0, 0},                 // SpaceAttri
        {0, 0},                 // SymbolAttri
        {0, 0},                 // TextAttri
        {0, 255},               // UndefKeyAttri
        {kNoColour, 16744448},  // ValueAttri
    };
    const bool background = side == ColourSide::Background;
    return {QStringLiteral("Shape_%1_%2")
                .arg(htmlTokenClassName(tokenClass), background ? QStringLiteral("Back") : QStringLiteral("Fore")),
            defaults[int(tokenClass)][background ? 0 : 1]};
}

bool readSetting(const IniFile &file, const BoolSetting &setting)
{
    return file.readBool(latin1(setting.section), latin1(setting.key), setting.defaultValue);
}

void writeSetting(IniFile &file, const BoolSetting &setting, bool value)
{
    file.writeBool(latin1(setting.section), latin1(setting.key), value);
}

int readSetting(const IniFile &file, const ColourSetting &setting)
{
    return file.readInteger(setting.section, latin1(Setting::kColourKey), setting.defaultValue);
}

void writeSetting(IniFile &file, const ColourSetting &setting, int value)
{
    file.writeInteger(setting.section, latin1(Setting::kColourKey), value);
}

std::optional<Settings> Settings::open()
{
    if (!ProgramFolder::ensureFolder(ProgramFile::SetupFolder))
        return std::nullopt;
    return reader();
}

Settings Settings::reader()
{
    return Settings(ProgramFolder::file(ProgramFile::SettingsFile));
}

std::optional<Rgb> Settings::htmlColour(HtmlTokenClass tokenClass, ColourSide side) const
{
    auto read = [&](ColourSide s) { return settingsColourToRgb(readSetting(m_file, Setting::htmlColour(tokenClass, s))); };
    const std::optional<Rgb> colour = read(side);
    // A background the same colour as the text would hide the text (the stored defaults of four
    // token classes are black on black): such a background is left to the highlighter.
    if (side == ColourSide::Background && colour && colour == read(ColourSide::Foreground))
        return std::nullopt;
    return colour;
}
