#pragma once

#include "editor/edit.h"

#include <QString>

#include <vector>

// The direct tag commands: each handler name of the main window ("TucnyClick") with the constant
// edit it runs on the active document. Controls that share an operation (a palette button and its
// menu item) name the same handler, so they share the one edit.
struct DirectCommand
{
    const char *command;
    Edit edit;
};

const std::vector<DirectCommand> &directCommandCatalogue();

// The edit of a handler, or nothing when the handler is not a direct command.
const Edit *directCommandEdit(const QString &command);
