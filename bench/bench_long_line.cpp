// Long-line benchmark: a 1 MB single-line page (minified CSS, then HTML) in the real main window.
// Times a typed key and a quick-insert button at the start, middle and end of the line, each with
// everything the program does for it: the editor, its styling, the status bar, the ruler and the
// repaint. Beside each figure stand the same action on a bare editing component (the same
// highlighter, text, size and cache of measured pieces) and the least the component can do for it
// in Velinor's editor, with Velinor's reactions blocked: put the text in, style the line once, lay
// it out once and paint. The component styles and lays out a changed line whole, so that least is
// the floor; what Velinor takes beyond it is its own work.
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
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstring>
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
        // Without the base class's caret-column signal, which Velinor switches off too: each caret
        // move would count the columns from the line start.
        QObject::disconnect(&bare, SIGNAL(SCN_UPDATEUI(int)), &bare, SLOT(handleUpdateUI(int)));
        bare.setLexer(createHighlighter(highlighterOf(language), &bare));
        bare.SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE,
                           static_cast<unsigned long>(editor->SendScintilla(QsciScintillaBase::SCI_GETPOSITIONCACHE)));
        bare.resize(editor->size());
        bare.show();
        const QByteArray text = editor->line(0).toUtf8();
        bare.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, text.constData());
        QApplication::processEvents();

        const int length = int(editor->line(0).toUcs4().size());
        std::printf("%s: one line of %.2f MB (%d characters); median processor time of 15 runs\n",
                    kind.constData(), file.size() / 1e6, length);
        for (const auto &[where, column] : {std::pair<const char *, int>{"at the start", 1},
                                            {"in the middle", length / 2},
                                            {"at the end", length + 1}}) {
            editor->setCaretLine(1);
            editor->setCaretColumn(column);
            const long position = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
            bare.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(position));
            QApplication::processEvents(); // the first screen there, styled once
            // The least work, on Velinor's own editor with its signals blocked (so that none of
            // Velinor's reactions run): the text in without scrolling, the line styled, the caret
            // scrolled to (one layout of the line), then the paint.
            auto leastInsert = [editor](const char *text) {
                const QSignalBlocker quiet(editor);
                const long pos = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
                editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(pos), text);
                editor->SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION,
                                      static_cast<unsigned long>(pos + long(std::strlen(text))));
                editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
                editor->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
                QApplication::processEvents();
            };
            const std::vector<std::pair<const char *, std::function<void()>>> actions{
                {"key", [editor] { QTest::keyClick(editor, Qt::Key_X); }},
                {"bare key", [&bare] { QTest::keyClick(&bare, Qt::Key_X); }},
                {"least key", [&] { leastInsert("X"); }},
                {"button", [space] { space->click(); }},
                {"bare button", [&bare] { bare.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, 0UL, "&nbsp;"); }},
                {"least button", [&] { leastInsert("&nbsp;"); }},
            };
            std::vector<std::vector<double>> times(actions.size());
            for (int run = 0; run < 15; ++run)
                for (size_t a = 0; a < actions.size(); ++a)
                    times[a].push_back(timeAction(actions[a].second));
            std::vector<double> m;
            for (const auto &t : times)
                m.push_back(median(t));
            std::printf("  %s of the line:\n"
                        "    a typed key: Velinor %.1f ms, bare component %.1f ms, least %.1f ms: Velinor's own %.1f ms\n"
                        "    the quick-insert button \"_\": Velinor %.1f ms, bare component %.1f ms, least %.1f ms: Velinor's own %.1f ms\n",
                        where, m[0], m[1], m[2], m[0] - m[2], m[3], m[4], m[5], m[3] - m[5]);
        }
        child->editor()->clearModified();
        child->parentWidget()->close();
        QApplication::processEvents();
    }
    return 0;
}
