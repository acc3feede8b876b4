#pragma once

#include "base/file_write.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Text files as Velinor reads and writes them.
//
// Loading splits the bytes into lines at CRLF, CR or LF; a NUL byte also ends a line; a final line
// break makes no extra empty line. The line-break style is remembered: CR only, LF only, otherwise
// CRLF. The encoding:
// - a UTF-16 or UTF-32 byte-order mark: that encoding, written back with the same mark;
// - a UTF-8 byte-order mark before bytes that are all valid UTF-8: UTF-8 written back behind the
//   same mark. The mark is not part of the text, so that text typed at its very start goes after it;
// - bytes that are valid UTF-8 and contain a non-ASCII byte: UTF-8;
// - plain ASCII that declares UTF-8 (an HTML meta charset, an XML declaration, a CSS @charset): UTF-8,
//   so that letters typed later are written the way the page says;
// - anything else: windows-1250, where every byte value comes back unchanged on save.
//
// In memory a text is kept the way the editing component keeps it: UTF-8, lines joined by "\n",
// with the number of lines alongside (an empty text may hold no line or one empty line).

enum class LineBreak { CR, LF, CRLF };
enum class TextEncoding { Windows1250, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Utf8WithMark };

struct SplitText
{
    QByteArray utf8;          // the lines joined by "\n", no final break
    int lineCount = 0;
    int longestLine = 0;      // in characters
    LineBreak lineBreak = LineBreak::CRLF;
    TextEncoding encoding = TextEncoding::Windows1250;
    qint64 nulBytes = 0;      // NUL characters: each ended a line, and is saved as a break
    // Places where a UTF-16 or UTF-32 file's bytes form no character (a lone surrogate, a value
    // beyond U+10FFFF, bytes left over at the end): each reads as U+FFFD, which a save writes.
    qint64 malformed = 0;
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

// Every line followed by the line break, the last one too; an encoding with a byte-order mark writes
// the mark even when there is no line.
EncodedText encodeLines(const char *utf8, qsizetype size, int lineCount, LineBreak lineBreak,
                        TextEncoding encoding);

// Writes the file as writeWholeFile does; raises "Cannot create file %s" on failure, or says where
// the old contents are kept when they could not be put back.
EncodedText saveTextFile(const QString &path, const char *utf8, qsizetype size, int lineCount,
                         LineBreak lineBreak, TextEncoding encoding);

QByteArray lineBreakBytes(LineBreak lineBreak);
