#pragma once

class CommandRegistry;
class TMainForm;

// The tool commands: number conversion, the clipboard viewer, the about box and the calculator.
void registerToolCommands(TMainForm &mainForm, CommandRegistry &registry);

// Starts the first desktop calculator found, without waiting for it; without one, says so.
void VypocetClick(TMainForm &mainForm);
