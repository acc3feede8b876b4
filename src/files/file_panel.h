#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

// "Panel zdrojů": a filter list, the mounted volumes, a folder tree and the filtered file list,
// linked to each other. A double click on a file hands its full path to `openFile`.
class FilePanel : public QWidget
{
    Q_OBJECT

public:
    explicit FilePanel(std::function<void(const QString &)> openFile, QWidget *parent = nullptr);

    void setFolder(const QString &folder);
    QString folder() const;
    QStringList listedFiles() const; // the names the file list shows now

private:
    void applyFilter(int index);
    void showVolume(int index);

    std::function<void(const QString &)> m_openFile;
    QComboBox *FilterComboBox;
    QComboBox *DriveComboBox;
    QTreeView *DirectoryListBox;
    QListView *FileListBox;
    QFileSystemModel *m_folders;
    QFileSystemModel *m_files;
};
