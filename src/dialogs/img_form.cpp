#include "dialogs/img_form.h"

#include "core/command_registry.h"
#include "base/velinor_error.h"
#include "widgets/folder_browser.h"
#include "imaging/picture_decoder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

DialogRecord<ImgFields> imgRecord()
{
    using F = ImgFields;
    // The size fields: value with its up-down, then the companion box that lets it be written.
    auto size = [](const char *edit, const char *label, QString F::*value, const char *upDown, int minimum,
                   const char *box, bool F::*shown) {
        return numberField(edit, QString::fromUtf8(label), value, upDown, minimum, 1000).gatedBy(box, shown);
    };
    return {"TIMG_Form", QStringLiteral("Obrázek"),
            {
                textField("Cesta_Edit", QStringLiteral("Cesta:"), &F::path),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"),
                           {"", "absbottom", "absmiddle", "baseline", "bottom", "center", "left", "middle", "right",
                            "textbottom", "textmiddle", "texttop", "top"},
                           &F::alignment),
                textField("AltText_Edit", QStringLiteral("Alternativní text:"), &F::altText),
                size("Vyska_Edit", "Výška:", &F::height, "Vyska_UpDown", 1, "UkazatVyska_CheckBox", &F::showHeight),
                size("Sirka_Edit", "Šířka:", &F::width, "Sirka_UpDown", 1, "UkazatSirka_CheckBox", &F::showWidth),
                size("VOkraj_Edit", "V.Okraj:", &F::vspace, "VOkraj_UpDown", 0, "UkazatVOkraj_CheckBox", &F::showVspace),
                size("HOkraj_Edit", "H.Okraj:", &F::hspace, "HOkraj_UpDown", 0, "UkazatHOkraj_CheckBox", &F::showHspace),
                size("Ramecek_Edit", "Rámeček:", &F::border, "Ramecek_UpDown", 0, "UkazatRamecek_CheckBox",
                     &F::showBorder),
            },
            [](const F &f) { return imgEdit(f); }};
}

TIMG_Form::TIMG_Form(QWidget *parent, DocumentSource documents)
    : RecordDialog<ImgFields>(parent, std::move(documents), imgRecord())
{
    addBesideFields(buildBrowser());
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
        built("Cesta_Edit").edit->setText(m_browser->pathOf(item));
}
