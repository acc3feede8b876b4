#pragma once

#include "editor/edit.h"

#include <QString>

// The fields of the table dialog, as text and choices, with the dialog's defaults.
struct TableFields
{
    enum class WidthUnit { Pixels, Percent };
    enum class Alignment { None, Left, Center, Right };

    QString caption;                  // Nadpis_Edit
    QString rows = QStringLiteral("1");        // Radky_Edit
    QString columns = QStringLiteral("1");     // Sloupce_Edit
    QString cellSpacing = QStringLiteral("0"); // CellSpacing_Edit
    QString cellPadding = QStringLiteral("0"); // CellPading_Edit
    QString border = QStringLiteral("0");      // Sirka_Edit
    QString width = QStringLiteral("1");       // SirkaP_Edit
    WidthUnit widthUnit = WidthUnit::Pixels;
    QString frame;                    // TypOhFRAME_ComboBox
    QString rules;                    // TypOhRULES_ComboBox
    Alignment alignment = Alignment::None;
    bool noWrap = false;
    bool noFlow = false;
};

// "<table ...>" with its attributes, the caption element when there is one, and a line break.
QString tableStartLine(const TableFields &fields);

// The table as it reaches the document, piece by piece: the start line; then for each of the rows
// "  <tr>" and a break, the cells (the column count is read again for every row), "  </tr>" and a
// break; finally "</table>". The caret stays after "</table>".
//
// A row or column count that is not an integer ends the edit in "'%s' is not a valid integer value"
// after the pieces inserted so far (the start line; for the columns also the first "  <tr>").
// A negative count gives no rows or cells. A table too large to build (more than
// kMostTablePieces pieces) is refused before anything is inserted.
Edit tableEdit(const TableFields &fields);

constexpr qint64 kMostTablePieces = 1000000;
