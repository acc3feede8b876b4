#pragma once

class CommandRegistry;
class TMainForm;

// The commands that open the font, base-font and small element dialogs; each dialog is made anew,
// shown modally over the main window, and inserts into its active document.
void registerFontAndSmallDialogs(TMainForm &mainForm, CommandRegistry &registry);
