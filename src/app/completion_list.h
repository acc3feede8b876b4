#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The tag-completion list of a document window, as text: which word is being completed and which
// rows the list shows for it.

struct CompletionRequest
{
    QString typed;           // the word before the caret
    int wordStartColumn = 1; // where it starts (1-based)
};

// The word being completed ends at the caret and starts after the last of "()[].<>", a space or a
// tab before it. A caret beyond the end of the line has no word before it.
CompletionRequest completionRequest(const QString &lineText, int caretColumn);

// The column where choosing an entry starts replacing: the word's start, or the "<" just before
// it when the entry's text opens with "<" (so "<ta" becomes "<table >", not "<<table >").
int completionReplaceStart(const QString &lineText, int caretColumn, const QString &insertText);

// The rows ("description<TAB>tag") of the entries whose tag or insert text starts with the typed word
// (all entries for an empty word).
QStringList completionRows(const QString &typed);

// The text a chosen row inserts.
std::optional<QString> completionInsertText(const QString &row);
