#include "app/child_form.h"
#include "app/main_form.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "files/recovery_form.h"
#include "files/recovery_keeper.h"
#include "files/recovery_store.h"
#include "support/ui_test_support.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace testsupport;

Q_DECLARE_METATYPE(DocumentCopy)

namespace {

DocumentCopy copyOf(const QString &caption, const QByteArray &utf8, int lines)
{
    DocumentCopy copy;
    copy.caption = caption;
    copy.utf8 = utf8;
    copy.lineCount = lines;
    copy.maxLineWidth = 80;
    copy.written = QDateTime::currentDateTime();
    return copy;
}

// Copies written by a Velinor that is gone: its store was dropped without the clean exit's clear.
void leaveCopies(const QString &root, const QList<DocumentCopy> &copies)
{
    RecoveryStore crashed(root);
    for (int i = 0; i < copies.size(); ++i)
        QVERIFY(crashed.write(i + 1, copies[i]));
}

QStringList sessionsIn(const QString &root)
{
    return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenPlatformWarnings(); }

    // ---- the store, as pure logic ----
    void copyReadsBackAsWritten_data();
    void copyReadsBackAsWritten();
    void damagedCopiesAreNotOffered();
    void onlySessionsOfVanishedProgramsAreOffered();
    void foundCopiesAreLockedOldestFirstAndDiscarded();
    void removeAndClearLeaveNothing();

    // ---- the keeper and the question, with a main window ----
    void editedDocumentsAreCopiedAndForgotten();
    void copiesAreTakenByThemselvesAfterTyping_data();
    void copiesAreTakenByThemselvesAfterTyping();
    void aLargeDocumentIsCopiedWhole();
    void restoredDocumentsOpenModifiedAndSaveLikeTheirFile();
    void theQuestionListsTheCopiesAndDoesWhatWasChosen_data();
    void theQuestionListsTheCopiesAndDoesWhatWasChosen();
    void unreadableCopiesAreKeptAsideAndMentioned();
    void restoredAndStartupDocumentsNeverShareAFile_data();
    void restoredAndStartupDocumentsNeverShareAFile();
    void aRestoredCaptionLeadingOutsideIsNotSaved();
    void aCopyPastTheFileSizeLimitFailsAndIsReportedOnce();
    void copiesWrittenAtShutdownHoldTheLastTyping();
};

// ---- the store ------------------------------------------------------------------------------------

void TestRecovery::copyReadsBackAsWritten_data()
{
    QTest::addColumn<DocumentCopy>("copy");
    DocumentCopy html = copyOf(QStringLiteral("Novy2.html"), "<p>Žluťoučký kůň</p>\n", 2);
    QTest::newRow("new page, a final empty line") << html;
    DocumentCopy css = copyOf(QStringLiteral("/home/u/styl \"nový\"\n.css"), "a{}\nb{}", 2);
    css.highlighter = Highlighter::Css;
    css.lineBreak = LineBreak::LF;
    css.encoding = TextEncoding::Utf8;
    css.maxLineWidth = 4000;
    QTest::newRow("a path with quotes and a line break, LF, UTF-8") << css;
    DocumentCopy empty = copyOf(QStringLiteral("prazdny.xml"), QByteArray(), 0);
    empty.highlighter = Highlighter::Xml;
    empty.lineBreak = LineBreak::CR;
    empty.encoding = TextEncoding::Utf16BE;
    QTest::newRow("no line at all, CR, UTF-16") << empty;
    DocumentCopy binaryish = copyOf(QStringLiteral("data.php"), QByteArray("a\0b\n{\"size\":1}\n", 16), 3);
    binaryish.highlighter = Highlighter::Php;
    QTest::newRow("NUL and a header look-alike in the text") << binaryish;
}

