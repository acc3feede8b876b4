#include "files/save_target.h"

#include "base/velinor_error.h"

#include <QDir>

namespace {

QString joined(const QString &caption, const QString &projectFolder)
{
    return projectFolder + QLatin1Char('/') + caption; // the whole caption, unchanged
}

// Decided on the path's text, as the caption spells it: "a..b" and "sub/../a" stay inside, "../a"
// and "sub/../../a" do not. A link the user made inside the folder is the user's own choice.
bool staysInside(const QString &path, const QString &folder)
{
    const QString cleanFolder = QDir::cleanPath(folder);
    const QString cleanPath = QDir::cleanPath(path);
    return cleanPath.startsWith(cleanFolder + QLatin1Char('/')) && cleanPath.size() > cleanFolder.size() + 1;
}

} // namespace

QString captionPath(const QString &caption, const QString &projectFolder)
{
    return QDir::isAbsolutePath(caption) ? caption : joined(caption, projectFolder);
}

QString projectFileFor(const QString &caption, const QString &projectFolder)
{
    const QString path = joined(caption, projectFolder);
    if (QDir::isAbsolutePath(caption) || !staysInside(path, projectFolder)) {
        const QString named = QDir::isAbsolutePath(caption) ? caption : QDir::cleanPath(path);
        throw VelinorError(QStringLiteral("Dokument „%1“ nelze uložit pod jeho jménem: soubor %2 by ležel mimo "
                                          "složku projekty.\nNic nebylo zapsáno. Dokument můžete uložit příkazem "
                                          "„Uložit jako ...“.")
                               .arg(caption, named));
    }
    return path;
}

QString saveTargetFor(const QString &caption, const QString &projectFolder)
{
    return QDir::isAbsolutePath(caption) ? caption : projectFileFor(caption, projectFolder);
}
