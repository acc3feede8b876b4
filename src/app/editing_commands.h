#pragma once

class CommandRegistry;

// The commands of the menu "Úp&ravy" and the editor's view marks: undo, redo, cut, copy, paste,
// select all, delete, go to line, line numbers, ruler, non-printable characters, the editor font,
// and the language switch of a document's pop-up menu. Each acts on its target document.
void registerEditingCommands(CommandRegistry &registry);
