#pragma once

#include "core/command_registry.h"

#include <initializer_list>
#include <utility>

// The command that opens an element dialog: a fresh dialog, shown modally over the context's
// parent, inserting into the command's target document (none: it inserts nothing).
template <typename Dialog>
void openElementDialog(const CommandContext &context)
{
    Dialog dialog(context.parent, context.documentSource());
    dialog.exec();
}

// A table of dialog commands, one line per dialog: the command and the dialog it opens.
using DialogOpener = std::pair<const char *, CommandRegistry::Handler>;
void registerDialogOpeners(CommandRegistry &registry, std::initializer_list<DialogOpener> openers);

// The commands that open the element dialogs (table, image, links, form elements, frames,
// multimedia, lists, hit counter).
void registerElementDialogs(CommandRegistry &registry);
