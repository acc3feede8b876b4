#include "base/file_write.h"

#include "base/program_folder.h"
#include "base/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeThroughTemporaryFile(const QString &path, const QByteArray &bytes, bool *openRefused)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows here instead of vanishing in a flush
    // that reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *openRefused = true;
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

// Writes all of `bytes` from the start of the open file, cuts it to that length and flushes it to
// the disk.
bool overwrite(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// A copy of the old contents in the recovery folder, on the disk before the file is touched.
// Empty when it could not be made.
QString secureCopy(const QString &path, const QByteArray &old)
{
    if (!ProgramFolder::ensureFolder(ProgramFile::RecoveryFolder))
        return {};
    QTemporaryFile copy(ProgramFolder::file(ProgramFile::RecoveryFolder) + QLatin1Char('/')
                        + QFileInfo(path).fileName() + QStringLiteral(".XXXXXX.original"));
    copy.setAutoRemove(false);
    if (!copy.open())
        return {};
    const bool kept = copy.write(old) == old.size() && copy.flush() && ::fsync(copy.handle()) == 0;
    copy.close();
    if (!kept) {
        copy.remove();
        return {};
    }
    return copy.fileName();
}

bool writeInPlace(const QString &path, const QByteArray &bytes, QString *keptCopy)
{
    QFile reader(path);
    if (!openRegularFile(reader))
        return false;
    const QByteArray old = reader.readAll();
    if (reader.error() != QFileDevice::NoError)
        return false;
    reader.close();
    // Opened before the copy is made: a file the user may not write costs no copy.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info {};
    bool written = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const QString copy = secureCopy(path, old);
        if (!copy.isEmpty()) {
            written = overwrite(fd, bytes);
            if (written || overwrite(fd, old))
                QFile::remove(copy);
            else if (keptCopy)
                *keptCopy = copy;
        }
    }
    ::close(fd);
    return written;
}

} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *keptCopy)
{
    // A write past the file-size limit must fail like a full disk, not end the program through
    // SIGXFSZ with the document unsaved.
    static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(fileSizeSignalIgnored);
    bool openRefused = false;
    if (writeThroughTemporaryFile(path, bytes, &openRefused))
        return true;
    // Only a file that is there already is written in place; a new one needs the folder anyway.
    return openRefused && QFileInfo::exists(path) && writeInPlace(path, bytes, keptCopy);
}
