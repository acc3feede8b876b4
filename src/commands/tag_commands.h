#pragma once

class CommandRegistry;

// The tag commands: the direct commands of the menus, palette tabs, drop-down menus and
// quick-insert bar, the date and time commands, the example pages, the tag help and the local
// links of the tab "Odkazy". The insertions run on their target document and are not run without
// one.
void registerTagCommands(CommandRegistry &registry);
