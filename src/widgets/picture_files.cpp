#include "widgets/picture_files.h"

#include <QDir>

const std::vector<PictureFilter> &pictureFilters()
{
    static const std::vector<PictureFilter> filters = {
        {QStringLiteral("Obrázkové soubory (*.bmp;*.jpg;*.gif)"), QStringLiteral("*.bmp;*.jpg;*.ico;*.tif; *.tiff")},
        {QStringLiteral("Standartni Windows bitmap obrazky (*.bmp, *.rle, *.dib)"), QStringLiteral("*.bmp, *.rle, *.dib")},
        {QStringLiteral("JPG/JPEG soubory (*.jpg)"), QStringLiteral("*.jpg")},
        {QStringLiteral("Soubory ico (*.ico)"), QStringLiteral("*.ico")},
        {QStringLiteral("TIFF soubory (*.tif; *.tiff)"), QStringLiteral("*.tif; *.tiff")},
    };
    return filters;
}

QStringList splitMasks(const QString &masks)
{
    QStringList result;
    QString normalised = masks;
    normalised.replace(QLatin1Char(','), QLatin1Char(';'));
    for (const QString &mask : normalised.split(QLatin1Char(';'))) {
        const QString trimmed = mask.trimmed();
        if (!trimmed.isEmpty())
            result.append(trimmed);
    }
    return result;
}

QStringList matchingFileNames(const QString &folder, const QString &masks)
{
    const QStringList patterns = splitMasks(masks);
    if (patterns.isEmpty() || folder.isEmpty())
        return {};
    QDir dir(folder);
    return dir.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString joinFolderAndName(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
