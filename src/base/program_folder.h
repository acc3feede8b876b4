#pragma once

#include <QString>

// The folder that holds the program and its data files, and the folder of the user's own files
// (setup/ and projekty/): the program folder when the user may write there, as in a build or
// unpacked copy; otherwise, as for an installed program, "velinor" under the user's XDG data home.
// Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static void setPath(const QString &folder); // empty: back to the executable's folder

    // Where setup/ and projekty/ live for the current program folder.
    static QString userPath();

    // A path below the program folder; "\" separators are taken as "/" ("setup\\setup.ini").
    // Paths below setup/ and projekty/ are placed in the user folder.
    static QString file(const QString &relative);

    // Makes sure a folder below the program folder exists, creating missing parents.
    static bool ensureFolder(const QString &relative);
};

// The rule behind userPath(): `dataHome` is the user's XDG data home.
QString userFolderFor(const QString &programFolder, bool programFolderWritable, const QString &dataHome);

// The part of a path after its last separator, "/" and "\" alike.
QString fileNameOf(const QString &path);
