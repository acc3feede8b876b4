#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;

// "Skupina písem": puts together a group of faces from the installed font families, written into
// the calling dialog's face box as "A, B, C" (the order of the group list).
class TFontGroupForm : public QDialog
{
    Q_OBJECT

public:
    // `currentFaces`: the face box's text; the faces it names start in the group.
    TFontGroupForm(QWidget *parent, const QString &currentFaces);

    QString groupText() const;

private:
    void addSelected();
    void addAll();
    void removeSelected();
    void removeAll();
    void sortGroup();
    void selectWholeGroup();
    void showPreview();

    QListWidget *Skupina_ListBox;
    QListWidget *Pisma_ListBox;
    QCheckBox *Nahled_CheckBox;
    QLabel *Nahled_Label;
};
