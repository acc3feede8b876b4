#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The file side of the image dialog's picture browser.

struct PictureFilter
{
    QString description; // what the filter list shows
    QString masks;       // as written, e.g. "*.bmp;*.jpg;*.ico;*.tif; *.tiff"
};

// The entries of the filter list, in order; the first one is the initial mask.
const std::vector<PictureFilter> &pictureFilters();

// The single masks of a mask text: separated by ";" or ",", spaces around them ignored.
QStringList splitMasks(const QString &masks);

// The names of the plain files in the folder that match one of the masks (without regard to case),
// sorted by name. Reads names only: a folder of hundreds of pictures lists at once.
QStringList matchingFileNames(const QString &folder, const QString &masks);

// The folder and the file name joined with one separator, also when the folder ends in one ("/").
QString joinFolderAndName(const QString &folder, const QString &name);
