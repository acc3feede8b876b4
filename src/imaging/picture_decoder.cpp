#include "imaging/picture_decoder.h"

#include "base/regular_file.h"
#include "base/velinor_error.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <utility>

QByteArray pictureFormatForExtension(const QString &extension)
{
    static const std::pair<const char *, const char *> aliases[] = {
        {"dib", "bmp"}, {"rle", "bmp"}, {"jpg", "jpeg"}, {"jpe", "jpeg"}, {"jfif", "jpeg"}, {"tif", "tiff"},
    };
    QByteArray format = extension.toLower().toLatin1();
    for (const auto &[alias, name] : aliases)
        if (format == alias)
            format = name;
    if (format.isEmpty() || !QImageReader::supportedImageFormats().contains(format))
        return {};
    return format;
}

QImage decodePicture(const QString &path)
{
    const QString extension = QFileInfo(path).suffix();
    const QByteArray format = pictureFormatForExtension(extension);
    if (format.isEmpty())
        throw VelinorError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));

    QFile file(path);
    if (!openRegularFile(file)) // a FIFO in the picture folder must not hang the preview
        throw VelinorError::cannotOpen(path);
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false); // the extension alone chooses the decoder
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        const QString message = reader.errorString();
        throw message.isEmpty() ? VelinorError::cannotOpen(path) : VelinorError(message);
    }
    return image;
}
