#include "base/text_file.h"

#include "base/regular_file.h"
#include "base/utf8_bytes.h"
#include "base/velinor_error.h"
#include "base/windows1250.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <cstring>
#include <memory>
#include <optional>

namespace {

inline bool isAsciiWord(const unsigned char *bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

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
            // Plain ASCII, eight bytes at a time.
            while (m_pending == 0 && i + 8 <= size && isAsciiWord(bytes + i))
                i += 8;
            if (i == size)
                break;
            const unsigned char c = bytes[i];
            if (m_pending > 0) {
                if (!isUtf8Continuation(char(c))) {
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
    bool isAscii() const { return !m_nonAscii; }
    // No byte so far breaks the rules (a character may still be incomplete).
    bool isValidSoFar() const { return m_valid; }

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
        m_out.reset(new char[size_t(kFlushSize)]); // not filled: only what is written is touched
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
                ++m_nulBytes;
                if (m_nulEndsText)
                    m_ended = true;
                else
                    endLine();
            } else if (c < 0x80 || m_encoding == TextEncoding::Utf8) {
                // A run of bytes that stand for themselves goes out in one piece.
                openLine();
                const bool utf8 = m_encoding == TextEncoding::Utf8;
                qsizetype end = i;
                int characters = 0;
                for (; end < size; ++end) {
                    const unsigned char d = bytes[end];
                    if (d == '\r' || d == '\n' || d == 0 || (d >= 0x80 && !utf8))
                        break;
                    characters += !isUtf8Continuation(char(d));
                }
                put(data + i, end - i);
                m_lineChars += characters;
                i = end - 1;
            } else {
                openLine();
                put(table.bytes[c - 0x80].data(), table.length[c - 0x80]);
                ++m_lineChars;
            }
        }
    }

    // Until a byte of 0x80 or more arrives, both 8-bit encodings read the same.
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

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
        result.nulBytes = m_nulBytes;
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
            put("\n", 1);
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
    // Output goes to the sink in pieces of about kFlushSize; a longer run of text goes as it is.
    void put(const char *bytes, qsizetype size)
    {
        if (m_used + size > kFlushSize) {
            flush();
            if (size > kFlushSize) {
                m_sink(bytes, size);
                return;
            }
        }
        std::memcpy(m_out.get() + m_used, bytes, size_t(size));
        m_used += size;
    }
    void flush()
    {
        if (m_used > 0)
            m_sink(m_out.get(), m_used);
        m_used = 0;
    }

