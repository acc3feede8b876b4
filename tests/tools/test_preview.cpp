#include "app/child_form.h"
#include "app/main_form.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"
#include "tools/browser_form.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace testsupport;

// The page preview on the real browser engine, offscreen.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensEmptyWithItsButtonStates();
    void historyEnablesBackAndForward();
    void presetSizes_data();
    void presetSizes();
    void findCancelledShowsTheEmptyAddress();
    void findLoadsTheChosenFile();
    void currentDocumentShowsUnsavedTextAndFollowsIt();
    void commandShowsTheActiveDocument();

private:
    QTemporaryDir m_pages;
    QString page(const char *name) const { return m_pages.filePath(QString::fromLatin1(name)); }
};

namespace {

QWebEngineView *view(QWidget *form)
{
    return control<QWebEngineView>(form, "WebBrowser");
}

bool enabled(QWidget *form, const char *name)
{
    return control<QToolButton>(form, name)->isEnabled();
}

// Runs a script in the shown page and returns its result once the engine answers.
QVariant evaluate(QWidget *form, const QString &script)
{
    QVariant result;
    bool answered = false;
    view(form)->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    QElapsedTimer waited;
    waited.start();
    while (!answered && waited.elapsed() < 10000)
        QTest::qWait(10);
    return result;
}

// Types an address and presses Enter in it, then waits for the page.
void loadAddress(TBrowser_Form &form, const QString &address)
{
    auto *edit = control<QLineEdit>(&form, "Adresa_Edit");
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    edit->setText(address);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(loaded.wait(20000));
}

} // namespace

void TestPreview::initTestCase()
{
    muteOffscreenPlatformWarnings();
    QVERIFY(m_pages.isValid());
    QVERIFY(writeFile(page("first.html"), "<html><body><p id=\"t\">první</p></body></html>"));
    QVERIFY(writeFile(page("second.html"), "<html><body><p id=\"t\">druhá</p></body></html>"));
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(QDir().mkpath(page("obrazky")));
    QVERIFY(picture.save(page("obrazky/bod.png")));
}

void TestPreview::opensEmptyWithItsButtonStates()
{
    TBrowser_Form form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Velinor - Internet Explorer - Náhled HTML stránky"));
    QCOMPARE(form.size(), QSize(628, 336));
    QVERIFY(enabled(&form, "ToolButton_Stop"));
    QVERIFY(enabled(&form, "ToolButton_Najit"));
    QVERIFY(enabled(&form, "ToolButton_Enter"));
    QVERIFY(!enabled(&form, "ToolButton_Refresh"));
    QVERIFY(!enabled(&form, "ToolButton_Previous"));
    QVERIFY(!enabled(&form, "ToolButton_Next"));
    QVERIFY(!enabled(&form, "ToolButton_Aktualni")); // no document to show
    QVERIFY(view(&form)->url().isEmpty());
    QVERIFY(control<QStatusBar>(&form, "StatusBar")->currentMessage().isEmpty());
}

void TestPreview::historyEnablesBackAndForward()
{
    TBrowser_Form form(nullptr, {});
    form.show();
    loadAddress(form, QUrl::fromLocalFile(page("first.html")).toString());
    QCOMPARE(control<QStatusBar>(&form, "StatusBar")->currentMessage(), QStringLiteral("Hotovo"));
    QVERIFY(enabled(&form, "ToolButton_Refresh"));
    QVERIFY(!enabled(&form, "ToolButton_Stop")); // nothing loading
    QVERIFY(!enabled(&form, "ToolButton_Previous"));
    loadAddress(form, page("second.html")); // a bare path is an address too
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("druhá"));
    QTRY_VERIFY(enabled(&form, "ToolButton_Previous"));
    QVERIFY(!enabled(&form, "ToolButton_Next"));

    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    control<QToolButton>(&form, "ToolButton_Previous")->click();
    QVERIFY(loaded.wait(20000));
    QTRY_VERIFY(enabled(&form, "ToolButton_Next"));
    QTRY_VERIFY(!enabled(&form, "ToolButton_Previous"));
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("první"));
}

void TestPreview::presetSizes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("size");
    QTest::newRow("640x480") << "ToolButton_640" << QSize(620, 302);
    QTest::newRow("800x600") << "ToolButton_800" << QSize(780, 415);
    QTest::newRow("1024x768") << "ToolButton_1024" << QSize(1004, 603);
}

void TestPreview::presetSizes()
{
    QFETCH(QString, button);
    QFETCH(QSize, size);
    TBrowser_Form form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *sizeButton = control<QToolButton>(&form, button.toLatin1().constData());
    QCOMPARE(sizeButton->text(), QTest::currentDataTag());
    sizeButton->click();
    QTRY_COMPARE(form.frameGeometry().size(), size);
    QCOMPARE(form.windowTitle(), QStringLiteral("Velinor - Internet Explorer - Náhled HTML stránky [%1x%2]")
                                     .arg(size.width()).arg(size.height()));
    // Only 1024x768 becomes a button that stays pressed, and toggles from then on.
    const bool toggles = button == QLatin1String("ToolButton_1024");
    QCOMPARE(sizeButton->isCheckable(), toggles);
    const bool pressed = sizeButton->isChecked();
    sizeButton->click();
    QCOMPARE(sizeButton->isChecked(), toggles ? !pressed : false);
}

