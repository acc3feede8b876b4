#pragma once

class CommandRegistry;

// The commands of the palette tab "Styl" that are not constant insertions: the empty rule of
// "  CSS >>" from the tab's two edits, and the CSS editor (the tab's "CSS" and the tools menu item).
void registerStyleCommands(CommandRegistry &registry);
