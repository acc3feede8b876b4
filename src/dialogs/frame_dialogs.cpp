#include "dialogs/frame_dialogs.h"

namespace {

const DialogButtons kFrameButtons{"Vlozit_Button", QStringLiteral("&Vložit"), QStringLiteral("Vložit|"),
                                  "Zpet_Button", QStringLiteral("&Zpět"), QStringLiteral("Zpět|")};

// The two radio groups every frame dialog ends with.
template <typename F>
std::vector<FieldRecord<F>> scrollAndBorderGroups()
{
    return {
        radioGroup("ScrollBary_GroupBox", QStringLiteral("Scroll bary"),
                   {{"Auto_RadioButton", QStringLiteral("Automaticky"), {}, int(FrameScrolling::Auto)},
                    {"YesScroll_RadioButton", QStringLiteral("Povolit"), {}, int(FrameScrolling::Yes)},
                    {"NoScroll_RadioButton", QStringLiteral("Zakázat"), {}, int(FrameScrolling::No)}},
                   &F::scrolling)
            .hint(QStringLiteral("Nastavení scroll barů|")),
        radioGroup("Okraje_GroupBox", QStringLiteral("Okraje"),
                   {{"YesBorder_RadioButton", QStringLiteral("Povolit"), {}, int(FrameBorder::Yes)},
                    {"NoBorder_RadioButton", QStringLiteral("Zakázat"), {}, int(FrameBorder::No)}},
                   &F::border)
            .hint(QStringLiteral("Nastavení okrajů rámce|")),
    };
}

} // namespace

DialogRecord<FramesetFields> framesetRecord()
{
    using F = FramesetFields;
    const QStringList counts{"*", "1", "2", "3", "4", "5", "10", "20", "50", "100"};
    DialogRecord<F> record{"TFrame_Form", QStringLiteral("Rámce"),
                           {
                               comboField("Sloupce_ComboBox", QStringLiteral("Sloupce:"), counts, &F::columns)
                                   .digits()
                                   .hint(QStringLiteral("Počet sloupců|")),
                               comboField("Radky_ComboBox", QStringLiteral("Řádky:"), counts, &F::rows)
                                   .digits()
                                   .hint(QStringLiteral("Počet řádků|")),
                               spinField("Mezery_SpinEdit", QStringLiteral("Mezery:"), &F::spacing, "UkazMezery_CheckBox",
                                         &F::showSpacing, CompanionTicks::OnClick),
                           },
                           [](const F &f) { return framesetEdit(f); }};
    for (auto &group : scrollAndBorderGroups<F>())
        record.fields.push_back(group);
    record.buttons = kFrameButtons;
    record.buttons.insertHint = QStringLiteral("Vložit| ");
    return record;
}

namespace {

// The frame and the inline frame: the same fields, another tag, filter, spin filter and path form.
DialogRecord<FrameFields> frameRecord(const char *objectName, const QString &caption, const QString &tag,
                                      const QString &browseFilter, bool digitSpins, FrameFields::PathForm form)
{
    using F = FrameFields;
    using Form = F::PathForm;
    auto margin = [digitSpins](const char *name, const QString &label, QString F::*value, const char *box, bool F::*shown) {
        FieldRecord<F> r = spinField(name, label, value, box, shown, CompanionTicks::OnChangeOrClick);
        r.shape.digitFilter = digitSpins;
        return r;
    };
    DialogRecord<F> record{
        objectName, caption,
        {
            pathField("Cesta_Edit", QStringLiteral("Cesta:"), &F::path, "Najit_Button", browseFilter)
                .hint(QStringLiteral("Cesta k souboru|")),
            radioGroup("Cesta_GroupBox", QString(),
                       {{"Rel_RadioButton", QStringLiteral("Relativně"), QStringLiteral("Relativní cesta k souboru|"),
                         int(Form::Relative)},
                        {"Abs_RadioButton", QStringLiteral("Absolutně"), QStringLiteral("Absolutní cesta k souboru|"),
                         int(Form::Absolute)}},
                       &F::form),
            textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name).hint(QStringLiteral("Jméno rámu|")),
            comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"), {"", "bottom", "left", "middle", "right", "top"},
                       &F::alignment)
                .hint(QStringLiteral("Zarovnání rámu|")),
            margin("Vyska_SpinEdit", QStringLiteral("Výška okraje:"), &F::marginHeight, "UkazVyska_CheckBox",
                   &F::showMarginHeight)
                .hint(QStringLiteral("Výška okraje rámu|")),
            margin("Sirka_SpinEdit", QStringLiteral("Šířka okraje:"), &F::marginWidth, "UkazSirka_CheckBox",
                   &F::showMarginWidth)
                .hint(QStringLiteral("Šířka okraje rámu|")),
        },
        [tag](const F &f) { return frameEdit(tag, f); }};
    for (auto &group : scrollAndBorderGroups<F>())
        record.fields.push_back(group);
    record.fields[0].shape.browseHint = QStringLiteral("Procházet|");
    record.defaults.form = form;
    record.buttons = kFrameButtons;
    return record;
}

} // namespace

DialogRecord<FrameFields> defFrameRecord()
{
    return frameRecord("TDefFrame_Form", QStringLiteral("Jednotlivý rámec"), QStringLiteral("frame"), QString(), true,
                       FrameFields::PathForm::None);
}

DialogRecord<FrameFields> iframeRecord()
{
    return frameRecord("TIFRAME_Form", QStringLiteral("IFRAME"), QStringLiteral("iframe"),
                       QStringLiteral("HTML soubory (*.html *.htm)"), false, FrameFields::PathForm::Relative);
}
