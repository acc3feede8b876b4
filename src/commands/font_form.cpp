#include "commands/font_form.h"

#include "base/qt_colour.h"
#include "commands/font_group_form.h"
#include "dialogs/dialog_parts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The colour panel's cells, row by row.
const char *const kGridColours[] = {"Black", "Maroon", "Green", "Olive", "Navy",   "Purple", "Teal", "Silver",
                                    "Gray",  "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

QCheckBox *styleBox(QWidget *parent, const char *name, const char *caption)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

QStringList FontFormBase::faceItems()
{
    return {QString(), QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Default"),
            QStringLiteral("MS Sans Serif"), QStringLiteral("Times New Roman"), QStringLiteral("Verdena"), QString(),
            QStringLiteral("Arial, Courier New, MS Sans Serif"), QStringLiteral("Courier New, MS Sans Serif"),
            QStringLiteral("Times New Roman, Verdena, Arial"), QStringLiteral("Default, Verdena")};
}

QStringList FontFormBase::sizeItems()
{
    QStringList items{QString()};
    for (const char *sign : {"", "-", "+"})
        for (int size = 1; size <= 7; ++size)
            items << QLatin1String(sign) + QString::number(size);
    return items;
}

FontFormBase::FontFormBase(QWidget *parent, DocumentSource documents, Variant variant)
    : ElementDialog(parent, std::move(documents), variant == Variant::Font ? "TFontForm" : "TBasefontForm",
                    variant == Variant::Font ? QStringLiteral("Font") : QStringLiteral("BaseFont"))
{
    auto *settings = new QGroupBox(QString::fromUtf8(" Nastavení písma "), this);
    m_faceBox = listComboBox(settings, variant == Variant::Font ? "Font_ComboBox" : "BaseFont_ComboBox", faceItems());
    Loading_Button = dialogButton(settings, "Loading_Button", QStringLiteral("..."));
    Size_ComboBox = listComboBox(settings, "Size_ComboBox", sizeItems());
    installDigitFilter(Size_ComboBox->lineEdit());

    BarvaShape = new ColourSample(settings);
    BarvaShape->setObjectName(QStringLiteral("BarvaShape"));
    // A transparent area over the whole swatch takes its clicks.
    LayerColor_Image = new QWidget(BarvaShape);
    LayerColor_Image->setObjectName(QStringLiteral("LayerColor_Image"));
    LayerColor_Image->setGeometry(BarvaShape->rect());
    LayerColor_Image->setCursor(Qt::PointingHandCursor);
    LayerColor_Image->installEventFilter(this);
    setHint(BarvaShape, QString::fromUtf8("Stiskněre na změnu"));
    setHint(LayerColor_Image, QString::fromUtf8("Stiskněre na změnu"));
    Barva_CheckBox = new QCheckBox(settings);
    Barva_CheckBox->setObjectName(QStringLiteral("Barva_CheckBox"));
    Barva_CheckBox->setAccessibleName(QStringLiteral("Zobrazit"));
    Titulek_Edit = new QLineEdit(settings);
    Titulek_Edit->setObjectName(QStringLiteral("Titulek_Edit"));

    Color_Panel = new QFrame(settings);
    Color_Panel->setObjectName(QStringLiteral("Color_Panel"));
    Color_Panel->setFrameShape(QFrame::StyledPanel);
    auto *ColorGrid = new QWidget(Color_Panel);
    ColorGrid->setObjectName(QStringLiteral("ColorGrid"));
    auto *cells = new QGridLayout(ColorGrid);
    cells->setSpacing(1);
    cells->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 16; ++i) {
        const Rgb colour = namedColour(QLatin1String(kGridColours[i]));
        auto *cell = new QToolButton(ColorGrid);
        cell->setObjectName(QStringLiteral("ColorGrid_%1").arg(i));
        cell->setFixedSize(18, 18);
        cell->setAutoRaise(false);
        cell->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray").arg(colourText(colour)));
        connect(cell, &QToolButton::clicked, this, [this, colour] { ColorGridClick(colour); });
        cells->addWidget(cell, i / 4, i % 4);
    }
    NextColor_Button = dialogButton(Color_Panel, "NextColor_Button", QString::fromUtf8("Další ..."));
    auto *panelLayout = new QVBoxLayout(Color_Panel);
    panelLayout->addWidget(ColorGrid);
    panelLayout->addWidget(NextColor_Button);
    Color_Panel->hide();

    auto *faceRow = new QHBoxLayout;
    faceRow->addWidget(m_faceBox, 1);
    faceRow->addWidget(Loading_Button);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(BarvaShape);
    colourRow->addWidget(Barva_CheckBox);
    colourRow->addStretch();
    auto *settingsLayout = new QFormLayout(settings);
    settingsLayout->addRow(QString::fromUtf8("Písmo:"), faceRow);
    settingsLayout->addRow(QString::fromUtf8("Velikost:"), Size_ComboBox);
    settingsLayout->addRow(QString::fromUtf8("Barva:"), colourRow);
    settingsLayout->addRow(QString(), Color_Panel);
    settingsLayout->addRow(QString::fromUtf8("&Titulek:"), Titulek_Edit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(settings);
    if (variant == Variant::Font) {
        auto *style = new QGroupBox(QString::fromUtf8(" Styl písma "), this);
        Bold_CheckBox = styleBox(style, "Bold_CheckBox", "T&učné");
        Italic_CheckBox = styleBox(style, "Italic_CheckBox", "&Kurzíva");
        Underline_CheckBox = styleBox(style, "Underline_CheckBox", "&Podtržené");
        StrikeOut_CheckBox = styleBox(style, "StrikeOut_CheckBox", "Př&eškrtnuté");
        auto *styleLayout = new QGridLayout(style);
        styleLayout->addWidget(Bold_CheckBox, 0, 0);
        styleLayout->addWidget(Italic_CheckBox, 0, 1);
        styleLayout->addWidget(Underline_CheckBox, 1, 0);
        styleLayout->addWidget(StrikeOut_CheckBox, 1, 1);
        layout->addWidget(style);
    }
    Paste_Button = dialogButton(this, "Paste_Button", QString::fromUtf8("&Vložit"));
    Back_Button = dialogButton(this, "Back_Button", QString::fromUtf8("&Zpět"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Paste_Button);
    buttons->addWidget(Back_Button);
    layout->addLayout(buttons);

    connect(Loading_Button, &QPushButton::clicked, this, &FontFormBase::Loading_ButtonClick);
    connect(NextColor_Button, &QPushButton::clicked, this, &FontFormBase::NextColor_ButtonClick);
    connect(Paste_Button, &QPushButton::clicked, this, &FontFormBase::Paste_ButtonClick);
    connect(Back_Button, &QPushButton::clicked, this, &QDialog::reject);
}

FontFields FontFormBase::fields() const
{
    FontFields f;
    f.face = m_faceBox->currentText();
    f.size = Size_ComboBox->currentText();
    f.title = Titulek_Edit->text();
    f.colourShown = Barva_CheckBox->isChecked();
    f.colour = BarvaShape->colour();
    return f;
}

bool FontFormBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == LayerColor_Image && event->type() == QEvent::MouseButtonRelease)
        LayerColor_ImageClick();
    return ElementDialog::eventFilter(watched, event);
}

