#pragma once

#include "dialogs/element_dialog.h"
#include "dialogs/email_generator.h"

#include <QPalette>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Em@ilová adresa": a mail link with optional subject and body. The address list comes from
// setup/email.ini, and every address used is remembered there (also when no document is open).
class TEMail_Form : public ElementDialog
{
    Q_OBJECT

public:
    TEMail_Form(QWidget *parent, DocumentSource documents);

    EmailFields fields() const;

private:
    void Vlozit_ButtonClick();
    void OdkazText_CheckBoxClick();

    QComboBox *EMail_ComboBox;
    QLineEdit *Subject_Edit;
    QPlainTextEdit *Body_Memo;
    QCheckBox *OdkazText_CheckBox;
    QLineEdit *OdkazText_Edit;
    QPushButton *Vlozit_Button;
    QPushButton *Zpet_Button;
    QPalette m_normalPalette;
};
