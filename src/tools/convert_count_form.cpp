#include "tools/convert_count_form.h"

#include "core/command_registry.h"
#include "base/velinor_error.h"
#include "widgets/dialog_parts.h"
#include "editor/text_document.h"
#include "tools/number_conversion.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TConvertCount_Form::TConvertCount_Form(QWidget *parent, DocumentSource activeDocument)
    : QDialog(parent), m_activeDocument(std::move(activeDocument))
{
    setObjectName(QStringLiteral("TConvertCount_Form"));
    setWindowTitle(QStringLiteral("Dekadická soustava -> Hexadecimální soustava"));

    Couts_Edit = new QLineEdit(this);
    Couts_Edit->setObjectName(QStringLiteral("Couts_Edit"));
    PocetCifer_Edit = new QLineEdit(this);
    PocetCifer_Edit->setObjectName(QStringLiteral("PocetCifer_Edit"));
    PocetCifer_Edit->setToolTip(QStringLiteral("Pocet zobrazených cifer"));
    installDigitFilter(Couts_Edit, FilterSpace::Accepted);
    installDigitFilter(PocetCifer_Edit, FilterSpace::Accepted);
    Result_Label = new QLabel(this);
    Result_Label->setObjectName(QStringLiteral("Result_Label"));
    QFont bold = Result_Label->font();
    bold.setBold(true);
    Result_Label->setFont(bold);
    Result_Label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Preved_Button = new QPushButton(QStringLiteral("&Převeď"), this);
    Preved_Button->setObjectName(QStringLiteral("Preved_Button"));
    Preved_Button->setDefault(true);
    Vloz_Button = new QPushButton(QStringLiteral("&Vložit"), this);
    Vloz_Button->setObjectName(QStringLiteral("Vloz_Button"));
    Zpet_Button = new QPushButton(QStringLiteral("&Zpět"), this);
    Zpet_Button->setObjectName(QStringLiteral("Zpet_Button"));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Zapis:"), Couts_Edit);
    auto *digitsLabel = new QLabel(QStringLiteral("Počet cifer"), this);
    digitsLabel->setToolTip(PocetCifer_Edit->toolTip());
    fields->addRow(digitsLabel, PocetCifer_Edit);
    fields->addRow(QStringLiteral("Výsledek:"), Result_Label);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Preved_Button);
    buttons->addWidget(Vloz_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    // The fields alone would leave the long caption cut short in the title bar: room for its text,
    // set in bold as title bars do, and for the bar's icon and buttons.
    QFont titleFont = font();
    titleFont.setBold(true);
    constexpr int kTitleBarButtons = 120;
    setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons);

    // Both buttons start enabled; from the first change on they follow the number field.
    connect(Couts_Edit, &QLineEdit::textChanged, this, &TConvertCount_Form::Couts_EditChange);
    connect(Preved_Button, &QPushButton::clicked, this, [this] { Preved_ButtonClick(); });
    connect(Vloz_Button, &QPushButton::clicked, this, [this] { Vloz_ButtonClick(); });
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);
}

void TConvertCount_Form::Couts_EditChange(const QString &text)
{
    Preved_Button->setEnabled(!text.isEmpty());
    Vloz_Button->setEnabled(!text.isEmpty());
}

bool TConvertCount_Form::convert()
{
    if (Couts_Edit->text().size() >= kTooManyDigits) {
        QMessageBox::warning(this, QStringLiteral("Pozor!!!"), QStringLiteral("Cifra je příliš velká"));
        Couts_Edit->clear();
        return false;
    }
    bool converted = false;
    runReportingErrors([&] {
        Result_Label->setText(convertDecimalText(Couts_Edit->text(), PocetCifer_Edit->text()));
        converted = true;
    });
    return converted;
}

void TConvertCount_Form::Preved_ButtonClick()
{
    convert();
}

void TConvertCount_Form::Vloz_ButtonClick()
{
    if (!convert())
        return;
    if (TextDocument *document = m_activeDocument ? m_activeDocument() : nullptr)
        document->insert(Result_Label->text());
    accept();
}
