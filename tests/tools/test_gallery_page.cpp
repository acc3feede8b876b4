// The gallery's markup as a browser reads it: a page made from pictures with hostile names is
// loaded by headless Chromium, and a script of the page reports what the browser built from it.
#include "tools/gallery_generator.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// The names a user's picture folder may hold: each would change the page or break its link if it
// were written as it stands.
const QStringList kPictures{
    QString::fromUtf8("x\" onerror=\"document.title='napadeno'\".gif"),
    QString::fromUtf8("<img src=x onerror=document.title=1>.gif"),
    QString::fromUtf8("<i>kurzíva.gif"),
    QString::fromUtf8("a&amp;b.gif"),
    QString::fromUtf8("snímek #2.gif"),
    QString::fromUtf8("proč?.gif"),
    QString::fromUtf8("100%25.gif"),
    QString::fromUtf8("it's.gif"),
    QString::fromUtf8("javascript:x.gif"),
    QString::fromUtf8("zpětné\\lomítko.gif"),
    QString::fromUtf8("Žluťoučký_kůň-1.gif"),
};

// A picture of one pixel.
const QByteArray kGif = QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");

// Run when the page has loaded: every element with its attributes, the captions, where the links
// and pictures lead and whether each picture was found, as percent-encoded JSON in a <pre>.
const char *const kReport = R"(<script>
window.addEventListener('load', () => {
  const path = url => decodeURIComponent(new URL(url).pathname);
  const report = {
    title: document.title,
    elements: [...document.querySelectorAll('*')].map(e => [e.tagName, ...[...e.attributes].map(a => a.name).sort()].join(' ')),
    captions: [...document.querySelectorAll('div.nazev')].map(d => d.textContent),
    links: [...document.links].map(a => path(a.href)),
    pictures: [...document.images].map(i => ({path: path(i.src), alt: i.alt, found: i.naturalWidth > 0})),
    captionColour: getComputedStyle(document.querySelector('div.nazev')).color,
  };
  const out = document.createElement('pre');
  out.id = 'vysledek';
  out.textContent = encodeURIComponent(JSON.stringify(report));
  document.body.appendChild(out);
});
</script>)";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList stringsOf(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace

class TestGalleryPage : public QObject
{
    Q_OBJECT

private slots:
    void hostileNamesInBrowser();
};

void TestGalleryPage::hostileNamesInBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!chromium.isEmpty(), "chromium is missing (scripts/install-deps.sh installs it)");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    for (const QString &name : kPictures)
        QVERIFY2(writeFile(dir.filePath(name), kGif), qPrintable(name));
    // The stylesheet is written into the link as a path, with a quote and markup in its folder's name.
    const QString styleFolder = QStringLiteral("styl \"x\" <b>");
    QVERIFY(dir.mkdir(styleFolder));
    QVERIFY(writeFile(dir.filePath(styleFolder + "/default.css"), ".nazev { color: rgb(1, 2, 3); }"));

    GalleryFields fields;
    fields.pictures = kPictures;
    fields.columns = QStringLiteral("3");
    fields.width = QStringLiteral("10");
    fields.height = QStringLiteral("10");
    fields.stylesheet = dir.filePath(styleFolder + "/default.css");
    const std::optional<Edit> edit = galleryEdit(fields);
    QVERIFY(edit);
    QString fragment = edit->steps().front().text;
    fragment.replace(QLatin1Char('\r'), QLatin1Char('\n')); // the editor's line breaks
    const QString page = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Galerie</title>"
                                        "</head><body>\n")
        + fragment + QString::fromUtf8(kReport) + QStringLiteral("\n</body></html>\n");
    const QString pagePath = dir.filePath(QStringLiteral("galerie.html"));
    QVERIFY(writeFile(pagePath, page.toUtf8()));

    QProcess browser;
    browser.setProcessChannelMode(QProcess::SeparateChannels);
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                             "--no-first-run", "--user-data-dir=" + dir.filePath("profil"), "--dump-dom",
                             QUrl::fromLocalFile(pagePath).toString()});
    QVERIFY2(browser.waitForFinished(90000), "chromium did not finish");
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QRegularExpressionMatch found = QRegularExpression(QStringLiteral("<pre id=\"vysledek\">([^<]*)</pre>")).match(dom);
    QVERIFY2(found.hasMatch(), qPrintable("no report in the page:\n" + dom + browser.readAllStandardError()));
    const QJsonObject report = QJsonDocument::fromJson(QUrl::fromPercentEncoding(found.captured(1).toUtf8()).toUtf8()).object();

    // No element and no attribute but the gallery's own; no script of a name ran.
    QCOMPARE(report["title"].toString(), QStringLiteral("Galerie"));
    const QStringList elements = stringsOf(report["elements"]);
    const QSet<QString> expected{"HTML", "HEAD", "META charset", "TITLE", "BODY", "LINK href media rel type",
                                 "DIV align", "SMALL", "TABLE border cellpadding cellspacing", "TBODY", "TR", "TD",
                                 "DIV class", "A href target", "IMG alt height src width", "SCRIPT", "PRE id"};
    for (const QString &element : elements)
        QVERIFY2(expected.contains(element), qPrintable("unexpected element: " + element));
    QCOMPARE(elements.count("A href target"), kPictures.size());
    QCOMPARE(elements.count("IMG alt height src width"), kPictures.size());

    // Each name shows as it is, and its link and picture lead to its own file.
    const QStringList captions = stringsOf(report["captions"]);
    const QStringList links = stringsOf(report["links"]);
    const QJsonArray pictures = report["pictures"].toArray();
    QCOMPARE(captions.size(), kPictures.size());
    QCOMPARE(links.size(), kPictures.size());
    QCOMPARE(pictures.size(), kPictures.size());
    for (int i = 0; i < kPictures.size(); ++i) {
        const QString &name = kPictures[i];
        const QString file = dir.filePath(name);
        QCOMPARE(captions[i], name + QString::fromUtf8(" - klikněte pro zvetšení"));
        QCOMPARE(links[i], file);
        const QJsonObject picture = pictures[i].toObject();
        QCOMPARE(picture["path"].toString(), file);
        QCOMPARE(picture["alt"].toString(), name);
        QVERIFY2(picture["found"].toBool(), qPrintable(name));
    }
    QCOMPARE(report["captionColour"].toString(), QStringLiteral("rgb(1, 2, 3)")); // the stylesheet was found
}

QTEST_GUILESS_MAIN(TestGalleryPage)
#include "test_gallery_page.moc"
