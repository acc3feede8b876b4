#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Entry point of every fuzz target; libFuzzer calls it, and so does the corpus replay of the tests.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

// A broken property: report it and abort, which libFuzzer records as a crash with its input and
// the replay test reports as a failure.
#define FUZZ_CHECK(condition, what)                                                                  \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: property broken: %s (%s)\n", __FILE__, __LINE__, what, #condition); \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)

// Hands out the fuzzer's bytes as the values a target needs; past the end everything is zero/empty.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool flag() { return byte() & 1; }
    // 0 .. count-1
    int choice(int count) { return count <= 1 ? 0 : byte() % count; }
    // A small signed number, mostly near zero.
    int smallNumber() { return int(std::int8_t(byte())); }

    QByteArray bytes(std::size_t count)
    {
        const std::size_t n = std::min(count, m_size - std::min(m_pos, m_size));
        QByteArray result(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return result;
    }
    // A length byte, then that many bytes.
    QByteArray shortBytes() { return bytes(byte()); }
    QByteArray rest() { return bytes(m_size); }

    // A short text: UTF-8 as given, or every byte taken as Latin-1 so that control characters, NUL
    // and the high half appear too.
    QString text()
    {
        const bool utf8 = flag();
        const QByteArray raw = shortBytes();
        return utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A scratch folder for targets that write files, in memory where the system offers it: every save
// ends in an fsync, which on a disk would make each run take milliseconds.
inline QString scratchPath(const QString &fileName)
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/velinor-fuzz-XXXXXX")
                                                                         : QDir::tempPath() + QStringLiteral("/velinor-fuzz-XXXXXX"));
    return folder.filePath(fileName);
}
