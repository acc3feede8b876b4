// The page preview's library as the program finds it: beside the program. This test program is
// built into a folder of its own, where the library is not, so the preview command's load fails for
// real; the test then puts a file that is no library there, and at last the real library.

#include "app/child_form.h"
#include "app/main_form.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QtTest>

using namespace testsupport;

class TestPreviewLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void unloadableLibraryIsReported_data();
    void unloadableLibraryIsReported();
    void libraryPutInPlaceOpensThePreview();

private:
    std::unique_ptr<SharedMainForm> m_shared;
};

namespace {

QString libraryBesideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libvelinor_preview.so");
}

QDialog *openPreview(TMainForm &mainForm)
{
    return mainForm.findChild<QDialog *>(QStringLiteral("TBrowser_Form"));
}

enum class Beside { Nothing, NotALibrary };

} // namespace

Q_DECLARE_METATYPE(Beside)

void TestPreviewLibrary::initTestCase()
{
    muteOffscreenPlatformWarnings();
    // A run cut short may have left a file behind.
    QFile::remove(libraryBesideProgram());
    QVERIFY2(QCoreApplication::applicationDirPath() != QFileInfo(QStringLiteral(PREVIEW_LIBRARY)).absolutePath(),
             "this test program must not be built beside the preview library");
    m_shared = std::make_unique<SharedMainForm>();
    QVERIFY(m_shared->isReady());
}

void TestPreviewLibrary::cleanupTestCase()
{
    m_shared.reset();
    QFile::remove(libraryBesideProgram());
}

void TestPreviewLibrary::unloadableLibraryIsReported_data()
{
    QTest::addColumn<Beside>("beside");
    QTest::newRow("no library") << Beside::Nothing;
    QTest::newRow("not a library") << Beside::NotALibrary;
}

void TestPreviewLibrary::unloadableLibraryIsReported()
{
    QFETCH(Beside, beside);
    QFile::remove(libraryBesideProgram());
    if (beside == Beside::NotALibrary)
        QVERIFY(writeFile(libraryBesideProgram(), "no library here\n"));
    TChildForm *document = m_shared->resetWithDocument();
    QVERIFY(document);
    document->editor()->setText(QStringLiteral("<p>text</p>"));
    const QString text = document->editor()->text();
    QAction *preview = m_shared->mainForm().action(QStringLiteral("NahledHTMLstranky"));
    QVERIFY(preview);

    // Tried twice: the failure is reported each time, and nothing else changes.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QStringList reports;
        ModalSteps answer({[&reports](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                reports << QStringLiteral("%1|%2").arg(int(box->icon())).arg(box->text());
            dismiss(modal);
        }});
        preview->trigger();
        QCOMPARE(answer.remaining(), 0);
        QCOMPARE(answer.unexpected(), 0);
        QCOMPARE(reports.size(), 1);
        const QString expected = QStringLiteral("%1|Náhled stránky nelze otevřít:\n").arg(int(QMessageBox::Warning));
        QVERIFY2(reports[0].startsWith(expected), qPrintable(reports[0]));
        QVERIFY2(reports[0].size() > expected.size(), "the reason is given"); // the loader's own words
        QVERIFY(!openPreview(m_shared->mainForm()));
        QVERIFY(preview->isEnabled());
        QCOMPARE(document->editor()->text(), text);
    }
}

void TestPreviewLibrary::libraryPutInPlaceOpensThePreview()
{
    // A failed load is not remembered: once the library is there, the same command opens the preview.
    QFile::remove(libraryBesideProgram());
    QVERIFY(m_shared->resetWithDocument());
    QAction *preview = m_shared->mainForm().action(QStringLiteral("NahledHTMLstranky"));
    {
        ModalSteps answer({[](QWidget *modal) { dismiss(modal); }});
        preview->trigger();
        QCOMPARE(answer.seen().size(), 1);
    }
    QVERIFY(QFile::copy(QStringLiteral(PREVIEW_LIBRARY), libraryBesideProgram()));
    const auto unexpected = ModalSteps::dismissAll();
    preview->trigger();
    QDialog *form = nullptr;
    QTRY_VERIFY((form = openPreview(m_shared->mainForm())) && form->isVisible());
    QCOMPARE(unexpected->seen(), QStringList());
    form->close();
    QTRY_VERIFY(!openPreview(m_shared->mainForm()));
}

QTEST_MAIN(TestPreviewLibrary)
#include "test_preview_library.moc"
