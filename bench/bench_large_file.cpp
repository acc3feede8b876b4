// Large-document benchmark: loading a 50 MB windows-1250 page into the editing component, one
// 10,000-piece edit (a 100 x 100 table), and the reads the status bar makes on every keystroke.
// Prints medians; it is a measurement, not a test.

#include "editor/edit.h"
#include "editor/syntax_edit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <utility>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// Writes about `megabytes` MB of Czech HTML in windows-1250 with CRLF breaks, chunk by chunk.
void writeLargePage(const QString &path, int megabytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    // "Příliš žluťoučký kůň úpěl ďábelské ódy" in windows-1250.
    const QByteArray czech("P\xf8\xedli\x9a \x9elu\x9do\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1\x62\x65lsk\xe9 \xf3\x64y");
    file.write("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<body>\r\n");
    QByteArray chunk;
    int row = 0;
    while (file.size() < qint64(megabytes) * 1000 * 1000) {
        chunk.clear();
        for (int i = 0; i < 1000; ++i, ++row)
            chunk += "  <p class=\"r" + QByteArray::number(row % 97) + "\">" + czech + " &amp; " +
                     QByteArray::number(row) + "</p>\r\n";
        file.write(chunk);
    }
    file.write("</body>\r\n</html>\r\n");
}

Edit tablePieces(int rows, int columns)
{
    Edit edit;
    edit.insert(QStringLiteral("<table border=\"1\">"));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            QString piece = QStringLiteral("\r    <td></td>");
            if (c == 0)
                piece = QStringLiteral("\r  <tr>") + piece;
            if (c == columns - 1)
                piece += QStringLiteral("\r  </tr>");
            edit.insert(piece);
        }
    return edit;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.html"));
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    writeLargePage(path, megabytes);
    const double fileMB = QFileInfo(path).size() / 1e6;
    std::printf("document: %.1f MB windows-1250 HTML\n", fileMB);

    SyntaxEdit editor;
    editor.resize(1000, 700);
    editor.show();
    QApplication::processEvents();
    const long baseKiB = statusKiB("VmRSS:");

    std::vector<double> loads;
    long peakAfterFirstLoad = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        editor.loadFile(path);
        editor.repaint(); // the first screen of text, lexed and drawn
        QApplication::processEvents();
        loads.push_back(timer.nsecsElapsed() / 1e6);
        if (run == 0)
            peakAfterFirstLoad = statusKiB("VmHWM:");
    }
    std::printf("load: median %.0f ms over %zu runs (%d lines)\n", median(loads), loads.size(), editor.lineCount());
    std::printf("memory: peak %.0f MiB after the first load (window alone %.0f MiB), now %.0f MiB\n",
                peakAfterFirstLoad / 1024.0, baseKiB / 1024.0, statusKiB("VmRSS:") / 1024.0);

    const Edit table = tablePieces(100, 100);
    // The first screen in the middle of the document needs all the text before it lexed once.
    editor.setCaretLine(editor.lineCount() / 2);
    editor.repaint();
    for (const auto &[where, line] : {std::pair<const char *, int>{"at the start", 1},
                                      {"in the middle", editor.lineCount() / 2},
                                      {"at the end", editor.lineCount()}}) {
        std::vector<double> edits;
        std::vector<double> repaints;
        for (int run = 0; run < 5; ++run) {
            editor.setCaretLine(line);
            editor.setCaretColumn(1);
            editor.repaint();
            QElapsedTimer timer;
            timer.start();
            apply(table, editor);
            edits.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            editor.repaint();
            repaints.push_back(timer.nsecsElapsed() / 1e6);
            editor.undo();
        }
        std::printf("edit of %zu pieces %s of the document: median %.1f ms, then the repaint %.1f ms\n",
                    table.steps().size(), where, median(edits), median(repaints));
    }

    // Typing: one key press as the user makes it (the component's own work included), then the
    // status bar's reads.
    editor.setFocus();
    for (const auto &[where, line] : {std::pair<const char *, int>{"at the start", 1},
                                      {"in the middle", editor.lineCount() / 2},
                                      {"at the end", editor.lineCount()}}) {
        editor.setCaretLine(line);
        editor.repaint();
        std::vector<double> moves;
        for (int run = 0; run < 9; ++run) {
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&editor, Qt::Key_Right);
            editor.repaint();
            moves.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("moving the caret %s of the document (arrow key and repaint): median %.1f ms\n", where,
                    median(moves));
        std::vector<double> keys;
        for (int run = 0; run < 9; ++run) {
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&editor, Qt::Key_X);
            const TextPosition caret = editor.caret();
            (void)caret;
            (void)editor.statusLength();
            editor.repaint();
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("typing a key %s of the document (with status read and repaint): median %.1f ms\n", where,
                    median(keys));
    }

    editor.setCaretLine(editor.lineCount() / 2);
    editor.setCaretColumn(12);
    std::vector<double> reads;
    qint64 sink = 0;
    for (int run = 0; run < 2000; ++run) {
        QElapsedTimer timer;
        timer.start();
        const TextPosition caret = editor.caret();
        sink += caret.line + caret.column + editor.lineCount() + editor.statusLength();
        reads.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::printf("status read (caret, line count, text length): median %.2f us (check %lld)\n", median(reads),
                static_cast<long long>(sink % 1000));
    return 0;
}
