#include "app/child_form.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/status_bar.h"
#include "editor/syntax_edit.h"
#include "files/file_commands.h"
#include "files/recent_files_menu.h"
#include "files/kind_rules.h"
#include "files/templates.h"
#include "base/velinor_error.h"
#include "support/ui_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFileDialog>
#include <QLabel>
#include <QScreen>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace testsupport;

namespace {

// Acts on the next modal window as soon as it shows (the code under test runs exec()).
void onNextModal(std::function<void(QWidget *)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget *modal = nullptr;
        QTRY_VERIFY((modal = QApplication::activeModalWidget()) != nullptr);
        action(modal);
    });
}

// Clicks a message box's button and records its text.
std::function<void(QWidget *)> answer(QMessageBox::StandardButton button, QStringList *texts)
{
    return [button, texts](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        texts->append(box->text());
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->close();
    };
}

struct Fixture
{
    ScratchProgramFolder folder;
    TMainForm *mainForm = nullptr;
    FileCommands *files = nullptr;

    Fixture()
    {
        mainForm = new TMainForm;
        mainForm->resize(1000, 700);
        mainForm->show();
        mainForm->documents().createDocument(); // the start-up document "Novy1.html"
        files = mainForm->findChild<FileCommands *>(QStringLiteral("FileCommands"));
    }
    ~Fixture()
    {
        for (QMdiSubWindow *window : mainForm->mdiArea()->subWindowList())
            if (auto *child = qobject_cast<TChildForm *>(window->widget()))
                child->setCloseConfirmed();
        delete mainForm;
    }
    DocumentManager &documents() const { return mainForm->documents(); }
    // A command as its menu item runs it, on the active document.
    void run(const char *command) const { mainForm->commands().run(QString::fromLatin1(command)); }
    QString path(const QString &name) const { return folder.filePath(name); }
    QString panel(VelinorStatusBar::Panel p) const { return mainForm->statusPanels()->panelText(p); }
    int windows() const { return int(mainForm->mdiArea()->subWindowList().size()); }
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void kindRules_data();
    void kindRules();
    void openChoosesHighlighterFromPath_data();
    void openChoosesHighlighterFromPath();
    void filePanelOpensOneWindowPerRule();
    void newThenSaveWritesTheTemplate();
    void saveAsWritesExactlyThePathTyped();
    void fileDialogsKeepTheFilterWhenCancelled_data();
    void fileDialogsKeepTheFilterWhenCancelled();
    void saveWritesAnOpenedFileBack();
    void counterIsSharedByAllNewDocuments();
    void newWindowsStayInsideTheFrame();
    void newDocumentKinds_data();
    void newDocumentKinds();
    void dialogOkWithoutSelectionStaysOpen();
    void unreadableFileOpensNothing();
    void failedSaveKeepsWindowAndOldFile();
    void captionsStayInsideProjects_data();
    void captionsStayInsideProjects();
    void errorReportWrapsALongName();
    void projectsFolderThatCannotBeMade();
    void closeAsksOnce();
    void openedDocumentsUndoAndAsk_data();
    void openedDocumentsUndoAndAsk();
    void dismissedQuestionKeepsTheText_data();
    void dismissedQuestionKeepsTheText();
    void exitStopsAtTheFirstKeptDocument_data();
    void exitStopsAtTheFirstKeptDocument();
    void encodedFilesSurviveSave_data();
    void encodedFilesSurviveSave();
    void printWritesAPage();
    void recentFilesMenu();
};

void TestFiles::kindRules_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("kinds");
    const int html = int(FileKind::Html), css = int(FileKind::Css), js = int(FileKind::JavaScript);
    const int php = int(FileKind::Php), xml = int(FileKind::Xml);
    QTest::newRow("upper case") << "C:\\web\\INDEX.HTML" << QList<int>{};
    QTest::newRow("stylesheet") << "/web/styles.css" << QList<int>{css};
    QTest::newRow("json contains .js") << "/web/script.json" << QList<int>{js};
    QTest::newRow("xhtml has neither .html nor .htm") << "/web/a.xhtml" << QList<int>{};
    QTest::newRow("folder name counts") << "/web/old.htm/site.css" << QList<int>{html, css};
    QTest::newRow("text file") << "/web/readme.txt" << QList<int>{};
    QTest::newRow("php3") << "/web/x.php3" << QList<int>{php};
    QTest::newRow("xslt") << "/web/a.xslt" << QList<int>{xml};
}

void TestFiles::kindRules()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, kinds);
    QList<int> found;
    for (FileKind kind : matchingKinds(path))
        found.append(int(kind));
    QCOMPARE(found, kinds);
}

void TestFiles::openChoosesHighlighterFromPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("highlighter");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("bold");
    QTest::newRow("css") << "styles.css" << int(Highlighter::Css) << "Css" << false;
    QTest::newRow("upper case html") << "INDEX.HTML" << int(Highlighter::Html) << QString::fromUtf8("NEZNÁMÝ SOUBOR") << true;
    QTest::newRow("json") << "script.json" << int(Highlighter::JavaScript) << "JavaScript" << false;
    QTest::newRow("php") << "galerie.php" << int(Highlighter::Php) << "PHP" << false;
}

void TestFiles::openChoosesHighlighterFromPath()
{
    QFETCH(QString, name);
    QFETCH(int, highlighter);
    QFETCH(QString, panel);
    QFETCH(bool, bold);
    Fixture f;
    QVERIFY(writeFile(f.path(name), "a {}\r\nb\r\n"));
    f.files->openFile(f.path(name));
    DocumentWindow *child = f.mainForm->documents().activeWindow();
    QVERIFY(child);
    QCOMPARE(child->windowTitle(), f.path(name));
    QCOMPARE(int(child->editor()->highlighter()), highlighter);
    QCOMPARE(f.panel(VelinorStatusBar::Language), panel);
    QCOMPARE(f.mainForm->statusPanels()->isPanelBold(VelinorStatusBar::Language), bold);
    QCOMPARE(child->editor()->lines(), QStringList({"a {}", "b"}));
    QVERIFY(!child->editor()->isModified());
    QCOMPARE(child->editor()->caret(), (TextPosition{1, 1}));
    QCOMPARE(f.windows(), 2);
}

void TestFiles::filePanelOpensOneWindowPerRule()
{
    Fixture f;
    QVERIFY(QDir(f.folder.path()).mkpath(QStringLiteral("old.htm")));
    QVERIFY(writeFile(f.path(QStringLiteral("old.htm/site.css")), "p {}\n"));
    QVERIFY(writeFile(f.path(QStringLiteral("readme.txt")), "text\n"));

    f.files->FileListBoxDblClick(f.path(QStringLiteral("readme.txt")));
    QCOMPARE(f.windows(), 1);

    f.files->FileListBoxDblClick(f.path(QStringLiteral("old.htm/site.css")));
    const QList<QMdiSubWindow *> windows = f.mainForm->mdiArea()->subWindowList();
    QCOMPARE(windows.size(), 3);
    auto childAt = [&](int i) { return qobject_cast<TChildForm *>(windows.at(i)->widget()); };
    QCOMPARE(childAt(1)->windowTitle(), QStringLiteral("site.css"));
    QCOMPARE(childAt(2)->windowTitle(), QStringLiteral("site.css"));
    QCOMPARE(childAt(1)->editor()->highlighter(), Highlighter::Html);
    QCOMPARE(childAt(2)->editor()->highlighter(), Highlighter::Css);
    QCOMPARE(childAt(2)->editor()->lines(), QStringList{"p {}"});
}

void TestFiles::newThenSaveWritesTheTemplate()
{
    Fixture f;
    f.files->NewClick();
    DocumentWindow *child = f.mainForm->documents().activeWindow();
    QCOMPARE(child->windowTitle(), QStringLiteral("Novy2.html"));
    QVERIFY(!child->editor()->isModified());
    QCOMPARE(child->editor()->caret(), (TextPosition{11, 8}));
    QTRY_COMPARE(f.panel(VelinorStatusBar::State), QString::fromUtf8("NEZMĚNĚNO"));

    f.run("UlozitClick");
    QByteArray expected = htmlTemplate().toLatin1();
    expected.replace('\r', "\r\n");
    expected += "\r\n";
    QCOMPARE(readFile(f.path(QStringLiteral("projekty/Novy2.html"))), expected);
    QVERIFY(expected.contains("<meta name=\"generator\" content=\"Velinor verze 1.0\">\r\n"));
    QCOMPARE(child->windowTitle(), QStringLiteral("Novy2.html"));
}

void TestFiles::saveAsWritesExactlyThePathTyped()
{
    Fixture f;
    const QString target = f.path(QStringLiteral("x"));
    QString suggested;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        auto *name = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name) {
            modal->close();
            return;
        }
        suggested = name->text();
        name->setText(target);
        static_cast<QDialog *>(dialog)->accept();
    });
    f.run("Ulozit_jakoClick");
    QCOMPARE(suggested, QStringLiteral("Novy1.html")); // the caption goes into the name field
    QVERIFY(readFile(target).startsWith("<!DOCTYPE HTML PUBLIC"));
    QCOMPARE(QDir(f.folder.path()).entryList(QStringList{QStringLiteral("x*")}, QDir::Files), QStringList{"x"});
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy1.html"));
}

