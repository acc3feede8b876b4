#include "app/command_modules.h"

#include "app/main_form.h"
#include "app/options_form.h"
#include "commands/dialog_commands.h"
#include "commands/tag_commands.h"
#include "css/style_commands.h"
#include "dialogs/element_dialogs.h"
#include "files/file_commands.h"
#include "tools/tool_commands.h"
#include "tools/colour_tools.h"

// One line per subsystem.

void registerCommandModules(TMainForm &mainForm, DocumentManager &documents, CommandRegistry &registry)
{
    registerFileCommands(registry, documents, &mainForm);
    registerOptionsCommand(mainForm, registry);
    registerTagCommands(registry);
    registerFontAndSmallDialogs(registry);
    registerElementDialogs(registry);
    registerStyleCommands(registry);
    registerToolCommands(registry);
    registerColourTools(registry);
}
