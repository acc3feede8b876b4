#include "dialogs/img_form.h"

#include "app/command_registry.h"
#include "base/velinor_error.h"
#include "dialogs/dialog_parts.h"
#include "dialogs/folder_browser.h"
#include "imaging/picture_decoder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QCheckBox *companionBox(QWidget *parent, const char *name, bool checked)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(checked);
    return box;
}

} // namespace

TIMG_Form::TIMG_Form(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TIMG_Form", QStringLiteral("Obrázek"))
{
    const ImgFields defaults;

    Cesta_Edit = new QLineEdit(defaults.path, this);
    Cesta_Edit->setObjectName(QStringLiteral("Cesta_Edit"));
    Zarovnani_ComboBox = listComboBox(
        this, "Zarovnani_ComboBox",
        {QString(), QStringLiteral("absbottom"), QStringLiteral("absmiddle"), QStringLiteral("baseline"),
         QStringLiteral("bottom"), QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("middle"),
         QStringLiteral("right"), QStringLiteral("textbottom"), QStringLiteral("textmiddle"), QStringLiteral("texttop"),
         QStringLiteral("top")},
        defaults.alignment);
    AltText_Edit = new QLineEdit(defaults.altText, this);
    AltText_Edit->setObjectName(QStringLiteral("AltText_Edit"));

    auto *fieldsBox = new QWidget(this);
    auto *grid = new QGridLayout(fieldsBox);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Cesta:"), fieldsBox), 0, 0);
    grid->addWidget(Cesta_Edit, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Zarovnání:"), fieldsBox), 1, 0);
    grid->addWidget(Zarovnani_ComboBox, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Alternativní text:"), fieldsBox), 2, 0);
    grid->addWidget(AltText_Edit, 2, 1, 1, 2);
    // The size fields: value with its up-down, then the companion box that lets it be written.
    struct Gated
    {
        const char *label;
        const char *edit;
        const char *upDown;
        const char *box;
        QString text;
        bool ticked;
        int minimum;
        QLineEdit **editMember;
        UpDown **upDownMember;
        QCheckBox **boxMember;
    };
    const Gated gated[] = {
        {"Výška:", "Vyska_Edit", "Vyska_UpDown", "UkazatVyska_CheckBox", defaults.height, defaults.showHeight, 1,
         &Vyska_Edit, &Vyska_UpDown, &UkazatVyska_CheckBox},
        {"Šířka:", "Sirka_Edit", "Sirka_UpDown", "UkazatSirka_CheckBox", defaults.width, defaults.showWidth, 1,
         &Sirka_Edit, &Sirka_UpDown, &UkazatSirka_CheckBox},
        {"V.Okraj:", "VOkraj_Edit", "VOkraj_UpDown", "UkazatVOkraj_CheckBox", defaults.vspace, defaults.showVspace, 0,
         &VOkraj_Edit, &VOkraj_UpDown, &UkazatVOkraj_CheckBox},
        {"H.Okraj:", "HOkraj_Edit", "HOkraj_UpDown", "UkazatHOkraj_CheckBox", defaults.hspace, defaults.showHspace, 0,
         &HOkraj_Edit, &HOkraj_UpDown, &UkazatHOkraj_CheckBox},
        {"Rámeček:", "Ramecek_Edit", "Ramecek_UpDown", "UkazatRamecek_CheckBox", defaults.border, defaults.showBorder, 0,
         &Ramecek_Edit, &Ramecek_UpDown, &UkazatRamecek_CheckBox},
    };
    int row = 3;
    for (const Gated &g : gated) {
        const NumberEdit number = numberEdit(fieldsBox, g.edit, g.upDown, g.text, g.minimum, 1000);
        *g.editMember = number.edit;
        *g.upDownMember = number.upDown;
        *g.boxMember = companionBox(fieldsBox, g.box, g.ticked);
        grid->addWidget(new QLabel(QString::fromUtf8(g.label), fieldsBox), row, 0);
        grid->addWidget(number.row, row, 1);
        grid->addWidget(*g.boxMember, row, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);

    Vlozit_Button = dialogButton(this, "Vlozit_Button", QStringLiteral("&Vložit"));
    Zpet_Button = dialogButton(this, "Zpet_Button", QStringLiteral("&Zpět"));
    connect(Vlozit_Button, &QPushButton::clicked, this, &TIMG_Form::Vlozit_ButtonClick);
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addWidget(fieldsBox);
    columns->addWidget(buildBrowser(), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Vlozit_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

}

QWidget *TIMG_Form::buildBrowser()
{
    auto *box = new QGroupBox(QStringLiteral("Dvojklikem na soubor vložíme údaje"), this);
    m_browser = new FolderBrowser(pictureFilters(), QAbstractItemView::SingleSelection, box);

    SampleImage = new QLabel;
    SampleImage->setObjectName(QStringLiteral("SampleImage"));
    SampleImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox_SampleImage = new QScrollArea(box);
    ScrollBox_SampleImage->setObjectName(QStringLiteral("ScrollBox_SampleImage"));
    ScrollBox_SampleImage->setWidget(SampleImage); // natural size; the box scrolls when it is larger
    ScrollBox_SampleImage->setMinimumSize(200, 160);

    connect(m_browser->fileList(), &QListWidget::itemClicked, this, &TIMG_Form::FileListBoxClick);
    connect(m_browser->fileList(), &QListWidget::itemDoubleClicked, this, &TIMG_Form::FileListBoxDblClick);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_browser, 1);
    layout->addWidget(ScrollBox_SampleImage, 1);
    return box;
}

QString TIMG_Form::folder() const
{
    return m_browser->folder();
}

void TIMG_Form::setFolder(const QString &folder)
{
    m_browser->setFolder(folder);
}

void TIMG_Form::FileListBoxClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = m_browser->pathOf(item);
    try {
        const QImage picture = decodePicture(path);
        SampleImage->setPixmap(QPixmap::fromImage(picture));
        SampleImage->adjustSize();
    } catch (const VelinorError &error) {
        showErrorReport(error.message()); // the previous picture stays
    }
}

void TIMG_Form::FileListBoxDblClick(QListWidgetItem *item)
{
    if (item)
        Cesta_Edit->setText(m_browser->pathOf(item));
}

ImgFields TIMG_Form::fields() const
{
    ImgFields f;
    f.path = Cesta_Edit->text();
    f.alignment = Zarovnani_ComboBox->currentText();
    f.altText = AltText_Edit->text();
    f.height = Vyska_Edit->text();
    f.showHeight = UkazatVyska_CheckBox->isChecked();
    f.width = Sirka_Edit->text();
    f.showWidth = UkazatSirka_CheckBox->isChecked();
    f.vspace = VOkraj_Edit->text();
    f.showVspace = UkazatVOkraj_CheckBox->isChecked();
    f.hspace = HOkraj_Edit->text();
    f.showHspace = UkazatHOkraj_CheckBox->isChecked();
    f.border = Ramecek_Edit->text();
    f.showBorder = UkazatRamecek_CheckBox->isChecked();
    return f;
}

void TIMG_Form::Vlozit_ButtonClick()
{
    insertAndClose(imgEdit(fields()));
}
