// Long-line benchmark: a 1 MB single-line page (minified CSS, then HTML) in the real main window.
// Times a typed key and a quick-insert button at the start, middle and end of the line, each with
// everything the program does for it: the editor, its styling, the status bar, the ruler and the
// repaint. Beside each figure stands the same action on a bare editing component (the same
// highlighter, text, size and cache of measured pieces): the difference is Velinor's own work.
// Prints medians of processor time; it is a measurement, not a test.

#include "app/child_form.h"
#include "app/main_form.h"
#include "base/program_folder.h"
#include "files/document_manager.h"
#include "editor/highlighters.h"
#include "editor/syntax_edit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// About a megabyte on one line, with Czech letters in UTF-8 as a minifier leaves them.
QByteArray longLine(const QByteArray &kind)
{
    QByteArray piece;
    QByteArray line;
    for (int row = 0; line.size() < 1000 * 1000; ++row) {
        if (kind == "css")
            piece = ".r" + QByteArray::number(row) + "{color:#" + QByteArray::number(0x100000 + row % 0xEFFFFF, 16)
                    + ";margin:0 " + QByteArray::number(row % 17) + "px;font-family:\"Žluťoučký kůň\"}";
        else
            piece = "<p class=\"r" + QByteArray::number(row % 97) + "\">Příliš žluťoučký kůň &amp; "
                    + QByteArray::number(row) + "</p>";
        line += piece;
    }
    return line + "\n";
}

// Milliseconds of processor time this process has used: on a busy machine the clock on the wall
// also counts other programs' turns.
double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The processor time of one user action and everything that follows it until the program is idle
// again.
double timeAction(const std::function<void()> &action)
{
    const double start = cpuMilliseconds();
    action();
    QApplication::processEvents();
    return cpuMilliseconds() - start;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir folder;
    ProgramFolder::setPath(folder.path());

    TMainForm mainForm;
    mainForm.resize(1200, 900);
    mainForm.show();
    QApplication::processEvents();
    auto *space = mainForm.findChild<QAbstractButton *>(QStringLiteral("ToolButton_FastPaste_Space"));
    if (!space)
        qFatal("the quick-insert bar has no non-breaking space button");

    for (const auto &[kind, language] : {std::pair<QByteArray, DocumentLanguage>{"css", DocumentLanguage::Css},
                                         {"html", DocumentLanguage::Html}}) {
        if (argc > 1 && kind != argv[1])
            continue; // only the kind asked for
        const QString path = folder.filePath(QStringLiteral("long.") + QString::fromLatin1(kind));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(longLine(kind)) < 0)
            qFatal("cannot write %s", qPrintable(path));
        file.close();

        DocumentWindow *child = mainForm.documents().openDocument(path, path, language);
        SyntaxEdit *editor = child->editor();
        QApplication::processEvents();

        QsciScintilla bare;
        bare.setUtf8(true);
        bare.setLexer(createHighlighter(highlighterOf(language), &bare));
        bare.SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE,
                           static_cast<unsigned long>(editor->SendScintilla(QsciScintillaBase::SCI_GETPOSITIONCACHE)));
        bare.resize(editor->size());
        bare.show();
        const QByteArray text = editor->line(0).toUtf8();
        bare.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, text.constData());
        QApplication::processEvents();

        const int length = int(editor->line(0).toUcs4().size());
        std::printf("%s: one line of %.2f MB (%d characters); median CPU time, Velinor (the bare component):\n",
                    kind.constData(), file.size() / 1e6, length);
        for (const auto &[where, column] : {std::pair<const char *, int>{"at the start", 1},
                                            {"in the middle", length / 2},
                                            {"at the end", length + 1}}) {
            editor->setCaretLine(1);
            editor->setCaretColumn(column);
            const long position = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
            bare.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(position));
            QApplication::processEvents(); // the first screen there, styled once
            std::vector<double> keys, bareKeys, buttons, bareInserts;
            for (int run = 0; run < 9; ++run) {
                keys.push_back(timeAction([editor] { QTest::keyClick(editor, Qt::Key_X); }));
                bareKeys.push_back(timeAction([&bare] { QTest::keyClick(&bare, Qt::Key_X); }));
                buttons.push_back(timeAction([space] { space->click(); }));
                bareInserts.push_back(
                    timeAction([&bare] { bare.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, 0UL, "&nbsp;"); }));
            }
            std::printf("  %s of the line: a typed key %.1f ms (%.1f ms), the quick-insert button \"_\" %.1f ms (%.1f ms)\n",
                        where, median(keys), median(bareKeys), median(buttons), median(bareInserts));
        }
        child->editor()->clearModified();
        child->parentWidget()->close();
        QApplication::processEvents();
    }
    return 0;
}