void TestRecovery::copyReadsBackAsWritten()
{
    QFETCH(DocumentCopy, copy);
    QTemporaryDir root;
    RecoveryStore store(root.path());
    QVERIFY(store.write(7, copy));
    const QString file = QDir(store.sessionFolder()).filePath(QStringLiteral("7.copy"));
    // Written through a temporary file renamed into place: only the copy and the lock remain.
    QCOMPARE(QDir(store.sessionFolder()).entryList(QDir::Files | QDir::Hidden), (QStringList{"7.copy", "lock"}));

    const std::optional<DocumentCopy> read = readDocumentCopy(file);
    QVERIFY(read);
    QCOMPARE(read->caption, copy.caption);
    QCOMPARE(read->utf8, copy.utf8);
    QCOMPARE(read->lineCount, copy.lineCount);
    QCOMPARE(read->maxLineWidth, copy.maxLineWidth);
    QCOMPARE(read->highlighter, copy.highlighter);
    QCOMPARE(read->lineBreak, copy.lineBreak);
    QCOMPARE(read->encoding, copy.encoding);
    QCOMPARE(read->written, copy.written);

    // A second write replaces the copy whole.
    DocumentCopy shorter = copy;
    shorter.utf8 = "x";
    QVERIFY(store.write(7, shorter));
    QCOMPARE(readDocumentCopy(file)->utf8, QByteArray("x"));
}

void TestRecovery::damagedCopiesAreNotOffered()
{
    QTemporaryDir root;
    QString session;
    {
        RecoveryStore crashed(root.path());
        QVERIFY(crashed.write(1, copyOf(QStringLiteral("cut.html"), "0123456789", 1)));
        QVERIFY(crashed.write(2, copyOf(QStringLiteral("grown.html"), "0123456789", 1)));
        QVERIFY(crashed.write(3, copyOf(QStringLiteral("whole.html"), "0123456789", 1)));
        session = crashed.sessionFolder();
    }
    const QString cut = session + QStringLiteral("/1.copy");
    QByteArray bytes = readFile(cut);
    QVERIFY(writeFile(cut, bytes.left(bytes.size() - 3)));
    const QString grown = session + QStringLiteral("/2.copy");
    QVERIFY(writeFile(grown, readFile(grown) + "more"));
    QVERIFY(writeFile(session + QStringLiteral("/4.copy"), "not a copy at all"));
    QVERIFY(!readDocumentCopy(cut));
    QVERIFY(!readDocumentCopy(grown));

    const QByteArray cutBytes = readFile(cut);
    const auto found = OrphanedCopies::find(root.path());
    QCOMPARE(found->copies().size(), 1);
    QCOMPARE(found->copies().first().caption, QStringLiteral("whole.html"));
    // Not offered, but not deleted either: set aside, byte for byte, out of the sessions' way.
    QCOMPARE(found->setAsideFiles().size(), 3);
    const QString aside = OrphanedCopies::setAsideFolder(root.path());
    QCOMPARE(QDir(aside).entryList(QDir::Files).size(), 3);
    QVERIFY(found->setAsideFiles().contains(aside + QLatin1Char('/') + QFileInfo(session).fileName() + QStringLiteral("-1.copy")));
    QCOMPARE(readFile(aside + QLatin1Char('/') + QFileInfo(session).fileName() + QStringLiteral("-1.copy")), cutBytes);
    found->discard();
    QCOMPARE(QDir(aside).entryList(QDir::Files).size(), 3);
    QCOMPARE(sessionsIn(root.path()), QStringList{QFileInfo(aside).fileName()});
    QVERIFY(OrphanedCopies::find(root.path())->copies().isEmpty()); // the folder is not a session
}

void TestRecovery::onlySessionsOfVanishedProgramsAreOffered()
{
    QTemporaryDir root;
    leaveCopies(root.path(), {copyOf(QStringLiteral("gone.html"), "text", 1)});
    // A session that ended before its first copy was complete: nothing to offer, removed.
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("4242-1")));
    // A Velinor that still runs: its copies are its own.
    RecoveryStore running(root.path());
    QVERIFY(running.write(1, copyOf(QStringLiteral("mine.html"), "text", 1)));

    const auto found = OrphanedCopies::find(root.path());
    QCOMPARE(found->copies().size(), 1);
    QCOMPARE(found->copies().first().caption, QStringLiteral("gone.html"));
    QVERIFY(!QDir(root.path()).exists(QStringLiteral("4242-1")));
    QVERIFY(QFile::exists(running.sessionFolder() + QStringLiteral("/1.copy")));
}