void FontFormBase::LayerColor_ImageClick()
{
    Color_Panel->show();
    Barva_CheckBox->setChecked(true);
}

void FontFormBase::ColorGridClick(const Rgb &colour)
{
    BarvaShape->setColour(colour);
    Color_Panel->hide();
    Barva_CheckBox->setChecked(true);
}

void FontFormBase::NextColor_ButtonClick()
{
    const Rgb start = m_lastDialogColour;
    const QColor chosen = QColorDialog::getColor(toQColor(start), this);
    if (chosen.isValid()) {
        m_lastDialogColour = rgbOf(chosen);
        BarvaShape->setColour(m_lastDialogColour);
    }
    Color_Panel->hide();
}

void FontFormBase::Loading_ButtonClick()
{
    TFontGroupForm groups(this, m_faceBox->currentText());
    if (groups.exec() == QDialog::Accepted)
        m_faceBox->setEditText(groups.groupText());
}

void FontFormBase::Paste_ButtonClick()
{
    insertAndClose(generate());
}

TFontForm::TFontForm(QWidget *parent, DocumentSource documents)
    : FontFormBase(parent, std::move(documents), Variant::Font)
{
}

FontStyles TFontForm::styles() const
{
    FontStyles s;
    s.strikeOut = StrikeOut_CheckBox->isChecked();
    s.underline = Underline_CheckBox->isChecked();
    s.italic = Italic_CheckBox->isChecked();
    s.bold = Bold_CheckBox->isChecked();
    return s;
}

Edit TFontForm::generate() const
{
    return fontEdit(fields(), styles());
}

TBasefontForm::TBasefontForm(QWidget *parent, DocumentSource documents)
    : FontFormBase(parent, std::move(documents), Variant::BaseFont)
{
}

Edit TBasefontForm::generate() const
{
    return baseFontEdit(fields());
}
