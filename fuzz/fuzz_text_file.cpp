// Text files: whatever the bytes, loading gives a text whose save loads back as the same text,
// line breaks and encoding; the save writes the file's own bytes back apart from line breaks, or
// loading reports what it cannot keep; the reader that streams a file from disk agrees with the one that
// splits bytes in memory; saving through the disk writes exactly the encoded bytes.
#include "fuzz_input.h"

#include "base/text_file.h"

#include <QFile>
#include <QStringDecoder>

namespace {

bool sameText(const SplitText &a, const SplitText &b)
{
    return a.utf8 == b.utf8 && a.lineCount == b.lineCount && a.longestLine == b.longestLine
           && a.lineBreak == b.lineBreak && a.encoding == b.encoding;
}

// The bytes without their line breaks and NULs, taken in code units of the encoding (after a
// byte-order mark, two or four bytes each; otherwise single bytes).
QByteArray withoutBreaks(const QByteArray &bytes, TextEncoding encoding)
{
    const bool utf32 = encoding == TextEncoding::Utf32LE || encoding == TextEncoding::Utf32BE;
    const bool utf16 = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    const bool bigEndian = encoding == TextEncoding::Utf16BE || encoding == TextEncoding::Utf32BE;
    const qsizetype unit = utf32 ? 4 : utf16 ? 2 : 1;
    QByteArray kept;
    qsizetype i = 0;
    for (; i + unit <= bytes.size(); i += unit) {
        quint32 value = 0;
        for (qsizetype b = 0; b < unit; ++b)
            value |= quint32(static_cast<unsigned char>(bytes[i + b])) << (8 * (bigEndian ? unit - 1 - b : b));
        if (value != '\r' && value != '\n' && value != 0)
            kept.append(bytes.mid(i, unit));
    }
    return kept + bytes.mid(i);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SplitText loaded = splitFileBytes(bytes);
    FUZZ_CHECK(loaded.lineCount >= 0 && (loaded.lineCount > 0 || loaded.utf8.isEmpty()), "line count");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    utf8.decode(loaded.utf8);
    FUZZ_CHECK(!utf8.hasError(), "the loaded text is valid UTF-8");
    FUZZ_CHECK(!loaded.utf8.contains('\0') && !loaded.utf8.contains('\r'), "only LF separates lines in memory");

    const EncodedText encoded = encodeLines(loaded.utf8.constData(), loaded.utf8.size(), loaded.lineCount,
                                            loaded.lineBreak, loaded.encoding);
    FUZZ_CHECK(!encoded.encodingChanged && encoded.encoding == loaded.encoding, "a loaded text saves in its encoding");
    FUZZ_CHECK(sameText(splitFileBytes(encoded.bytes), loaded), "load, save, load gives the same text");
    FUZZ_CHECK(loaded.nulBytes > 0 || loaded.malformed > 0
                   || withoutBreaks(encoded.bytes, encoded.encoding) == withoutBreaks(bytes, loaded.encoding),
               "an unedited save changes nothing but line breaks, unless the user was told at loading");

    // The file on disk: saved bytes are the encoded bytes, and the streaming reader sees the same.
    const QString path = scratchPath(QStringLiteral("document.html"));
    const EncodedText saved = saveTextFile(path, loaded.utf8.constData(), loaded.utf8.size(), loaded.lineCount,
                                           loaded.lineBreak, loaded.encoding);
    FUZZ_CHECK(saved.encoding == encoded.encoding, "saving reports the encoding written");
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == encoded.bytes, "the file holds the encoded bytes");
    file.close();
    FUZZ_CHECK(sameText(loadTextFile(path), loaded), "the streaming reader agrees");

    QFile original(path);
    FUZZ_CHECK(original.open(QIODevice::WriteOnly) && original.write(bytes) == bytes.size(), "scratch file");
    original.close();
    FUZZ_CHECK(sameText(loadTextFile(path), loaded), "the streaming reader agrees on the original bytes");
    return 0;
}
