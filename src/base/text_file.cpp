#include "base/text_file.h"

#include "base/regular_file.h"
#include "base/velinor_error.h"
#include "base/windows1250.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <csignal>
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

// Whether a stream of bytes is well-formed UTF-8; fed block by block.
class Utf8Validator
{
public:
    void feed(const char *data, qsizetype size)
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(data);
        for (qsizetype i = 0; i < size && m_valid; ++i) {
            const unsigned char c = bytes[i];
            if (m_pending > 0) {
                if (!isContinuation(c)) {
                    m_valid = false;
                    return;
                }
                m_codePoint = (m_codePoint << 6) | (c & 0x3F);
                if (--m_pending == 0 && (m_codePoint < m_minimum || m_codePoint > 0x10FFFF
                                         || (m_codePoint >= 0xD800 && m_codePoint <= 0xDFFF)))
                    m_valid = false;
                continue;
            }
            if (c < 0x80)
                continue;
            m_nonAscii = true;
            if (c >= 0xC2 && c <= 0xDF) { m_pending = 1; m_minimum = 0x80; }
            else if (c >= 0xE0 && c <= 0xEF) { m_pending = 2; m_minimum = 0x800; }
            else if (c >= 0xF0 && c <= 0xF4) { m_pending = 3; m_minimum = 0x10000; }
            else { m_valid = false; return; }
            m_codePoint = c & (0x3F >> m_pending);
        }
    }
    // Valid, complete and not plain ASCII.
    bool isUtf8() const { return m_valid && m_pending == 0 && m_nonAscii; }

private:
    bool m_valid = true;
    bool m_nonAscii = false;
    int m_pending = 0;
    char32_t m_codePoint = 0;
    char32_t m_minimum = 0;
};

// Turns file bytes, fed block by block, into UTF-8 lines joined by "\n": ends lines at CR, LF,
// CRLF (also across blocks) and NUL, counts lines and characters, and hands the output to the
// sink in pieces of about a megabyte.
class LineSplitter
{
public:
    LineSplitter(TextEncoding encoding, TextSink sink, bool nulEndsText = false)
        : m_encoding(encoding), m_sink(std::move(sink)), m_nulEndsText(nulEndsText)
    {
        m_out.reserve(kFlushSize + 64);
    }

    void feed(const char *data, qsizetype size)
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(data);
        const HighHalfUtf8 &table = highHalfUtf8();
        for (qsizetype i = 0; i < size && !m_ended; ++i) {
            const unsigned char c = bytes[i];
            if (m_afterCR) {
                m_afterCR = false;
                if (c == '\n') {
                    m_sawCRLF = true;
                    continue;
                }
                m_sawCR = true;
            }
            if (c == '\r') {
                endLine();
                m_afterCR = true;
            } else if (c == '\n') {
                endLine();
                m_sawLF = true;
            } else if (c == 0) {
                if (m_nulEndsText)
                    m_ended = true;
                else
                    endLine();
            } else if (c < 0x80 || m_encoding == TextEncoding::Utf8) {
                openLine();
                m_out.append(char(c));
                if (!isContinuation(c))
                    ++m_lineChars;
            } else {
                openLine();
                m_out.append(table.bytes[c - 0x80].data(), table.length[c - 0x80]);
                ++m_lineChars;
            }
            if (m_out.size() >= kFlushSize)
                flush();
        }
    }

    SplitText finish()
    {
        if (m_afterCR)
            m_sawCR = true;
        m_longest = std::max(m_longest, m_lineChars);
        flush();
        SplitText result;
        result.lineCount = m_breaks + (m_lineOpen ? 1 : 0);
        result.longestLine = m_longest;
        result.encoding = m_encoding;
        if (m_sawCR && !m_sawLF && !m_sawCRLF)
            result.lineBreak = LineBreak::CR;
        else if (m_sawLF && !m_sawCR && !m_sawCRLF)
            result.lineBreak = LineBreak::LF;
        else
            result.lineBreak = LineBreak::CRLF;
        return result;
    }

