#include "base/text_file.h"

#include "base/velinor_error.h"
#include "base/windows1250.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <cstring>

namespace {

inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// UTF-8 of each byte 0x80..0xFF of windows-1250.
struct HighHalfUtf8
{
    std::array<std::array<char, 3>, 128> bytes{};
    std::array<int, 128> length{};
    HighHalfUtf8()
    {
        for (int i = 0; i < 128; ++i) {
            const QByteArray u = QString(QChar(Windows1250::toUnicode(static_cast<unsigned char>(0x80 + i)))).toUtf8();
            length[i] = int(u.size());
            std::memcpy(bytes[i].data(), u.constData(), size_t(u.size()));
        }
    }
};

const HighHalfUtf8 &highHalfUtf8()
{
    static const HighHalfUtf8 table;
    return table;
}

// The line splitter shared by both encodings. Appends characters to the output and ends lines at
// CR, LF, CRLF and NUL (or, with nulEndsText, stops at the first NUL).
class LineSplitter
{
public:
    explicit LineSplitter(qsizetype expectedSize) { m_out.reserve(expectedSize + expectedSize / 16 + 16); }

    void appendAscii(char c)
    {
        m_out.append(c);
        ++m_lineChars;
    }
    void appendUtf8(const char *bytes, int length, int characters)
    {
        m_out.append(bytes, length);
        m_lineChars += characters;
    }
    void endLine()
    {
        m_out.append('\n');
        ++m_breaks;
        if (m_lineChars > m_longest)
            m_longest = m_lineChars;
        m_lineChars = 0;
    }
    void sawCR() { m_sawCR = true; }
    void sawLF() { m_sawLF = true; }
    void sawCRLF() { m_sawCRLF = true; }

    SplitText finish(TextEncoding encoding)
    {
        SplitText result;
        if (m_lineChars > m_longest)
            m_longest = m_lineChars;
        const bool openLastLine = !m_out.isEmpty() && !m_out.endsWith('\n');
        result.lineCount = m_breaks + (openLastLine ? 1 : 0);
        if (m_out.endsWith('\n'))
            m_out.chop(1); // a final break makes no extra line
        result.utf8 = std::move(m_out);
        result.longestLine = m_longest;
        result.encoding = encoding;
        if (m_sawCR && !m_sawLF && !m_sawCRLF)
            result.lineBreak = LineBreak::CR;
        else if (m_sawLF && !m_sawCR && !m_sawCRLF)
            result.lineBreak = LineBreak::LF;
        else
            result.lineBreak = LineBreak::CRLF;
        return result;
    }

private:
    QByteArray m_out;
    int m_breaks = 0;
    int m_lineChars = 0;
    int m_longest = 0;
    bool m_sawCR = false, m_sawLF = false, m_sawCRLF = false;
};

// Handles a break byte at data[i]; returns how many bytes it used (0 when data[i] is no break).
inline qsizetype takeBreak(const char *data, qsizetype size, qsizetype i, LineSplitter &splitter)
{
    const char c = data[i];
    if (c == '\r') {
        splitter.endLine();
        if (i + 1 < size && data[i + 1] == '\n') {
            splitter.sawCRLF();
            return 2;
        }
        splitter.sawCR();
        return 1;
    }
    if (c == '\n') {
        splitter.endLine();
        splitter.sawLF();
        return 1;
    }
    if (c == '\0') {
        splitter.endLine();
        return 1;
    }
    return 0;
}

SplitText splitUtf8(const char *data, qsizetype size, bool nulEndsText)
{
    LineSplitter splitter(size);
    qsizetype i = 0;
    while (i < size) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c == 0 && nulEndsText)
            break;
        if (c < 0x80) {
            if (const qsizetype used = takeBreak(data, size, i, splitter)) {
                i += used;
                continue;
            }
            splitter.appendAscii(char(c));
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && isContinuation(static_cast<unsigned char>(data[j])))
            ++j;
        splitter.appendUtf8(data + i, int(j - i), 1);
        i = j;
    }
    return splitter.finish(TextEncoding::Utf8);
}

SplitText splitWindows1250(const char *data, qsizetype size)
{
    const HighHalfUtf8 &table = highHalfUtf8();
    LineSplitter splitter(size);
    qsizetype i = 0;
    while (i < size) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            if (const qsizetype used = takeBreak(data, size, i, splitter)) {
                i += used;
                continue;
            }
            splitter.appendAscii(char(c));
        } else {
            splitter.appendUtf8(table.bytes[c - 0x80].data(), table.length[c - 0x80], 1);
        }
        ++i;
    }
    return splitter.finish(TextEncoding::Windows1250);
}

