#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class QTabWidget;

// "Nový...": the eight kinds of new document. The chosen kind's position is read by the caller.
class TSelectNewDocumentForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSelectNewDocumentForm(QWidget *parent = nullptr);

    int selectedKind() const; // -1 when none is selected

private:
    QTabWidget *PageBox;
    QListWidget *ListBoxNewFile;
    QListWidget *ListBoxTemplate;
    QPushButton *OKSelectNewDocumentForm;
    QPushButton *StornoSelectNewDocumentForm;
};
