#pragma once

#include "base/colour.h"
#include "dialogs/element_dialog.h"

class ColourSample;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

// "Barvy", the colour mixer: three scroll bars mix a colour, shown as a swatch and as the RGB and
// hexadecimal forms; "&Vložit" inserts the selected form.
class TBarva_Form : public ElementDialog
{
    Q_OBJECT

public:
    TBarva_Form(QWidget *parent, DocumentSource documents);

    Rgb mixedColour() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ScrollBarChange();
    void Vlozit_ButtonClick();

    QScrollBar *ScrollBar_cervena;
    QScrollBar *ScrollBar_zelena;
    QScrollBar *ScrollBar_modra;
    QLabel *Cervena_Label;
    QLabel *Zelena_Label;
    QLabel *Modra_Label;
    ColourSample *Objekt_Shape;
    QLabel *RGB_Label;
    QLabel *HEX_Label;
    QRadioButton *RGB_RadioButton;
    QRadioButton *HEX_RadioButton;
    QLabel *RGBLabel;
    QLabel *HEXLabel;
    QPushButton *Vlozit_Button;
    QPushButton *Zpet_Button;
};