void TestFiles::fileDialogsKeepTheFilterWhenCancelled_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("open") << "OtevritClick";
    QTest::newRow("save as") << "Ulozit_jakoClick";
}

// A filter chosen in a dialog that was then cancelled is the one the next dialog starts with.
void TestFiles::fileDialogsKeepTheFilterWhenCancelled()
{
    QFETCH(QString, command);
    Fixture f;
    const QString css = QStringLiteral("CSS files (*.css)");
    QString first;
    QString second;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog) {
            first = dialog->selectedNameFilter();
            dialog->selectNameFilter(css);
        }
        modal->close();
    });
    f.mainForm->commands().run(command);
    onNextModal([&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            second = dialog->selectedNameFilter();
        modal->close();
    });
    f.mainForm->commands().run(command);
    QCOMPARE(first, QStringLiteral("HTML Dokument (*.html *.htm *.shtml *.hhc)"));
    QCOMPARE(second, css);
    QCOMPARE(f.windows(), 1); // nothing opened, nothing saved
}

void TestFiles::saveWritesAnOpenedFileBack()
{
    Fixture f;
    const QString path = f.path(QStringLiteral("page.htm"));
    QVERIFY(writeFile(path, "<p>old</p>\n"));
    f.files->openFile(path);
    SyntaxEdit *editor = f.mainForm->documents().activeEditor();
    editor->setCaretColumn(4);
    editor->insert(QStringLiteral("new "));
    f.run("UlozitClick");
    QCOMPARE(readFile(path), QByteArray("<p>new old</p>\n")); // its own line break, its own path
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("projekty/page.htm"))));
}

// Windows that are not maximised open inside the frame's area, however many there are.
void TestFiles::newWindowsStayInsideTheFrame()
{
    Fixture f;
    QMdiArea *area = f.mainForm->mdiArea();
    const QRect inside = area->viewport()->rect();
    for (int i = 0; i < 6; ++i) {
        f.documents().createDocument();
        const QMdiSubWindow *window = area->activeSubWindow();
        QVERIFY(!window->isMaximized());
        QVERIFY2(inside.contains(window->geometry()), qPrintable(QStringLiteral("window %1").arg(i + 2)));
    }
}

void TestFiles::counterIsSharedByAllNewDocuments()
{
    Fixture f;
    f.files->createNewDocument(5); // PHP
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy2.php"));
    f.files->NewClick();
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy3.html"));
    f.files->SablonaXMLClick();
    f.files->SablonaXMLClick();
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy5.xml"));
    QCOMPARE(f.mainForm->documents().activeEditor()->lines(), QStringList{xmlTemplate()});
    f.files->SablonaHTMLClick();
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy6.html"));
    QVERIFY(f.mainForm->documents().activeEditor()->isModified());

    onNextModal([](QWidget *modal) {
        auto *list = modal->findChild<QListWidget *>(QStringLiteral("ListBoxNewFile"));
        auto *ok = modal->findChild<QPushButton *>(QStringLiteral("OKSelectNewDocumentForm"));
        if (!list || !ok) {
            modal->close();
            return;
        }
        list->setCurrentRow(6); // "SQL (MySQL)"
        ok->click();
    });
    f.files->NoveClick();
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy7.sql"));
    QCOMPARE(f.mainForm->documents().activeEditor()->lineCount(), 0);
    QTRY_COMPARE(f.panel(VelinorStatusBar::Position), QStringLiteral("1/1 : 0/0"));
    QCOMPARE(f.panel(VelinorStatusBar::Language), QStringLiteral("SQL"));
}

void TestFiles::newDocumentKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<TextPosition>("caret");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("highlighter");
    const auto H = int(Highlighter::Html);
    QTest::newRow("CSS") << 0 << "Novy2.css" << "/* CSS Document */" << 1 << TextPosition{1, 1} << false << "Css" << int(Highlighter::Css);
    QTest::newRow("HTML multihighlighter") << 1 << "Novy2.html" << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">" << 11 << TextPosition{11, 8} << true << "HTML dokument" << H;
    QTest::newRow("HTML document") << 2 << "Novy2.html" << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">" << 11 << TextPosition{11, 8} << true << "HTML dokument" << H;
    QTest::newRow("XHTML document") << 3 << "Novy2.html" << "<?xml version=\"1.0\"?>" << 12 << TextPosition{12, 8} << true << "XHTML dokument" << H;
    QTest::newRow("JavaScript") << 4 << "Novy2.java" << "// JavaScript Document" << 1 << TextPosition{1, 1} << false << "JavaScript" << int(Highlighter::JavaScript);
    QTest::newRow("PHP") << 5 << "Novy2.php" << "<?php" << 3 << TextPosition{1, 1} << false << "PHP" << int(Highlighter::Php);
    QTest::newRow("SQL") << 6 << "Novy2.sql" << "" << 0 << TextPosition{1, 1} << false << "SQL" << int(Highlighter::Sql);
    QTest::newRow("XML") << 7 << "Novy2.xml" << "<?xml version=\"1.0\" encoding=\"windows-1250\"?>" << 1 << TextPosition{1, 1} << false << "XML" << int(Highlighter::Xml);
}

