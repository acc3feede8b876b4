#include "files/recent_list.h"

#include "base/file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The form a path is listed in; empty when it cannot be listed.
QString listedForm(const QString &path)
{
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')) || !QDir::isAbsolutePath(path))
        return QString();
    return QDir::cleanPath(path);
}

} // namespace

QStringList withRecentFile(const QStringList &list, const QString &path)
{
    const QString listed = listedForm(path);
    if (listed.isEmpty())
        return list;
    QStringList result = withoutRecentFile(list, listed);
    result.prepend(listed);
    while (result.size() > kRecentFilesKept)
        result.removeLast();
    return result;
}

QStringList withoutRecentFile(const QStringList &list, const QString &path)
{
    const QString listed = QDir::cleanPath(path);
    QStringList result;
    for (const QString &entry : list)
        if (QDir::cleanPath(entry) != listed)
            result.append(entry);
    return result;
}

QStringList parseRecentList(const QByteArray &bytes)
{
    QStringList list;
    for (const QByteArray &line : bytes.split('\n')) {
        QByteArray trimmed = line;
        if (trimmed.endsWith('\r'))
            trimmed.chop(1);
        const QString listed = listedForm(QString::fromUtf8(trimmed));
        if (!listed.isEmpty() && !list.contains(listed) && list.size() < kRecentFilesKept)
            list.append(listed);
    }
    return list;
}

QByteArray formatRecentList(const QStringList &list)
{
    QByteArray bytes;
    for (const QString &path : list)
        bytes += path.toUtf8() + '\n';
    return bytes;
}

QStringList readRecentList(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return {};
    return parseRecentList(input.readAll());
}

bool writeRecentList(const QString &file, const QStringList &list)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    return writeWholeFile(file, formatRecentList(list));
}

QString recentMenuCaption(int index, const QString &path)
{
    const int number = index + 1;
    const QString key = number < 10 ? QStringLiteral("&%1").arg(number) : QStringLiteral("%1&%2").arg(number / 10).arg(number % 10);
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return key + QLatin1Char(' ') + shown;
}
