#include "dialogs/email_form.h"

#include "app/command_registry.h"
#include "dialogs/dialog_parts.h"
#include "dialogs/email_addresses.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TEMail_Form::TEMail_Form(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TEMail_Form", QStringLiteral("Em@ilová adresa"))
{
    const EmailFields defaults;

    EMail_ComboBox = listComboBox(this, "EMail_ComboBox", rememberedEmailAddresses(), defaults.address);
    setHint(EMail_ComboBox, QStringLiteral("E-mailová adresa adresáta|"));
    Subject_Edit = new QLineEdit(defaults.subject, this);
    Subject_Edit->setObjectName(QStringLiteral("Subject_Edit"));
    setHint(Subject_Edit, QStringLiteral("Předmět zprávy (subject)|"));
    Body_Memo = new QPlainTextEdit(defaults.body, this);
    Body_Memo->setObjectName(QStringLiteral("Body_Memo"));
    Body_Memo->setTabChangesFocus(true);
    OdkazText_CheckBox = new QCheckBox(QStringLiteral("Odkazovací text je stejný jako e-mailová adresa"), this);
    OdkazText_CheckBox->setObjectName(QStringLiteral("OdkazText_CheckBox"));
    OdkazText_CheckBox->setChecked(defaults.textIsAddress);
    setHint(OdkazText_CheckBox, QStringLiteral("Odkazovacím textem bude e-mailová adresa|"));
    OdkazText_Edit = new QLineEdit(defaults.linkText, this);
    OdkazText_Edit->setObjectName(QStringLiteral("OdkazText_Edit"));
    setHint(OdkazText_Edit,
            QStringLiteral("Je-li odkazovací text stejný jako e-mailová adresa, zaskrtněre políčko níže!|"));
    m_normalPalette = OdkazText_Edit->palette();
    connect(OdkazText_CheckBox, &QCheckBox::toggled, this, &TEMail_Form::OdkazText_CheckBoxClick);
    OdkazText_CheckBoxClick();

    Vlozit_Button = dialogButton(this, "Vlozit_Button", QStringLiteral("&Vložit"));
    Zpet_Button = dialogButton(this, "Zpet_Button", QStringLiteral("&Zpět"));
    connect(Vlozit_Button, &QPushButton::clicked, this, &TEMail_Form::Vlozit_ButtonClick);
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("E-mailová adresa:"), EMail_ComboBox);
    form->addRow(QStringLiteral("Předmět zprávy:"), Subject_Edit);
    form->addRow(QStringLiteral("Tělo zprávy:"), Body_Memo);
    form->addRow(OdkazText_CheckBox);
    form->addRow(QStringLiteral("Odkazovací text:"), OdkazText_Edit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Vlozit_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(440, sizeHint().height());
}

void TEMail_Form::OdkazText_CheckBoxClick()
{
    // While the address is the link text, the edit is disabled and silver.
    const bool own = !OdkazText_CheckBox->isChecked();
    OdkazText_Edit->setEnabled(own);
    QPalette p = m_normalPalette;
    if (!own)
        p.setColor(QPalette::Base, QColor(192, 192, 192));
    OdkazText_Edit->setPalette(p);
}

EmailFields TEMail_Form::fields() const
{
    EmailFields f;
    f.address = EMail_ComboBox->currentText();
    f.subject = Subject_Edit->text();
    f.body = Body_Memo->toPlainText();
    f.textIsAddress = OdkazText_CheckBox->isChecked();
    f.linkText = OdkazText_Edit->text();
    return f;
}

void TEMail_Form::Vlozit_ButtonClick()
{
    const EmailFields f = fields();
    Outcome outcome = Outcome::NoDocument;
    if (const auto edit = emailEdit(f))
        outcome = insertEdit(*edit);
    // Remembered whatever the insertion did, also without a document; a link inserted before a
    // failed write stays.
    runReportingErrors([&f] { rememberEmailAddress(f.address); });
    if (outcome == Outcome::Inserted)
        accept();
}