void TestFiles::newDocumentKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, firstLine);
    QFETCH(int, lineCount);
    QFETCH(TextPosition, caret);
    QFETCH(bool, modified);
    QFETCH(QString, panel);
    QFETCH(int, highlighter);
    Fixture f;
    f.files->createNewDocument(kind);
    DocumentWindow *child = f.mainForm->documents().activeWindow();
    SyntaxEdit *editor = child->editor();
    QCOMPARE(child->windowTitle(), caption);
    QCOMPARE(editor->line(0), firstLine);
    QCOMPARE(editor->lineCount(), lineCount);
    QCOMPARE(editor->caret(), caret);
    QCOMPARE(editor->isModified(), modified);
    QCOMPARE(f.panel(VelinorStatusBar::Language), panel);
    QCOMPARE(int(editor->highlighter()), highlighter);
    if (kind == 3) {
        QCOMPARE(editor->line(1), QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\""
                                                 "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"));
        QCOMPARE(editor->line(2), QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"cs\" lang=\"cs\">"));
    }
    if (modified) { // inserted: one undo step empties the document
        editor->undo();
        QCOMPARE(editor->text(), QStringLiteral("\r\n"));
    } else {
        editor->undo();
        QCOMPARE(editor->line(0), firstLine); // replaced: nothing to undo
    }
}

void TestFiles::dialogOkWithoutSelectionStaysOpen()
{
    Fixture f;
    bool stayedOpen = false;
    onNextModal([&](QWidget *modal) {
        auto *ok = modal->findChild<QPushButton *>(QStringLiteral("OKSelectNewDocumentForm"));
        auto *cancel = modal->findChild<QPushButton *>(QStringLiteral("StornoSelectNewDocumentForm"));
        if (!ok || !cancel) {
            modal->close();
            return;
        }
        ok->click();
        stayedOpen = modal->isVisible();
        cancel->click();
    });
    f.files->NoveClick();
    QVERIFY(stayedOpen);
    QCOMPARE(f.windows(), 1);
    f.files->NewClick();
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy2.html")); // counter unchanged
}

void TestFiles::unreadableFileOpensNothing()
{
    Fixture f;
    const QString missing = f.path(QStringLiteral("gone.html"));
    try {
        f.files->openFile(missing);
        QFAIL("no error for a missing file");
    } catch (const VelinorError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file %1").arg(missing));
    }
    // No window is left under the file's name (a later save would overwrite the real file).
    QTRY_COMPARE(f.windows(), 1);
    QCOMPARE(f.mainForm->documents().activeWindow()->windowTitle(), QStringLiteral("Novy1.html"));
}

void TestFiles::failedSaveKeepsWindowAndOldFile()
{
    Fixture f;
    // The target is a folder: the write fails and nothing is lost.
    QVERIFY(QDir(f.folder.path()).mkpath(QStringLiteral("projekty/Novy1.html")));
    QVERIFY(writeFile(f.path(QStringLiteral("projekty/Novy1.html/keep.txt")), "keep"));
    QStringList texts;
    onNextModal(answer(QMessageBox::Ok, &texts));
    f.run("UlozitClick");
    QTRY_COMPARE(texts.size(), 1);
    QCOMPARE(texts.first(), QStringLiteral("Cannot create file %1").arg(f.path(QStringLiteral("projekty/Novy1.html"))));
    QCOMPARE(readFile(f.path(QStringLiteral("projekty/Novy1.html/keep.txt"))), QByteArray("keep"));
    QCOMPARE(f.windows(), 1);

    // Save all stops at the first failure.
    f.files->NewClick();
    texts.clear();
    onNextModal(answer(QMessageBox::Ok, &texts));
    f.run("UlozitvseClick");
    QTRY_COMPARE(texts.size(), 1);
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("projekty/Novy2.html"))));
}

// A caption joined under projekty writes there and nowhere else: "&Uložit" and "Uložit vše" refuse
// a caption leading outside (a generated stylesheet's or a restored copy's), with a message, the
// document left open and modified, nothing written anywhere. Names that only hold dots stay inside.
void TestFiles::captionsStayInsideProjects_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("written"); // below the program folder; empty: refused
    for (const char *command : {"UlozitClick", "UlozitvseClick"}) {
        auto row = [command](const char *name) -> QTestData & { return QTest::addRow("%s %s", command, name) << QString::fromLatin1(command); };
        row("the program's own stylesheet") << "../wgal/default.css" << QString();
        row("beside projekty") << "../unik" << QString();
        row("two levels up") << "../../x.html" << QString();
        row("down, then out") << "sub/../../y.html" << QString();
        row("dots inside a name") << "a..b.html" << "projekty/a..b.html";
        row("down and back") << "sub/../z.html" << "projekty/z.html";
        row("dots alone") << "..." << "projekty/...";
    }
}

