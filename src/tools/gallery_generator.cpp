#include "tools/gallery_generator.h"

#include "base/int_conversion.h"

#include <algorithm>

namespace {

const QChar kCr = QLatin1Char('\r');

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// Text and attribute values: the four characters that end a text or a quoted value.
QString escaped(const QString &text)
{
    return text.toHtmlEscaped(); // & < > "
}

// Whether a character of a file name would change what a relative address means: end the path
// ("#", "?"), start an escape ("%"), make the name a scheme ("x:"), turn into a folder separator
// ("\\" in a browser), or be no part of an address at all (spaces, quotes, controls). All of them
// are ASCII: letters of any script, digits, dots, dashes and underscores are kept as they are.
bool breaksAddress(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7f || QStringView(u"\"#%'<>?\\`{}:").contains(c);
}

// A bare file name as a relative address that leads to that file.
QString addressOf(const QString &name)
{
    QString address;
    address.reserve(name.size());
    for (const QChar c : name) {
        if (breaksAddress(c))
            address += QLatin1Char('%') + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            address += c;
    }
    return address;
}

// A picture's cell. The name is shown as text and written as the alternative text; the link and
// the picture lead to the file of that name.
QString cellLine(const QString &name, const QString &width, const QString &height)
{
    const QString text = escaped(name);
    const QString address = escaped(addressOf(name));
    return QStringLiteral("      <td><div class=\"nazev\">") + text + QStringLiteral(" - <a href=\"") + address
        + QStringLiteral("\" target=\"_blank\">klikněte pro zvetšení</a></div><img src=\"") + address
        + QStringLiteral("\" alt=\"") + text + QStringLiteral("\" width=\"") + escaped(width)
        + QStringLiteral("\" height=\"") + escaped(height) + QStringLiteral("\" /></td>") + kCr;
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
    const QString text = QStringLiteral("<link rel=\"stylesheet\" href=\"") + escaped(f.stylesheet)
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
