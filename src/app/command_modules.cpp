#include "app/command_modules.h"

// One line per subsystem.

void registerCommandModules(TMainForm &mainForm, CommandRegistry &registry)
{
    (void)mainForm;
    (void)registry;
}
