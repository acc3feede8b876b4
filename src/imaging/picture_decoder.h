#pragma once

#include <QImage>
#include <QString>

// Pictures for previews. The decoder is chosen by the file's extension: BMP (also .dib, .rle),
// JPEG (.jpg, .jpeg, .jpe, .jfif), ICO, TIFF (.tif, .tiff), and the other formats the installed
// image plugins read (GIF, PNG, ...).

// The image format that decodes files with this extension (without the dot, any case); empty when
// no decoder handles it.
QByteArray pictureFormatForExtension(const QString &extension);

// Decodes the picture at the path. Raises VelinorError "Unknown picture file extension (.%s)" for
// an extension no decoder handles, and the decoder's own message when the file cannot be read or
// decoded.
QImage decodePicture(const QString &path);
