#pragma once

#include <QString>

// The folder that holds the program, its data files and its setup/ and projekty/ folders.
// Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static void setPath(const QString &folder); // empty: back to the executable's folder

    // A path below the program folder; "\" separators are taken as "/" ("setup\\setup.ini").
    static QString file(const QString &relative);

    // Makes sure a folder below the program folder exists, creating missing parents.
    static bool ensureFolder(const QString &relative);
};

// The part of a path after its last separator, "/" and "\" alike.
QString fileNameOf(const QString &path);
