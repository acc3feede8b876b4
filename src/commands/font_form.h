#pragma once

#include "commands/font_generator.h"
#include "dialogs/element_dialog.h"

class ColourSample;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QToolButton;

// The font dialog "Font" and, without its style boxes, the base-font dialog "BaseFont": a font
// element from a face, a size, a title and a colour taken from a 4 x 4 panel or the colour dialog.
class FontFormBase : public ElementDialog
{
    Q_OBJECT

public:
    FontFields fields() const;

    // The faces of the face box, then the sizes of the size box.
    static QStringList faceItems();
    static QStringList sizeItems();

protected:
    enum class Variant { Font, BaseFont };
    FontFormBase(QWidget *parent, DocumentSource documents, Variant variant);

    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual Edit generate() const = 0;

    QCheckBox *Bold_CheckBox = nullptr;
    QCheckBox *Italic_CheckBox = nullptr;
    QCheckBox *Underline_CheckBox = nullptr;
    QCheckBox *StrikeOut_CheckBox = nullptr;

private:
    void LayerColor_ImageClick();
    void ColorGridClick(const Rgb &colour);
    void NextColor_ButtonClick();
    void Loading_ButtonClick();
    void Paste_ButtonClick();

    QComboBox *m_faceBox; // Font_ComboBox, or BaseFont_ComboBox
    QPushButton *Loading_Button;
    QComboBox *Size_ComboBox;
    ColourSample *BarvaShape;
    QWidget *LayerColor_Image;
    QCheckBox *Barva_CheckBox;
    QLineEdit *Titulek_Edit;
    QFrame *Color_Panel;
    QPushButton *NextColor_Button;
    QPushButton *Paste_Button;
    QPushButton *Back_Button;
    Rgb m_lastDialogColour{0, 0, 0}; // "Další ..." starts from the colour last confirmed in it
};

class TFontForm : public FontFormBase
{
    Q_OBJECT

public:
    TFontForm(QWidget *parent, DocumentSource documents);
    FontStyles styles() const;

protected:
    Edit generate() const override;
};

class TBasefontForm : public FontFormBase
{
    Q_OBJECT

public:
    TBasefontForm(QWidget *parent, DocumentSource documents);

protected:
    Edit generate() const override;
};
