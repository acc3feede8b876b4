#include "tools/prevod_barvy_form.h"

#include "widgets/dialog_parts.h"
#include "tools/colour_readings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *formButton(QWidget *parent, const char *name, const char *caption, const char *hint)
{
    auto *button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    setHint(button, QString::fromUtf8(hint));
    return button;
}

// A channel's caption in its own colour.
QLabel *channelCaption(QWidget *parent, const char *text, const char *colour)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(colour)));
    return label;
}

} // namespace

TForm_PrevodBarvy::TForm_PrevodBarvy(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_PrevodBarvy"));
    setWindowTitle(QString::fromUtf8("Zobrazení barvy"));
    setModal(true);

    RadioButton_Hexa = formButton(this, "RadioButton_Hexa", "HEXA tvar", "Výběrem HEXA tvaru získáte možnost vložit data");
    RadioButton_RGB = formButton(this, "RadioButton_RGB", "RGB tvar", "Výběrem RGB tvaru získáte možnost vložit data");
    RadioButton_Hexa->setChecked(true);
    Edit_Hexa = new QLineEdit(this);
    Edit_Hexa->setObjectName(QStringLiteral("Edit_Hexa"));
    Edit_Hexa->setMaxLength(6);
    installKeyFilter(Edit_Hexa, &hexDigitFilterAccepts);
    auto *Label_Hexa = new QLabel(QString::fromUtf8("Hexadecimální tvar: # "), this);
    Label_Hexa->setObjectName(QStringLiteral("Label_Hexa"));

    GroupBox_RGB = new QGroupBox(QStringLiteral("RGB"), this);
    GroupBox_RGB->setObjectName(QStringLiteral("GroupBox_RGB"));
    const NumberEdit red = numberEdit(GroupBox_RGB, "Edit_Cervena", "UpDown_Cervena", QStringLiteral("0"), 0, 255);
    const NumberEdit green = numberEdit(GroupBox_RGB, "Edit_Zelena", "UpDown_Zelena", QStringLiteral("0"), 0, 255);
    const NumberEdit blue = numberEdit(GroupBox_RGB, "Edit_Modra", "UpDown_Modra", QStringLiteral("0"), 0, 255);
    Edit_Cervena = red.edit;
    Edit_Zelena = green.edit;
    Edit_Modra = blue.edit;
    UpDown_Cervena = red.upDown;
    UpDown_Zelena = green.upDown;
    UpDown_Modra = blue.upDown;
    for (QLineEdit *edit : {Edit_Cervena, Edit_Zelena, Edit_Modra})
        edit->setMaxLength(3);
    auto *channels = new QFormLayout(GroupBox_RGB);
    channels->addRow(channelCaption(GroupBox_RGB, "Červená", "red"), red.row);
    channels->addRow(channelCaption(GroupBox_RGB, "Zelená", "green"), green.row);
    channels->addRow(channelCaption(GroupBox_RGB, "Modrá", "blue"), blue.row);

    Shape_Vysledek = new ColourSample(this);
    Shape_Vysledek->setObjectName(QStringLiteral("Shape_Vysledek"));
    Shape_Vysledek->setFixedSize(100, 60);
    setHint(Shape_Vysledek, QString::fromUtf8("Pro převod barvy stiskněte tlačítko Převést"));
    Button_Prevest = dialogButton(this, "Button_Prevest", QString::fromUtf8("&Převést"),
                                  QString::fromUtf8("Stisknutím tlačítka zobrazíte danou barvu"));
    Button_Zrusit = dialogButton(this, "Button_Zrusit", QString::fromUtf8("&Zrušit"),
                                 QString::fromUtf8("Stisknutím tlačítka zavřete okno"));
    connect(Button_Prevest, &QPushButton::clicked, this, &TForm_PrevodBarvy::Button_PrevestClick);
    connect(Button_Zrusit, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioButton_Hexa, &QRadioButton::toggled, this, &TForm_PrevodBarvy::chooseForm);

    auto *hexaRow = new QHBoxLayout;
    hexaRow->addWidget(Label_Hexa);
    hexaRow->addWidget(Edit_Hexa);
    auto *choice = new QHBoxLayout;
    choice->addWidget(RadioButton_Hexa);
    choice->addWidget(RadioButton_RGB);
    auto *result = new QVBoxLayout;
    result->addWidget(Shape_Vysledek);
    result->addWidget(Button_Prevest);
    result->addWidget(Button_Zrusit);
    result->addStretch();
    auto *fields = new QVBoxLayout;
    fields->addLayout(choice);
    fields->addLayout(hexaRow);
    fields->addWidget(GroupBox_RGB);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(result);
    chooseForm();
}

void TForm_PrevodBarvy::chooseForm()
{
    const bool hexa = RadioButton_Hexa->isChecked();
    Edit_Hexa->setEnabled(hexa);
    GroupBox_RGB->setEnabled(!hexa);
}

void TForm_PrevodBarvy::Button_PrevestClick()
{
    const ColourReading reading = RadioButton_Hexa->isChecked()
                                      ? readHexaColour(Edit_Hexa->text())
                                      : readRgbColour(Edit_Cervena->text(), Edit_Zelena->text(), Edit_Modra->text());
    if (!reading.ok()) {
        QMessageBox::warning(this, colourReadingCaption(), reading.message);
        return;
    }
    Shape_Vysledek->setColour(reading.colour);
}
