#pragma once

#include "editor/edit.h"

#include <QString>

// The fields of the image dialog with the dialog's defaults. Each size field writes its attribute
// only while its companion box is ticked and the field is not empty.
struct ImgFields
{
    QString path;                       // Cesta_Edit
    QString alignment;                  // Zarovnani_ComboBox
    QString altText;                    // AltText_Edit
    QString height = QStringLiteral("1");     // Vyska_Edit
    bool showHeight = false;                  // UkazatVyska_CheckBox
    QString width = QStringLiteral("1");      // Sirka_Edit
    bool showWidth = false;                   // UkazatSirka_CheckBox
    QString vspace = QStringLiteral("0");     // VOkraj_Edit
    bool showVspace = false;                  // UkazatVOkraj_CheckBox
    QString hspace = QStringLiteral("0");     // HOkraj_Edit
    bool showHspace = false;                  // UkazatHOkraj_CheckBox
    QString border = QStringLiteral("0");     // Ramecek_Edit
    bool showBorder = false;                  // UkazatRamecek_CheckBox
};

// "<img" with src, height, width, vspace, hspace, border, align and alt in that order, then ">";
// no end tag, no line break; the caret stays after it.
Edit imgEdit(const ImgFields &fields);
