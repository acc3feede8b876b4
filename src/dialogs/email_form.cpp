#include "dialogs/email_form.h"

#include "core/command_registry.h"
#include "dialogs/email_addresses.h"

#include <QCheckBox>
#include <QLineEdit>

DialogRecord<EmailFields> emailRecord()
{
    using F = EmailFields;
    return {"TEMail_Form", QStringLiteral("Em@ilová adresa"),
            {
                comboField("EMail_ComboBox", QStringLiteral("E-mailová adresa:"), rememberedEmailAddresses(), &F::address)
                    .hint(QStringLiteral("E-mailová adresa adresáta|")),
                textField("Subject_Edit", QStringLiteral("Předmět zprávy:"), &F::subject)
                    .hint(QStringLiteral("Předmět zprávy (subject)|")),
                memoField("Body_Memo", QStringLiteral("Tělo zprávy:"), &F::body),
                checkField("OdkazText_CheckBox", QStringLiteral("Odkazovací text je stejný jako e-mailová adresa"),
                           &F::textIsAddress)
                    .hint(QStringLiteral("Odkazovacím textem bude e-mailová adresa|")),
                textField("OdkazText_Edit", QStringLiteral("Odkazovací text:"), &F::linkText)
                    .hint(QStringLiteral("Je-li odkazovací text stejný jako e-mailová adresa, zaskrtněre políčko níže!|")),
            },
            [](const F &f) { return emailEdit(f); }};
}

TEMail_Form::TEMail_Form(QWidget *parent, DocumentSource documents)
    : RecordDialog<EmailFields>(parent, std::move(documents), emailRecord())
{
    m_normalPalette = built("OdkazText_Edit").edit->palette();
    connect(built("OdkazText_CheckBox").box, &QCheckBox::toggled, this, &TEMail_Form::showLinkTextState);
    showLinkTextState();
}

void TEMail_Form::showLinkTextState()
{
    // While the address is the link text, the edit is disabled and silver.
    QLineEdit *linkText = built("OdkazText_Edit").edit;
    const bool own = !built("OdkazText_CheckBox").box->isChecked();
    linkText->setEnabled(own);
    QPalette p = m_normalPalette;
    if (!own)
        p.setColor(QPalette::Base, QColor(192, 192, 192));
    linkText->setPalette(p);
}

void TEMail_Form::insertFields()
{
    const EmailFields f = fields();
    Outcome outcome = Outcome::NoDocument;
    if (const auto edit = generated())
        outcome = insertEdit(*edit);
    // Remembered whatever the insertion did, also without a document; a link inserted before a
    // failed write stays.
    runReportingErrors([&f] { rememberEmailAddress(f.address); });
    if (outcome == Outcome::Inserted)
        accept();
}