// Decodes one UTF-8 sequence at data[i] (input known to be well formed).
inline char32_t decodeUtf8(const unsigned char *data, qsizetype size, qsizetype &i)
{
    const unsigned char c = data[i++];
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    char32_t cp = c & (0x3F >> extra);
    while (extra-- > 0 && i < size)
        cp = (cp << 6) | (data[i++] & 0x3F);
    return cp;
}

bool encodeWindows1250(const char *utf8, qsizetype size, int lineCount, const QByteArray &brk, QByteArray &out)
{
    out.reserve(size + lineCount * brk.size());
    const auto *data = reinterpret_cast<const unsigned char *>(utf8);
    qsizetype i = 0;
    while (i < size) {
        if (data[i] == '\n') {
            out.append(brk);
            ++i;
            continue;
        }
        if (data[i] < 0x80) {
            out.append(char(data[i++]));
            continue;
        }
        const int byte = Windows1250::fromUnicode(decodeUtf8(data, size, i));
        if (byte < 0)
            return false;
        out.append(char(byte));
    }
    return true;
}

void encodeUtf8(const char *utf8, qsizetype size, int lineCount, const QByteArray &brk, QByteArray &out)
{
    out.reserve(size + lineCount * brk.size());
    const char *start = utf8;
    const char *end = utf8 + size;
    while (start < end) {
        const char *nl = static_cast<const char *>(std::memchr(start, '\n', size_t(end - start)));
        if (!nl) {
            out.append(start, end - start);
            break;
        }
        out.append(start, nl - start);
        out.append(brk);
        start = nl + 1;
    }
}

} // namespace

bool looksLikeUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    bool nonAscii = false;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = data[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        int extra;
        char32_t minimum;
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; minimum = 0x80; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; minimum = 0x800; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; minimum = 0x10000; }
        else return false;
        char32_t cp = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= size || !isContinuation(data[i + k]))
                return false;
            cp = (cp << 6) | (data[i + k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return nonAscii;
}

SplitText splitFileBytes(const QByteArray &bytes)
{
    if (looksLikeUtf8(bytes))
        return splitUtf8(bytes.constData(), bytes.size(), false);
    return splitWindows1250(bytes.constData(), bytes.size());
}

SplitText splitUtf8Text(const QByteArray &utf8)
{
    return splitUtf8(utf8.constData(), utf8.size(), true);
}

SplitText loadTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelinorError::cannotOpen(path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VelinorError::cannotOpen(path);
    file.close();
    SplitText result = splitFileBytes(bytes);
    return result;
}

QByteArray lineBreakBytes(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CR: return QByteArrayLiteral("\r");
    case LineBreak::LF: return QByteArrayLiteral("\n");
    case LineBreak::CRLF: break;
    }
    return QByteArrayLiteral("\r\n");
}

EncodedText encodeLines(const char *utf8, qsizetype size, int lineCount, LineBreak lineBreak,
                        TextEncoding encoding)
{
    EncodedText result;
    result.encoding = encoding;
    if (lineCount <= 0)
        return result;
    const QByteArray brk = lineBreakBytes(lineBreak);
    if (encoding == TextEncoding::Windows1250) {
        if (encodeWindows1250(utf8, size, lineCount, brk, result.bytes)) {
            result.bytes.append(brk);
            return result;
        }
        // A character the code page cannot hold: keep every character by writing UTF-8.
        result.bytes.clear();
        result.encoding = TextEncoding::Utf8;
        result.encodingChanged = true;
    }
    encodeUtf8(utf8, size, lineCount, brk, result.bytes);
    result.bytes.append(brk);
    return result;
}

EncodedText saveTextFile(const QString &path, const char *utf8, qsizetype size, int lineCount,
                         LineBreak lineBreak, TextEncoding encoding)
{
    EncodedText encoded = encodeLines(utf8, size, lineCount, lineBreak, encoding);
    if (!writeWholeFile(path, encoded.bytes))
        throw VelinorError::cannotCreate(path);
    encoded.bytes.clear();
    return encoded;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows here instead of vanishing in a flush
    // that reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}
