#pragma once

#include <QObject>
#include <QPrinter>

class CommandRegistry;
class QWidget;
class TChildForm;
class TMainForm;

// The commands of the "&Soubor" menu: new, open, save, save as, save all, close, close all,
// print and printer set-up, the new-document dialog and the two template commands, and opening
// files from the file panel.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(TMainForm &mainForm);

    void NewClick();
    void Otevri();
    void openFile(const QString &path);            // as the open dialog does: caption = full path
    void FileListBoxDblClick(const QString &path); // one window per matching kind rule
    void UlozitClick();
    void Ulozit_jakoClick();
    void UlozitvseClick();
    void ZavritClick();
    bool ZavritvseClick(); // false when a window stayed open
    void TiskClick();
    void Nastaveni_tiskarnyClick();
    void NoveClick();
    void createNewDocument(int kind); // a kind of the new-document dialog
    void SablonaHTMLClick();
    void SablonaXMLClick();

    QPrinter &printer() { return m_printer; }

    // Where "&Uložit" writes a window: its caption inside projekty/, or the caption itself when it
    // is a full path (a file opened through the open dialog is saved back to that file).
    static QString saveTarget(const QString &caption);

private:
    bool writeDocument(TChildForm *child, const QString &path); // false after reporting a failure
    // Asks about a modified window before closing it; false when it must stay open.
    bool confirmClose(TChildForm *child, const QString &question);

    TMainForm &m_mainForm;
    QPrinter m_printer;
    QString m_lastOpenPath;
    QString m_lastOpenFilter;
};

void registerFileCommands(TMainForm &mainForm, CommandRegistry &registry);

// The file panel of the dock "Panel zdrojů", opening files through the main window's file commands.
QWidget *createFilePanel(TMainForm &mainForm, QWidget *parent);
