#include "dialogs/element_dialog.h"

#include "core/command_registry.h"
#include "base/velinor_error.h"
#include "editor/edit.h"
#include "editor/text_document.h"

#include <QKeyEvent>

ElementDialog::ElementDialog(QWidget *parent, DocumentSource documents, const char *objectName, const QString &caption)
    : QDialog(parent), m_documents(std::move(documents))
{
    setObjectName(QString::fromUtf8(objectName));
    setWindowTitle(caption);
    setModal(true);
}

ElementDialog::Outcome ElementDialog::insertEdit(const Edit &edit)
{
    TextDocument *document = m_documents ? m_documents() : nullptr;
    if (!document)
        return Outcome::NoDocument;
    try {
        apply(edit, *document);
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
        return Outcome::Failed;
    }
    return Outcome::Inserted;
}

void ElementDialog::insertAndClose(const Edit &edit)
{
    if (insertEdit(edit) == Outcome::Inserted)
        accept();
}

void ElementDialog::keyPressEvent(QKeyEvent *event)
{
    // Neither Escape nor Enter stands for a button of an element dialog.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