private:
    static constexpr qsizetype kFlushSize = 1 << 20;

    // A break is written only when something follows it: a final break makes no extra line.
    void openLine()
    {
        if (m_breakPending) {
            m_out.append('\n');
            m_breakPending = false;
        }
        m_lineOpen = true;
    }
    void endLine()
    {
        openLine();
        m_breakPending = true;
        m_lineOpen = false;
        ++m_breaks;
        m_longest = std::max(m_longest, m_lineChars);
        m_lineChars = 0;
    }
    void flush()
    {
        if (!m_out.isEmpty())
            m_sink(m_out.constData(), m_out.size());
        m_out.clear();
    }

    TextEncoding m_encoding;
    TextSink m_sink;
    bool m_nulEndsText;
    QByteArray m_out;
    int m_breaks = 0;
    int m_lineChars = 0;
    int m_longest = 0;
    bool m_lineOpen = false;
    bool m_breakPending = false;
    bool m_afterCR = false;
    bool m_ended = false;
    bool m_sawCR = false, m_sawLF = false, m_sawCRLF = false;
};

TextSink appendTo(QByteArray &target)
{
    return [&target](const char *data, qsizetype size) { target.append(data, size); };
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
    Utf8Validator validator;
    validator.feed(bytes.constData(), bytes.size());
    return validator.isUtf8();
}

SplitText splitFileBytes(const QByteArray &bytes)
{
    QByteArray utf8;
    LineSplitter splitter(looksLikeUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1250, appendTo(utf8));
    splitter.feed(bytes.constData(), bytes.size());
    SplitText result = splitter.finish();
    result.utf8 = std::move(utf8);
    return result;
}

SplitText splitUtf8Text(const QByteArray &utf8)
{
    QByteArray text;
    LineSplitter splitter(TextEncoding::Utf8, appendTo(text), true);
    splitter.feed(utf8.constData(), utf8.size());
    SplitText result = splitter.finish();
    result.utf8 = std::move(text);
    return result;
}

SplitText readTextFile(const QString &path, const TextSink &sink, const TextSizeHint &prepare)
{
    // Two passes over the file, block by block, so that a large file is never held whole:
    // the first decides the encoding, the second decodes.
    constexpr qint64 kBlock = 4 << 20;
    QFile file(path);
    if (!openRegularFile(file))
        throw VelinorError::cannotOpen(path);
    // A small file gets a small buffer: each block read allocates the whole block.
    const qint64 blockSize = std::clamp(file.size(), qint64(1), kBlock);
    QByteArray block;
    Utf8Validator validator;
    const HighHalfUtf8 &table = highHalfUtf8();
    qint64 size = 0;
    qint64 windows1250Growth = 0; // extra bytes that decoding as windows-1250 would add
    while (!file.atEnd()) {
        block = file.read(blockSize);
        if (block.isEmpty() && file.error() != QFileDevice::NoError)
            throw VelinorError::cannotOpen(path);
        validator.feed(block.constData(), block.size());
        size += block.size();
        for (char c : std::as_const(block))
            if (static_cast<unsigned char>(c) >= 0x80)
                windows1250Growth += table.length[static_cast<unsigned char>(c) - 0x80] - 1;
    }
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        throw VelinorError::cannotOpen(path);
    const bool utf8 = validator.isUtf8();
    if (prepare)
        prepare(utf8 ? size : size + windows1250Growth);
    LineSplitter splitter(utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1250, sink);
    while (!file.atEnd()) {
        block = file.read(blockSize);
        if (block.isEmpty() && file.error() != QFileDevice::NoError)
            throw VelinorError::cannotOpen(path);
        splitter.feed(block.constData(), block.size());
    }
    if (file.error() != QFileDevice::NoError)
        throw VelinorError::cannotOpen(path);
    return splitter.finish();
}

SplitText loadTextFile(const QString &path)
{
    QByteArray utf8;
    SplitText result = readTextFile(path, appendTo(utf8));
    result.utf8 = std::move(utf8);
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
    // A write past the file-size limit must fail like a full disk, not end the program through
    // SIGXFSZ with the document unsaved.
    static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(fileSizeSignalIgnored);
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