void TestPreview::findCancelledShowsTheEmptyAddress()
{
    TBrowser_Form form(nullptr, {});
    form.show();
    loadAddress(form, page("first.html"));
    control<QLineEdit>(&form, "Adresa_Edit")->clear();
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    ModalSteps cancel({[](QWidget *modal) { dismiss(modal); }});
    form.ToolButton_NajitClick();
    QVERIFY(loaded.wait(20000));
    QCOMPARE(view(&form)->url(), QUrl(QStringLiteral("about:blank")));
    QCOMPARE(control<QLineEdit>(&form, "Adresa_Edit")->text(), QString());
    QTRY_VERIFY(enabled(&form, "ToolButton_Previous"));
}

void TestPreview::findLoadsTheChosenFile()
{
    // A name a URL must escape: the address still names the file.
    const QString path = page("a #1 100%.html");
    QVERIFY(writeFile(path, "<html><body><p id=\"t\">zvláštní</p></body></html>"));
    TBrowser_Form form(nullptr, {});
    form.show();
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    ModalSteps choose({[&path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->nameFilters().contains(QStringLiteral("HTML soubory (*.htm *.html)")));
        chooseFile(dialog, path);
    }});
    form.ToolButton_NajitClick();
    QVERIFY(loaded.wait(20000));
    const QString address = control<QLineEdit>(&form, "Adresa_Edit")->text();
    QVERIFY2(address.startsWith(QStringLiteral("file://localhost/")) && !address.startsWith(QStringLiteral("file://localhost//")),
             qPrintable(address));
    QCOMPARE(view(&form)->url().path(), path);
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("zvláštní"));
}

void TestPreview::currentDocumentShowsUnsavedTextAndFollowsIt()
{
    // The start of a new page declares windows-1250; the editor's text is shown as it reads.
    PreviewDocument document{QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">"
                                            "<p id=\"t\">neuloženo</p><img src=\"obrazky/bod.png\">"),
                             page("dokument.html")};
    TBrowser_Form form(nullptr, [&document] { return std::optional<PreviewDocument>(document); });
    form.show();
    QVERIFY(!enabled(&form, "ToolButton_Aktualni"));
    form.setDocumentAvailable(true);
    QVERIFY(enabled(&form, "ToolButton_Aktualni"));
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    control<QToolButton>(&form, "ToolButton_Aktualni")->click();
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("neuloženo"));
    // The relative picture came from the document's folder.
    QTRY_COMPARE(evaluate(&form, QStringLiteral("document.images[0].naturalWidth")).toInt(), 7);

    // Changes arrive in bursts; the page follows once they pause.
    document.text = QStringLiteral("<p id=\"t\">upraveno</p>");
    form.activeDocumentChanged();
    form.activeDocumentChanged();
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("upraveno"));
    QCOMPARE(loaded.count(), 2);
    // Showing the document again replaces it: typing leaves no trail of versions behind "Jít zpět".
    QCOMPARE(view(&form)->history()->count(), 1);
    QVERIFY(!enabled(&form, "ToolButton_Previous"));

    // A page of several megabytes is shown whole.
    document.text = QStringLiteral("<!-- ") + QStringLiteral("výplň ").repeated(500000) + QStringLiteral("--><p id=\"t\">konec</p>");
    form.activeDocumentChanged();
    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.last().first().toBool());
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("konec"));

    // After the user follows a link elsewhere, changes no longer pull the document back.
    view(&form)->page()->runJavaScript(QStringLiteral("location.href = 'first.html'"));
    QVERIFY(loaded.wait(20000));
    form.activeDocumentChanged();
    QTest::qWait(TBrowser_Form::kRefreshDelayMs * 3);
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("první"));
}

void TestPreview::commandShowsTheActiveDocument()
{
    // The program's own road: the command loads the library and opens a window beside the editor.
    SharedMainForm shared;
    QVERIFY(shared.isReady());
    TChildForm *document = shared.resetWithDocument();
    QVERIFY(document);
    document->editor()->setText(QStringLiteral("<p id=\"t\">z editoru</p>"));
    shared.mainForm().action(QStringLiteral("NahledHTMLstranky"))->trigger();
    TBrowser_Form *form = nullptr;
    QTRY_VERIFY((form = shared.mainForm().findChild<TBrowser_Form *>()) && form->isVisible());
    QVERIFY(!form->isModal()); // the editor stays usable beside it
    QSignalSpy loaded(view(form), &QWebEngineView::loadFinished);
    control<QToolButton>(form, "ToolButton_Aktualni")->click();
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("z editoru"));

    document->editor()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    document->editor()->insert(QStringLiteral("<b id=\"n\">dál</b>"));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(form, QStringLiteral("document.getElementById('n').textContent")).toString(), QStringLiteral("dál"));
    // Escape closes it from inside the page too, and the window goes with its page.
    QWidget *page = view(form)->focusProxy();
    QVERIFY(page);
    form->activateWindow();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Escape);
    QTRY_VERIFY(!shared.mainForm().findChild<TBrowser_Form *>());
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
