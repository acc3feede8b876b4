#pragma once

class CommandRegistry;

// The tool commands: number conversion, the clipboard viewer, the about box and the calculator.
void registerToolCommands(CommandRegistry &registry);