void TestFiles::captionsStayInsideProjects()
{
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, written);
    Fixture f;
    QVERIFY(QDir(f.folder.path()).mkpath(QStringLiteral("projekty/sub")));
    QVERIFY(QDir(f.folder.path()).mkpath(QStringLiteral("wgal")));
    QVERIFY(writeFile(f.path(QStringLiteral("wgal/default.css")), "the program's own"));
    const QStringList before = QDir(f.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    DocumentWindow *document = f.documents().activeWindow();
    document->setWindowTitle(caption);
    document->editor()->insert(QStringLiteral("<p>napsano</p>"));

    if (!written.isEmpty()) {
        f.run(command.toLatin1().constData());
        QVERIFY(readFile(f.path(written)).contains("<p>napsano</p>"));
        return;
    }
    // "../../x.html" leads out of the scratch folder: only a file that was not there counts.
    const QString outside = QDir::cleanPath(f.path(QStringLiteral("projekty/") + caption));
    const QByteArray outsideBefore = readFile(outside);
    QStringList texts;
    onNextModal(answer(QMessageBox::Ok, &texts));
    f.run(command.toLatin1().constData());
    QTRY_COMPARE(texts.size(), 1);
    QCOMPARE(texts.first(), QStringLiteral("Dokument „%1“ nelze uložit pod jeho jménem: soubor %2 by ležel mimo "
                                           "složku projekty.\nNic nebylo zapsáno. Dokument můžete uložit příkazem "
                                           "„Uložit jako ...“.").arg(caption, outside));
    QVERIFY(!readFile(outside).contains("<p>napsano</p>"));
    QCOMPARE(readFile(outside), outsideBefore);
    QCOMPARE(readFile(f.path(QStringLiteral("wgal/default.css"))), QByteArray("the program's own"));
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(f.path(QStringLiteral("projekty"))).entryList(QDir::Files).isEmpty());
    QCOMPARE(f.windows(), 1);
    QVERIFY(document->editor()->isModified());
}

// The general error report shows a name longer than the screen is wide whole, over several lines.
void TestFiles::errorReportWrapsALongName()
{
    Fixture f;
    const QString caption = QStringLiteral("../") + QString(400, QLatin1Char('n')) + QStringLiteral(".html");
    f.documents().activeWindow()->setWindowTitle(caption);
    bool shownWhole = false;
    QString why;
    onNextModal([&](QWidget *modal) {
        auto *label = modal->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (label) {
            const int screen = modal->screen()->availableGeometry().width();
            shownWhole = label->minimumSizeHint().width() <= label->width() && modal->width() <= screen;
            why = QStringLiteral("label %1 of %2, box %3 on a screen of %4")
                      .arg(label->minimumSizeHint().width()).arg(label->width()).arg(modal->width()).arg(screen);
        }
        modal->close();
    });
    f.run("UlozitClick");
    QTRY_VERIFY(!why.isEmpty());
    QVERIFY2(shownWhole, qPrintable(why));
}

void TestFiles::projectsFolderThatCannotBeMade()
{
    Fixture f;
    QVERIFY(writeFile(f.path(QStringLiteral("projekty")), "a file where the folder should be"));
    f.run("UlozitClick");
    f.run("UlozitvseClick");
    QCOMPARE(QApplication::activeModalWidget(), nullptr); // nothing shown
    QCOMPARE(readFile(f.path(QStringLiteral("projekty"))), QByteArray("a file where the folder should be"));
}

void TestFiles::closeAsksOnce()
{
    Fixture f;
    f.mainForm->documents().activeEditor()->insert(QStringLiteral("x"));
    QStringList texts;
    onNextModal(answer(QMessageBox::No, &texts));
    f.run("ZavritClick");
    QTRY_COMPARE(f.windows(), 0);
    QCOMPARE(texts, QStringList{QString::fromUtf8("Uložit změny provedené v souboru?")});

    // Close all names each modified document in its question.
    f.files->NewClick();
    f.mainForm->documents().activeEditor()->insert(QStringLiteral("y"));
    texts.clear();
    onNextModal(answer(QMessageBox::No, &texts));
    QVERIFY(f.documents().closeAll());
    QCOMPARE(texts, QStringList{QString::fromUtf8("Chcete uložit změny provedené v souboru\nNovy2.html?")});
    QCOMPARE(f.windows(), 0);
}

