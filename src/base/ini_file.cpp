#include "base/ini_file.h"

#include "base/int_conversion.h"
#include "base/text_file.h"
#include "base/regular_file.h"
#include "base/velinor_error.h"
#include "base/windows1250.h"

#include <QFile>

#include <optional>

namespace {

const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// The line rules of text files: CRLF, CR or LF end a line, so does NUL; a final break adds none.
QStringList linesOf(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QChar(0))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// The section name of a "[name]" line, or nothing.
std::optional<QString> sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

struct KeyValue
{
    QString key;
    QString value;
};

std::optional<KeyValue> keyValueOf(const QString &line)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return std::nullopt;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('[')))
        return std::nullopt;
    return KeyValue{key, line.mid(eq + 1).trimmed()};
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Line indices of a section: its header and the end (exclusive) of its body.
struct SectionRange
{
    int header = -1;
    int end = -1;
};

SectionRange findSection(const QStringList &lines, const QString &section)
{
    SectionRange range;
    for (int i = 0; i < lines.size(); ++i) {
        const auto name = sectionOf(lines.at(i));
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = int(lines.size());
    return range;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::canHoldKey(const QString &key)
{
    return !key.isEmpty() && key == key.trimmed() && !key.contains(QLatin1Char('='))
           && !key.contains(QLatin1Char('\r')) && !key.contains(QLatin1Char('\n'))
           && !key.contains(QChar(0)) && !key.startsWith(QLatin1Char(';'))
           && !key.startsWith(QLatin1Char('['));
}

QStringList IniFile::readLines() const
{
    QFile file(m_path);
    if (!openRegularFile(file))
        return {};
    const QByteArray bytes = file.readAll();
    const QString text = bytes.startsWith(kUtf8Mark) ? QString::fromUtf8(bytes.mid(kUtf8Mark.size()))
                                                     : Windows1250::decode(bytes);
    return linesOf(text);
}

void IniFile::writeLines(const QStringList &lines)
{
    const QByteArray utf8 = lines.join(QLatin1Char('\n')).toUtf8();
    EncodedText encoded = encodeLines(utf8.constData(), utf8.size(), int(lines.size()), LineBreak::CRLF,
                                      TextEncoding::Windows1250);
    // windows-1250 that starts like the mark would read back as UTF-8: write that as UTF-8 too.
    if (encoded.encoding == TextEncoding::Utf8 || encoded.bytes.startsWith(kUtf8Mark))
        encoded = encodeLines(utf8.constData(), utf8.size(), int(lines.size()), LineBreak::CRLF, TextEncoding::Utf8);
    if (encoded.encoding == TextEncoding::Utf8)
        encoded.bytes.prepend(kUtf8Mark);
    if (!writeWholeFile(m_path, encoded.bytes))
        throw VelinorError::unableToWrite(m_path);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QStringList lines = readLines();
    const SectionRange range = findSection(lines, section);
    if (range.header < 0)
        return defaultValue;
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyValueOf(lines.at(i));
        if (kv && sameName(kv->key, key))
            return kv->value;
    }
    return defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const auto value = parseInteger(readString(section, key), Hex::Allowed);
    return value ? *value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    const auto value = parseInteger(readString(section, key), Hex::Allowed);
    return value ? *value != 0 : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QStringList lines = readLines();
    const QString entry = key + QLatin1Char('=') + value;
    const SectionRange range = findSection(lines, section);
    if (range.header < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(entry);
        writeLines(lines);
        return;
    }
    int lastEntry = range.header;
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyValueOf(lines.at(i));
        if (!kv)
            continue;
        if (sameName(kv->key, key)) {
            lines[i] = kv->key + QLatin1Char('=') + value; // keep the stored spelling of the key
            writeLines(lines);
            return;
        }
        lastEntry = i;
    }
    lines.insert(lastEntry + 1, entry);
    writeLines(lines);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::keys(const QString &section) const
{
    const QStringList lines = readLines();
    const SectionRange range = findSection(lines, section);
    QStringList result;
    if (range.header < 0)
        return result;
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyValueOf(lines.at(i));
        if (kv && !result.contains(kv->key, Qt::CaseInsensitive))
            result.append(kv->key);
    }
    return result;
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(readLines(), section).header >= 0;
}

void IniFile::eraseSection(const QString &section)
{
    QStringList lines = readLines();
    // Every section of that name: a second one in a hand-edited file would otherwise take its place.
    bool erased = false;
    for (SectionRange range = findSection(lines, section); range.header >= 0; range = findSection(lines, section)) {
        lines.erase(lines.begin() + range.header, lines.begin() + range.end);
        erased = true;
    }
    if (erased)
        writeLines(lines);
}
