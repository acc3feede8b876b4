#pragma once

class CommandRegistry;

// The tool commands: the gallery, number conversion, the clipboard viewer, the about box and the calculator.
void registerToolCommands(CommandRegistry &registry);
