#pragma once

#include <QString>
#include <QStringList>

// What `velinor [PŘEPÍNAČ] [SOUBOR...]` asks for. Files are full, cleaned paths: a relative one is
// taken from `workingFolder`, a "file:" address as its local file. After "--" every argument is a
// file. "--help" wins over "--version", and both over an unknown option.
struct StartRequest
{
    enum class Action { Start, Help, Version, Error };
    Action action = Action::Start;
    QStringList files;
    QString error; // Error: what was wrong, in Czech
};

StartRequest parseStartArguments(const QStringList &arguments, const QString &workingFolder);

// The answers to "--help" and "--version", each ending with a line break.
QString commandLineHelp();
QString versionText();
