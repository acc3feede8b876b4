#include "files/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

// A copy is one line of JSON describing the document, a line feed, then the text's bytes. The
// header states the text's size, so that a damaged copy is recognised instead of opened short.

namespace {

constexpr const char *kFormat = "velinor-recovery-1";
constexpr qint64 kLongestHeader = 64 * 1024;
const QString kLockName = QStringLiteral("lock");
const QString kCopySuffix = QStringLiteral(".copy");

template <typename Enum, size_t N>
QString nameOf(Enum value, const char *const (&names)[N])
{
    const auto index = size_t(value);
    return index < N ? QString::fromLatin1(names[index]) : QString();
}

template <typename Enum, size_t N>
std::optional<Enum> valueOf(const QString &name, const char *const (&names)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return Enum(i);
    return std::nullopt;
}

// Names in the order of the enums' values.
const char *const kHighlighterNames[] = {"html", "css", "javascript", "php", "sql", "xml"};
const char *const kLineBreakNames[] = {"CR", "LF", "CRLF"};
const char *const kEncodingNames[] = {"windows-1250", "UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE",
                                      "UTF-8 BOM"};

QByteArray headerOf(const DocumentCopy &copy)
{
    QJsonObject header;
    header.insert(QStringLiteral("format"), QString::fromLatin1(kFormat));
    header.insert(QStringLiteral("caption"), copy.caption);
    header.insert(QStringLiteral("highlighter"), nameOf(copy.highlighter, kHighlighterNames));
    header.insert(QStringLiteral("lineBreak"), nameOf(copy.lineBreak, kLineBreakNames));
    header.insert(QStringLiteral("encoding"), nameOf(copy.encoding, kEncodingNames));
    header.insert(QStringLiteral("lines"), copy.lineCount);
    header.insert(QStringLiteral("maxLineWidth"), copy.maxLineWidth);
    header.insert(QStringLiteral("written"), copy.written.toUTC().toString(Qt::ISODateWithMs));
    header.insert(QStringLiteral("size"), QString::number(copy.utf8.size()));
    return QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n';
}

// The header of a copy, with the text's size; nothing when the header is not a copy's.
std::optional<DocumentCopy> parseHeader(const QByteArray &line, qint64 *size)
{
    const QJsonObject header = QJsonDocument::fromJson(line).object();
    if (header.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return std::nullopt;
    const auto highlighter = valueOf<Highlighter>(header.value(QStringLiteral("highlighter")).toString(), kHighlighterNames);
    const auto lineBreak = valueOf<LineBreak>(header.value(QStringLiteral("lineBreak")).toString(), kLineBreakNames);
    const auto encoding = valueOf<TextEncoding>(header.value(QStringLiteral("encoding")).toString(), kEncodingNames);
    bool sizeRead = false;
    *size = header.value(QStringLiteral("size")).toString().toLongLong(&sizeRead);
    const int lines = header.value(QStringLiteral("lines")).toInt(-1);
    if (!highlighter || !lineBreak || !encoding || !sizeRead || *size < 0 || lines < 0)
        return std::nullopt;
    DocumentCopy copy;
    copy.caption = header.value(QStringLiteral("caption")).toString();
    copy.highlighter = *highlighter;
    copy.lineBreak = *lineBreak;
    copy.encoding = *encoding;
    copy.lineCount = lines;
    copy.maxLineWidth = std::max(0, header.value(QStringLiteral("maxLineWidth")).toInt());
    copy.written = QDateTime::fromString(header.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    return copy;
}

std::optional<DocumentCopy> readHeader(QFile &file, qint64 *size)
{
    const QByteArray line = file.readLine(kLongestHeader);
    if (!line.endsWith('\n'))
        return std::nullopt;
    auto copy = parseHeader(line, size);
    // A copy whose text is shorter or longer than its header says was damaged after it was written.
    if (copy && file.size() - file.pos() != *size)
        return std::nullopt;
    return copy;
}

std::unique_ptr<QLockFile> lockOf(const QString &session)
{
    auto lock = std::make_unique<QLockFile>(session + QLatin1Char('/') + kLockName);
    // A session lasts as long as its program runs, however long: the lock is stale only when the
    // program that took it no longer runs, never for its age.
    lock->setStaleLockTime(0);
    return lock;
}

// Removes a session's folder; its lock, held by the caller, goes last.
void removeSession(const QString &session, QLockFile &lock)
{
    QDir folder(session);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name != kLockName)
            folder.remove(name);
    lock.unlock();
    folder.removeRecursively();
}

} // namespace

// ---- the store of a running Velinor -------------------------------------------------------------

RecoveryStore::RecoveryStore(const QString &recoveryFolder) : m_root(recoveryFolder) {}

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::ensureSession()
{
    if (m_lock)
        return true;
    // A folder of its own, never one that exists already (a crashed session's, however named).
    QDir root(m_root);
    if (!root.mkpath(QStringLiteral(".")))
        return false;
    const QString name = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
    QString session;
    for (int attempt = 0; session.isEmpty() && attempt < 100; ++attempt) {
        const QString candidate = attempt == 0 ? name : name + QLatin1Char('-') + QString::number(attempt);
        if (root.mkdir(candidate))
            session = root.filePath(candidate);
    }
    if (session.isEmpty())
        return false;
    auto lock = lockOf(session);
    if (!lock->tryLock(0))
        return false;
    m_session = session;
    m_lock = std::move(lock);
    return true;
}

QString RecoveryStore::copyPath(int id) const
{
    return QDir(m_session).filePath(QString::number(id) + kCopySuffix);
}

bool RecoveryStore::hasCopy(int id) const
{
    return m_lock && QFile::exists(copyPath(id));
}

bool RecoveryStore::write(int id, const DocumentCopy &copy)
{
    if (!ensureSession())
        return false;
    QSaveFile file(copyPath(id));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray header = headerOf(copy);
    if (file.write(header) != header.size() || file.write(copy.utf8) != copy.utf8.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool RecoveryStore::adopt(int id, const QString &copyFile)
{
    if (!ensureSession())
        return false;
    QFile::remove(copyPath(id));
    return QFile::rename(copyFile, copyPath(id));
}

void RecoveryStore::remove(int id)
{
    if (m_lock)
        QFile::remove(copyPath(id));
}

void RecoveryStore::clear()
{
    if (!m_lock)
        return;
    // The lock goes last: until then no other Velinor takes the folder for a crashed one's.
    removeSession(m_session, *m_lock);
    m_lock.reset();
    m_session.clear();
}

// ---- copies of sessions that ended without cleaning up ------------------------------------------

std::shared_ptr<OrphanedCopies> OrphanedCopies::find(const QString &recoveryFolder)
{
    std::shared_ptr<OrphanedCopies> found(new OrphanedCopies);
    found->m_root = recoveryFolder;
    const QDir root(recoveryFolder);
    if (!root.exists())
        return found;
    const QString setAside = QFileInfo(setAsideFolder(recoveryFolder)).fileName();
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name == setAside)
            continue;
        const QString session = root.filePath(name);
        auto lock = lockOf(session);
        if (!lock->tryLock(0))
            continue; // its Velinor still runs
        QList<FoundCopy> copies;
        for (const QFileInfo &entry : QDir(session).entryInfoList({QLatin1Char('*') + kCopySuffix}, QDir::Files)) {
            QFile file(entry.filePath());
            qint64 size = 0;
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (const auto header = readHeader(file, &size))
                copies.append({entry.filePath(), header->caption, header->written});
            else
                found->setAside(entry.filePath());
        }
        if (copies.isEmpty()) {
            // Nothing to offer: an exit that was cut short, or only damaged copies, now set aside.
            removeSession(session, *lock);
            continue;
        }
        found->m_sessions.append(session);
        found->m_locks.push_back(std::move(lock));
        found->m_copies.append(copies);
    }
    std::stable_sort(found->m_copies.begin(), found->m_copies.end(),
                     [](const FoundCopy &a, const FoundCopy &b) { return a.written < b.written; });
    return found;
}

OrphanedCopies::~OrphanedCopies() = default;

QString OrphanedCopies::setAsideFolder(const QString &recoveryFolder)
{
    return QDir(recoveryFolder).filePath(QStringLiteral("poskozene"));
}

void OrphanedCopies::setAside(const QString &copyFile)
{
    QDir folder(setAsideFolder(m_root));
    if (!folder.mkpath(QStringLiteral(".")))
        return; // it stays where it is, and goes with its session
    // Named after its session, which is unique: "<session>-<n>.copy".
    const QFileInfo copy(copyFile);
    const QString base = copy.dir().dirName() + QLatin1Char('-') + copy.completeBaseName();
    QString target = folder.filePath(base + kCopySuffix);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder.filePath(QStringLiteral("%1-%2%3").arg(base).arg(n).arg(kCopySuffix));
    if (QFile::rename(copyFile, target))
        m_setAside.append(target);
}

void OrphanedCopies::discard()
{
    for (size_t i = 0; i < m_locks.size(); ++i)
        removeSession(m_sessions.at(int(i)), *m_locks[i]);
    m_locks.clear();
    m_sessions.clear();
    m_copies.clear();
}

std::optional<DocumentCopy> readDocumentCopy(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    qint64 size = 0;
    auto copy = readHeader(file, &size);
    if (!copy)
        return std::nullopt;
    copy->utf8 = file.read(size);
    if (copy->utf8.size() != size)
        return std::nullopt;
    return copy;
}
