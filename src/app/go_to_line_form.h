#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Jdi na číslo řádku": asks for a line number. Typed characters other than digits are refused;
// a text that is not a number (pasted, or too large) means line 1.
class TGoToLineNumberForm : public QDialog
{
    Q_OBJECT

public:
    explicit TGoToLineNumberForm(QWidget *parent = nullptr);

    int lineNumber() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *Label_Radky;
    QLineEdit *Edit_LineNumber;
    QPushButton *OK_button;
    QPushButton *Cancel_button;
};
