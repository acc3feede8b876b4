#include "app/child_form.h"
#include "app/main_form.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"
#include "tools/browser_form.h"
#include "tools/preview_scheme.h"

#include <QAction>
#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
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
    void goingBackToTheDocumentFollowsItAgain();
    void pageScriptsCannotReadLocalFiles_data();
    void pageScriptsCannotReadLocalFiles();
    void remoteResourcesLoad_data();
    void remoteResourcesLoad();
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
    QCOMPARE(form.frameGeometry().size(), QSize(628, 336)); // the window manager's frame included
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
    form.activeWindowChanged();
    form.activeWindowChanged();
    QVERIFY(form.refreshPending()); // shown once the changes pause, not at each one
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("upraveno"));
    QCOMPARE(loaded.count(), 2);
    // Showing the document again replaces it: typing leaves no trail of versions behind "Jít zpět".
    QCOMPARE(view(&form)->history()->count(), 1);
    QVERIFY(!enabled(&form, "ToolButton_Previous"));

    // A page of several megabytes is shown whole.
    document.text = QStringLiteral("<!-- ") + QStringLiteral("výplň ").repeated(500000) + QStringLiteral("--><p id=\"t\">konec</p>");
    form.activeWindowChanged();
    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.last().first().toBool());
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("konec"));
}

void TestPreview::goingBackToTheDocumentFollowsItAgain()
{
    PreviewDocument document{QStringLiteral("<a href=\"first.html\" style=\"display: block; height: 100px\">pryč</a>"
                                            "<p id=\"t\">doma</p>"),
                             page("zpet.html")};
    TBrowser_Form form(nullptr, [&document] { return std::optional<PreviewDocument>(document); });
    form.show();
    form.setDocumentAvailable(true);
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    control<QToolButton>(&form, "ToolButton_Aktualni")->click();
    QVERIFY(loaded.wait(20000));

    // A link followed elsewhere, clicked as a user does (the history passes over a page that left
    // by a script of its own): changes no longer pull the document back.
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(view(&form)->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("první"));
    document.text = QStringLiteral("<p id=\"t\">mezitím</p>");
    form.activeWindowChanged();
    QVERIFY(!form.refreshPending()); // nothing is due to be shown
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("první"));

    // "Jít zpět" returns to the document as it is now, and from then on it follows the typing again.
    QTRY_VERIFY(enabled(&form, "ToolButton_Previous"));
    control<QToolButton>(&form, "ToolButton_Previous")->click();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(),
                              QStringLiteral("mezitím"), 20000);
    document.text = QStringLiteral("<p id=\"t\">znovu</p>");
    form.activeWindowChanged();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(),
                              QStringLiteral("znovu"), 20000);
}

namespace {

// Shows a page as the preview's two roads do: a saved file by its address, or the editor's text
// through "Aktuální dokument".
enum class ShownAs { File, Document };

} // namespace

Q_DECLARE_METATYPE(ShownAs)

namespace {

void showPage(TBrowser_Form &form, ShownAs shownAs, const QString &path, const QByteArray &html,
              PreviewDocument &document)
{
    if (shownAs == ShownAs::File) {
        QVERIFY(writeFile(path, html));
        loadAddress(form, QUrl::fromLocalFile(path).toString());
        return;
    }
    document = {QString::fromUtf8(html), path};
    form.setDocumentAvailable(true);
    QSignalSpy loaded(view(&form), &QWebEngineView::loadFinished);
    control<QToolButton>(&form, "ToolButton_Aktualni")->click();
    QVERIFY(loaded.wait(20000));
}

void addShownAsRows()
{
    QTest::addColumn<ShownAs>("shownAs");
    QTest::newRow("file") << ShownAs::File;
    QTest::newRow("document") << ShownAs::Document;
}

// A web server on this machine's loopback address: it answers every request for a known path
// with that file, anything else with 404.
class LocalWebServer : public QTcpServer
{
public:
    explicit LocalWebServer(QHash<QByteArray, QPair<QByteArray, QByteArray>> files) : m_files(std::move(files))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString address(const char *path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(QLatin1String(path)); }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        m_requests.remove(socket);
        const auto file = m_files.find(path);
        const QByteArray status = file == m_files.end() ? "404 Not Found" : "200 OK";
        const QByteArray type = file == m_files.end() ? "text/plain" : file->first;
        const QByteArray body = file == m_files.end() ? QByteArray() : file->second;
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QHash<QByteArray, QPair<QByteArray, QByteArray>> m_files; // path: type and content
    QHash<QTcpSocket *, QByteArray> m_requests;
};

} // namespace

