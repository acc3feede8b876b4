#pragma once

class CommandRegistry;

// The commands that open the font, base-font and small element dialogs; each dialog is made anew,
// shown modally over the main window, and inserts into its active document.
void registerFontAndSmallDialogs(CommandRegistry &registry);
