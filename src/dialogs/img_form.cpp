#include "dialogs/img_form.h"

#include "app/command_registry.h"
#include "base/velinor_error.h"
#include "dialogs/dialog_parts.h"
#include "dialogs/picture_files.h"
#include "imaging/picture_decoder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QCheckBox *companionBox(QWidget *parent, const char *name, bool checked)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(checked);
    return box;
}

// The root folders of the mounted volumes, the one holding `folder` among them.
QStringList volumeRoots(const QString &folder)
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    const QString own = QStorageInfo(folder).rootPath();
    if (!own.isEmpty() && !roots.contains(own))
        roots.append(own);
    roots.sort();
    return roots;
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

    setFolder(QDir::currentPath());
}

QWidget *TIMG_Form::buildBrowser()
{
    auto *browser = new QGroupBox(QStringLiteral("Dvojklikem na soubor vložíme údaje"), this);

    DriveComboBox = new QComboBox(browser);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->addItems(volumeRoots(QDir::currentPath()));

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    DirectoryListBox = new QTreeView(browser);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox->hideColumn(column);
    DirectoryListBox->header()->hide();

    FilterComboBox = new QComboBox(browser);
    FilterComboBox->setObjectName(QStringLiteral("FilterComboBox"));
    for (const PictureFilter &filter : pictureFilters())
        FilterComboBox->addItem(filter.description, filter.masks);

    FileListBox = new QListWidget(browser);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox->setUniformItemSizes(true); // hundreds of names lay out at once

    SampleImage = new QLabel;
    SampleImage->setObjectName(QStringLiteral("SampleImage"));
    SampleImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox_SampleImage = new QScrollArea(browser);
    ScrollBox_SampleImage->setObjectName(QStringLiteral("ScrollBox_SampleImage"));
    ScrollBox_SampleImage->setWidget(SampleImage); // natural size; the box scrolls when it is larger
    ScrollBox_SampleImage->setMinimumSize(200, 160);

    connect(DriveComboBox, &QComboBox::activated, this, &TIMG_Form::DriveComboBoxChange);
    connect(DirectoryListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TIMG_Form::DirectoryListBoxChange);
    connect(FilterComboBox, &QComboBox::currentIndexChanged, this, &TIMG_Form::fillFileList);
    connect(FileListBox, &QListWidget::itemClicked, this, &TIMG_Form::FileListBoxClick);
    connect(FileListBox, &QListWidget::itemDoubleClicked, this, &TIMG_Form::FileListBoxDblClick);

    auto *lists = new QGridLayout;
    lists->addWidget(DriveComboBox, 0, 0);
    lists->addWidget(FilterComboBox, 0, 1);
    lists->addWidget(DirectoryListBox, 1, 0);
    lists->addWidget(FileListBox, 1, 1);
    auto *layout = new QVBoxLayout(browser);
    layout->addLayout(lists, 1);
    layout->addWidget(ScrollBox_SampleImage, 1);
    return browser;
}

void TIMG_Form::setFolder(const QString &folder)
{
    m_folder = QDir::cleanPath(folder);
    const QString drive = QStorageInfo(m_folder).rootPath();
    {
        const QSignalBlocker blockDrives(DriveComboBox);
        const int driveIndex = DriveComboBox->findText(drive);
        if (driveIndex >= 0)
            DriveComboBox->setCurrentIndex(driveIndex);
    }
    m_folders->setRootPath(drive);
    DirectoryListBox->setRootIndex(m_folders->index(drive));
    {
        const QSignalBlocker blockFolders(DirectoryListBox->selectionModel());
        const QModelIndex index = m_folders->index(m_folder);
        DirectoryListBox->setCurrentIndex(index);
        DirectoryListBox->scrollTo(index);
    }
    fillFileList();
}

void TIMG_Form::DriveComboBoxChange(int index)
{
    setFolder(DriveComboBox->itemText(index));
}

void TIMG_Form::DirectoryListBoxChange()
{
    const QModelIndex current = DirectoryListBox->currentIndex();
    if (!current.isValid())
        return;
    m_folder = m_folders->filePath(current);
    fillFileList();
}

void TIMG_Form::fillFileList()
{
    FileListBox->clear();
    FileListBox->addItems(matchingFileNames(m_folder, FilterComboBox->currentData().toString()));
}

void TIMG_Form::FileListBoxClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = joinFolderAndName(m_folder, item->text());
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
        Cesta_Edit->setText(joinFolderAndName(m_folder, item->text()));
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
