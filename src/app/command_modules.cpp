#include "app/command_modules.h"

#include "files/file_commands.h"

// One line per subsystem.

void registerCommandModules(TMainForm &mainForm, CommandRegistry &registry)
{
    registerFileCommands(mainForm, registry);
}