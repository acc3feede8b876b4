#pragma once

#include "widgets/picture_files.h"

#include <QAbstractItemView>
#include <QWidget>

#include <vector>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QListWidgetItem;
class QTreeView;

// A drive list, a folder tree, a filter list and the list of the chosen folder's files matching the
// filter, linked to each other: the picture browsers of the image dialog and the gallery tool.
// The file list holds bare names; it starts at the process's current folder with the first filter.
class FolderBrowser : public QWidget
{
    Q_OBJECT

public:
    FolderBrowser(const std::vector<PictureFilter> &filters, QAbstractItemView::SelectionMode selection,
                  QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    // Moves the drive list, the folder tree and the file list to the folder.
    void setFolder(const QString &folder);

    QListWidget *fileList() const { return FileListBox; }
    // The full path of an entry of the file list.
    QString pathOf(const QListWidgetItem *item) const;
    // The selected entries of the file list, from top to bottom.
    QStringList selectedNames() const;

private:
    void DriveComboBoxChange(int index);
    void DirectoryListBoxChange();
    void fillFileList();

    QComboBox *DriveComboBox;
    QTreeView *DirectoryListBox;
    QFileSystemModel *m_folders;
    QComboBox *FilterComboBox;
    QListWidget *FileListBox;
    QString m_folder;
};
