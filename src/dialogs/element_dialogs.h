#pragma once

class CommandRegistry;
class TMainForm;

// The commands that open the element dialogs (table, image, links, form elements, frames,
// multimedia, lists, hit counter). Each command makes a fresh dialog, shows it modally over the
// main window, and leaves all work to it; the dialog inserts into the active document.
void registerElementDialogs(TMainForm &mainForm, CommandRegistry &registry);
