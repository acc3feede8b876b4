#include "app/settings_table.h"

#include "app/layout_records.h"
#include "app/settings.h"
#include "base/ini_file.h"

const std::vector<OptionSetting> &optionSettings()
{
    static const std::vector<OptionSetting> table = [] {
        // The two bars, one box per palette tab in the palette's order, then the rest.
        std::vector<const char *> booleans = {Settings::kColourBar, Settings::kPalette};
        for (const PaletteTab &tab : paletteLayout())
            booleans.push_back(tab.settingsSection);
        for (const char *section : {Settings::kFilePanel, Settings::kQuickInsert, Settings::kRuler,
                                    Settings::kNonPrintable, Settings::kLineNumbers})
            booleans.push_back(section);
        std::vector<OptionSetting> rows;
        for (const char *section : booleans)
            rows.push_back({QString::fromLatin1(section), OptionSetting::Form::Boolean, 1});
        for (int i = 0; i < kHtmlTokenClassCount; ++i)
            for (const auto side : {Settings::Side::Background, Settings::Side::Foreground}) {
                const auto tokenClass = HtmlTokenClass(i);
                rows.push_back({Settings::colourSection(tokenClass, side), OptionSetting::Form::Colour,
                                Settings::defaultColour(tokenClass, side)});
            }
        return rows;
    }();
    return table;
}

QString optionKey(OptionSetting::Form form)
{
    return form == OptionSetting::Form::Boolean ? QStringLiteral("Checked") : QStringLiteral("Color");
}

OptionValues defaultOptionValues()
{
    OptionValues values;
    for (const OptionSetting &setting : optionSettings())
        values.push_back(setting.defaultValue);
    return values;
}

OptionValues readOptionValues(const IniFile &file)
{
    OptionValues values;
    for (const OptionSetting &setting : optionSettings()) {
        const QString key = optionKey(setting.form);
        if (setting.form == OptionSetting::Form::Boolean)
            values.push_back(file.readBool(setting.section, key, setting.defaultValue != 0) ? 1 : 0);
        else
            values.push_back(file.readInteger(setting.section, key, setting.defaultValue));
    }
    return values;
}

void writeOptionValues(IniFile &file, const OptionValues &values)
{
    const auto &table = optionSettings();
    for (size_t i = 0; i < table.size() && i < values.size(); ++i) {
        const OptionSetting &setting = table[i];
        if (setting.form == OptionSetting::Form::Boolean)
            file.writeBool(setting.section, optionKey(setting.form), values[i] != 0);
        else
            file.writeInteger(setting.section, optionKey(setting.form), values[i]);
    }
}
