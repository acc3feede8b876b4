#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's contents with `bytes`, on one of two roads:
// - normally through a temporary file beside it that then takes the file's place: either every
//   byte is written or the old file stays as it was;
// - when the folder refuses a new file but the file itself may be written (a file of the user's in
//   a folder that is not), in place: the old contents are first copied into the recovery folder
//   and flushed to disk, then the file is rewritten, keeping its permissions, owner and links. A
//   failed write puts the old contents back and removes the copy; only when even that fails does
//   the copy stay, and `keptCopy` names it.
// Returns false on failure.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *keptCopy = nullptr);