    TextEncoding m_encoding;
    TextSink m_sink;
    bool m_nulEndsText;
    std::unique_ptr<char[]> m_out; // output waiting for the sink, m_used bytes of it
    qsizetype m_used = 0;
    int m_breaks = 0;
    qint64 m_nulBytes = 0;
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

// Each (re)start of reading empties the target and makes room.
TextSizeHint startOver(QByteArray &target)
{
    return [&target](qint64 utf8Bytes) {
        target.clear();
        target.reserve(qsizetype(utf8Bytes));
    };
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

namespace {

QByteArray byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8WithMark: return QByteArrayLiteral("\xEF\xBB\xBF");
    case TextEncoding::Utf16LE: return QByteArrayLiteral("\xFF\xFE");
    case TextEncoding::Utf16BE: return QByteArrayLiteral("\xFE\xFF");
    case TextEncoding::Utf32LE: return QByteArrayLiteral("\xFF\xFE\x00\x00");
    case TextEncoding::Utf32BE: return QByteArrayLiteral("\x00\x00\xFE\xFF");
    case TextEncoding::Windows1250:
    case TextEncoding::Utf8: break;
    }
    return {};
}

std::optional<TextEncoding> encodingOfByteOrderMark(const QByteArray &head)
{
    // UTF-32LE before UTF-16LE: its mark begins with the mark of UTF-16LE.
    for (TextEncoding encoding : {TextEncoding::Utf32LE, TextEncoding::Utf32BE, TextEncoding::Utf16LE,
                                  TextEncoding::Utf16BE, TextEncoding::Utf8WithMark})
        if (head.startsWith(byteOrderMark(encoding)))
            return encoding;
    return std::nullopt;
}

bool declaresUtf8(const QByteArray &head)
{
    // An HTML meta charset (either form), an XML declaration or a CSS @charset rule.
    static const QRegularExpression declaration(
        QStringLiteral("charset\\s*=\\s*[\"']?\\s*utf-?8\\b"
                       "|<\\?xml[^>]*\\bencoding\\s*=\\s*[\"']utf-?8[\"']"
                       "|@charset\\s+[\"']utf-?8[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    return declaration.match(QString::fromLatin1(head)).hasMatch();
}

bool isWide(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE
           || encoding == TextEncoding::Utf32LE || encoding == TextEncoding::Utf32BE;
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

inline bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

// UTF-16 or UTF-32 bytes (after the mark) to UTF-8, fed block by block. A code unit or a surrogate
// pair split between blocks waits for the rest. Whatever forms no character (a lone surrogate, a
// value beyond U+10FFFF, bytes left over at the end) becomes U+FFFD and is counted.
class WideDecoder
{
public:
    explicit WideDecoder(TextEncoding encoding)
        : m_unitSize(encoding == TextEncoding::Utf32LE || encoding == TextEncoding::Utf32BE ? 4 : 2),
          m_bigEndian(encoding == TextEncoding::Utf16BE || encoding == TextEncoding::Utf32BE)
    {
    }

    // Appends the characters the block completes to `out`.
    void feed(const char *data, qsizetype size, QByteArray &out)
    {
        for (qsizetype i = 0; i < size; ++i) {
            m_unit[m_unitFill++] = static_cast<unsigned char>(data[i]);
            if (m_unitFill < m_unitSize)
                continue;
            m_unitFill = 0;
            char32_t value = 0;
            for (int b = 0; b < m_unitSize; ++b)
                value |= char32_t(m_unit[m_bigEndian ? b : m_unitSize - 1 - b]) << (8 * (m_unitSize - 1 - b));
            takeUnit(value, out);
        }
    }

    // The end of the bytes: a high surrogate or a part of a unit still waiting forms no character.
    void finish(QByteArray &out)
    {
        if (m_highSurrogate)
            malformed(out);
        m_highSurrogate = 0;
        if (m_unitFill > 0)
            malformed(out);
        m_unitFill = 0;
    }

    qint64 malformedCount() const { return m_malformed; }

private:
    void takeUnit(char32_t value, QByteArray &out)
    {
        if (m_unitSize == 4) {
            if (value > 0x10FFFF || isSurrogate(value))
                malformed(out);
            else
                appendUtf8(out, value);
            return;
        }
        if (m_highSurrogate) {
            if (value >= 0xDC00 && value <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (value - 0xDC00));
                m_highSurrogate = 0;
                return;
            }
            malformed(out);
            m_highSurrogate = 0;
        }
        if (value >= 0xD800 && value <= 0xDBFF)
            m_highSurrogate = value;
        else if (isSurrogate(value))
            malformed(out);
        else
            appendUtf8(out, value);
    }
    void malformed(QByteArray &out)
    {
        appendUtf8(out, kReplacementCharacter);
        ++m_malformed;
    }

    const int m_unitSize;
    const bool m_bigEndian;
    std::array<unsigned char, 4> m_unit{};
    int m_unitFill = 0;
    char32_t m_highSurrogate = 0;
    qint64 m_malformed = 0;
};

// UTF-8 (well formed) to UTF-16 or UTF-32, without a mark.
QByteArray encodeWide(const QByteArray &utf8, TextEncoding encoding)
{
    const bool utf32 = encoding == TextEncoding::Utf32LE || encoding == TextEncoding::Utf32BE;
    const bool bigEndian = encoding == TextEncoding::Utf16BE || encoding == TextEncoding::Utf32BE;
    const int unitSize = utf32 ? 4 : 2;
    QByteArray out;
    out.reserve(utf8.size() * unitSize);
    auto putUnit = [&](char32_t value) {
        for (int b = 0; b < unitSize; ++b) {
            const int shift = 8 * (bigEndian ? unitSize - 1 - b : b);
            out.append(char((value >> shift) & 0xFF));
        }
    };
    const auto *data = reinterpret_cast<const unsigned char *>(utf8.constData());
    for (qsizetype i = 0; i < utf8.size();) {
        const char32_t c = decodeUtf8(data, utf8.size(), i);
        if (utf32 || c < 0x10000) {
            putUnit(c);
        } else {
            putUnit(0xD800 + ((c - 0x10000) >> 10));
            putUnit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

// Room a text of 8-bit file bytes needs in UTF-8, judged from its first block: the bytes
// themselves, and for windows-1250 what its letters above 0x7F add, in the same proportion.
qint64 decodedSizeEstimate(const QByteArray &firstBlock, qint64 fileSize, std::optional<TextEncoding> encoding)
{
    if (encoding != TextEncoding::Windows1250 || firstBlock.isEmpty())
        return fileSize;
    const HighHalfUtf8 &table = highHalfUtf8();
    qint64 growth = 0;
    for (char c : firstBlock)
        if (static_cast<unsigned char>(c) >= 0x80)
            growth += table.length[static_cast<unsigned char>(c) - 0x80] - 1;
    return fileSize + qint64(double(growth) * double(fileSize) / double(firstBlock.size()));
}

// Reads a text from a device in blocks and decodes it into lines. A byte-order mark names the
// encoding. Otherwise the file is read once: until its first byte above 0x7F both 8-bit encodings
// read alike; at that byte UTF-8 is chosen while every byte so far is valid UTF-8, and windows-1250
// for good once one is not. Should a file chosen as UTF-8 turn out not to be (an invalid byte
// further on), it is read again from the start as windows-1250: `prepare` is told again and the
// sink starts over. Plain ASCII is UTF-8 when it declares so. `fail` is called when the device
// cannot be read and must not return.
SplitText readText(QIODevice &device, const TextSink &sink, const TextSizeHint &prepare, qint64 blockSize,
                   const std::function<void()> &fail)
{
    blockSize = std::max<qint64>(1, blockSize);
    // One buffer for every block: a fresh one each time would be fresh memory for the system to
    // hand over, page by page.
    QByteArray buffer;
    auto readBlock = [&]() -> const QByteArray & {
        buffer.resize(qsizetype(blockSize));
        const qint64 got = device.read(buffer.data(), blockSize);
        if (got < 0 || (got == 0 && !device.atEnd()))
            fail();
        buffer.resize(qsizetype(std::max<qint64>(got, 0)));
        return buffer;
    };
    auto rewind = [&](qint64 position) {
        if (!device.seek(position))
            fail();
    };

    const std::optional<TextEncoding> marked = encodingOfByteOrderMark(device.peek(4));
    if (!marked || !isWide(*marked)) {
        // A UTF-8 mark stays out of the text, as long as the rest is UTF-8.
        const bool utf8Marked = marked == TextEncoding::Utf8WithMark;
        const qint64 fileSize = device.size();
        // One pass; no result when the text has to be read again as windows-1250.
        auto readPass = [&](std::optional<TextEncoding> forced) -> std::optional<SplitText> {
            constexpr qsizetype kDeclarationHead = 64 * 1024;
            LineSplitter splitter(forced.value_or(TextEncoding::Utf8), sink);
            Utf8Validator validator;
            std::optional<TextEncoding> chosen = forced;
            QByteArray head;
            bool prepared = false;
            if (utf8Marked && !forced) {
                const QByteArray mark = byteOrderMark(TextEncoding::Utf8WithMark);
                validator.feed(mark.constData(), mark.size());
                chosen = TextEncoding::Utf8;
                rewind(mark.size());
            }
            while (!device.atEnd()) {
                const QByteArray &block = readBlock();
                if (!forced) {
                    validator.feed(block.constData(), block.size());
                    if (head.size() < kDeclarationHead)
                        head.append(block.left(kDeclarationHead - head.size()));
                    if (!chosen && !validator.isAscii())
                        chosen = validator.isValidSoFar() ? TextEncoding::Utf8 : TextEncoding::Windows1250;
                    if (chosen == TextEncoding::Utf8 && !validator.isValidSoFar())
                        return std::nullopt;
                }
                if (!prepared) {
                    prepared = true;
                    if (prepare)
                        prepare(decodedSizeEstimate(block, fileSize, chosen));
                }
                if (chosen)
                    splitter.setEncoding(*chosen);
                splitter.feed(block.constData(), block.size());
            }
            if (!prepared && prepare)
                prepare(0);
            if (chosen == TextEncoding::Utf8 && !forced && !validator.isUtf8())
                return std::nullopt; // the last character is cut short
            SplitText result = splitter.finish();
            result.encoding = chosen ? *chosen : declaresUtf8(head) ? TextEncoding::Utf8 : TextEncoding::Windows1250;
            if (utf8Marked && result.encoding == TextEncoding::Utf8)
                result.encoding = TextEncoding::Utf8WithMark;
            return result;
        };
        if (std::optional<SplitText> result = readPass(std::nullopt))
            return *result;
        rewind(0);
        return *readPass(TextEncoding::Windows1250);
    }

    // Room for the decoded text: how many bytes of UTF-8 it can take at most.
    const TextEncoding encoding = *marked;
    if (prepare)
        prepare(device.size() * 3 / 2);
    // The mark itself is skipped: any further U+FEFF is text.
    rewind(byteOrderMark(encoding).size());
    LineSplitter splitter(TextEncoding::Utf8, sink);
    WideDecoder decoder(encoding);
    QByteArray utf8;
    while (!device.atEnd()) {
        const QByteArray &block = readBlock();
        utf8.clear();
        decoder.feed(block.constData(), block.size(), utf8);
        splitter.feed(utf8.constData(), utf8.size());
    }
    utf8.clear();
    decoder.finish(utf8);
    splitter.feed(utf8.constData(), utf8.size());
    SplitText result = splitter.finish();
    result.encoding = encoding;
    result.malformed = decoder.malformedCount();
    return result;
}

} // namespace

SplitText splitFileBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QByteArray utf8;
    SplitText result = readText(buffer, appendTo(utf8), startOver(utf8), std::max<qsizetype>(1, bytes.size()), [] {});
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

SplitText readTextFile(const QString &path, const TextSink &sink, const TextSizeHint &prepare, qint64 blockSize)
{
    // Block by block, so that a large file is never held whole.
    QFile file(path);
    if (!openRegularFile(file))
        throw VelinorError::cannotOpen(path);
    // A small file gets a small buffer: each block read allocates the whole block.
    blockSize = std::clamp(file.size(), qint64(1), blockSize);
    return readText(file, sink, prepare, blockSize, [&path] { throw VelinorError::cannotOpen(path); });
}

SplitText loadTextFile(const QString &path)
{
    QByteArray utf8;
    SplitText result = readTextFile(path, appendTo(utf8), startOver(utf8));
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
    if (lineCount <= 0) {
        result.bytes = byteOrderMark(encoding);
        return result;
    }
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
    if (isWide(result.encoding))
        result.bytes = encodeWide(result.bytes, result.encoding);
    result.bytes.prepend(byteOrderMark(result.encoding));
    return result;
}

EncodedText saveTextFile(const QString &path, const char *utf8, qsizetype size, int lineCount,
                         LineBreak lineBreak, TextEncoding encoding)
{
    EncodedText encoded = encodeLines(utf8, size, lineCount, lineBreak, encoding);
    QString keptCopy;
    if (!writeWholeFile(path, encoded.bytes, &keptCopy)) {
        if (!keptCopy.isEmpty())
            throw VelinorError(QStringLiteral("Soubor %1 se nepodařilo zapsat celý a jeho dřívější obsah se do něj "
                                              "nepodařilo vrátit.\nDřívější obsah je uložen v souboru %2.")
                                   .arg(path, keptCopy));
        throw VelinorError::cannotCreate(path);
    }
    encoded.bytes.clear();
    return encoded;
}
