#pragma once

class CommandRegistry;

// The tool commands: the gallery, number conversion, the clipboard viewer, the about box, the
// calculator and the page preview.
void registerToolCommands(CommandRegistry &registry);
