#pragma once

#include "dialogs/element_dialog.h"
#include "tools/gallery_generator.h"

#include <QStringList>

class FolderBrowser;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Tvorba galerie": pictures dragged from the file list into the picture list become a table of
// pictures inserted at the caret, with a link to the chosen stylesheet. "&Upravit" closes the tool
// and leaves the stylesheet's path in stylesheetToEdit() for the caller to open.
class TGalerie_Form : public ElementDialog
{
    Q_OBJECT

public:
    TGalerie_Form(QWidget *parent, DocumentSource documents);

    GalleryFields fields() const;
    FolderBrowser *browser() const { return m_browser; }
    // The stylesheet "&Upravit" asked to edit; empty when it was not pressed.
    QString stylesheetToEdit() const { return m_stylesheetToEdit; }

    // The file list's selected entries, top to bottom, join the picture list.
    void lb_SnimkyDragDrop();
    void Serad();
    void Smaz();
    void Smaz_vsechny();

private:
    void Styl_CheckBoxClick(bool checked);
    void Styl_EditChange(const QString &path);
    void Vytvorit_ButtonClick();
    void Styl_Upravit_ButtonClick();
    void showPictures();

    QStringList m_pictures; // what lb_Snimky shows, in its order
    bool m_sorted = false;  // once "Seřaď" was chosen, for the rest of the dialog's life
    QString m_stylesheetToEdit;

    FolderBrowser *m_browser;
    QListWidget *lb_Snimky;
    QLabel *PocetPolozek_Label;
    QLineEdit *Sloupce_Edit;
    QLineEdit *Edit_Sirka;
    QLineEdit *Edit_Vyska;
    QLineEdit *Styl_Edit;
    QCheckBox *Styl_CheckBox;
    QPushButton *Najitstyl_Button;
    QPushButton *Styl_Upravit_Button;
};

// The stylesheet the gallery links to unless another is chosen: wgal/default.css beside the program.
QString defaultGalleryStylesheet();