void TestRecovery::foundCopiesAreLockedOldestFirstAndDiscarded()
{
    QTemporaryDir root;
    DocumentCopy later = copyOf(QStringLiteral("later.html"), "b", 1);
    DocumentCopy earlier = copyOf(QStringLiteral("earlier.html"), "a", 1);
    earlier.written = later.written.addSecs(-60);
    leaveCopies(root.path(), {later});
    leaveCopies(root.path(), {earlier});
    QCOMPARE(sessionsIn(root.path()).size(), 2);

    auto found = OrphanedCopies::find(root.path());
    QCOMPARE(found->copies().size(), 2);
    QCOMPARE(found->copies().at(0).caption, QStringLiteral("earlier.html"));
    QCOMPARE(found->copies().at(0).written, earlier.written);
    QCOMPARE(found->copies().at(1).caption, QStringLiteral("later.html"));
    // A second Velinor starting now is not offered the same copies.
    QVERIFY(OrphanedCopies::find(root.path())->copies().isEmpty());

    found->discard();
    QVERIFY(sessionsIn(root.path()).isEmpty());
}

void TestRecovery::removeAndClearLeaveNothing()
{
    QTemporaryDir root;
    RecoveryStore store(root.path());
    QVERIFY(store.sessionFolder().isEmpty()); // nothing is made before the first copy
    QVERIFY(sessionsIn(root.path()).isEmpty());
    QVERIFY(store.write(1, copyOf(QStringLiteral("a.html"), "a", 1)));
    QVERIFY(store.write(2, copyOf(QStringLiteral("b.html"), "b", 1)));
    store.remove(1);
    QVERIFY(!store.hasCopy(1));
    QVERIFY(store.hasCopy(2));
    store.clear();
    QVERIFY(sessionsIn(root.path()).isEmpty());
    QVERIFY(OrphanedCopies::find(root.path())->copies().isEmpty());
}

// ---- the keeper -----------------------------------------------------------------------------------

namespace {

struct Fixture
{
    ScratchProgramFolder folder;
    QTemporaryDir root;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<RecoveryKeeper> keeper;

    Fixture()
    {
        mainForm = std::make_unique<TMainForm>();
        showMainForm(*mainForm);
        keeper = std::make_unique<RecoveryKeeper>(documents(), root.path());
    }
    ~Fixture()
    {
        keeper.reset();
        for (DocumentWindow *document : documents().documents())
            document->setCloseConfirmed();
    }
    DocumentManager &documents() const { return mainForm->documents(); }
    // Takes the copies now and waits until they are on disk.
    void copyNow() const
    {
        keeper->copyNow();
        keeper->waitForWrites();
        QCoreApplication::processEvents();
    }
    // The text of the copy kept for a caption; empty when there is none.
    std::optional<DocumentCopy> copyFor(const QString &caption) const
    {
        const QString session = keeper->sessionFolder();
        if (session.isEmpty())
            return std::nullopt;
        for (const QFileInfo &file : QDir(session).entryInfoList({"*.copy"}, QDir::Files))
            if (auto copy = readDocumentCopy(file.filePath()); copy && copy->caption == caption)
                return copy;
        return std::nullopt;
    }
};

void type(SyntaxEdit *editor, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::KeyAction::Click, editor, Qt::Key_unknown, c, Qt::NoModifier);
}

} // namespace

