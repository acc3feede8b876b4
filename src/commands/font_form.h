#pragma once

#include "commands/font_generator.h"
#include "dialogs/record_dialog.h"

// The font dialog "Font" and, without its style boxes, the base-font dialog "BaseFont": a font
// element from a face (or a group of faces put together in "Skupina písem"), a size, a title and
// a colour taken from the 4 x 4 colour panel or the colour dialog.

DialogRecord<FontFields> fontRecord();
using TFontForm = DeclaredDialog<FontFields, fontRecord>;

DialogRecord<FontFields> baseFontRecord();
using TBasefontForm = DeclaredDialog<FontFields, baseFontRecord>;
