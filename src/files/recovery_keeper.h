#pragma once

#include "files/recovery_store.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThread>

#include <memory>

class DocumentManager;
class QTimer;
class DocumentWindow;

// Keeps a copy of every modified document in the recovery folder while Velinor runs, so that the
// work survives a crash or a kill. Edits only restart a timer: the copies are taken once typing
// pauses (or, while it goes on, every few seconds) and written by a thread of their own. Saving or
// closing a document removes its copy; destroying the keeper (a clean exit) removes them all.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    // Copies are taken this long after the last edit, and at the latest this long after the first
    // edit not yet copied.
    static constexpr int kQuietMs = 1000;
    static constexpr int kLongestWaitMs = 5000;
    // From this size on, the memory a copy goes into is made ready by the writing thread while the
    // user types: fresh memory costs the copy far more than the copying itself.
    static constexpr qint64 kPreparedRoomFrom = 1 << 20;

    RecoveryKeeper(DocumentManager &documents, const QString &recoveryFolder, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    QString recoveryFolder() const { return m_folder; }

    // Opens the found copies as modified documents under their old captions (DocumentManager::
    // restoreDocument: no two windows save to one file); their copies become this session's. The
    // sessions they came from are removed. Returns the captions of copies that could not be read;
    // those are set aside (OrphanedCopies::setAside).
    QStringList restore(std::shared_ptr<OrphanedCopies> found);

    // Takes the copies of the documents edited since their last copy now, without waiting.
    void copyNow();
    // Blocks until every copy asked for so far is on disk (or has failed).
    void waitForWrites();
    // Takes the copies of every document edited since its last copy, those whose earlier copy is
    // still on its way too, and returns when all are on disk: the program is about to end.
    void writeCopiesNow();
    // The folder of this session's copies; empty before the first copy.
    QString sessionFolder();

signals:
    // A copy of the document reached the disk.
    void copyWritten(DocumentWindow *document);
    // A copy could not be written (a full disk, a file-size limit): said once, until a copy is
    // written again.
    void copyFailed(const QString &caption);

private:
    int idOf(DocumentWindow *document);
    void edited(DocumentWindow *document);
    void forget(DocumentWindow *document);
    void prepareRoom(DocumentWindow *document);
    // Runs the job on the writing thread, after every job posted before it; the first job starts
    // the thread, so that a start-up and a session without edits cost nothing.
    template <typename Job>
    void post(Job job);

    DocumentManager &m_documents;
    QString m_folder;
    QThread m_thread;
    QObject *m_writer;     // lives on m_thread: the jobs run in its event loop
    RecoveryStore m_store; // used on m_thread only
    QTimer *m_quiet;
    QTimer *m_longestWait;
    QHash<DocumentWindow *, int> m_ids;
    int m_nextId = 1;
    QSet<DocumentWindow *> m_edited; // edited since their last copy
    QSet<int> m_writing;         // copies on their way to the disk
    QHash<int, QByteArray> m_rooms; // memory made ready for the next copy of large documents
    QSet<int> m_preparing;
    bool m_failureReported = false;
};