void TestPreview::pageScriptsCannotReadLocalFiles_data()
{
    addShownAsRows();
}

void TestPreview::pageScriptsCannotReadLocalFiles()
{
    // A page's script tries every road a script has to a file's content (fetch, XMLHttpRequest, a
    // frame's document), to a file beside the page and to one elsewhere, by file: addresses and by
    // the preview's own scheme. A browser opening the page refuses them all.
    QFETCH(ShownAs, shownAs);
    QVERIFY(writeFile(page("tajne.txt"), "TAJNE-vedle"));
    QVERIFY(QDir().mkpath(page("jinde")));
    QVERIFY(writeFile(page("jinde/tajne.txt"), "TAJNE-jinde"));
    QStringList targets;
    for (const char *secret : {"tajne.txt", "jinde/tajne.txt"})
        targets << QUrl::fromLocalFile(page(secret)).toString() << PreviewScheme::address(page(secret)).toString();
    const QByteArray html = QByteArrayLiteral(R"(<body><p id="t">stránka</p><script>
window.reads = {};
let pending = 0;
function note(name, reading) {
  ++pending;
  reading.then(text => window.reads[name] = 'read: ' + text, error => window.reads[name] = 'refused: ' + error)
         .finally(() => { if (--pending === 0) window.readsDone = true; });
}
for (const url of TARGETS) {
  note('fetch ' + url, fetch(url).then(response => response.text()));
  note('xhr ' + url, new Promise((resolve, reject) => {
    const request = new XMLHttpRequest();
    request.open('GET', url);
    request.onload = () => resolve(request.responseText);
    request.onerror = () => reject('error');
    request.send();
  }));
  note('frame ' + url, new Promise((resolve, reject) => {
    const frame = document.createElement('iframe');
    frame.onload = () => { try { resolve(frame.contentDocument.body.textContent); } catch (error) { reject(error); } };
    frame.src = url;
    document.body.appendChild(frame);
  }));
}
</script></body>)")
                                .replace("TARGETS", QJsonDocument(QJsonArray::fromStringList(targets)).toJson(QJsonDocument::Compact));
    PreviewDocument document;
    TBrowser_Form form(nullptr, [&document] { return std::optional<PreviewDocument>(document); });
    form.show();
    showPage(form, shownAs, page("skript.html"), html, document);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(&form, QStringLiteral("window.readsDone === true")).toBool(), 20000);
    const QVariantMap reads = evaluate(&form, QStringLiteral("window.reads")).toMap();
    QCOMPARE(reads.size(), targets.size() * 3);
    QStringList leaks;
    for (auto read = reads.cbegin(); read != reads.cend(); ++read)
        if (read.value().toString().contains(QLatin1String("TAJNE")))
            leaks << read.key();
    QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(QLatin1String(", "))));
    // What the page itself loads still comes: its own text, its pictures (see above).
    QCOMPARE(evaluate(&form, QStringLiteral("document.getElementById('t').textContent")).toString(), QStringLiteral("stránka"));
}

void TestPreview::remoteResourcesLoad_data()
{
    addShownAsRows();
}

void TestPreview::remoteResourcesLoad()
{
    // A page on the disk with its stylesheet, script and picture on a web server, as from a CDN.
    QImage picture(9, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    LocalWebServer server({{"/vzhled.css", {"text/css", "#t { color: rgb(1, 2, 3); }"}},
                           {"/skript.js", {"text/javascript", "window.remoteScript = 'běží';"}},
                           {"/obrazek.png", {"image/png", png}}});
    QVERIFY(server.isListening());
    const QByteArray html = QStringLiteral("<html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\" href=\"%1\">"
                                           "<script src=\"%2\"></script></head><body><p id=\"t\">vzdálené</p>"
                                           "<img src=\"%3\"></body></html>")
                                .arg(server.address("/vzhled.css"), server.address("/skript.js"), server.address("/obrazek.png"))
                                .toUtf8();
    QFETCH(ShownAs, shownAs);
    PreviewDocument document;
    TBrowser_Form form(nullptr, [&document] { return std::optional<PreviewDocument>(document); });
    form.show();
    showPage(form, shownAs, page("vzdalene.html"), html, document);
    QCOMPARE(evaluate(&form, QStringLiteral("getComputedStyle(document.getElementById('t')).color")).toString(),
             QStringLiteral("rgb(1, 2, 3)"));
    QCOMPARE(evaluate(&form, QStringLiteral("window.remoteScript")).toString(), QStringLiteral("běží"));
    QTRY_COMPARE(evaluate(&form, QStringLiteral("document.images[0].naturalWidth")).toInt(), 9);
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
