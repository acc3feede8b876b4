#include "files/file_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

struct PanelFilter
{
    const char *description;
    const char *masks;
};

// The file panel's filters, in order; the first is chosen at the start.
const PanelFilter kFilters[] = {
    {"Všechny soubory (*.*)", "*"},
    {"HTML Dokument (*.html;*.htm;*.shtml;*.hhc)", "*.html;*.htm;*.shtml;*.hhc"},
    {"Javascript files (*.java)", "*.java"},
    {"CSS files (*.css)", "*.css"},
    {"PHP files (*.php;*php3;*.php4;*phtml;*.inc)", "*.php;*php3;*.php4;*phtml;*.inc"},
    {"SQL files (*.sql)", "*.sql"},
    {"XHTML Dokument (*.html;*.htm;*.xhtml)", "*.html;*.htm;*.xhtml"},
    {"XML Document (*.xml;*.xsd;*.xsl;*.xslt;*.vxml;*.dtd;)", "*.xml;*.xsd;*.xsl;*.xslt;*.vxml;*.dtd"},
};

} // namespace

FilePanel::FilePanel(std::function<void(const QString &)> openFile, QWidget *parent)
    : QWidget(parent), m_openFile(std::move(openFile))
{
    setObjectName(QStringLiteral("FilePanel"));
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TableSheet"));
    auto *page = new QWidget(tabs);
    tabs->addTab(page, QStringLiteral("Soubory"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(tabs);

    FilterComboBox = new QComboBox(page);
    FilterComboBox->setObjectName(QStringLiteral("FilterComboBox"));
    for (const PanelFilter &filter : kFilters)
        FilterComboBox->addItem(QString::fromUtf8(filter.description), QString::fromLatin1(filter.masks));

    DriveComboBox = new QComboBox(page);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString name = volume.displayName() == volume.rootPath()
                                 ? volume.rootPath()
                                 : QStringLiteral("%1 (%2)").arg(volume.rootPath(), volume.displayName());
        DriveComboBox->addItem(name, volume.rootPath());
    }

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    DirectoryListBox = new QTreeView(page);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox->hideColumn(column);
    DirectoryListBox->header()->hide();

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_files->setNameFilterDisables(false);
    FileListBox = new QListView(page);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setModel(m_files);
    FileListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox->setDragEnabled(true);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(FilterComboBox);
    layout->addWidget(DriveComboBox);
    layout->addWidget(DirectoryListBox, 1);
    layout->addWidget(FileListBox, 1);

    connect(FilterComboBox, &QComboBox::currentIndexChanged, this, &FilePanel::applyFilter);
    connect(DriveComboBox, &QComboBox::activated, this, &FilePanel::showVolume);
    connect(DirectoryListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { setFolder(m_folders->filePath(current)); });
    connect(FileListBox, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_openFile)
            m_openFile(m_files->filePath(index));
    });

    applyFilter(0);
    setFolder(QDir::currentPath());
}

void FilePanel::applyFilter(int index)
{
    m_files->setNameFilters(FilterComboBox->itemData(index).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts));
}

void FilePanel::showVolume(int index)
{
    setFolder(DriveComboBox->itemData(index).toString());
}

void FilePanel::setFolder(const QString &folder)
{
    if (folder.isEmpty() || folder == this->folder())
        return;
    FileListBox->setRootIndex(m_files->setRootPath(folder));
    const QModelIndex inTree = m_folders->index(folder);
    DirectoryListBox->setCurrentIndex(inTree);
    DirectoryListBox->scrollTo(inTree);
}

QString FilePanel::folder() const
{
    return m_files->rootPath();
}

QStringList FilePanel::listedFiles() const
{
    QStringList names;
    const QModelIndex root = FileListBox->rootIndex();
    for (int row = 0; row < m_files->rowCount(root); ++row)
        names.append(m_files->fileName(m_files->index(row, 0, root)));
    return names;
}
