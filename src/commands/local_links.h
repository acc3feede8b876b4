#pragma once

#include "editor/edit.h"

#include <QString>
#include <QStringList>

class IniFile;

// The local links of the palette tab "Odkazy": "LOCAL" links to an anchor of the same page,
// "NAME" places the anchor. Both take the name exactly as typed; the caret ends before "</a>".
Edit localLinkEdit(const QString &name); // <a href="#name"></a>
Edit anchorEdit(const QString &name);    // <a name="name"></a>, or <a></a> without a name

// The names used so far live in one section of setup/local_link.ini, one "name=name" line each.
// Names match without regard to case; a new name joins the end of the section.
extern const char *const kLocalLinkSection; // "Link_ComboBox"

// Whether a name can be kept as a key of that file (see IniFile::canHoldKey); the spaces around it
// are dropped from the key (they are kept in the link itself).
bool canRememberLinkName(const QString &name);

// Stores the name (when it can be kept) and returns the remembered names in file order.
// Raises "Unable to write to %s" when the file cannot be written.
QStringList rememberLinkName(IniFile &file, const QString &name);
