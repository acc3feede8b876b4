// The gallery tool's markup and its picture list order, without any window.
#include "base/velinor_error.h"
#include "tools/gallery_generator.h"

#include <QtTest>

namespace {

// A cell line of a picture whose name is written as `text` and whose address is `address`.
QString namedCell(const QString &text, const QString &address, const QString &width = "100",
                  const QString &height = "75")
{
    return QString::fromUtf8("      <td><div class=\"nazev\">%1 - <a href=\"%2\" target=\"_blank\">klikněte pro "
                             "zvetšení</a></div><img src=\"%2\" alt=\"%1\" width=\"%3\" height=\"%4\" /></td>")
        .arg(text, address, width, height);
}

QString cell(const QString &name, const QString &width = "100", const QString &height = "75")
{
    return namedCell(name, name, width, height);
}

const QString kOpen = "    <tr>";
const QString kClose = "    </tr>";

QString lines(const QStringList &list)
{
    return list.join(QLatin1Char('\r')) + QLatin1Char('\r');
}

} // namespace

class TestGalleryGenerator : public QObject
{
    Q_OBJECT

private slots:
    void rowsText_data();
    void rowsText();
    void pictureNames_data();
    void pictureNames();
    void wholeFragment();
    void refusedData_data();
    void refusedData();
    void sortedList();
};

void TestGalleryGenerator::rowsText_data()
{
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("text");

    QTest::newRow("one column") << QStringList{"a.jpg", "b.jpg", "c.jpg"} << 1 << "100" << "75"
        << lines({kOpen, cell("a.jpg"), kClose, kOpen, cell("b.jpg"), kClose, kOpen, cell("c.jpg"), kClose});
    QTest::newRow("4 pictures in 2 columns") << QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg"} << 2 << "100" << "75"
        << lines({kOpen, cell("a.jpg"), cell("b.jpg"), kClose, kOpen, cell("c.jpg"), cell("d.jpg"), kClose});
    QTest::newRow("3 pictures in 2 columns") << QStringList{"a.jpg", "b.jpg", "c.jpg"} << 2 << "100" << "75"
        << lines({kOpen, cell("a.jpg"), cell("b.jpg"), kClose, kOpen, cell("c.jpg"), kClose});
    QTest::newRow("more columns than pictures") << QStringList{"a.jpg"} << 5 << "100" << "75"
        << lines({kOpen, cell("a.jpg"), kClose});
    QTest::newRow("empty sizes") << QStringList{"x.gif", "y.bmp"} << 2 << "" << ""
        << lines({kOpen, cell("x.gif", "", ""), cell("y.bmp", "", ""), kClose});
    QTest::newRow("duplicates get a cell each") << QStringList{"a.jpg", "a.jpg"} << 1 << "100" << "75"
        << lines({kOpen, cell("a.jpg"), kClose, kOpen, cell("a.jpg"), kClose});
}

void TestGalleryGenerator::rowsText()
{
    QFETCH(QStringList, pictures);
    QFETCH(int, columns);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, text);
    QCOMPARE(galleryRowsText(pictures, columns, width, height), text);
}

// Names of letters, digits, dots, dashes and underscores are written as they are; any other name
// stays text in the caption and the alternative text, and an address of that very file in the link
// and the picture.
void TestGalleryGenerator::pictureNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");

    const QString plain = QString::fromUtf8("Žluťoučký_kůň-2.0.JPG");
    QTest::newRow("letters, digits, dots, dashes") << plain << plain << plain;
    QTest::newRow("quote and event attribute") << "x\" onerror=\"alert(1)\".jpg"
        << "x&quot; onerror=&quot;alert(1)&quot;.jpg" << "x%22%20onerror=%22alert(1)%22.jpg";
    QTest::newRow("markup") << "<i>a&b.jpg" << "&lt;i&gt;a&amp;b.jpg" << "%3Ci%3Ea&amp;b.jpg";
    QTest::newRow("fragment, query, escape") << "a#1?b%20.gif" << "a#1?b%20.gif" << "a%231%3Fb%2520.gif";
    QTest::newRow("spaces and apostrophe") << "moje foto's.bmp" << "moje foto's.bmp" << "moje%20foto%27s.bmp";
    QTest::newRow("looks like a scheme") << "javascript:alert(1).jpg" << "javascript:alert(1).jpg"
        << "javascript%3Aalert(1).jpg";
    QTest::newRow("backslash and tab") << "a\\b\tc.jpg" << "a\\b\tc.jpg" << "a%5Cb%09c.jpg";
}

