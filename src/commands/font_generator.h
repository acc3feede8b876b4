#pragma once

#include "base/colour.h"
#include "editor/edit.h"

#include <QString>

// The fields of the font and base-font dialogs.
struct FontFields
{
    QString face;          // Font_ComboBox / BaseFont_ComboBox
    QString size;          // Size_ComboBox
    QString title;         // Titulek_Edit
    bool colourShown = false; // Barva_CheckBox: the colour is written only while it is ticked
    Rgb colour;            // BarvaShape, white until a colour is chosen

    // The style pairs of the font dialog, nested in this order from the outside in.
    bool strikeOut = false; // StrikeOut_CheckBox
    bool underline = false; // Underline_CheckBox
    bool italic = false;    // Italic_CheckBox
    bool bold = false;      // Bold_CheckBox
};

// The font dialog: each ticked style pair as its own palette or menu command inserts it (caret
// between its tags, so later pairs land inside), then "<font face size title color></font>" with
// the caret before "</font>". Values are written as they stand; empty ones are left out.
Edit fontEdit(const FontFields &fields);

// The base-font dialog writes the same font element, without style pairs (their fields are ignored).
Edit baseFontEdit(const FontFields &fields);
