#pragma once

#include <QString>

// Where "&Uložit", "Uložit vše" and the CSS editor write a document, decided from its caption alone
// (a document window has no other name). A caption that is a full path, the file chosen in the open
// dialog, names that file. Any other caption (a new document, a file from the file panel, a
// generated stylesheet, a restored copy of one of these) is joined under the projects folder, and
// whatever it holds, the file it names must lie inside that folder: "../wgal/default.css" would
// otherwise replace one of the program's own files.

// What the caption names, unchecked: for showing where a document belongs, never for writing.
QString captionPath(const QString &caption, const QString &projectFolder);

// The caption joined under `projectFolder`, unchanged. Raises VelinorError with a message for the
// user when the file would lie outside the folder; a full path is never joined, so it is refused too.
QString projectFileFor(const QString &caption, const QString &projectFolder);

// The file "&Uložit" writes: the caption itself when it is a full path, otherwise projectFileFor().
QString saveTargetFor(const QString &caption, const QString &projectFolder);
