#pragma once

#include "dialogs/css_link_generator.h"
#include "dialogs/record_dialog.h"

// "CSS link": a link element attaching a stylesheet; the path is written as the field holds it
// (typed, or the full path of the file chosen with "&Najít ..."), shortened to the file name with
// "Relativně". Stays open while the path is empty.
DialogRecord<CssLinkFields> cssLinkRecord();
using TCSS_LinkForm = DeclaredDialog<CssLinkFields, cssLinkRecord>;
