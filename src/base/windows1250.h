#pragma once

#include <QString>
#include <cstdint>

// The Central European single-byte code page that Velinor's documents are written in.
// Decoding is total: the five byte values the code page leaves unassigned (0x81, 0x83, 0x88, 0x90,
// 0x98) become the control characters U+0081 ... so that every byte comes back unchanged on save.
namespace Windows1250 {

// The Unicode code point of a byte.
char16_t toUnicode(unsigned char byte);

// The byte of a code point, or -1 when the code page cannot hold it.
int fromUnicode(char32_t codePoint);

QString decode(const QByteArray &bytes);

} // namespace Windows1250
