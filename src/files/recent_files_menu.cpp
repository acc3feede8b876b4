#include "files/recent_files_menu.h"

#include "base/program_folder.h"
#include "core/command_registry.h"
#include "core/document_window.h"
#include "files/document_manager.h"
#include "files/file_commands.h"
#include "files/recent_list.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

RecentFilesMenu::RecentFilesMenu(DocumentManager &documents, QMenu *menu, QObject *parent)
    : QObject(parent), m_documents(documents), m_menu(menu)
{
    setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(&documents, &DocumentManager::documentOpened, this,
            [this](DocumentWindow *, const QString &path) { remember(path); });
    connect(&documents, &DocumentManager::documentSaved, this,
            [this](DocumentWindow *, const QString &path) { remember(path); });
    connect(menu, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
    rebuild(); // the menu has its items before it first opens (for keyboard navigation and tests)
}

QString RecentFilesMenu::listFile()
{
    return ProgramFolder::file(ProgramFile::RecentFilesList);
}

void RecentFilesMenu::remember(const QString &path)
{
    const QString file = listFile();
    const QStringList before = readRecentList(file);
    const QStringList after = withRecentFile(before, QFileInfo(path).absoluteFilePath());
    if (after != before)
        writeRecentList(file, after);
}

void RecentFilesMenu::open(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        const QString file = listFile();
        writeRecentList(file, withoutRecentFile(readRecentList(file), path));
        QMessageBox::information(m_menu->window(), m_menu->window()->windowTitle(),
                                 QStringLiteral("Soubor %1 už neexistuje. Ze seznamu naposledy otevřených souborů byl odebrán.")
                                     .arg(path));
        return;
    }
    DocumentManager *documents = &m_documents;
    runReportingErrors([documents, path] { openAsOpenDialog(*documents, path); });
}

void RecentFilesMenu::clear()
{
    writeRecentList(listFile(), {});
}

void RecentFilesMenu::rebuild()
{
    m_menu->clear();
    const QStringList list = readRecentList(listFile());
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction *entry = m_menu->addAction(recentMenuCaption(i, path));
        entry->setObjectName(QStringLiteral("NaposledyOtevrene_%1").arg(i + 1));
        entry->setStatusTip(QStringLiteral("Otevře soubor %1").arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (list.isEmpty())
        m_menu->addAction(QStringLiteral("Žádné soubory"))->setEnabled(false);
    m_menu->addSeparator();
    QAction *clearList = m_menu->addAction(QStringLiteral("&Vymazat seznam"));
    clearList->setObjectName(QStringLiteral("VymazatSeznam"));
    clearList->setStatusTip(QStringLiteral("Vymaže seznam naposledy otevřených souborů"));
    clearList->setEnabled(!list.isEmpty());
    connect(clearList, &QAction::triggered, this, &RecentFilesMenu::clear);
}