void TestRecovery::editedDocumentsAreCopiedAndForgotten()
{
    Fixture f;
    DocumentWindow *startup = f.documents().createDocument(); // Novy1.html, unmodified
    DocumentWindow *typed = f.documents().createDocument();
    typed->setWindowTitle(QStringLiteral("Novy2.html"));
    type(typed->editor(), QStringLiteral("Čau"));
    f.copyNow();

    const auto copy = f.copyFor(QStringLiteral("Novy2.html"));
    QVERIFY(copy);
    QCOMPARE(copy->utf8, typed->editor()->utf8Text());
    QVERIFY(copy->utf8.startsWith("Čau"));
    QVERIFY(!f.copyFor(QStringLiteral("Novy1.html"))); // never edited
    Q_UNUSED(startup);

    // Saving removes the copy; an edit after the save makes a new one.
    QVERIFY(f.documents().save(typed));
    f.keeper->waitForWrites();
    QVERIFY(!f.copyFor(QStringLiteral("Novy2.html")));
    type(typed->editor(), QStringLiteral("x"));
    f.copyNow();
    QVERIFY(f.copyFor(QStringLiteral("Novy2.html")));

    // Closing it (the changes dropped on purpose) removes the copy too.
    typed->setCloseConfirmed();
    const QPointer<DocumentWindow> closing(typed);
    QVERIFY(f.documents().close(typed));
    QTRY_VERIFY(!closing);
    f.keeper->waitForWrites();
    QVERIFY(!f.copyFor(QStringLiteral("Novy2.html")));

    // A clean exit leaves no folder behind.
    DocumentWindow *another = f.documents().createDocument();
    type(another->editor(), QStringLiteral("y"));
    f.copyNow();
    QCOMPARE(sessionsIn(f.root.path()).size(), 1);
    f.keeper.reset();
    QVERIFY(sessionsIn(f.root.path()).isEmpty());
}

void TestRecovery::copiesAreTakenByThemselvesAfterTyping_data()
{
    // The editor reports edits differently while assistive technology runs.
    QTest::addColumn<bool>("accessibility");
    QTest::newRow("accessibility off") << false;
    QTest::newRow("accessibility on") << true;
}

void TestRecovery::copiesAreTakenByThemselvesAfterTyping()
{
    QFETCH(bool, accessibility);
    QAccessible::setActive(accessibility);
    auto restore = qScopeGuard([] { QAccessible::setActive(false); });
    Fixture f;
    DocumentWindow *document = f.documents().createDocument();
    QSignalSpy written(f.keeper.get(), &RecoveryKeeper::copyWritten);
    type(document->editor(), QStringLiteral("abc"));
    QVERIFY(written.isEmpty()); // not per keystroke
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, RecoveryKeeper::kQuietMs * 5);
    QVERIFY(f.copyFor(QStringLiteral("Novy1.html"))->utf8.startsWith("abc"));
    // An undo is an edit too.
    document->editor()->undo();
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, RecoveryKeeper::kQuietMs * 5);
    QCOMPARE(f.copyFor(QStringLiteral("Novy1.html"))->utf8, document->editor()->utf8Text());
}

void TestRecovery::aLargeDocumentIsCopiedWhole()
{
    // Large enough for its copy to go into memory the keeper's thread made ready.
    Fixture f;
    DocumentWindow *document = f.documents().createDocument();
    SyntaxEdit *editor = document->editor();
    QString text;
    for (int line = 0; text.size() < RecoveryKeeper::kPreparedRoomFrom * 2; ++line)
        text += QStringLiteral("<p>řádek %1</p>\n").arg(line);
    editor->setText(text);
    editor->setCaretLine(editor->lineCount() / 2); // an edit in the middle leaves the buffer's gap there
    for (int round = 0; round < 3; ++round) {
        type(editor, QStringLiteral("ž%1").arg(round));
        f.keeper->waitForWrites(); // the memory for the copy is ready
        QCoreApplication::processEvents();
        type(editor, QStringLiteral("Ž"));
        f.copyNow();
        const auto copy = f.copyFor(QStringLiteral("Novy1.html"));
        QVERIFY(copy);
        QCOMPARE(copy->utf8.size(), editor->utf8Size());
        QVERIFY(copy->utf8 == editor->utf8Text());
        QVERIFY(copy->utf8.contains(QStringLiteral("ž%1Ž").arg(round).toUtf8()));
    }
}

