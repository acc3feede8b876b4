#pragma once

#include <QString>
#include <QStringList>

// A settings file of the private-profile kind: "[Section]" lines open sections, "key=value" lines
// give values; section and key names match without regard to case. Every read opens the file anew
// and every write reaches the disk at once, so two objects on the same path never disagree.
// Lines that are neither (comments, junk) are kept as they are.
//
// The file is windows-1250. When a value needs a character the code page cannot hold, the whole
// file is written as UTF-8 behind a byte-order mark, and only that mark makes a file read as UTF-8:
// windows-1250 bytes that happen to form valid UTF-8 ("Ĺˇ" is C5 A1, also "š") still read back
// as written.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // A value that is not an integer ("$"/"0x" hexadecimal allowed) reads as the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // An integer: 0 is false, anything else true; a non-integer reads as the default.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Each write raises "Unable to write to %s" when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Whether a name reads back from the file as the same key: not empty, without the spaces around
    // it that reading drops, without "=", a line break or NUL, not starting with ";" or "[".
    static bool canHoldKey(const QString &key);

    // Keys of a section in file order, each spelled as in the file (first spelling of duplicates).
    QStringList keys(const QString &section) const;
    bool hasSection(const QString &section) const;
    void eraseSection(const QString &section);

private:
    QStringList readLines() const;
    void writeLines(const QStringList &lines);

    QString m_path;
};
