#pragma once

#include "dialogs/element_dialog.h"
#include "dialogs/img_generator.h"

class QCheckBox;
class QComboBox;
class FolderBrowser;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollArea;
class UpDown;

// "Obrázek": the img element, with a picture browser beside the fields. A single click on a file
// previews the picture at its natural size; a double click takes the file's full path.
class TIMG_Form : public ElementDialog
{
    Q_OBJECT

public:
    TIMG_Form(QWidget *parent, DocumentSource documents);

    ImgFields fields() const;

    // The folder the file list shows; the browser starts at the process's current folder.
    QString folder() const;
    // Moves the drive list, the folder tree and the file list to the folder.
    void setFolder(const QString &folder);

private:
    void Vlozit_ButtonClick();
    void FileListBoxClick(QListWidgetItem *item);
    void FileListBoxDblClick(QListWidgetItem *item);
    QWidget *buildBrowser();

    QLineEdit *Cesta_Edit;
    QComboBox *Zarovnani_ComboBox;
    QLineEdit *AltText_Edit;
    QLineEdit *Vyska_Edit;
    UpDown *Vyska_UpDown;
    QCheckBox *UkazatVyska_CheckBox;
    QLineEdit *Sirka_Edit;
    UpDown *Sirka_UpDown;
    QCheckBox *UkazatSirka_CheckBox;
    QLineEdit *VOkraj_Edit;
    UpDown *VOkraj_UpDown;
    QCheckBox *UkazatVOkraj_CheckBox;
    QLineEdit *HOkraj_Edit;
    UpDown *HOkraj_UpDown;
    QCheckBox *UkazatHOkraj_CheckBox;
    QLineEdit *Ramecek_Edit;
    UpDown *Ramecek_UpDown;
    QCheckBox *UkazatRamecek_CheckBox;
    QPushButton *Vlozit_Button;
    QPushButton *Zpet_Button;

    FolderBrowser *m_browser;
    QScrollArea *ScrollBox_SampleImage;
    QLabel *SampleImage;
};
