#include "dialogs/table_generator.h"

#include "base/int_conversion.h"
#include "base/velinor_error.h"
#include "dialogs/attribute_text.h"

#include <algorithm>

QString tableStartLine(const TableFields &fields)
{
    QString line = QStringLiteral("<table");
    line += optionalAttribute(QStringLiteral("border"), fields.border);
    line += optionalAttribute(QStringLiteral("frame"), fields.frame);
    line += optionalAttribute(QStringLiteral("cellspacing"), fields.cellSpacing);
    line += optionalAttribute(QStringLiteral("cellpadding"), fields.cellPadding);
    if (!fields.width.isEmpty())
        line += attributePiece(QStringLiteral("width"),
                               fields.widthUnit == TableFields::WidthUnit::Percent ? fields.width + QLatin1Char('%')
                                                                                   : fields.width);
    line += optionalAttribute(QStringLiteral("rules"), fields.rules);
    switch (fields.alignment) {
    case TableFields::Alignment::None: break;
    case TableFields::Alignment::Left: line += attributePiece(QStringLiteral("align"), QStringLiteral("left")); break;
    case TableFields::Alignment::Center: line += attributePiece(QStringLiteral("align"), QStringLiteral("center")); break;
    case TableFields::Alignment::Right: line += attributePiece(QStringLiteral("align"), QStringLiteral("right")); break;
    }
    if (fields.noWrap)
        line += QStringLiteral(" nowrap");
    if (fields.noFlow)
        line += QStringLiteral(" noflow");
    line += QLatin1Char('>');
    if (!fields.caption.isEmpty())
        line += QStringLiteral("<caption>") + fields.caption + QStringLiteral("</caption>");
    line += QLatin1Char('\r');
    return line;
}

Edit tableEdit(const TableFields &fields)
{
    // A count typed into the edit is not bounded by its up-down: refuse a table that could not
    // be built in memory instead of hanging on it.
    const auto rows = parseInteger(fields.rows);
    const auto columns = parseInteger(fields.columns);
    if (rows && columns && *rows > 0) {
        const qint64 pieces = 2 + qint64(*rows) * (2 + std::max(0, *columns));
        if (pieces > kMostTablePieces)
            return Edit().fail(QStringLiteral("Tabulka s %1 řádky a %2 sloupci je příliš velká.")
                                   .arg(*rows)
                                   .arg(*columns));
    }

    Edit edit;
    edit.insert(tableStartLine(fields));
    if (!rows)
        return edit.fail(VelinorError::notAnInteger(fields.rows).message());
    // Shared strings: ten thousand pieces hold one copy of each text.
    const QString rowStart = QStringLiteral("  <tr>\r");
    const QString cell = QStringLiteral("    <td>\r    </td>\r");
    const QString rowEnd = QStringLiteral("  </tr>\r");
    for (int r = 0; r < *rows; ++r) {
        edit.insert(rowStart);
        const auto columnCount = parseInteger(fields.columns); // read again for every row
        if (!columnCount)
            return edit.fail(VelinorError::notAnInteger(fields.columns).message());
        for (int c = 0; c < *columnCount; ++c)
            edit.insert(cell);
        edit.insert(rowEnd);
    }
    edit.insert(QStringLiteral("</table>"));
    return edit;
}
