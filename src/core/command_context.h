#pragma once

#include "core/document_source.h"

class DocumentManager;
class QWidget;
class SyntaxEdit;
class DocumentWindow;

// What a command acts on: its target document window (none when no document is open), the widget
// its dialogs and messages belong to, and the shared services. The main window's controls run with
// the active document; a window with a target of its own (a document's pop-up menu) passes its own.
struct CommandContext
{
    DocumentWindow *window = nullptr;
    QWidget *parent = nullptr;
    DocumentManager *documents = nullptr;

    // The target window's editor; none without a target.
    SyntaxEdit *editor() const;
    // The target's editor for as long as the target window lives: for a dialog, which may outlive it.
    DocumentSource documentSource() const;
};
