#pragma once

class CommandRegistry;

// The commands that open the element dialogs (table, image, links, form elements, frames,
// multimedia, lists, hit counter). Each command makes a fresh dialog, shows it modally over its
// parent, and leaves all work to it; the dialog inserts into the command's target document (none:
// it inserts nothing).
void registerElementDialogs(CommandRegistry &registry);
