#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridePath()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::setPath(const QString &folder)
{
    overridePath() = folder;
}

QString ProgramFolder::file(const QString &relative)
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return QDir::cleanPath(path() + QLatin1Char('/') + rel);
}

bool ProgramFolder::ensureFolder(const QString &relative)
{
    return QDir().mkpath(file(relative));
}

QString fileNameOf(const QString &path)
{
    const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