void TestRecovery::restoredDocumentsOpenModifiedAndSaveLikeTheirFile()
{
    Fixture f;
    const QString file = f.folder.filePath(QStringLiteral("stranka.css"));
    DocumentCopy css = copyOf(file, "body {\n  color: red; /* č */\n}\n", 4);
    css.highlighter = Highlighter::Css;
    css.lineBreak = LineBreak::LF;
    css.encoding = TextEncoding::Utf8;
    DocumentCopy page = copyOf(QStringLiteral("Novy3.html"), "<p>", 1);
    leaveCopies(f.root.path(), {css, page});
    const QString crashedSession = sessionsIn(f.root.path()).first();

    const QStringList unreadable = f.keeper->restore(OrphanedCopies::find(f.root.path()));
    QVERIFY(unreadable.isEmpty());
    const QList<DocumentWindow *> documents = f.documents().documents();
    QCOMPARE(documents.size(), 2);
    DocumentWindow *restored = documents.at(0)->windowTitle() == file ? documents.at(0) : documents.at(1);
    QCOMPARE(restored->windowTitle(), file);
    SyntaxEdit *editor = restored->editor();
    QVERIFY(editor->isModified());
    QCOMPARE(editor->utf8Text(), css.utf8);
    QCOMPARE(editor->lineCount(), 4);
    QCOMPARE(editor->highlighter(), Highlighter::Css);

    // The copies moved into this session; the crashed one's folder is gone.
    f.keeper->waitForWrites();
    QCOMPARE(sessionsIn(f.root.path()), QStringList{QFileInfo(f.keeper->sessionFolder()).fileName()});
    QVERIFY(!sessionsIn(f.root.path()).contains(crashedSession));
    QVERIFY(f.copyFor(file));
    QVERIFY(f.copyFor(QStringLiteral("Novy3.html")));
    QCOMPARE(f.documents().nextDocumentNumber(), 4); // the next new document is not a second Novy3.html

    // "Uložit" writes where the file is, with its line feeds and UTF-8; the copy goes.
    QVERIFY(f.documents().save(restored));
    QCOMPARE(readFile(file), QByteArray("body {\n  color: red; /* č */\n}\n\n"));
    f.keeper->waitForWrites();
    QVERIFY(!f.copyFor(file));
}

void TestRecovery::theQuestionListsTheCopiesAndDoesWhatWasChosen_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("documentsOpened");
    QTest::addColumn<int>("copiesLeft");
    QTest::newRow("Obnovit") << int(RecoveryForm::Choice::Restore) << 1 << 1;
    QTest::newRow("Zahodit") << int(RecoveryForm::Choice::Discard) << 0 << 0;
    QTest::newRow("Později") << int(RecoveryForm::Choice::Later) << 0 << 1;
    QTest::newRow("Escape") << -1 << 0 << 1;
}

void TestRecovery::theQuestionListsTheCopiesAndDoesWhatWasChosen()
{
    QFETCH(int, choice);
    QFETCH(int, documentsOpened);
    QFETCH(int, copiesLeft);
    Fixture f;
    DocumentCopy copy = copyOf(QStringLiteral("Novy5.html"), "<b>", 1);
    copy.written = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
    leaveCopies(f.root.path(), {copy});

    QStringList rows;
    ModalSteps steps({[&rows, choice](QWidget *modal) {
        auto *form = qobject_cast<RecoveryForm *>(modal);
        if (!form)
            return dismiss(modal);
        QTreeWidget *list = form->documentList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.append(list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1));
        if (choice < 0)
            QTest::keyClick(form, Qt::Key_Escape);
        else
            form->button(RecoveryForm::Choice(choice))->click();
    }});
    offerRecovery(*f.keeper, OrphanedCopies::find(f.root.path()), f.mainForm.get());
    QCOMPARE(steps.seen(), QStringList{"RecoveryForm"});
    QCOMPARE(rows, QStringList{"Novy5.html|14. 3. 2026 9:26:53"});
    QCOMPARE(f.documents().documents().size(), documentsOpened);
    f.keeper->waitForWrites();
    int copies = 0;
    for (const QString &session : sessionsIn(f.root.path()))
        copies += QDir(f.root.filePath(session)).entryList({"*.copy"}, QDir::Files).size();
    QCOMPARE(copies, copiesLeft);
}

