// The eyedropper's road through the desktop's screenshot portal, run against a stand-in portal on
// a private session bus that this program starts for itself (the user's own bus is never touched).

#include "tools/screen_capture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A session bus of this test's own, with no service folders, so that nothing on the machine can be
// started on demand in place of the stand-in.
class PrivateSessionBus
{
public:
    QString start()
    {
        const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!m_folder.isValid() || !file.open(QIODevice::WriteOnly))
            return {};
        file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig><type>session</type><listen>unix:dir=" + m_folder.path().toLocal8Bit() +
                   "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                   "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n");
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000))
            return {};
        return QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    }

    ~PrivateSessionBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(3000);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
};

} // namespace

class TestScreenCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void portalAnswers_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("givesPicture");
        QTest::newRow("picture, answered before the call returns") << "picture" << true;
        QTest::newRow("request path chosen by the portal") << "legacy" << true;
        QTest::newRow("cancelled by the user") << "cancel" << false;
        QTest::newRow("portal quits without answering") << "vanish" << false;
        QTest::newRow("no portal on the bus") << QString() << false;
    }

    void portalAnswers()
    {
        QFETCH(QString, mode);
        QFETCH(bool, givesPicture);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess portal;
        portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!mode.isEmpty()) {
            portal.start(QStringLiteral(FAKE_PORTAL_PROGRAM), {mode, folder.path()});
            QVERIFY(portal.waitForReadyRead(5000));
            QCOMPARE(portal.readLine().trimmed(), QByteArray("ready"));
        }

        QElapsedTimer clock;
        clock.start();
        const QImage picture = captureThroughPortal();
        // Every answer, or the lack of one, is known within moments: no waiting out the minute.
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));

        if (givesPicture) {
            QCOMPARE(picture.size(), QSize(3, 2));
            QCOMPARE(picture.pixel(0, 0), QRgb(0xff102030));
            QCOMPARE(picture.pixel(1, 0), QRgb(0xffff0000));
            QCOMPARE(picture.pixel(1, 1), QRgb(0xffabcdef));
            QCOMPARE(picture.pixel(2, 1), QRgb(0xff000000));
        } else {
            QVERIFY(picture.isNull());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
        portal.terminate();
        portal.waitForFinished(3000);
    }
};

int main(int argc, char *argv[])
{
    PrivateSessionBus bus;
    const QString address = bus.start();
    if (address.isEmpty()) {
        qCritical("dbus-daemon could not start a private session bus");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
    QGuiApplication app(argc, argv);
    TestScreenCapture test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screen_capture.moc"
