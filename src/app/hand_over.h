#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a second start of Velinor hands its files to the running one, over a local socket:
//
//     velinor-predani 1
//     soubor /home/jana/web/index.html      (one line a file, the path percent-encoded as UTF-8)
//     konec
//
// The running program answers `kHandOverAnswer` once it has the files, then opens them and comes
// forward. No file line: only come forward.

inline constexpr char kHandOverAnswer[] = "hotovo\n";

QByteArray encodeHandOver(const QStringList &files);

struct HandOverMessage
{
    // Incomplete: the end has not arrived yet; Invalid: not Velinor's message (or too long).
    enum class State { Incomplete, Complete, Invalid };
    State state = State::Incomplete;
    QStringList files; // Complete only
};

// Reads what has arrived so far.
HandOverMessage decodeHandOver(const QByteArray &received);

// The socket of a user's running Velinor: in the user's runtime folder (readable by the user
// alone), named after the user's id and the program folder, so that another user never reaches it
// and two copies of Velinor in different folders (each with its own settings) stay apart.
QString instanceServerName(const QString &runtimeFolder, uint userId, const QString &programFolder);