// A copy that cannot be read is kept aside and the question says where; with nothing else to offer
// a message says it.
void TestRecovery::unreadableCopiesAreKeptAsideAndMentioned()
{
    Fixture f;
    leaveCopies(f.root.path(), {copyOf(QStringLiteral("Novy5.html"), "<b>", 1)});
    const QString session = f.root.filePath(sessionsIn(f.root.path()).first());
    QVERIFY(writeFile(session + QStringLiteral("/2.copy"), "{\"format\":\"velinor-recovery-1\",\"caption\":"));
    const QString aside = QDir::toNativeSeparators(OrphanedCopies::setAsideFolder(f.root.path()));

    QString notice;
    {
        ModalSteps steps({[&notice](QWidget *modal) {
            if (auto *label = modal->findChild<QLabel *>(QStringLiteral("Odlozene_Label")))
                notice = label->text();
            dismiss(modal);
        }});
        offerRecovery(*f.keeper, OrphanedCopies::find(f.root.path()), f.mainForm.get());
        QCOMPARE(steps.seen(), QStringList{"RecoveryForm"});
    }
    QCOMPARE(notice, QStringLiteral("Kopie, které nešlo přečíst (1), Velinor nesmazal: odložil je do složky %1.").arg(aside));

    // Only copies that cannot be read: no question, a message.
    QTemporaryDir other;
    leaveCopies(other.path(), {copyOf(QStringLiteral("a.html"), "a", 1)});
    const QString file = other.filePath(sessionsIn(other.path()).first()) + QStringLiteral("/1.copy");
    QVERIFY(writeFile(file, readFile(file) + "x"));
    RecoveryKeeper keeper(f.documents(), other.path());
    ModalSteps message;
    offerRecovery(keeper, OrphanedCopies::find(other.path()), f.mainForm.get());
    QCOMPARE(message.seen().size(), 1);
    QVERIFY2(message.seen().first().contains(QDir::toNativeSeparators(OrphanedCopies::setAsideFolder(other.path()))),
             qPrintable(message.seen().first()));
    QCOMPARE(QDir(OrphanedCopies::setAsideFolder(other.path())).entryList(QDir::Files).size(), 1);
}

// The start-up "Novy1.html" and a restored "Novy1.html" never save to one file: left untouched, the
// start-up page gives the restored text its place; typed into, it keeps its name and the restored
// document takes the next free one.
void TestRecovery::restoredAndStartupDocumentsNeverShareAFile_data()
{
    QTest::addColumn<bool>("startupTyped");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("start-up page untouched") << false << QStringList{"Novy1.html"};
    QTest::newRow("start-up page typed into") << true << QStringList{"Novy1.html", "Novy2.html"};
}

void TestRecovery::restoredAndStartupDocumentsNeverShareAFile()
{
    QFETCH(bool, startupTyped);
    QFETCH(QStringList, captions);
    Fixture f;
    DocumentWindow *startup = f.documents().createDocument();
    if (startupTyped)
        type(startup->editor(), QStringLiteral("nové"));
    leaveCopies(f.root.path(), {copyOf(QStringLiteral("Novy1.html"), "<p>obnoveno</p>", 1)});
    QVERIFY(f.keeper->restore(OrphanedCopies::find(f.root.path())).isEmpty());
    QTRY_COMPARE(f.documents().documents().size(), captions.size());

    QStringList shown;
    for (DocumentWindow *document : f.documents().documents())
        shown.append(document->windowTitle());
    shown.sort();
    QCOMPARE(shown, captions);
    // "Uložit vše" keeps both texts, each in its own file; the next new document has a name of its own.
    QVERIFY(f.documents().saveAll());
    QVERIFY(readFile(f.folder.filePath(QStringLiteral("projekty/") + captions.last())).startsWith("<p>obnoveno</p>"));
    if (startupTyped)
        QVERIFY(readFile(f.folder.filePath(QStringLiteral("projekty/Novy1.html"))).contains("nov\xe9")); // windows-1250
    QCOMPARE(f.documents().nextDocumentNumber(), int(captions.size()) + 1);
}

