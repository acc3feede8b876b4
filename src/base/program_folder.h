#pragma once

#include <QString>

// The files and folders Velinor keeps beside the program: one table (program_folder.cpp) names them.
enum class ProgramFile {
    SetupFolder,   // setup/
    SettingsFile,  // setup/setup.ini
    EmailFile,     // setup/email.ini
    LocalLinkFile, // setup/local_link.ini
    RecentFilesList, // setup/naposledy.txt, the files of "Naposledy otevřené"
    ProjectFolder, // projekty/, where "&Uložit" writes new documents
    RecoveryFolder, // recovery/, copies of unsaved documents while Velinor runs
    HelpFolder,    // help/
    ProgramHelp,   // help/napoveda.html
    TagHelp,       // help/napoveda_tagy.html
    ExampleFolder, // examples/
    GalleryFolder, // wgal/
    InstallationMark, // installed: left beside the program by an installation (the package, `make install`)
};

// What the program folder is, as far as the user's own files are concerned.
enum class ProgramFolderKind {
    Installed,    // put there by an installation: a user's run never writes into it, root's neither
    WritableCopy, // a build folder or a copy the user unpacked and may write into
    ReadOnlyCopy, // a copy the user may not write into
};

// The folder that holds the program and its data files, and the folder of the user's own files
// (setup/, projekty/ and recovery/): the program folder when it is a copy the user may write into, as
// a build or unpacked copy; "velinor" under the user's XDG data home for an installed program (even
// when root runs it, for whom its folder is writable) and for a copy the user may not write into.
// Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static void setPath(const QString &folder); // empty: back to the executable's folder

    // Where setup/, projekty/ and recovery/ live for the current program folder.
    static QString userPath();
    static ProgramFolderKind kind();

    // A path below the program folder; "\" separators are taken as "/" ("setup\\setup.ini").
    // Paths below setup/, projekty/ and recovery/ are placed in the user folder.
    static QString file(const QString &relative);

    // One of the program's own files or folders.
    static QString file(ProgramFile which);
    // Its name below the program folder, with "/" separators ("setup/setup.ini").
    static QString relativeName(ProgramFile which);

    // Makes sure a folder below the program folder exists, creating missing parents.
    static bool ensureFolder(const QString &relative);
    static bool ensureFolder(ProgramFile folder) { return ensureFolder(relativeName(folder)); }
};

// The rule behind userPath(): `dataHome` is the user's XDG data home.
QString userFolderFor(const QString &programFolder, ProgramFolderKind kind, const QString &dataHome);

// The part of a path after its last separator, "/" and "\" alike.
QString fileNameOf(const QString &path);
