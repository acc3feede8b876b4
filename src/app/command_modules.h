#pragma once

class CommandRegistry;
class DocumentManager;
class TMainForm;

// Registers the commands of every subsystem (files, tag commands, element dialogs, ...). Each
// subsystem has one registration function; command_modules.cpp calls them all, once, before the
// main window builds its controls.
void registerCommandModules(TMainForm &mainForm, DocumentManager &documents, CommandRegistry &registry);
