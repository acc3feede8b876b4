#pragma once

class CommandRegistry;
class TMainForm;

// The tag commands of the main window: the direct commands of the menus, palette tabs, drop-down
// menus and quick-insert bar, the date and time commands, the example pages, the tag help and the
// local links of the tab "Odkazy". Each runs on the active document and does nothing without one.
void registerTagCommands(TMainForm &mainForm, CommandRegistry &registry);
