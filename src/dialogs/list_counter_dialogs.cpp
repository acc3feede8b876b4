#include "dialogs/list_counter_dialogs.h"

#include "widgets/dialog_parts.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>

namespace {

DialogRecord<ListFields> listRecord()
{
    using F = ListFields;
    using Kind = F::Kind;
    DialogRecord<F> record{
        "TSeznamyForm", QStringLiteral("Seznamy"),
        {
            radioGroup("Styl_GroupBox", QStringLiteral("Styl"),
                       {{"RadioButton_UspSeznam", QStringLiteral("Uspořádaný seznam"), {}, int(Kind::Ordered)},
                        {"RadioButton_NeuspSeznam", QStringLiteral("Neuspořádaný seznam"), {}, int(Kind::Unordered)}},
                       &F::kind),
            comboField("ComboBox_TypSeznamu_Usp", QStringLiteral("Typ seznamu:"), {"", "1", "a", "A", "i", "I"},
                       &F::orderedType),
            comboField("ComboBox_TypSeznamu_Neusp", QStringLiteral("Typ seznamu:"), {"", "disc", "square", "circle"},
                       &F::unorderedType)
                .inPlaceOfPrevious(),
            comboField("ComboBox_Zarovnani", QStringLiteral("Zarovnání:"),
                       {"", "left", "center", "right", "justify", "clear", "none"}, &F::alignment),
            textField("Edit_PocHodnota", QStringLiteral("Počáteční hodnota:"), &F::start),
        },
        [](const F &f) { return listEdit(f); }};
    record.buttons = DialogButtons{"Button_Ok", QStringLiteral("&Ok"), {}, "Button_Storno", QStringLiteral("&Storno"), {}};
    return record;
}

DialogRecord<CounterFields> counterRecord()
{
    using F = CounterFields;
    return {"TPocitadlo_Form", QStringLiteral("Počítadlo"),
            {
                comboField("ZnakovaSada_ComboBox", QStringLiteral("Znaková sada:"),
                           {"Calendar", "ToiletPaper", "RedBlue", "Color", "Color2", "Domino", "DarkBow", "DarkLight",
                            "BayWatch", "DeliSuper", "Rainbow", "Rainbow2", "Rainbow3", "Banana", "Dadman", "SlimLin"},
                           &F::style)
                    .hint(QStringLiteral("Další znakové sady lze najít na domovské stránce|")),
                textField("Identifikator_Edit", QStringLiteral("Identifikátor:"), &F::identifier)
                    .hint(QStringLiteral("Identifikátor")),
                spinField<F>("PocetCifer_SpinEdit", QStringLiteral("Počet cifer:"), &F::digits, nullptr, nullptr,
                             CompanionTicks::Never, SpinRange{1, 100})
                    .digits()
                    .hint(QStringLiteral("Počet sifer")),
            },
            [](const F &f) { return counterEdit(f); }};
}

} // namespace

TSeznamyForm::TSeznamyForm(QWidget *parent, DocumentSource documents)
    : RecordDialog(parent, std::move(documents), listRecord())
{
    for (QRadioButton *kind : built("Styl_GroupBox").radios)
        connect(kind, &QRadioButton::toggled, this, [this] { showFieldsOfKind(); });
    showFieldsOfKind();
}

void TSeznamyForm::showFieldsOfKind()
{
    const bool ordered = built("Styl_GroupBox").radios.front()->isChecked();
    built("ComboBox_TypSeznamu_Usp").combo->setVisible(ordered);
    built("ComboBox_TypSeznamu_Neusp").combo->setVisible(!ordered);
    built("Edit_PocHodnota").edit->setVisible(ordered); // its label stays
}

TPocitadlo_Form::TPocitadlo_Form(QWidget *parent, DocumentSource documents)
    : RecordDialog(parent, std::move(documents), counterRecord())
{
    HP_Button = dialogButton(this, "HP_Button", QStringLiteral("Domovská stránka"),
                             QStringLiteral("Domovská stránka počítadla :: ") + counterHomePage());
    connect(HP_Button, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(counterHomePage())); });
    extraButtons()->insertWidget(0, HP_Button);
}
