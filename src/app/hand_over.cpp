#include "app/hand_over.h"

#include <QCryptographicHash>
#include <QDir>
#include <QUrl>

namespace {

const QByteArray kHeader = QByteArrayLiteral("velinor-predani 1");
const QByteArray kFileKey = QByteArrayLiteral("soubor ");
const QByteArray kEnd = QByteArrayLiteral("konec");
// More than any list of files a desktop passes: whatever is longer is not Velinor's message.
constexpr qsizetype kLongestMessage = 4 * 1024 * 1024;

} // namespace

QByteArray encodeHandOver(const QStringList &files)
{
    QByteArray message = kHeader + '\n';
    for (const QString &file : files)
        message += kFileKey + QUrl::toPercentEncoding(file, "/") + '\n';
    return message + kEnd + '\n';
}

HandOverMessage decodeHandOver(const QByteArray &received)
{
    const HandOverMessage invalid{HandOverMessage::State::Invalid, {}};
    if (received.size() > kLongestMessage)
        return invalid;
    QList<QByteArray> lines = received.split('\n');
    const QByteArray arriving = lines.takeLast(); // after the last line break: a line still arriving
    if (lines.isEmpty())
        return kHeader.startsWith(arriving) ? HandOverMessage{} : invalid;
    if (lines.first() != kHeader)
        return invalid;
    QStringList files;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line == kEnd) // nothing may follow the end
            return i + 1 == lines.size() && arriving.isEmpty() ? HandOverMessage{HandOverMessage::State::Complete, files}
                                                               : invalid;
        if (!line.startsWith(kFileKey))
            return invalid;
        const QString file = QUrl::fromPercentEncoding(line.mid(kFileKey.size()));
        if (!QDir::isAbsolutePath(file))
            return invalid;
        files.append(file);
    }
    return HandOverMessage{};
}

QString instanceServerName(const QString &runtimeFolder, uint userId, const QString &programFolder)
{
    const QByteArray folder = QCryptographicHash::hash(QDir::cleanPath(programFolder).toUtf8(), QCryptographicHash::Sha256);
    return QDir::cleanPath(runtimeFolder) + QStringLiteral("/velinor-%1-%2").arg(userId).arg(QString::fromLatin1(folder.toHex().left(12)));
}