// However a file comes in (the open dialog, the file panel, an example page), typing in it sets the
// modified flag, every change can be undone, and closing asks. With and without assistive
// technology: the component reports its changes differently in the two cases.
enum class Road { OpenDialog, FilePanel, Example };

void TestFiles::openedDocumentsUndoAndAsk_data()
{
    QTest::addColumn<int>("road");
    QTest::addColumn<bool>("accessibility");
    for (bool accessibility : {false, true}) {
        const char *suffix = accessibility ? ", accessibility on" : "";
        QTest::addRow("open dialog%s", suffix) << int(Road::OpenDialog) << accessibility;
        QTest::addRow("file panel%s", suffix) << int(Road::FilePanel) << accessibility;
        QTest::addRow("example page%s", suffix) << int(Road::Example) << accessibility;
    }
}

void TestFiles::openedDocumentsUndoAndAsk()
{
    QFETCH(int, road);
    QFETCH(bool, accessibility);
    QAccessible::setActive(accessibility);
    auto restore = qScopeGuard([] { QAccessible::setActive(false); });

    Fixture f;
    const QByteArray original("<p>a</p>\r\n<p>b</p>\r\n");
    const QString path = f.path(QStringLiteral("examples/javascript/ak_cas.htm"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(writeFile(path, original));
    switch (Road(road)) {
    case Road::OpenDialog: f.files->openFile(path); break;
    case Road::FilePanel: f.files->FileListBoxDblClick(path); break;
    case Road::Example: f.mainForm->commands().run(QStringLiteral("Ak_CasClick")); break;
    }
    DocumentWindow *child = f.mainForm->documents().activeWindow();
    QVERIFY(child);
    QCOMPARE(f.windows(), 2);
    SyntaxEdit *editor = child->editor();
    QCOMPARE(f.panel(VelinorStatusBar::State), QString::fromUtf8("NEZMĚNĚNO"));
    f.mainForm->activateWindow(); // the menu's shortcuts work in the active window
    QVERIFY(QTest::qWaitForWindowActive(f.mainForm));

    QTest::keyClicks(editor, "xy");
    QCOMPARE(editor->line(0), QStringLiteral("xy<p>a</p>"));
    QVERIFY(editor->isModified());
    QCOMPARE(f.panel(VelinorStatusBar::State), QString::fromUtf8("ZMĚNĚNO"));
    f.mainForm->commands().run(QStringLiteral("TucnyClick"));
    QCOMPARE(editor->line(0), QStringLiteral("xy<b></b><p>a</p>"));

    // One undo per step: the command, then the typed word.
    QAction *undo = f.mainForm->action(QStringLiteral("Zpet"));
    QVERIFY(undo);
    undo->trigger();
    QCOMPARE(editor->line(0), QStringLiteral("xy<p>a</p>"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text(), QString::fromLatin1(original));
    f.mainForm->action(QStringLiteral("Vpred"))->trigger();
    QCOMPARE(editor->line(0), QStringLiteral("xy<p>a</p>"));

    QStringList texts;
    onNextModal(answer(QMessageBox::No, &texts));
    f.run("ZavritClick");
    QTRY_COMPARE(f.windows(), 1);
    QCOMPARE(texts, QStringList{QString::fromUtf8("Uložit změny provedené v souboru?")});
    QCOMPARE(readFile(path), original);
}

// Escape, the question's close box or a dismissed question never throw the text away: the window
// stays, and "Zavřít vše" stops there.
void TestFiles::dismissedQuestionKeepsTheText_data()
{
    QTest::addColumn<int>("how"); // 0 Escape, 1 close box, 2 rejected
    QTest::newRow("Escape") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("dismissed") << 2;
}

void TestFiles::dismissedQuestionKeepsTheText()
{
    QFETCH(int, how);
    Fixture f;
    f.mainForm->documents().activeEditor()->insert(QStringLiteral("keep me"));
    auto dismissQuestion = [how](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || how == 2)
            dismiss(modal);
        else if (how == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    };
    const QString kept = f.mainForm->documents().activeEditor()->text();

    // Close, the window's own close box, Close all and exit.
    onNextModal(dismissQuestion);
    f.run("ZavritClick");
    QCOMPARE(f.windows(), 1);
    onNextModal(dismissQuestion);
    QVERIFY(!f.mainForm->mdiArea()->subWindowList().first()->close());
    QCOMPARE(f.windows(), 1);
    onNextModal(dismissQuestion);
    QVERIFY(!f.documents().closeAll());
    QCOMPARE(f.windows(), 1);
    onNextModal(dismissQuestion);
    f.mainForm->commands().run(QStringLiteral("KonecClick"));
    QVERIFY(f.mainForm->isVisible());
    QCOMPARE(f.windows(), 1);
    QCOMPARE(f.mainForm->documents().activeEditor()->text(), kept);
    QVERIFY(f.mainForm->documents().activeEditor()->isModified());
}

// Exit by "Kone&c" or by the main window's close box, with two modified documents: once the user
// keeps the first (Escape at the question, or Yes and then a cancelled save dialog) the exit stops
// and the second is not asked about. Answering No to both then ends the program.
void TestFiles::exitStopsAtTheFirstKeptDocument_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("escape"); // otherwise Yes, then the save dialog cancelled
    QTest::addColumn<QString>("question");
    const QString naming = QString::fromUtf8("Chcete uložit změny provedené v souboru\nNovy1.html?");
    const QString plain = QString::fromUtf8("Uložit změny provedené v souboru?");
    QTest::newRow("Konec, Escape") << false << true << naming;
    QTest::newRow("Konec, save dialog cancelled") << false << false << naming;
    QTest::newRow("close box, Escape") << true << true << plain;
    QTest::newRow("close box, save dialog cancelled") << true << false << plain;
}

void TestFiles::exitStopsAtTheFirstKeptDocument()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, escape);
    QFETCH(QString, question);
    Fixture f;
    f.documents().activeEditor()->insert(QStringLiteral("first"));
    f.files->NewClick();
    f.documents().activeEditor()->insert(QStringLiteral("second"));
    auto exit = [&] {
        if (closeBox)
            f.mainForm->close();
        else
            f.run("KonecClick");
    };
    auto questionText = [](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        return box ? box->text() : QString::fromLatin1(modal->metaObject()->className());
    };

    QStringList asked;
    {
        std::vector<ModalSteps::Step> keep;
        if (escape) {
            keep = {[&](QWidget *modal) {
                asked << questionText(modal);
                QTest::keyClick(modal, Qt::Key_Escape);
            }};
        } else {
            keep = {[&](QWidget *modal) {
                        asked << questionText(modal);
                        if (auto *box = qobject_cast<QMessageBox *>(modal))
                            box->button(QMessageBox::Yes)->click();
                    },
                    [&](QWidget *modal) {
                        asked << questionText(modal);
                        dismiss(modal);
                    }};
        }
        ModalSteps steps(keep, ModalSteps::Others::Dismiss);
        exit();
        QCOMPARE(steps.remaining(), 0);
        QCOMPARE(steps.unexpected(), 0);
    }
    QCOMPARE(asked, escape ? QStringList{question} : (QStringList{question, QStringLiteral("QFileDialog")}));
    QVERIFY(f.mainForm->isVisible());
    QCOMPARE(f.windows(), 2);
    for (DocumentWindow *document : f.documents().documents())
        QVERIFY(document->editor()->isModified());

    asked.clear();
    auto no = [&](QWidget *modal) {
        asked << questionText(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::No)->click();
    };
    {
        ModalSteps steps({no, no}, ModalSteps::Others::Dismiss);
        exit();
        QCOMPARE(steps.unexpected(), 0);
    }
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.first(), question);
    QCOMPARE(f.windows(), 0);
    QVERIFY(!f.mainForm->isVisible());
}

