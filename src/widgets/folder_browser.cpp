#include "widgets/folder_browser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>

#include <algorithm>

namespace {

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

FolderBrowser::FolderBrowser(const std::vector<PictureFilter> &filters, QAbstractItemView::SelectionMode selection,
                             QWidget *parent)
    : QWidget(parent)
{
    DriveComboBox = new QComboBox(this);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->addItems(volumeRoots(QDir::currentPath()));

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    DirectoryListBox = new QTreeView(this);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox->hideColumn(column);
    DirectoryListBox->header()->hide();

    FilterComboBox = new QComboBox(this);
    FilterComboBox->setObjectName(QStringLiteral("FilterComboBox"));
    for (const PictureFilter &filter : filters)
        FilterComboBox->addItem(filter.description, filter.masks);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setSelectionMode(selection);
    FileListBox->setUniformItemSizes(true); // hundreds of names lay out at once

    connect(DriveComboBox, &QComboBox::activated, this, &FolderBrowser::DriveComboBoxChange);
    connect(DirectoryListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowser::DirectoryListBoxChange);
    connect(FilterComboBox, &QComboBox::currentIndexChanged, this, &FolderBrowser::fillFileList);

    auto *lists = new QGridLayout(this);
    lists->setContentsMargins(0, 0, 0, 0);
    lists->addWidget(DriveComboBox, 0, 0);
    lists->addWidget(FilterComboBox, 0, 1);
    lists->addWidget(DirectoryListBox, 1, 0);
    lists->addWidget(FileListBox, 1, 1);

    setFolder(QDir::currentPath());
}

void FolderBrowser::setFolder(const QString &folder)
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

QString FolderBrowser::pathOf(const QListWidgetItem *item) const
{
    return joinFolderAndName(m_folder, item->text());
}

QStringList FolderBrowser::selectedNames() const
{
    QList<QListWidgetItem *> selected = FileListBox->selectedItems();
    std::sort(selected.begin(), selected.end(), [this](QListWidgetItem *a, QListWidgetItem *b) {
        return FileListBox->row(a) < FileListBox->row(b);
    });
    QStringList names;
    for (const QListWidgetItem *item : selected)
        names.append(item->text());
    return names;
}

void FolderBrowser::DriveComboBoxChange(int index)
{
    setFolder(DriveComboBox->itemText(index));
}

void FolderBrowser::DirectoryListBoxChange()
{
    const QModelIndex current = DirectoryListBox->currentIndex();
    if (!current.isValid())
        return;
    m_folder = m_folders->filePath(current);
    fillFileList();
}

void FolderBrowser::fillFileList()
{
    FileListBox->clear();
    FileListBox->addItems(matchingFileNames(m_folder, FilterComboBox->currentData().toString()));
}
