#pragma once

#include "app/command_context.h"

class CommandRegistry;

// The command that opens an element dialog: a fresh dialog, shown modally over the context's
// parent, inserting into the command's target document (none: it inserts nothing).
template <typename Dialog>
void openElementDialog(const CommandContext &context)
{
    Dialog dialog(context.parent, context.documentSource());
    dialog.exec();
}

// The commands that open the element dialogs (table, image, links, form elements, frames,
// multimedia, lists, hit counter).
void registerElementDialogs(CommandRegistry &registry);
