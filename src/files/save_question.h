#pragma once

#include <QString>

class QWidget;

// The question asked before a document with unsaved changes is closed.
enum class SaveAnswer {
    Save,    // Yes: the save dialog follows
    Discard, // No: the changes are thrown away
    Keep,    // Escape or the question's close box: nothing is closed
};

// Shows `question` with the buttons Yes and No under the title "Potvrzení". Only a press on No
// discards: dismissing the question keeps the document and its text.
SaveAnswer askToSaveChanges(QWidget *parent, const QString &question);
