#pragma once

#include "editor/edit.h"

#include <QString>
#include <QStringList>

// How element dialogs write attributes into a start tag: one space, the name, "=", and the value
// between double quotation marks exactly as the field holds it (not trimmed, not escaped).
QString attributePiece(const QString &name, const QString &value);

// The attribute piece when the value is not empty, otherwise nothing. A field holding its default
// ("0") still writes its attribute: there is no comparison with a default.
QString optionalAttribute(const QString &name, const QString &value);

// A gated attribute: written only while its companion box is ticked and the value is not empty.
QString gatedAttribute(bool ticked, const QString &name, const QString &value);

// A gated attribute that is written while its box is ticked whatever the value, empty included.
QString tickedAttribute(bool ticked, const QString &name, const QString &value);

// An element whose content is typed on lines of its own: the start tag (given without its ">"),
// ">", an empty line and the end tag, with the caret at the start of the empty line.
Edit containerEdit(const QString &startTagOpen, const QString &tagName);

// The lines of a memo's text as the memo shows them: none for an empty text, and no extra empty
// line for a final line break.
QStringList memoLines(const QString &text);
