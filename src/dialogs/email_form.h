#pragma once

#include "dialogs/email_generator.h"
#include "dialogs/record_dialog.h"

#include <QPalette>

// "Em@ilová adresa": a mail link with optional subject and body. The address list comes from
// setup/email.ini, and every address used is remembered there (also when no document is open).
DialogRecord<EmailFields> emailRecord();

class TEMail_Form : public RecordDialog<EmailFields>
{
public:
    TEMail_Form(QWidget *parent, DocumentSource documents);

protected:
    void insertFields() override;

private:
    void showLinkTextState();

    QPalette m_normalPalette;
};
