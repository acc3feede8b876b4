#include "files/recovery_keeper.h"

#include "core/document_window.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "files/shutdown_guard.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(DocumentManager &documents, const QString &recoveryFolder, QObject *parent)
    : QObject(parent), m_documents(documents), m_folder(recoveryFolder), m_writer(new QObject),
      m_store(recoveryFolder)
{
    setObjectName(QStringLiteral("RecoveryKeeper"));
    // The writing thread's copy may be the first write past a file-size limit: it must fail, not
    // end the program with the very work it was keeping.
    ignoreFileSizeLimitSignal();
    m_thread.setObjectName(QStringLiteral("RecoveryWriter"));
    m_writer->moveToThread(&m_thread); // the thread starts with the first job

    m_quiet = new QTimer(this);
    m_quiet->setSingleShot(true);
    m_quiet->setInterval(kQuietMs);
    m_longestWait = new QTimer(this);
    m_longestWait->setSingleShot(true);
    m_longestWait->setInterval(kLongestWaitMs);
    connect(m_quiet, &QTimer::timeout, this, &RecoveryKeeper::copyNow);
    connect(m_longestWait, &QTimer::timeout, this, &RecoveryKeeper::copyNow);

    connect(&documents, &DocumentManager::documentEdited, this, &RecoveryKeeper::edited);
    connect(&documents, &DocumentManager::documentSaved, this, &RecoveryKeeper::forget);
    connect(&documents, &DocumentManager::documentClosed, this, &RecoveryKeeper::forget);
}

RecoveryKeeper::~RecoveryKeeper()
{
    // A clean exit: the documents were saved or their changes dropped on purpose.
    if (m_thread.isRunning()) {
        RecoveryStore *store = &m_store;
        QMetaObject::invokeMethod(m_writer, [store] { store->clear(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    delete m_writer;
}

template <typename Job>
void RecoveryKeeper::post(Job job)
{
    if (!m_thread.isRunning())
        m_thread.start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_writer, std::move(job), Qt::QueuedConnection);
}

int RecoveryKeeper::idOf(DocumentWindow *document)
{
    auto it = m_ids.find(document);
    if (it == m_ids.end())
        it = m_ids.insert(document, m_nextId++);
    return it.value();
}

void RecoveryKeeper::edited(DocumentWindow *document)
{
    if (!m_edited.contains(document)) {
        m_edited.insert(document);
        prepareRoom(document);
    }
    m_quiet->start(); // restarted by every edit
    if (!m_longestWait->isActive())
        m_longestWait->start();
}

void RecoveryKeeper::prepareRoom(DocumentWindow *document)
{
    const qint64 text = document->editor()->utf8Size();
    if (text < kPreparedRoomFrom)
        return;
    const qint64 size = text + text / 16 + 65536; // room to grow while the user types on
    const int id = idOf(document);
    // Not while the last copy is being written: one document's copies hold one text's memory at most.
    if (m_writing.contains(id) || m_preparing.contains(id) || m_rooms.value(id).capacity() >= size)
        return;
    m_preparing.insert(id);
    post([this, id, size] {
        QByteArray room(size, Qt::Uninitialized);
        for (qsizetype page = 0; page < room.size(); page += 4096)
            room.data()[page] = 0; // the system hands the page over now, on this thread
        QMetaObject::invokeMethod(this, [this, id, room] {
            m_preparing.remove(id);
            if (std::find(m_ids.cbegin(), m_ids.cend(), id) != m_ids.cend())
                m_rooms.insert(id, room); // its only other holder, this call, ends now
        }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::forget(DocumentWindow *document)
{
    // Saved: the file holds the text. Closed: the user answered the save question.
    m_edited.remove(document);
    const auto it = m_ids.constFind(document);
    if (it == m_ids.cend())
        return;
    const int id = it.value();
    m_ids.erase(it);
    m_rooms.remove(id);
    RecoveryStore *store = &m_store;
    post([store, id] { store->remove(id); });
}

void RecoveryKeeper::copyNow()
{
    m_quiet->stop();
    m_longestWait->stop();
    RecoveryStore *store = &m_store;
    bool waiting = false;
    for (DocumentWindow *document : QSet<DocumentWindow *>(m_edited)) {
        const int id = idOf(document);
        if (m_writing.contains(id)) {
            waiting = true; // one copy at a time; the next when this one is written
            continue;
        }
        m_edited.remove(document);
        const SyntaxEdit *editor = document->editor();
        if (!editor->isModified()) {
            post([store, id] { store->remove(id); });
            continue;
        }
        DocumentCopy copy;
        copy.caption = document->windowTitle();
        copy.highlighter = editor->highlighter();
        copy.lineBreak = editor->lineBreak();
        copy.encoding = editor->encoding();
        copy.lineCount = editor->lineCount();
        copy.maxLineWidth = editor->maxLineWidth();
        copy.written = QDateTime::currentDateTime();
        copy.utf8 = editor->utf8Text(m_rooms.take(id));
        m_writing.insert(id);
        post([this, store, id, document, copy = std::move(copy)] {
            const bool written = store->write(id, copy);
            if (!written)
                qWarning("Velinor: the recovery copy of %s could not be written", qPrintable(copy.caption));
            QMetaObject::invokeMethod(this, [this, id, document, written, caption = copy.caption] {
                m_writing.remove(id);
                if (written) {
                    m_failureReported = false;
                } else if (!m_failureReported) {
                    m_failureReported = true;
                    emit copyFailed(caption);
                }
                if (m_ids.value(document) != id)
                    return; // saved or closed meanwhile
                if (m_edited.contains(document))
                    prepareRoom(document); // edited while this copy was written
                emit copyWritten(document);
            }, Qt::QueuedConnection);
        });
    }
    if (waiting)
        m_quiet->start();
}

void RecoveryKeeper::waitForWrites()
{
    if (m_thread.isRunning())
        QMetaObject::invokeMethod(m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void RecoveryKeeper::writeCopiesNow()
{
    waitForWrites();
    // The answers of the copies just written wait in the queue: taken now, no document is left
    // waiting for its turn.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    copyNow();
    waitForWrites();
}

QString RecoveryKeeper::sessionFolder()
{
    if (!m_thread.isRunning())
        return {};
    QString folder;
    RecoveryStore *store = &m_store;
    QMetaObject::invokeMethod(m_writer, [store, &folder] { folder = store->sessionFolder(); },
                              Qt::BlockingQueuedConnection);
    return folder;
}

QStringList RecoveryKeeper::restore(std::shared_ptr<OrphanedCopies> found)
{
    QStringList unreadable;
    RecoveryStore *store = &m_store;
    for (const FoundCopy &entry : found->copies()) {
        const std::optional<DocumentCopy> copy = readDocumentCopy(entry.file);
        if (!copy) {
            unreadable.append(entry.caption);
            found->setAside(entry.file); // kept, not removed with its session
            continue;
        }
        SplitText text;
        text.utf8 = copy->utf8;
        text.lineCount = copy->lineCount;
        text.longestLine = std::max(0, copy->maxLineWidth - 1);
        text.lineBreak = copy->lineBreak;
        text.encoding = copy->encoding;
        DocumentWindow *document = m_documents.restoreDocument(copy->caption, text, copy->highlighter);
        const int id = idOf(document);
        const QString file = entry.file;
        post([store, id, file] { store->adopt(id, file); });
    }
    // After the copies have moved over: until then a crash would leave them where they were.
    post([found] { found->discard(); });
    return unreadable;
}
