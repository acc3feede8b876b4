#pragma once

#include "dialogs/img_generator.h"
#include "dialogs/record_dialog.h"

class FolderBrowser;
class QLabel;
class QListWidgetItem;
class QScrollArea;

DialogRecord<ImgFields> imgRecord();

// "Obrázek": the img element, with a picture browser beside the fields. A single click on a file
// previews the picture at its natural size; a double click takes the file's full path.
class TIMG_Form : public RecordDialog<ImgFields>
{
    Q_OBJECT

public:
    TIMG_Form(QWidget *parent, DocumentSource documents);

    // The folder the file list shows; the browser starts at the process's current folder.
    QString folder() const;
    // Moves the drive list, the folder tree and the file list to the folder.
    void setFolder(const QString &folder);

private:
    void FileListBoxClick(QListWidgetItem *item);
    void FileListBoxDblClick(QListWidgetItem *item);
    QWidget *buildBrowser();

    FolderBrowser *m_browser;
    QScrollArea *ScrollBox_SampleImage;
    QLabel *SampleImage;
};
