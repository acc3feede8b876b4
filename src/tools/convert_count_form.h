#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TextDocument;

// "Dekadická soustava -> Hexadecimální soustava": converts a decimal number of at most nine digits
// to hexadecimal digits. "&Vložit" converts too and inserts the result at the active document's
// caret, then closes the window.
class TConvertCount_Form : public QDialog
{
    Q_OBJECT

public:
    using DocumentLookup = std::function<TextDocument *()>;
    TConvertCount_Form(QWidget *parent, DocumentLookup activeDocument);

    void Preved_ButtonClick();
    void Vloz_ButtonClick();

private:
    // The conversion; false when the number was refused or a text was not a number.
    bool convert();
    void Couts_EditChange(const QString &text);

    DocumentLookup m_activeDocument;
    QLineEdit *Couts_Edit;
    QLineEdit *PocetCifer_Edit;
    QLabel *Result_Label;
    QPushButton *Preved_Button;
    QPushButton *Vloz_Button;
    QPushButton *Zpet_Button;
};
