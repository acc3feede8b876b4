#include "tools/gallery_generator.h"

#include "base/int_conversion.h"

#include <algorithm>

namespace {

const QChar kCr = QLatin1Char('\r');

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QString cellLine(const QString &name, const QString &width, const QString &height)
{
    return QStringLiteral("      <td><div class=\"nazev\">") + name + QStringLiteral(" - <a href=\"") + name
        + QStringLiteral("\" target=\"_blank\">klikněte pro zvetšení</a></div><img src=\"") + name
        + QStringLiteral("\" alt=\"") + name + QStringLiteral("\" width=\"") + width
        + QStringLiteral("\" height=\"") + height + QStringLiteral("\" /></td>") + kCr;
}

} // namespace

QString galleryRowsText(const QStringList &pictures, int columns, const QString &width, const QString &height)
{
    const QString openRow = QStringLiteral("    <tr>") + kCr;
    const QString closeRow = QStringLiteral("    </tr>") + kCr;
    QString text = openRow;
    const int count = int(pictures.size());
    for (int i = 1; i <= count; ++i) {
        text += cellLine(pictures[i - 1], width, height);
        if (i % columns == 0)
            text += i == count ? closeRow : closeRow + openRow;
    }
    if (count % columns != 0)
        text += closeRow;
    return text;
}

std::optional<Edit> galleryEdit(const GalleryFields &f)
{
    const int columns = toInteger(f.columns);
    if (columns < 1 || f.pictures.isEmpty())
        return std::nullopt;
    const QString text = QStringLiteral("<link rel=\"stylesheet\" href=\"") + f.stylesheet
        + QStringLiteral("\" type=\"text/css\" media=\"screen\" />") + kCr
        + QStringLiteral("<div align=center>") + kCr
        + QStringLiteral("<small>") + kCr
        + QStringLiteral("  <table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">") + kCr
        + galleryRowsText(f.pictures, columns, f.width, f.height)
        + QStringLiteral("  </table>") + kCr
        + QStringLiteral("</small>") + kCr
        + QStringLiteral("</div>") + kCr;
    return Edit().insert(text);
}

QString galleryInvalidDataCaption()
{
    return QStringLiteral("Neplatná data");
}

QString galleryInvalidDataText()
{
    return QStringLiteral("Zkontrolujte, prosím, všechna data potřebná\n pro vytvoření obrázkové galerie!\n"
                          "Počet sloupců nemůže být menší než 1!");
}

void addGalleryPicture(QStringList &pictures, const QString &name, bool sorted)
{
    if (!sorted) {
        pictures << name;
        return;
    }
    const auto place = std::upper_bound(pictures.begin(), pictures.end(), name, lessIgnoringCase);
    pictures.insert(place, name);
}

void sortGalleryPictures(QStringList &pictures)
{
    std::stable_sort(pictures.begin(), pictures.end(), lessIgnoringCase);
}
