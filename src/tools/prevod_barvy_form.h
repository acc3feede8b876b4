#pragma once

#include <QDialog>

class ColourSample;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UpDown;

// "Zobrazení barvy", the colour viewer: shows the colour of a hexadecimal or RGB value in a
// swatch; it inserts nothing.
class TForm_PrevodBarvy : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_PrevodBarvy(QWidget *parent);

private:
    void chooseForm();
    void Button_PrevestClick();

    QRadioButton *RadioButton_Hexa;
    QRadioButton *RadioButton_RGB;
    QLineEdit *Edit_Hexa;
    QGroupBox *GroupBox_RGB;
    QLineEdit *Edit_Cervena;
    QLineEdit *Edit_Zelena;
    QLineEdit *Edit_Modra;
    UpDown *UpDown_Cervena;
    UpDown *UpDown_Zelena;
    UpDown *UpDown_Modra;
    ColourSample *Shape_Vysledek;
    QPushButton *Button_Prevest;
    QPushButton *Button_Zrusit;
};
