// The list behind "Naposledy otevřené", without windows: what adding, removing and reading do.
#include "files/recent_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList numbered(int count, const QString &pattern = QStringLiteral("/web/%1.html"))
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << pattern.arg(i);
    return list;
}

} // namespace

class TestRecentList : public QObject
{
    Q_OBJECT

private slots:
    void adding_data();
    void adding();
    void removing();
    void reading_data();
    void reading();
    void fileRoundTrip();
    void captions_data();
    void captions();
};

void TestRecentList::adding_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("into an empty list") << QStringList() << "/web/a.html" << QStringList{"/web/a.html"};
    QTest::newRow("newest first") << QStringList{"/web/a.html"} << "/web/b.css" << QStringList{"/web/b.css", "/web/a.html"};
    QTest::newRow("a listed file moves to the top, once")
        << QStringList{"/web/a.html", "/web/b.css", "/web/c.js"} << "/web/c.js"
        << QStringList{"/web/c.js", "/web/a.html", "/web/b.css"};
    QTest::newRow("the same file by another spelling")
        << QStringList{"/web/a.html", "/web/b.css"} << "/web/./x/../b.css" << QStringList{"/web/b.css", "/web/a.html"};
    QTest::newRow("letter case tells files apart")
        << QStringList{"/web/a.html"} << "/web/A.html" << QStringList{"/web/A.html", "/web/a.html"};
    QTest::newRow("ten at most: the oldest goes") << numbered(10) << "/web/new.html"
                                                  << (QStringList{"/web/new.html"} + numbered(9));
    QTest::newRow("a full list keeps all ten when one moves up")
        << numbered(10) << "/web/10.html" << (QStringList{"/web/10.html"} + numbered(9));
    QTest::newRow("a relative path is not listed") << QStringList{"/web/a.html"} << "b.css" << QStringList{"/web/a.html"};
    QTest::newRow("a path with a line break is not listed")
        << QStringList{"/web/a.html"} << "/web/b\nc.css" << QStringList{"/web/a.html"};
    QTest::newRow("spaces and Czech letters") << QStringList() << QString::fromUtf8("/web/Můj web/úvod & další.html")
                                              << QStringList{QString::fromUtf8("/web/Můj web/úvod & další.html")};
}

void TestRecentList::adding()
{
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
    QCOMPARE(withRecentFile(before, added), after);
}

void TestRecentList::removing()
{
    const QStringList list{"/web/a.html", "/web/b.css", "/web/c.js"};
    QCOMPARE(withoutRecentFile(list, "/web/b.css"), (QStringList{"/web/a.html", "/web/c.js"}));
    QCOMPARE(withoutRecentFile(list, "/web/x.css"), list);
}

void TestRecentList::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("lines in order") << QByteArray("/web/a.html\n/web/b.css\n") << QStringList{"/web/a.html", "/web/b.css"};
    QTest::newRow("no last line break, CR LF") << QByteArray("/web/a.html\r\n/web/b.css")
                                               << QStringList{"/web/a.html", "/web/b.css"};
    QTest::newRow("blank, relative and doubled lines skipped")
        << QByteArray("\n/web/a.html\n\nb.css\n/web/a.html\n/web/c.js\n") << QStringList{"/web/a.html", "/web/c.js"};
    QTest::newRow("UTF-8") << QString::fromUtf8("/web/Žluťoučký kůň.html\n").toUtf8()
                           << QStringList{QString::fromUtf8("/web/Žluťoučký kůň.html")};
    QTest::newRow("a longer list, edited by hand, is cut to ten") << formatRecentList(numbered(12)) << numbered(10);
}

void TestRecentList::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, list);
    QCOMPARE(parseRecentList(bytes), list);
}

void TestRecentList::fileRoundTrip()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("setup/naposledy.txt"));
    QCOMPARE(readRecentList(file), QStringList()); // no file yet: an empty list
    const QStringList list{QString::fromUtf8("/web/Můj web/index.html"), "/web/styl.css"};
    QVERIFY(writeRecentList(file, list)); // creates setup/
    QCOMPARE(readRecentList(file), list);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QString::fromUtf8("/web/Můj web/index.html\n/web/styl.css\n").toUtf8());
}

void TestRecentList::captions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");

    QTest::newRow("first") << 0 << "/web/a.html" << "&1 /web/a.html";
    QTest::newRow("ninth") << 8 << "/web/a.html" << "&9 /web/a.html";
    QTest::newRow("tenth: 1&0") << 9 << "/web/a.html" << "1&0 /web/a.html";
    QTest::newRow("an & in the path stays a character") << 1 << "/web/a&b.html" << "&2 /web/a&&b.html";
}

void TestRecentList::captions()
{
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(recentMenuCaption(index, path), caption);
}

QTEST_GUILESS_MAIN(TestRecentList)
#include "test_recent_list.moc"
