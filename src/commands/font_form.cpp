#include "commands/font_form.h"

#include "commands/font_group_form.h"

namespace {

enum class Variant { Font, BaseFont };

QStringList fontFaceItems()
{
    return {QString(), QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Default"),
            QStringLiteral("MS Sans Serif"), QStringLiteral("Times New Roman"), QStringLiteral("Verdena"), QString(),
            QStringLiteral("Arial, Courier New, MS Sans Serif"), QStringLiteral("Courier New, MS Sans Serif"),
            QStringLiteral("Times New Roman, Verdena, Arial"), QStringLiteral("Default, Verdena")};
}

QStringList fontSizeItems()
{
    QStringList items{QString()};
    for (const char *sign : {"", "-", "+"})
        for (int size = 1; size <= 7; ++size)
            items << QLatin1String(sign) + QString::number(size);
    return items;
}

// The fields both dialogs share, in the group " Nastavení písma ", then the font dialog's styles.
std::vector<FieldRecord<FontFields>> fontFields(Variant variant)
{
    using F = FontFields;
    const QString settings = QString::fromUtf8(" Nastavení písma ");
    const QString swatchHint = QString::fromUtf8("Stiskněre na změnu");
    std::vector<FieldRecord<F>> fields{
        comboField(variant == Variant::Font ? "Font_ComboBox" : "BaseFont_ComboBox", QString::fromUtf8("Písmo:"),
                   fontFaceItems(), &F::face)
            .chosenWith("Loading_Button",
                        [](QWidget *dialog, const QString &faces) -> std::optional<QString> {
                            TFontGroupForm groups(dialog, faces);
                            if (groups.exec() != QDialog::Accepted)
                                return std::nullopt;
                            return groups.groupText();
                        })
            .inGroup(settings),
        comboField("Size_ComboBox", QString::fromUtf8("Velikost:"), fontSizeItems(), &F::size).digits().inGroup(settings),
        colourPanelField("BarvaShape", "LayerColor_Image", QString::fromUtf8("Barva:"), &F::colour, "Barva_CheckBox",
                         QStringLiteral("Zobrazit"), &F::colourShown)
            .hint(swatchHint)
            .inGroup(settings),
        textField("Titulek_Edit", QString::fromUtf8("&Titulek:"), &F::title).inGroup(settings),
    };
    if (variant == Variant::Font) {
        const QString style = QString::fromUtf8(" Styl písma ");
        fields.push_back(checkField("Bold_CheckBox", QString::fromUtf8("T&učné"), &F::bold).inGroup(style));
        fields.push_back(checkField("Italic_CheckBox", QString::fromUtf8("&Kurzíva"), &F::italic).inGroup(style));
        fields.push_back(checkField("Underline_CheckBox", QString::fromUtf8("&Podtržené"), &F::underline).inGroup(style));
        fields.push_back(checkField("StrikeOut_CheckBox", QString::fromUtf8("Př&eškrtnuté"), &F::strikeOut).inGroup(style));
    }
    return fields;
}

DialogButtons fontButtons()
{
    DialogButtons buttons;
    buttons.insertName = "Paste_Button";
    buttons.backName = "Back_Button";
    return buttons;
}

} // namespace

DialogRecord<FontFields> fontRecord()
{
    return {"TFontForm", QStringLiteral("Font"), fontFields(Variant::Font),
            [](const FontFields &f) { return fontEdit(f); }, {}, fontButtons()};
}

DialogRecord<FontFields> baseFontRecord()
{
    return {"TBasefontForm", QStringLiteral("BaseFont"), fontFields(Variant::BaseFont),
            [](const FontFields &f) { return baseFontEdit(f); }, {}, fontButtons()};
}
