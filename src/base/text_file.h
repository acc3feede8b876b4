#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Text files as Velinor reads and writes them.
//
// Loading splits the bytes into lines at CRLF, CR or LF; a NUL byte also ends a line; a final line
// break makes no extra empty line. The line-break style is remembered: CR only, LF only, otherwise
// CRLF. The encoding:
// - a UTF-16 or UTF-32 byte-order mark: that encoding, written back with the same mark;
// - bytes that are valid UTF-8 and contain a non-ASCII byte: UTF-8;
// - plain ASCII that declares UTF-8 (an HTML meta charset, an XML declaration, a CSS @charset): UTF-8,
//   so that letters typed later are written the way the page says;
// - anything else: windows-1250, where every byte value comes back unchanged on save.
//
// In memory a text is kept the way the editing component keeps it: UTF-8, lines joined by "\n",
// with the number of lines alongside (an empty text may hold no line or one empty line).

enum class LineBreak { CR, LF, CRLF };
enum class TextEncoding { Windows1250, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

struct SplitText
{
    QByteArray utf8;          // the lines joined by "\n", no final break
    int lineCount = 0;
    int longestLine = 0;      // in characters
    LineBreak lineBreak = LineBreak::CRLF;
    TextEncoding encoding = TextEncoding::Windows1250;
    qint64 nulBytes = 0;      // NUL bytes of an 8-bit file: each ended a line, and is saved as a break
};

// Whether the bytes are well-formed UTF-8 holding at least one non-ASCII character.
bool looksLikeUtf8(const QByteArray &bytes);

// File bytes to lines (encoding detected as above).
SplitText splitFileBytes(const QByteArray &bytes);

// Text already in UTF-8 (for instance from a QString) to lines; a NUL ends the text.
SplitText splitUtf8Text(const QByteArray &utf8);

// Reads a whole file; raises "Cannot open file %s" when it cannot be read.
SplitText loadTextFile(const QString &path);

// Reads a file without holding it whole, in one pass: its text reaches the sink in pieces (the
// result's utf8 stays empty). Raises "Cannot open file %s" when it cannot be read.
// Before the first piece, `prepare` learns about how many bytes of UTF-8 will come. A file that
// reads as UTF-8 at first and breaks its rules further on is read again as windows-1250: then
// `prepare` is called again, and the sink must drop what it was given and start over.
using TextSink = std::function<void(const char *data, qsizetype size)>;
using TextSizeHint = std::function<void(qint64 utf8Bytes)>;
// The file is read `blockSize` bytes at a time.
constexpr qint64 kReadBlockSize = 4 << 20;
SplitText readTextFile(const QString &path, const TextSink &sink, const TextSizeHint &prepare = {},
                       qint64 blockSize = kReadBlockSize);

struct EncodedText
{
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Windows1250;
    bool encodingChanged = false; // windows-1250 could not hold every character: written as UTF-8
};

// Every line followed by the line break, the last one too.
EncodedText encodeLines(const char *utf8, qsizetype size, int lineCount, LineBreak lineBreak,
                        TextEncoding encoding);

// Writes through a temporary file so that a failed save leaves the old file whole; raises
// "Cannot create file %s" on failure.
EncodedText saveTextFile(const QString &path, const char *utf8, qsizetype size, int lineCount,
                         LineBreak lineBreak, TextEncoding encoding);

QByteArray lineBreakBytes(LineBreak lineBreak);

// Replaces a file's contents through a temporary file: either every byte is written or the old file
// stays as it was. Returns false on failure.
bool writeWholeFile(const QString &path, const QByteArray &bytes);
