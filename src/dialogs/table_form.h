#pragma once

#include "dialogs/element_dialog.h"
#include "dialogs/table_generator.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UpDown;

// "Tabulka": rows, columns and attributes of a table skeleton.
class TTable_Form : public ElementDialog
{
    Q_OBJECT

public:
    TTable_Form(QWidget *parent, DocumentSource documents);

    TableFields fields() const;

private:
    void Vlozit_ButtonClick();

    QLineEdit *Nadpis_Edit;
    QLineEdit *Radky_Edit;
    UpDown *Radky_UpDown;
    QLineEdit *Sloupce_Edit;
    UpDown *Sloupce_UpDown;
    QLineEdit *CellSpacing_Edit;
    UpDown *CellSpacing_UpDown;
    QLineEdit *CellPading_Edit;
    UpDown *CellPading_UpDown;
    QLineEdit *Sirka_Edit;
    UpDown *Sirka_UpDown;
    QLineEdit *SirkaP_Edit;
    UpDown *SirkaP_UpDown;
    QRadioButton *pixely_RadioButton;
    QRadioButton *procenta_RadioButton;
    QComboBox *TypOhFRAME_ComboBox;
    QComboBox *TypOhRULES_ComboBox;
    QRadioButton *ZarovnaniNo_RadioButton;
    QRadioButton *ZarovnaniLeft_RadioButton;
    QRadioButton *ZarovnaniCenter_RadioButton;
    QRadioButton *ZarovnaniRight_RadioButton;
    QCheckBox *NoWrap_CheckBox;
    QCheckBox *NoFlow_CheckBox;
    QPushButton *Vlozit_Button;
    QPushButton *Zpet_Button;
};
