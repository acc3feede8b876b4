#pragma once

#include "core/document_source.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Dekadická soustava -> Hexadecimální soustava": converts a decimal number of at most nine digits
// to hexadecimal digits. "&Vložit" converts too and inserts the result at the active document's
// caret, then closes the window.
class TConvertCount_Form : public QDialog
{
    Q_OBJECT

public:
    TConvertCount_Form(QWidget *parent, DocumentSource activeDocument);

    void Preved_ButtonClick();
    void Vloz_ButtonClick();

private:
    // The conversion; false when the number was refused or a text was not a number.
    bool convert();
    void Couts_EditChange(const QString &text);

    DocumentSource m_activeDocument;
    QLineEdit *Couts_Edit;
    QLineEdit *PocetCifer_Edit;
    QLabel *Result_Label;
    QPushButton *Preved_Button;
    QPushButton *Vloz_Button;
    QPushButton *Zpet_Button;
};
