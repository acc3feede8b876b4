// Replays a fuzz target's corpus as an ordinary test: every file under the given folders (or the
// given files) goes once through the target's entry point. A broken property aborts the run.
#include "fuzz_input.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

int main(int argc, char *argv[])
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                inputs.append(it.next());
        } else {
            inputs.append(path);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "no corpus files given\n");
        return 2;
    }
    for (const QString &path : std::as_const(inputs)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(QFileInfo(path).fileName()));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(inputs.size()));
    return 0;
}
