#pragma once

#include <QString>
#include <QStringList>

// The arithmetic of the insertion primitive, shared by every document implementation.
//
// Given the caret's line (with any selection already deleted), the caret column (1-based, possibly
// beyond the end of the line) and the text to insert, it gives the lines that replace the caret's
// line and where the caret ends. Columns count Unicode characters, not UTF-16 units.
struct InsertionResult
{
    QStringList lines;   // replaces the caret's line; never empty
    int caretColumn = 1; // on the last of these lines
    int longestLine = 0; // longest written line, in characters
};

InsertionResult insertIntoLine(const QString &lineText, int caretColumn, const QString &text);

// Splits at CRLF, CR or LF; a NUL ends the text. An empty text is one empty piece.
QStringList splitInsertedText(const QString &text);

// Character counts and cuts that treat a surrogate pair as one character.
int characterCount(const QString &text);
// The UTF-16 index after the first n characters (the size when the text is shorter).
int indexAfterCharacters(const QString &text, int n);
QString withoutTrailingSpaces(const QString &text);
