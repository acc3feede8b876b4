#include "tools/barva_form.h"

#include "widgets/dialog_parts.h"
#include "editor/edit.h"
#include "tools/colour_readings.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QScrollBar *channelBar(QWidget *parent, const char *name)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(192);
    bar->setValue(255);
    bar->setMinimumWidth(255);
    return bar;
}

QLabel *namedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TBarva_Form::TBarva_Form(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TBarva_Form", QStringLiteral("Barvy"))
{
    ScrollBar_cervena = channelBar(this, "ScrollBar_cervena");
    ScrollBar_zelena = channelBar(this, "ScrollBar_zelena");
    ScrollBar_modra = channelBar(this, "ScrollBar_modra");
    Cervena_Label = namedLabel(this, "Cervena_Label", mixerChannelLabel(ColourChannel::Red, 255));
    Zelena_Label = namedLabel(this, "Zelena_Label", mixerChannelLabel(ColourChannel::Green, 255));
    Modra_Label = namedLabel(this, "Modra_Label", mixerChannelLabel(ColourChannel::Blue, 255));
    // The labels line their values up by spaces, so they need a font whose spaces are as wide as digits.
    for (QLabel *label : {Cervena_Label, Zelena_Label, Modra_Label})
        label->setFont(QFont(QStringLiteral("Courier New"), font().pointSize()));

    Objekt_Shape = new ColourSample(this);
    Objekt_Shape->setObjectName(QStringLiteral("Objekt_Shape"));
    Objekt_Shape->setFixedSize(120, 60);
    RGB_Label = namedLabel(this, "RGB_Label", rgbFormText(Rgb{}));
    HEX_Label = namedLabel(this, "HEX_Label", colourText(Rgb{}));
    RGB_RadioButton = new QRadioButton(this);
    RGB_RadioButton->setObjectName(QStringLiteral("RGB_RadioButton"));
    HEX_RadioButton = new QRadioButton(this);
    HEX_RadioButton->setObjectName(QStringLiteral("HEX_RadioButton"));
    HEX_RadioButton->setChecked(true);
    RGBLabel = namedLabel(this, "RGBLabel", QStringLiteral("RGB tvar: "));
    HEXLabel = namedLabel(this, "HEXLabel", QString::fromUtf8("Hexadecimální tvar: "));
    RGBLabel->installEventFilter(this);
    HEXLabel->installEventFilter(this);

    Vlozit_Button = dialogButton(this, "Vlozit_Button", QString::fromUtf8("&Vložit"));
    Zpet_Button = dialogButton(this, "Zpet_Button", QString::fromUtf8("&Zpět"));
    connect(Vlozit_Button, &QPushButton::clicked, this, &TBarva_Form::Vlozit_ButtonClick);
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);
    for (QScrollBar *bar : {ScrollBar_cervena, ScrollBar_zelena, ScrollBar_modra})
        connect(bar, &QScrollBar::valueChanged, this, &TBarva_Form::ScrollBarChange);

    auto *bars = new QGridLayout;
    bars->addWidget(Cervena_Label, 0, 0);
    bars->addWidget(ScrollBar_cervena, 0, 1);
    bars->addWidget(Zelena_Label, 1, 0);
    bars->addWidget(ScrollBar_zelena, 1, 1);
    bars->addWidget(Modra_Label, 2, 0);
    bars->addWidget(ScrollBar_modra, 2, 1);
    auto *forms = new QGridLayout;
    forms->addWidget(RGB_RadioButton, 0, 0);
    forms->addWidget(RGBLabel, 0, 1);
    forms->addWidget(RGB_Label, 0, 2);
    forms->addWidget(HEX_RadioButton, 1, 0);
    forms->addWidget(HEXLabel, 1, 1);
    forms->addWidget(HEX_Label, 1, 2);
    forms->setColumnStretch(2, 1);
    auto *result = new QHBoxLayout;
    result->addWidget(Objekt_Shape);
    result->addLayout(forms, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Vlozit_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bars);
    layout->addLayout(result);
    layout->addLayout(buttons);
}

Rgb TBarva_Form::mixedColour() const
{
    return {ScrollBar_cervena->value(), ScrollBar_zelena->value(), ScrollBar_modra->value()};
}

bool TBarva_Form::eventFilter(QObject *watched, QEvent *event)
{
    // A click on a form's caption selects its radio button.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == RGBLabel)
            RGB_RadioButton->setChecked(true);
        else if (watched == HEXLabel)
            HEX_RadioButton->setChecked(true);
    }
    return ElementDialog::eventFilter(watched, event);
}

void TBarva_Form::ScrollBarChange()
{
    const Rgb colour = mixedColour();
    Cervena_Label->setText(mixerChannelLabel(ColourChannel::Red, colour.red));
    Zelena_Label->setText(mixerChannelLabel(ColourChannel::Green, colour.green));
    Modra_Label->setText(mixerChannelLabel(ColourChannel::Blue, colour.blue));
    RGB_Label->setText(rgbFormText(colour));
    Objekt_Shape->setColour(colour);
    HEX_Label->setText(colourText(colour));
}

void TBarva_Form::Vlozit_ButtonClick()
{
    insertAndClose(Edit().insert(RGB_RadioButton->isChecked() ? RGB_Label->text() : HEX_Label->text()));
}