// A file opened and saved untouched, by "&Uložit" and by "Uložit vše", comes back byte for byte; a
// file with NUL bytes or bytes that form no character, which saving would change, is announced
// when it opens (the warning names what it is about).
void TestFiles::encodedFilesSurviveSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("warning");
    const QString none;
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder utf32(QStringConverter::Utf32BE, QStringConverter::Flag::WriteBom);
    const QString page = QString::fromUtf8("<p>žluťoučký kůň</p>\r\n<br>\r\n");
    QTest::newRow("UTF-16LE with its mark") << QByteArray(utf16.encode(page)) << none;
    QTest::newRow("UTF-32BE with its mark") << QByteArray(utf32.encode(page)) << none;
    QTest::newRow("windows-1250") << QByteArray("<p>\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd</p>\r\n") << none;
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF<p>\xC5\xA1</p>\r\n") << none;
    QTest::newRow("UTF-16LE, only the mark") << QByteArray("\xFF\xFE") << none;
    QTest::newRow("UTF-16LE, U+FEFF after the mark") << QByteArray("\xFF\xFE\xFF\xFE<\0\r\0\n\0", 10) << none;
    QTest::newRow("UTF-16 without a mark") << QByteArray("<\0p\0>\0\r\0\n\0", 10) << QStringLiteral("NUL");
    QTest::newRow("UTF-16LE, lone surrogate") << QByteArray("\xFF\xFE\x00\xD8<\0\r\0\n\0", 10) << QStringLiteral("UTF-16");
    QTest::newRow("UTF-16LE, a byte left over") << QByteArray("\xFF\xFE<\0\r\0\n\0>", 9) << QStringLiteral("UTF-16");
}

