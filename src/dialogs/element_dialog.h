#pragma once

#include "core/document_source.h"

#include <QDialog>

class Edit;

// The common behaviour of element dialogs: modal, made anew for every command, closed by the back
// button or the close box without inserting. Escape does not close it and Enter presses nothing.
//
// A dialog reads its fields into a plain struct, runs its generator and hands the Edit to
// insertEdit/insertAndClose. With no active document nothing is inserted and the dialog stays
// open; an edit that fails half-way keeps what it inserted, reports the failure through the
// general error report, and the dialog stays open.
class ElementDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Outcome { Inserted, NoDocument, Failed };

    ElementDialog(QWidget *parent, DocumentSource documents, const char *objectName, const QString &caption);

protected:
    Outcome insertEdit(const Edit &edit);
    // insertEdit, then close the dialog when it inserted.
    void insertAndClose(const Edit &edit);

    void keyPressEvent(QKeyEvent *event) override;

private:
    DocumentSource m_documents;
};
