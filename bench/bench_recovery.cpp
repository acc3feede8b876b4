// Recovery copies of a large document: what keeping them costs the user. A 50 MB page is opened
// through the document manager; typed keys are timed without and with the recovery keeper watching,
// then the copy itself: its part on the GUI thread (the text copied out of the component) and the
// write on the keeper's thread. Prints medians; it is a measurement, not a test.

#include "app/child_form.h"
#include "core/command_registry.h"
#include "base/program_folder.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "files/recovery_keeper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeLargePage(const QString &path, int megabytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray chunk;
    for (int row = 0; row < 1000; ++row)
        chunk += "  <p class=\"r" + QByteArray::number(row % 97) + "\">P\xf8\xedli\x9a \x9elu\x9do\xe8k\xfd k\xf9\xf2 &amp; " +
                 QByteArray::number(row) + "</p>\r\n";
    while (file.size() < qint64(megabytes) * 1000 * 1000)
        file.write(chunk);
}

// One typed key as the user makes it, with the repaint; milliseconds.
double typeKey(SyntaxEdit *editor)
{
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(editor, Qt::Key_X);
    editor->repaint();
    return timer.nsecsElapsed() / 1e6;
}

std::vector<double> typeKeys(SyntaxEdit *editor, int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
        times.push_back(typeKey(editor));
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = dir.filePath(QStringLiteral("large.html"));
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    writeLargePage(path, megabytes);
    std::printf("document: %.1f MB windows-1250 HTML\n", QFileInfo(path).size() / 1e6);

    {
        // What a start with nothing to recover pays: the keeper, and a look for copies left behind.
        QMdiArea area;
        CommandRegistry commands;
        DocumentManager documents(&area, [&commands] { return new TChildForm(commands, {}); }, &area);
        std::vector<double> starts;
        for (int run = 0; run < 101; ++run) {
            QElapsedTimer timer;
            timer.start();
            RecoveryKeeper keeper(documents, ProgramFolder::file(ProgramFile::RecoveryFolder));
            const bool nothing = OrphanedCopies::find(keeper.recoveryFolder())->copies().isEmpty();
            starts.push_back(timer.nsecsElapsed() / 1e3);
            if (!nothing)
                qFatal("copies found in a fresh folder");
        }
        std::printf("start-up with nothing to recover: median %.1f us for the keeper and the look for copies\n",
                    median(starts));
    }

    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    CommandRegistry commands;
    DocumentManager documents(&area, [&commands] { return new TChildForm(commands, {}); }, &area);
    DocumentWindow *document = documents.openDocument(path, path, DocumentLanguage::Html);
    SyntaxEdit *editor = document->editor();
    editor->setFocus();
    QApplication::processEvents();

    constexpr int kKeys = 41;
    for (const auto &[where, line] : {std::pair<const char *, int>{"at the start", 1}, {"at the end", editor->lineCount()}}) {
        editor->setCaretLine(line);
        typeKeys(editor, 3); // the buffer's gap moves here first
        const double without = median(typeKeys(editor, kKeys));

        auto keeper = std::make_unique<RecoveryKeeper>(documents, ProgramFolder::file(ProgramFile::RecoveryFolder));
        // The first edit has the keeper's thread make the copy's memory ready: typed keys while it
        // works, then once it is done.
        const double whilePreparing = median(typeKeys(editor, 9));
        keeper->waitForWrites();
        QApplication::processEvents();
        const double with = median(typeKeys(editor, kKeys));

        // The keeper's own part of a keystroke: it hears of the edit and restarts its timers.
        QElapsedTimer handler;
        handler.start();
        constexpr int kEdits = 100000;
        for (int i = 0; i < kEdits; ++i)
            emit documents.documentEdited(document);
        const double perEdit = handler.nsecsElapsed() / 1e3 / kEdits;

        // The copy: the GUI thread's part, then the write on the keeper's thread.
        std::vector<double> copies;
        std::vector<double> writes;
        std::vector<double> keysAfterCopy;
        for (int run = 0; run < 5; ++run) {
            typeKey(editor);
            // The user's pause: the keeper's thread has readied the memory by the time it ends.
            keeper->waitForWrites();
            QApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            keeper->copyNow();
            copies.push_back(timer.nsecsElapsed() / 1e6);
            keysAfterCopy.push_back(typeKey(editor)); // the copy must leave the buffer as it was
            keeper->waitForWrites();
            writes.push_back(timer.nsecsElapsed() / 1e6);
            QApplication::processEvents();
        }
        std::printf("typing a key %s: median %.2f ms without copies; with the keeper watching %.2f ms "
                    "(its own part %.2f us), %.2f ms while its thread readies memory, %.2f ms while it writes a copy\n",
                    where, without, with, perEdit, whilePreparing, median(keysAfterCopy));
        std::printf("a copy %s: %.1f ms on the GUI thread (taken at most once per pause in typing, "
                    "every %d s while it goes on), %.0f ms until written\n",
                    where, median(copies), RecoveryKeeper::kLongestWaitMs / 1000, median(writes));
    }
    for (DocumentWindow *open : documents.documents())
        open->setCloseConfirmed();
    return 0;
}