void TestFiles::encodedFilesSurviveSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, warning);
    const bool warns = !warning.isEmpty();
    Fixture f;
    const QString path = f.path(QStringLiteral("page.html"));
    QVERIFY(writeFile(path, bytes));
    QStringList warnings;
    {
        ModalSteps steps(warns ? std::vector<ModalSteps::Step>{[&warnings](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                warnings << box->text();
            dismiss(modal);
        }} : std::vector<ModalSteps::Step>{});
        f.files->openFile(path);
        QTRY_COMPARE(steps.remaining(), 0);
        QCOMPARE(steps.unexpected(), 0);
    }
    QCOMPARE(warnings.size(), warns ? 1 : 0);
    if (warns) {
        QVERIFY2(warnings.first().contains(warning), qPrintable(warnings.first()));
        return;
    }
    f.run("UlozitClick");
    QCOMPARE(readFile(path), bytes);
    f.run("UlozitvseClick");
    QCOMPARE(readFile(path), bytes);
}

void TestFiles::printWritesAPage()
{
    Fixture f;
    const QString pdf = f.path(QStringLiteral("page.pdf"));
    f.files->printer().setOutputFormat(QPrinter::PdfFormat);
    f.files->printer().setOutputFileName(pdf);
    f.run("TiskClick");
    const QByteArray bytes = readFile(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

// "Naposledy otevřené": files opened on any road and files saved, newest first; a file that is gone
// is said so and leaves the list; a listed file opens as the open dialog opens it.
void TestFiles::recentFilesMenu()
{
    Fixture f;
    const QString page = f.path(QStringLiteral("stránka & co.html"));
    const QString style = f.path(QStringLiteral("styl.css"));
    const QString saved = f.path(QStringLiteral("uloženo.html"));
    QVERIFY(writeFile(page, "<p>a</p>"));
    QVERIFY(writeFile(style, "p {}"));
    QMenu *menu = f.mainForm->action(QStringLiteral("NaposledyOtevrene"))->menu();
    QVERIFY(menu);
    const auto shown = [menu] {
        emit menu->aboutToShow();
        QStringList captions;
        for (QAction *action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text() + (action->isEnabled() ? "" : " (off)"));
        return captions;
    };
    const auto entry = [menu](int number) {
        return menu->findChild<QAction *>(QStringLiteral("NaposledyOtevrene_%1").arg(number));
    };
    QCOMPARE(shown(), (QStringList{QString::fromUtf8("Žádné soubory (off)"), "-", "&Vymazat seznam (off)"}));

    f.files->openFile(page);
    f.files->FileListBoxDblClick(style);
    QVERIFY(f.documents().writeDocument(f.documents().activeWindow(), saved));
    f.files->openFile(page); // again: moves up, listed once
    QString escapedPage = page;
    escapedPage.replace('&', "&&");
    QCOMPARE(shown(), (QStringList{"&1 " + escapedPage, "&2 " + saved, "&3 " + style, "-", "&Vymazat seznam"}));
    QCOMPARE(readFile(RecentFilesMenu::listFile()), (page + '\n' + saved + '\n' + style + '\n').toUtf8());

    // A file that is gone: a message, no window, and off the list.
    QVERIFY(QFile::remove(saved));
    const int before = f.windows();
    QStringList told;
    {
        ModalSteps steps({[&told](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                told << box->text();
            modal->close();
        }}, ModalSteps::Others::Dismiss);
        entry(2)->trigger();
        QCOMPARE(steps.remaining(), 0);
    }
    QCOMPARE(told, QStringList{QString::fromUtf8("Soubor %1 už neexistuje. Ze seznamu naposledy otevřených souborů byl odebrán.").arg(saved)});
    QCOMPARE(f.windows(), before);
    QCOMPARE(shown(), (QStringList{"&1 " + escapedPage, "&2 " + style, "-", "&Vymazat seznam"}));

    // A listed file opens as the open dialog opens it: its full path as the caption, by its kind.
    entry(2)->trigger();
    QCOMPARE(f.windows(), before + 1);
    QCOMPARE(f.documents().activeWindow()->windowTitle(), style);
    QCOMPARE(f.panel(VelinorStatusBar::Language), QStringLiteral("Css"));
    QCOMPARE(shown().first(), "&1 " + style);

    menu->findChild<QAction *>(QStringLiteral("VymazatSeznam"))->trigger();
    QCOMPARE(shown(), (QStringList{QString::fromUtf8("Žádné soubory (off)"), "-", "&Vymazat seznam (off)"}));
}

QTEST_MAIN(TestFiles)
#include "test_files.moc"
