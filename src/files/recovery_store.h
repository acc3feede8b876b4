#pragma once

#include "base/text_file.h"
#include "editor/highlighter_kinds.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// What a recovery copy holds: an unsaved document's text as the editing component keeps it (UTF-8,
// lines joined by "\n") and what is needed to open it again as it was and save it where its file is.
struct DocumentCopy
{
    QString caption; // the window's caption; "Uložit" writes under it
    Highlighter highlighter = Highlighter::Html;
    LineBreak lineBreak = LineBreak::CRLF;
    TextEncoding encoding = TextEncoding::Windows1250;
    int lineCount = 0;
    int maxLineWidth = 0; // the caret's range in columns
    QDateTime written;    // when the copy was taken
    QByteArray utf8;
};

// The copies of one running Velinor, in a folder of their own below the recovery folder. The
// folder is made, and locked against other instances, when the first copy is written; a clean exit
// removes it. Not thread-safe: one thread uses a store.
class RecoveryStore
{
public:
    explicit RecoveryStore(const QString &recoveryFolder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // Replaces the copy of document `id` as a whole: either the new copy is complete or the old one
    // stays. False when it could not be written.
    bool write(int id, const DocumentCopy &copy);
    // Takes over a copy found after a crash (moved, not rewritten) as the copy of document `id`.
    bool adopt(int id, const QString &copyFile);
    void remove(int id);
    // Removes every copy and the folder (a clean exit).
    void clear();

    QString sessionFolder() const { return m_session; } // empty until the first copy
    bool hasCopy(int id) const;

private:
    bool ensureSession();
    QString copyPath(int id) const;

    QString m_root;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
};

// A copy left behind by a Velinor that ended without cleaning up: its caption and time, read
// without its text.
struct FoundCopy
{
    QString file;
    QString caption;
    QDateTime written;
};

// The copies of every session whose Velinor no longer runs (killed, crashed). While this object
// lives, those sessions are locked, so that a second Velinor starting now does not offer them too.
class OrphanedCopies
{
public:
    // Copies that cannot be read are set aside on the way (they may still hold text someone can
    // save by hand); sessions that are then left with no copy are removed.
    static std::shared_ptr<OrphanedCopies> find(const QString &recoveryFolder);
    ~OrphanedCopies();

    // Oldest first.
    const QList<FoundCopy> &copies() const { return m_copies; }
    // Moves a copy that cannot be read into setAsideFolder(), never overwriting one kept there.
    void setAside(const QString &copyFile);
    // The copies set aside by this object, where they are now.
    const QStringList &setAsideFiles() const { return m_setAside; }
    // The folder below the recovery folder where they are kept; it is not a session.
    static QString setAsideFolder(const QString &recoveryFolder);
    // Removes the sessions' folders, whatever copies are left in them.
    void discard();

private:
    OrphanedCopies() = default;
    QString m_root;
    std::vector<std::unique_ptr<QLockFile>> m_locks;
    QStringList m_sessions;
    QList<FoundCopy> m_copies;
    QStringList m_setAside;
};

// Reads a copy whole; nothing when the file is not a complete copy.
std::optional<DocumentCopy> readDocumentCopy(const QString &file);
