#include "app/settings_table.h"

#include "app/layout_records.h"
#include "base/ini_file.h"

QString OptionSetting::section() const
{
    return form == Form::Boolean ? QString::fromLatin1(boolean.section) : colour.section;
}

int OptionSetting::defaultValue() const
{
    return form == Form::Boolean ? (boolean.defaultValue ? 1 : 0) : colour.defaultValue;
}

const std::vector<OptionSetting> &optionSettings()
{
    static const std::vector<OptionSetting> table = [] {
        // The two bars, one box per palette tab in the palette's order, then the rest.
        std::vector<BoolSetting> booleans = {Setting::ColourBar, Setting::Palette};
        for (const PaletteTab &tab : paletteLayout())
            booleans.push_back(Setting::paletteTab(tab));
        for (const BoolSetting &setting : {Setting::FilePanel, Setting::QuickInsert, Setting::Ruler,
                                           Setting::NonPrintable, Setting::LineNumbers})
            booleans.push_back(setting);
        std::vector<OptionSetting> rows;
        for (const BoolSetting &setting : booleans)
            rows.push_back({OptionSetting::Form::Boolean, setting, {}});
        for (int i = 0; i < kHtmlTokenClassCount; ++i)
            for (const auto side : {ColourSide::Background, ColourSide::Foreground})
                rows.push_back({OptionSetting::Form::Colour, {}, Setting::htmlColour(HtmlTokenClass(i), side)});
        return rows;
    }();
    return table;
}

OptionValues defaultOptionValues()
{
    OptionValues values;
    for (const OptionSetting &setting : optionSettings())
        values.push_back(setting.defaultValue());
    return values;
}

OptionValues readOptionValues(const IniFile &file)
{
    OptionValues values;
    for (const OptionSetting &setting : optionSettings()) {
        if (setting.form == OptionSetting::Form::Boolean)
            values.push_back(readSetting(file, setting.boolean) ? 1 : 0);
        else
            values.push_back(readSetting(file, setting.colour));
    }
    return values;
}

void writeOptionValues(IniFile &file, const OptionValues &values)
{
    const auto &table = optionSettings();
    for (size_t i = 0; i < table.size() && i < values.size(); ++i) {
        const OptionSetting &setting = table[i];
        if (setting.form == OptionSetting::Form::Boolean)
            writeSetting(file, setting.boolean, values[i] != 0);
        else
            writeSetting(file, setting.colour, values[i]);
    }
}
