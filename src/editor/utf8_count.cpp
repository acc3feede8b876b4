#include "editor/utf8_count.h"

#include <cstdint>
#include <cstring>

namespace {

// Continuation bytes (10xxxxxx) among the eight bytes of a word: bit 7 set, bit 6 clear. The marks
// become a 0 or 1 per byte, summed into the top byte by one multiplication (the generic x86-64
// build has no population-count instruction and would call a library routine per word).
inline int continuationBytes(std::uint64_t word)
{
    const std::uint64_t marks = ((word & ~(word << 1)) & 0x8080808080808080ULL) >> 7;
    return int((marks * 0x0101010101010101ULL) >> 56);
}

} // namespace

qint64 countUtf8Characters(const char *text, qsizetype size)
{
    qint64 continuations = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + i, sizeof word);
        continuations += continuationBytes(word);
    }
    for (; i < size; ++i)
        continuations += isUtf8Continuation(text[i]);
    return size - continuations;
}

qsizetype utf8OffsetAfter(const char *text, qsizetype size, qint64 characters)
{
    // Whole words while they cannot reach the wanted character; a word holds at most eight starts.
    qsizetype i = 0;
    qint64 starts = 0; // characters begun before i
    while (i + 8 <= size && characters - starts > 8) {
        std::uint64_t word;
        std::memcpy(&word, text + i, sizeof word);
        starts += 8 - continuationBytes(word);
        i += 8;
    }
    // Byte by byte to the start of character number `characters` (0-based); a text that begins
    // inside a character (a piece of a longer text) starts at its next character.
    for (; i < size; ++i) {
        if (isUtf8Continuation(text[i]))
            continue;
        if (starts == characters)
            return i;
        ++starts;
    }
    return size;
}
