// The command line and the message a second start hands to the running Velinor, without windows.
#include "app/command_line.h"
#include "app/hand_over.h"

#include <QtTest>

using Action = StartRequest::Action;
using State = HandOverMessage::State;
Q_DECLARE_METATYPE(StartRequest::Action)
Q_DECLARE_METATYPE(HandOverMessage::State)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
    void answers();
    void handOverRoundTrip_data();
    void handOverRoundTrip();
    void handOverReceived_data();
    void handOverReceived();
    void serverNames();
};

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("nothing") << QStringList() << Action::Start << QStringList();
    QTest::newRow("relative and full paths, in order")
        << QStringList{"index.html", "../styl.css", "/srv/www/a.php"} << Action::Start
        << QStringList{"/home/jana/web/index.html", "/home/jana/styl.css", "/srv/www/a.php"};
    QTest::newRow("paths cleaned") << QStringList{"./x/../index.html", "/srv//www/"} << Action::Start
                                   << QStringList{"/home/jana/web/index.html", "/srv/www"};
    QTest::newRow("a file address") << QStringList{"file:///srv/www/M%C5%AFj%20web.html"} << Action::Start
                                    << QStringList{QString::fromUtf8("/srv/www/Můj web.html")};
    QTest::newRow("spaces and Czech letters as given")
        << QStringList{QString::fromUtf8("Můj web/úvod.html")} << Action::Start
        << QStringList{QString::fromUtf8("/home/jana/web/Můj web/úvod.html")};
    QTest::newRow("after -- a dash is a file") << QStringList{"--", "-x.html", "--help"} << Action::Start
                                               << QStringList{"/home/jana/web/-x.html", "/home/jana/web/--help"};
    QTest::newRow("--help") << QStringList{"--help"} << Action::Help << QStringList();
    QTest::newRow("-h among files") << QStringList{"a.html", "-h"} << Action::Help << QStringList();
    QTest::newRow("--version") << QStringList{"--version"} << Action::Version << QStringList();
    QTest::newRow("--help wins over --version") << QStringList{"--version", "--help"} << Action::Help << QStringList();
    QTest::newRow("--help wins over an unknown option") << QStringList{"-platform", "--help"} << Action::Help
                                                        << QStringList();
    QTest::newRow("an unknown option") << QStringList{"a.html", "--bogus"} << Action::Error << QStringList();
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QStringList, files);
    const StartRequest request = parseStartArguments(arguments, QStringLiteral("/home/jana/web"));
    QCOMPARE(request.action, action);
    QCOMPARE(request.files, files);
    QCOMPARE(request.error.isEmpty(), action != Action::Error);
}

void TestCommandLine::answers()
{
    const StartRequest wrong = parseStartArguments({QStringLiteral("--bogus")}, QStringLiteral("/"));
    QCOMPARE(wrong.error, QString::fromUtf8("Neznámý přepínač „--bogus“. Seznam přepínačů vypíše velinor --help."));
    QVERIFY(commandLineHelp().startsWith(QString::fromUtf8("Použití: velinor [PŘEPÍNAČ] [SOUBOR...]\n")));
    for (const char *option : {"--help", "--version", "--"})
        QVERIFY2(commandLineHelp().contains(QLatin1String(option)), option);
    QCOMPARE(versionText(), QStringLiteral("Velinor 1.0\n"));
}

void TestCommandLine::handOverRoundTrip_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("no files: only come forward") << QStringList() << QByteArray("velinor-predani 1\nkonec\n");
    QTest::newRow("two files") << QStringList{"/web/a.html", "/web/b.css"}
                               << QByteArray("velinor-predani 1\nsoubor /web/a.html\nsoubor /web/b.css\nkonec\n");
    QTest::newRow("space, Czech letter, line break, percent sign")
        << QStringList{QString::fromUtf8("/web/Můj web/a\nb%20.html")}
        << QByteArray("velinor-predani 1\nsoubor /web/M%C5%AFj%20web/a%0Ab%2520.html\nkonec\n");
}

void TestCommandLine::handOverRoundTrip()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, message);
    QCOMPARE(encodeHandOver(files), message);
    const HandOverMessage decoded = decodeHandOver(message);
    QCOMPARE(decoded.state, State::Complete);
    QCOMPARE(decoded.files, files);
}

void TestCommandLine::handOverReceived_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<State>("state");

    const QByteArray whole = encodeHandOver({QStringLiteral("/web/a.html")});
    QTest::newRow("nothing yet") << QByteArray() << State::Incomplete;
    QTest::newRow("half the first line") << QByteArray("velinor-pre") << State::Incomplete;
    QTest::newRow("header only") << QByteArray("velinor-predani 1\n") << State::Incomplete;
    QTest::newRow("the end still arriving") << whole.left(whole.size() - 3) << State::Incomplete;
    QTest::newRow("the end without its line break") << whole.left(whole.size() - 1) << State::Incomplete;
    QTest::newRow("complete") << whole << State::Complete;
    QTest::newRow("another program's first line") << QByteArray("GET / HTTP/1.1\r\n") << State::Invalid;
    QTest::newRow("a first piece that cannot become the header") << QByteArray("hello") << State::Invalid;
    QTest::newRow("another version") << QByteArray("velinor-predani 2\nkonec\n") << State::Invalid;
    QTest::newRow("an unknown line") << QByteArray("velinor-predani 1\nsmazat /web\nkonec\n") << State::Invalid;
    QTest::newRow("a relative path") << QByteArray("velinor-predani 1\nsoubor a.html\nkonec\n") << State::Invalid;
    QTest::newRow("an empty file line") << QByteArray("velinor-predani 1\nsoubor \nkonec\n") << State::Invalid;
    QTest::newRow("something after the end") << whole + "soubor /web/b.html\n" << State::Invalid;
    QTest::newRow("overlong") << QByteArray("velinor-predani 1\n") + QByteArray(5 * 1024 * 1024, 'x') << State::Invalid;
}

void TestCommandLine::handOverReceived()
{
    QFETCH(QByteArray, received);
    QFETCH(State, state);
    const HandOverMessage message = decodeHandOver(received);
    QCOMPARE(message.state, state);
    if (state != State::Complete)
        QVERIFY(message.files.isEmpty());
}

void TestCommandLine::serverNames()
{
    const QString name = instanceServerName(QStringLiteral("/run/user/1000"), 1000, QStringLiteral("/usr/lib/velinor"));
    QVERIFY2(name.startsWith(QStringLiteral("/run/user/1000/velinor-1000-")), qPrintable(name));
    QCOMPARE(instanceServerName(QStringLiteral("/run/user/1000/"), 1000, QStringLiteral("/usr/lib/velinor/")), name);
    // Another user, even with the same runtime folder, or another program folder: another socket.
    QVERIFY(instanceServerName(QStringLiteral("/run/user/1000"), 1001, QStringLiteral("/usr/lib/velinor")) != name);
    QVERIFY(instanceServerName(QStringLiteral("/run/user/1000"), 1000, QStringLiteral("/home/jana/velinor")) != name);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
