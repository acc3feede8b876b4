#pragma once

#include <QObject>
#include <QPrinter>

class CommandRegistry;
class DocumentManager;
class QWidget;
class DocumentWindow;

// The commands of the "&Soubor" menu: new, open, save, save as, save all, close, close all,
// print and printer set-up, the new-document dialog and the two template commands, and opening
// files from the file panel. The documents' life is the document manager's; these are its menu.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(DocumentManager &documents, QWidget *dialogParent);

    void NewClick();
    void Otevri();
    void openFile(const QString &path);            // as the open dialog does: caption = full path
    void FileListBoxDblClick(const QString &path); // one window per matching kind rule
    void TiskClick(DocumentWindow *document);
    void Nastaveni_tiskarnyClick();
    void NoveClick();
    void createNewDocument(int kind); // a kind of the new-document dialog
    void SablonaHTMLClick();
    void SablonaXMLClick();

    QPrinter &printer() { return m_printer; }

private:
    DocumentManager &m_documents;
    QWidget *m_dialogParent;
    QPrinter m_printer;
};

// Registers the file commands; they live as long as `owner`.
void registerFileCommands(CommandRegistry &registry, DocumentManager &documents, QWidget *owner);

// Opens the file as the open dialog does: one window captioned with the full path, in the language
// of the last matching kind rule (HTML, and the panel says so, when none matches). Raises
// VelinorError when the file cannot be read.
void openAsOpenDialog(DocumentManager &documents, const QString &path);

// Opens the file once per matching kind rule, each window named after the file.
void openByKindRules(DocumentManager &documents, const QString &path);

// The file panel of the dock "Panel zdrojů", opening files as the file commands do.
QWidget *createFilePanel(DocumentManager &documents, QWidget *parent);
