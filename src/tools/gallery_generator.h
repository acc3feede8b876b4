#pragma once

#include "editor/edit.h"

#include <QStringList>

#include <optional>

// The fields of the gallery tool.
struct GalleryFields
{
    QStringList pictures; // lb_Snimky: bare file names in list order, repeats allowed
    QString columns = QStringLiteral("1"); // Sloupce_Edit
    QString width;        // Edit_Sirka, written as it stands, also when empty
    QString height;       // Edit_Vyska
    QString stylesheet;   // Styl_Edit, written into the link line as it stands (only & < > " escaped)
};

// The table rows: one cell line per picture, a new row after every `columns` pictures.
// `columns` must be at least 1. A picture's name is written as text with & < > " escaped, and as
// an address that leads to the file of that name (what would break it percent-encoded), so any
// file name gives a page with the same elements and working links.
QString galleryRowsText(const QStringList &pictures, int columns, const QString &width, const QString &height);

// The stylesheet link, the centred small table and its rows, each line ending in a carriage return.
// Raises "'%s' is not a valid integer value" for a columns text that is no number; nothing when
// there are no pictures or fewer than one column (the caller shows galleryInvalidDataText()).
std::optional<Edit> galleryEdit(const GalleryFields &fields);

QString galleryInvalidDataCaption();
QString galleryInvalidDataText();

// Picture names kept in the list's order: alphabetical ignoring case once sorting is on.
// Inserts `name` where it belongs (after equal names), or at the end while unsorted.
void addGalleryPicture(QStringList &pictures, const QString &name, bool sorted);
void sortGalleryPictures(QStringList &pictures);