void TestGalleryGenerator::pictureNames()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, address);
    QCOMPARE(galleryRowsText({name}, 1, "100", "75"), lines({kOpen, namedCell(text, address), kClose}));
}

void TestGalleryGenerator::wholeFragment()
{
    GalleryFields f;
    f.pictures = QStringList{"a.jpg", "b.jpg", "c.jpg"};
    f.columns = "2";
    f.width = "100";
    f.height = "75";
    f.stylesheet = "C:\\moje styly\\wgal\\default.css";
    const std::optional<Edit> edit = galleryEdit(f);
    QVERIFY(edit);
    QCOMPARE(edit->steps().size(), size_t(1));
    QCOMPARE(edit->steps().front().text,
             lines({"<link rel=\"stylesheet\" href=\"C:\\moje styly\\wgal\\default.css\" type=\"text/css\" media=\"screen\" />",
                    "<div align=center>", "<small>", "  <table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
                    kOpen, cell("a.jpg"), cell("b.jpg"), kClose, kOpen, cell("c.jpg"), kClose,
                    "  </table>", "</small>", "</div>"}));

    // A quote in the stylesheet's path ends no attribute.
    f.stylesheet = "/home/a\"b/<c>&d.css";
    QVERIFY(galleryEdit(f)->steps().front().text.startsWith(
        "<link rel=\"stylesheet\" href=\"/home/a&quot;b/&lt;c&gt;&amp;d.css\" type="));
}

void TestGalleryGenerator::refusedData_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("error"); // empty: the invalid-data message instead

    QTest::newRow("empty columns") << "" << QStringList{"a.jpg"} << "'' is not a valid integer value";
    QTest::newRow("too large") << "99999999999" << QStringList{"a.jpg"} << "'99999999999' is not a valid integer value";
    QTest::newRow("zero columns") << "0" << QStringList{"a.jpg"} << "";
    QTest::newRow("no pictures") << "3" << QStringList{} << "";
}

void TestGalleryGenerator::refusedData()
{
    QFETCH(QString, columns);
    QFETCH(QStringList, pictures);
    QFETCH(QString, error);
    GalleryFields f;
    f.columns = columns;
    f.pictures = pictures;
    try {
        QVERIFY(!galleryEdit(f));
        QVERIFY2(error.isEmpty(), "no conversion error");
    } catch (const VelinorError &e) {
        QCOMPARE(e.message(), error);
    }
}

// Unsorted drops append; after "Seřaď" later drops land at their place, ignoring case.
void TestGalleryGenerator::sortedList()
{
    QStringList list;
    for (const char *name : {"d.jpg", "B.jpg", "a.jpg", "d.jpg"})
        addGalleryPicture(list, name, false);
    QCOMPARE(list, (QStringList{"d.jpg", "B.jpg", "a.jpg", "d.jpg"}));
    sortGalleryPictures(list);
    QCOMPARE(list, (QStringList{"a.jpg", "B.jpg", "d.jpg", "d.jpg"}));
    for (const char *name : {"c.jpg", "A.jpg", "e.jpg"})
        addGalleryPicture(list, name, true);
    QCOMPARE(list, (QStringList{"a.jpg", "A.jpg", "B.jpg", "c.jpg", "d.jpg", "d.jpg", "e.jpg"}));
}

QTEST_GUILESS_MAIN(TestGalleryGenerator)
#include "test_gallery_generator.moc"
