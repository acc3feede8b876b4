#include "dialogs/form_dialogs.h"

namespace {

const QStringList kBoxAlignments{"baseline", "center", "left", "middle", "right", "textbottom", "textmiddle", "texttop"};

// The spin fields of the form dialogs: digits only, unbounded, a change or a click ticks the box.
template <typename F>
FieldRecord<F> formSpin(const char *name, const QString &label, QString F::*value, const char *box, bool F::*shown)
{
    return spinField(name, label, value, box, shown, CompanionTicks::OnChangeOrClick).digits();
}

} // namespace

DialogRecord<FormFields> formRecord()
{
    using F = FormFields;
    return {"TForm_Form", QStringLiteral("Formulář"),
            {
                textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name),
                textField("Akce_Edit", QStringLiteral("Akce:"), &F::action),
                comboField("Metoda_ComboBox", QStringLiteral("Metoda:"), {"", "get", "post"}, &F::method),
                textField("Titulek_Edit", QStringLiteral("Titulek:"), &F::title),
                comboField("Ramec_ComboBox", QStringLiteral("Rámec:"), {"_top", "_self", "_parent", "_blank"}, &F::target),
            },
            [](const F &f) { return formEdit(f); }};
}

DialogRecord<InputFields> inputRecord()
{
    using F = InputFields;
    return {"TElForm_Form", QStringLiteral("Element formuláře"),
            {
                comboField("Typ_ComboBox", QStringLiteral("Typ:"),
                           {"", "button", "checkbox", "file", "hidden", "image", "password", "radio", "reset", "submit", "text"},
                           &F::type),
                pathField("Zdroj_Edit", QStringLiteral("Zdroj:"), &F::source, "Najit_Button",
                          QStringLiteral("HTML dokumenty (*.html *.htm *.htx *.htt);;Všechny soubory (*)")),
                textField("Alt_Edit", QStringLiteral("Alternativní text:"), &F::altText),
                textField("Hodnota_Edit", QStringLiteral("Hodnota:"), &F::value),
                textField("Titulek_Edit", QStringLiteral("Titulek:"), &F::title),
                textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"), {"", "left", "center", "right"}, &F::alignment),
                formSpin("TabIndex_SpinEdit", QStringLiteral("TabIndex:"), &F::tabIndex, "UkazTabIndex_CheckBox", &F::showTabIndex),
                formSpin("MaxDelka_SpinEdit", QStringLiteral("Maximální délka:"), &F::maxLength, "UkazMaxDelka_CheckBox",
                         &F::showMaxLength),
                formSpin("Velikost_SpinEdit", QStringLiteral("Velikost:"), &F::size, "UkazVelikost_CheckBox", &F::showSize),
                checkField("UkazAktivni_CheckBox", QStringLiteral("Aktivní"), &F::active),
                checkField("UkazPouzeCteni_CheckBox", QStringLiteral("Pouze ke čtení"), &F::readOnly),
            },
            [](const F &f) { return inputEdit(f); }};
}

DialogRecord<SelectFields> selectRecord()
{
    using F = SelectFields;
    return {"TSelect_Form", QStringLiteral("SELECT"),
            {
                textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"), kBoxAlignments, &F::alignment),
                formSpin("TabIndex_SpinEdit", QStringLiteral("TabIndex:"), &F::tabIndex, "UkazTabIndex_CheckBox", &F::showTabIndex),
                formSpin("Velikost_SpinEdit", QStringLiteral("Velikost:"), &F::size, "UkazVelikost_CheckBox", &F::showSize),
                checkField("UkazAktivni_CheckBox", QStringLiteral("Aktivní"), &F::active),
                checkField("UkazListBox_CheckBox", QStringLiteral("ListBox"), &F::listBox),
            },
            [](const F &f) { return selectEdit(f); }};
}

DialogRecord<TextareaFields> textareaRecord()
{
    using F = TextareaFields;
    return {"TTextarea_Form", QStringLiteral("TEXTAREA"),
            {
                textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name).hint(QStringLiteral("Jméno textového pole|")),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"), kBoxAlignments, &F::alignment)
                    .hint(QStringLiteral("Zarovnání textového pole vzhledem ke stránce|")),
                formSpin("Sloupce_SpinEdit", QStringLiteral("Sloupce:"), &F::columns, "UkazSloupce_CheckBox", &F::showColumns)
                    .hint(QStringLiteral("Počet sloupců v textovém poli|")),
                formSpin("Radky_SpinEdit", QStringLiteral("Řádky:"), &F::rows, "UkazRadky_CheckBox", &F::showRows)
                    .hint(QStringLiteral("Počet řádků v textovém poli|")),
                formSpin("TabIndex_SpinEdit", QStringLiteral("TabIndex:"), &F::tabIndex, "UkazTabIndex_CheckBox", &F::showTabIndex)
                    .hint(QStringLiteral("TabIndex|")),
                checkField("UkazPouzeCteni_CheckBox", QStringLiteral("Pouze ke čtení"), &F::readOnly)
                    .hint(QStringLiteral("Určuje, zda bude textové pole pouze pro čtení|")),
            },
            [](const F &f) { return textareaEdit(f); }};
}