// A copy's caption is a save target like any other: one leading outside projekty writes nothing.
void TestRecovery::aRestoredCaptionLeadingOutsideIsNotSaved()
{
    Fixture f;
    // Two levels above projekty: beside the scratch program folder, under a name of its own.
    const QString name = QFileInfo(f.folder.path()).fileName() + QStringLiteral("-unik.html");
    const QString outside = QDir::cleanPath(f.folder.filePath(QStringLiteral("../") + name));
    auto removeOutside = qScopeGuard([outside] { QFile::remove(outside); });
    leaveCopies(f.root.path(), {copyOf(QStringLiteral("../../") + name, "<p>ven</p>", 1)});
    f.keeper->restore(OrphanedCopies::find(f.root.path()));
    DocumentWindow *restored = f.documents().activeWindow();
    QCOMPARE(restored->windowTitle(), QStringLiteral("../../") + name);

    ModalSteps answers({}, ModalSteps::Others::Dismiss);
    QVERIFY(!f.documents().save(restored));
    QVERIFY(!f.documents().saveAll());
    QTRY_COMPARE(answers.seen().size(), 2);
    QVERIFY2(answers.seen().first().contains(u"mimo složku projekty"), qPrintable(answers.seen().first()));
    QVERIFY(!QFileInfo::exists(outside));
    QVERIFY(restored->editor()->isModified());
    f.keeper->waitForWrites();
    QVERIFY(f.copyFor(QStringLiteral("../../") + name)); // the copy stays, the text is not lost
}

// Past the file-size limit a copy fails like a full disk: the program goes on (no SIGXFSZ), and the
// failure is said once, not at every following copy, and again only after a copy was written.
void TestRecovery::aCopyPastTheFileSizeLimitFailsAndIsReportedOnce()
{
    std::signal(SIGXFSZ, SIG_DFL); // as a program starts; the keeper itself must make it harmless
    rlimit old = {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto restoreLimit = qScopeGuard([old] { setrlimit(RLIMIT_FSIZE, &old); });
    Fixture f;
    DocumentWindow *document = f.documents().createDocument();
    document->editor()->setText(QString(300 * 1024, QLatin1Char('x')));
    QSignalSpy failed(f.keeper.get(), &RecoveryKeeper::copyFailed);
    rlimit limited = old;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);

    for (int round = 0; round < 2; ++round) {
        type(document->editor(), QStringLiteral("a"));
        f.copyNow();
    }
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Novy1.html"));
    QVERIFY(!f.copyFor(QStringLiteral("Novy1.html")));

    QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);
    type(document->editor(), QStringLiteral("b"));
    f.copyNow();
    QVERIFY(f.copyFor(QStringLiteral("Novy1.html")));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    type(document->editor(), QStringLiteral("c"));
    f.copyNow();
    QCOMPARE(failed.size(), 2);
}

// At a logout the copies are taken at once, also of a document whose previous copy is still on its
// way to the disk.
void TestRecovery::copiesWrittenAtShutdownHoldTheLastTyping()
{
    Fixture f;
    DocumentWindow *document = f.documents().createDocument();
    type(document->editor(), QStringLiteral("první "));
    f.keeper->copyNow(); // on its way
    type(document->editor(), QStringLiteral("poslední"));
    f.keeper->writeCopiesNow();
    const auto copy = f.copyFor(QStringLiteral("Novy1.html"));
    QVERIFY(copy);
    QCOMPARE(copy->utf8, document->editor()->utf8Text());
    QVERIFY(copy->utf8.startsWith("první poslední"));
}

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
