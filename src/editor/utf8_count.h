#pragma once

#include "base/utf8_bytes.h"

#include <QtGlobal>

// Counting characters in UTF-8 text the way the editing component counts them (a character is one
// code point, whatever its length in bytes), a machine word at a time: the caret column and the
// status bar count from the line start on every keystroke, and a line may be megabytes long.
// The text is well-formed UTF-8 (the component holds nothing else).

qint64 countUtf8Characters(const char *text, qsizetype size);

// The byte offset of the character `characters` characters after the start; `size` when the
// text holds fewer.
qsizetype utf8OffsetAfter(const char *text, qsizetype size, qint64 characters);
