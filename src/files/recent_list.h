#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The list behind "Naposledy otevřené": the files last opened or saved, newest first, each once,
// at most `kRecentFilesKept`. Kept in setup/naposledy.txt (ProgramFile::RecentFilesList) as UTF-8,
// one full path a line.
inline constexpr int kRecentFilesKept = 10;

// The list with `path` first (moved there when it was already listed), cut to the limit. A path
// that is not a full path, or holds a line break, leaves the list as it was.
QStringList withRecentFile(const QStringList &list, const QString &path);
QStringList withoutRecentFile(const QStringList &list, const QString &path);

// The file's contents as a list: blank lines and lines that are not full paths skipped, doubles
// and what lies past the limit dropped; and back.
QStringList parseRecentList(const QByteArray &bytes);
QByteArray formatRecentList(const QStringList &list);

// Reading a missing or unreadable file gives an empty list; writing creates setup/ when needed.
QStringList readRecentList(const QString &file);
bool writeRecentList(const QString &file, const QStringList &list);

// The menu caption of the entry at `index` (0 is the newest): "&1 /path" up to "&9", then "1&0";
// an "&" in the path is shown as itself.
QString recentMenuCaption(int index, const QString &path);
