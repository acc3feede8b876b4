#include "dialogs/multimedia_dialogs.h"

DialogRecord<MarqueeFields> marqueeRecord()
{
    using F = MarqueeFields;
    auto spin = [](const char *name, const QString &label, QString F::*value, const char *box, bool F::*shown,
                   const QString &suffix = {}) {
        return spinField(name, label, value, box, shown, CompanionTicks::OnChangeOrClick, {}, suffix);
    };
    return {"TMARQUEE_Form", QStringLiteral("MARQUEE"),
            {
                comboField("Pohybtextu_ComboBox", QStringLiteral("Pohyb textu:"), {"", "slide", "scroll", "alternate"},
                           &F::behavior),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"),
                           {"left", "right", "absbottom", "absmiddle", "baseline", "texttop", "top", "bottom", "middle"},
                           &F::alignment),
                comboField("Smer_ComboBox", QStringLiteral("Směr pohybu:"), {"", "left", "right", "up", "down"}, &F::direction),
                colourField("Barva_Shape", "NajitBarvu_Button", QStringLiteral("Barva pozadí:"), &F::colour,
                            "UkazBarvu_CheckBox", &F::showColour, CompanionTicks::OnClick),
                spin("HMezera_SpinEdit", QStringLiteral("H. mezera:"), &F::hspace, "UkazHMezera_CheckBox", &F::showHspace),
                spin("VMezera_SpinEdit", QStringLiteral("V. mezera:"), &F::vspace, "UkazVMezera_CheckBox", &F::showVspace),
                spin("Sirka_SpinEdit", QStringLiteral("Šířka:"), &F::width, "UkazSirka_CheckBox", &F::showWidth),
                spin("Vyska_SpinEdit", QStringLiteral("Výška:"), &F::height, "UkazVyska_CheckBox", &F::showHeight),
                comboField("Opakovani_ComboBox", QStringLiteral("Opakování:"),
                           {"1", "2", "5", "10", "25", "50", "100", "1000", "infinite"}, &F::loop),
                spin("Pauza_SpinEdit", QStringLiteral("Pauza:"), &F::delay, "UkazPauza_CheckBox", &F::showDelay,
                     QStringLiteral("ms")),
                spin("VelikostP_SpinEdit", QStringLiteral("Velikost posunu:"), &F::amount, "UkazVelikostP_CheckBox",
                     &F::showAmount, QStringLiteral("pixelů")),
            },
            [](const F &f) { return marqueeEdit(f); }};
}

DialogRecord<EmbedFields> embedRecord()
{
    using F = EmbedFields;
    return {"TEMBED_Form", QStringLiteral("EMBED"),
            {
                pathField("Cesta_Edit", QStringLiteral("Soubor:"), &F::path, "NajitObjekt_Button"),
                comboField("Paleta_ComboBox", QStringLiteral("Paleta:"), {"foreground", "background"}, &F::palette),
                spinField("Vyska_SpinEdit", QStringLiteral("Výška:"), &F::height, "UkazVyska_CheckBox", &F::showHeight,
                          CompanionTicks::Never),
                spinField("Sirka_SpinEdit", QStringLiteral("Šířka:"), &F::width, "UkazSirka_CheckBox", &F::showWidth,
                          CompanionTicks::Never),
                memoField("Parametry_Memo", QStringLiteral("Parametry:"), &F::parameters),
            },
            [](const F &f) { return embedEdit(f); }};
}

DialogRecord<SoundFields> soundRecord()
{
    using F = SoundFields;
    return {"TSound_Form", QStringLiteral("Zvuk"),
            {
                pathField("Cesta_Edit", QStringLiteral("Soubor:"), &F::path, "Najdi_Button"),
                comboField("Opak_ComboBox", QStringLiteral("Opakování:"),
                           {"1", "2", "5", "10", "25", "50", "100", "infinite"}, &F::loop)
                    .digits(),
            },
            [](const F &f) { return soundEdit(f); }};
}

DialogRecord<VideoFields> videoRecord()
{
    using F = VideoFields;
    DialogRecord<F> record{
        "TVideo_Form", QStringLiteral("VIDEO"),
        {
            pathField("Cesta_Edit", QStringLiteral("Soubor:"), &F::path, "Najdi_Button",
                      QStringLiteral("Všechny soubory (*);;Animace (*.avi *.mpg *.mov)")),
            spinField("Opak_SpinEdit", QStringLiteral("Opakování:"), &F::loop, "UkazOpak_CheckBox", &F::showLoop,
                      CompanionTicks::Never)
                .digits(),
            comboField("start_ComboBox", QStringLiteral("Start:"), {"", "fileopen", "mouseover"}, &F::start),
            checkField("UkazOvlP_CheckBox", QStringLiteral("Ovládací panel"), &F::controls),
        },
        [](const F &f) { return videoEdit(f); }};
    record.buttons.insertName = "Vloz_Button";
    return record;
}
