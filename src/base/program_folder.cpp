#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString userFolderFor(const QString &programFolder, ProgramFolderKind kind, const QString &dataHome)
{
    if (kind == ProgramFolderKind::WritableCopy || dataHome.isEmpty())
        return programFolder;
    return QDir::cleanPath(dataHome + QStringLiteral("/velinor"));
}

ProgramFolderKind ProgramFolder::kind()
{
    if (QFileInfo::exists(file(ProgramFile::InstallationMark)))
        return ProgramFolderKind::Installed;
    return QFileInfo(path()).isWritable() ? ProgramFolderKind::WritableCopy : ProgramFolderKind::ReadOnlyCopy;
}

QString ProgramFolder::userPath()
{
    return userFolderFor(path(), kind(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString ProgramFolder::file(const QString &relative)
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    const QString top = rel.section(QLatin1Char('/'), 0, 0);
    const bool usersOwn = top == QLatin1String("setup") || top == QLatin1String("projekty")
                          || top == QLatin1String("recovery");
    return QDir::cleanPath((usersOwn ? userPath() : path()) + QLatin1Char('/') + rel);
}

QString ProgramFolder::relativeName(ProgramFile which)
{
    switch (which) {
    case ProgramFile::SetupFolder: return QStringLiteral("setup");
    case ProgramFile::SettingsFile: return QStringLiteral("setup/setup.ini");
    case ProgramFile::EmailFile: return QStringLiteral("setup/email.ini");
    case ProgramFile::LocalLinkFile: return QStringLiteral("setup/local_link.ini");
    case ProgramFile::RecentFilesList: return QStringLiteral("setup/naposledy.txt");
    case ProgramFile::ProjectFolder: return QStringLiteral("projekty");
    case ProgramFile::RecoveryFolder: return QStringLiteral("recovery");
    case ProgramFile::HelpFolder: return QStringLiteral("help");
    case ProgramFile::ProgramHelp: return QStringLiteral("help/napoveda.html");
    case ProgramFile::TagHelp: return QStringLiteral("help/napoveda_tagy.html");
    case ProgramFile::ExampleFolder: return QStringLiteral("examples");
    case ProgramFile::GalleryFolder: return QStringLiteral("wgal");
    case ProgramFile::InstallationMark: return QStringLiteral("installed");
    }
    return {};
}

QString ProgramFolder::file(ProgramFile which)
{
    return file(relativeName(which));
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
