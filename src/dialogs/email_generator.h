#pragma once

#include "editor/edit.h"

#include <QString>

#include <optional>

// The fields of the e-mail dialog with its defaults.
struct EmailFields
{
    QString address;              // EMail_ComboBox
    QString subject;              // Subject_Edit
    QString body;                 // Body_Memo, its line breaks as typed
    bool textIsAddress = true;    // OdkazText_CheckBox
    QString linkText;             // OdkazText_Edit
};

// The mail link "<a href=\"mailto:ADDRESS?subject=..&body=..\">...</a>". Subject and body are
// written as typed (no URL encoding). With the box ticked the caret goes between the tags; with
// a link text of its own it stays after "</a>". Nothing (the dialog stays open) when the box is
// not ticked and there is no link text.
//
// An empty address writes a single space in place of the href; when a subject or body follows,
// the href is opened as "mailto:" without an address so that its quotation mark is closed.
std::optional<Edit> emailEdit(const EmailFields &fields);
