#include "app/settings.h"

#include "base/program_folder.h"

std::optional<Settings> Settings::open()
{
    if (!ProgramFolder::ensureFolder(ProgramFile::SetupFolder))
        return std::nullopt;
    return Settings(ProgramFolder::file(ProgramFile::SettingsFile));
}

bool Settings::readBool(const char *section, bool defaultValue) const
{
    return m_file.readBool(QString::fromLatin1(section), QStringLiteral("Checked"), defaultValue);
}

void Settings::writeBool(const char *section, const char *key, bool value)
{
    m_file.writeBool(QString::fromLatin1(section), QString::fromLatin1(key), value);
}

QString Settings::colourSection(HtmlTokenClass tokenClass, Side side)
{
    return QStringLiteral("Shape_%1_%2")
        .arg(htmlTokenClassName(tokenClass), side == Side::Background ? QStringLiteral("Back") : QStringLiteral("Fore"));
}

int Settings::defaultColour(HtmlTokenClass tokenClass, Side side)
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
    return defaults[int(tokenClass)][side == Side::Background ? 0 : 1];
}

std::optional<Rgb> Settings::htmlColour(HtmlTokenClass tokenClass, Side side) const
{
    auto read = [&](Side s) {
        return settingsColourToRgb(m_file.readInteger(colourSection(tokenClass, s), QStringLiteral("Color"),
                                                      defaultColour(tokenClass, s)));
    };
    const std::optional<Rgb> colour = read(side);
    // A background the same colour as the text would hide the text (the stored defaults of four
    // token classes are black on black): such a background is left to the highlighter.
    if (side == Side::Background && colour && colour == read(Side::Foreground))
        return std::nullopt;
    return colour;
}
