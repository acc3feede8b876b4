#pragma once

#include <QObject>
#include <QString>

class DocumentManager;
class QMenu;

// The submenu "Naposledy otevřené" of "&Soubor": every file the document manager opens or saves
// goes first into the list file; the menu shows the list when it opens, newest first, numbered as
// access keys, and "Vymazat seznam" below. Choosing a file opens it as the open dialog does; a file
// that is gone is said so and leaves the list. The list is read from its file each time, so it is
// the same whichever way it was last changed.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    RecentFilesMenu(DocumentManager &documents, QMenu *menu, QObject *parent);

    // setup/naposledy.txt of the current program folder.
    static QString listFile();

    void remember(const QString &path);
    void open(const QString &path);
    void clear();

private:
    void rebuild();

    DocumentManager &m_documents;
    QMenu *m_menu;
};
