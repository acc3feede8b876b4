#include "app/command_modules.h"

#include "app/options_form.h"
#include "commands/dialog_commands.h"
#include "commands/tag_commands.h"
#include "css/style_commands.h"
#include "dialogs/element_dialogs.h"
#include "files/file_commands.h"
#include "tools/tool_commands.h"
#include "tools/colour_tools.h"

// One line per subsystem.

void registerCommandModules(TMainForm &mainForm, CommandRegistry &registry)
{
    registerFileCommands(mainForm, registry);
    registerOptionsCommand(mainForm, registry);
    registerTagCommands(mainForm, registry);
    registerFontAndSmallDialogs(mainForm, registry);
    registerElementDialogs(mainForm, registry);
    registerStyleCommands(mainForm, registry);
    registerToolCommands(mainForm, registry);
    registerColourTools(mainForm, registry);
}
