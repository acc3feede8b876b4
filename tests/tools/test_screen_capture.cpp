// The eyedropper's road through the desktop's screenshot portal, run against a stand-in portal on
// a private session bus that this program starts for itself (the user's own bus is never touched):
// the portal's answers, and what "&Kapátko" makes of them.

#include "editor/line_buffer.h"
#include "support/ui_test_support.h"
#include "tools/kapatko_form.h"
#include "tools/kapatko_start.h"
#include "tools/screen_capture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

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


// The stand-in portal of one test row, answering in the way its mode says.
class FakePortal
{
public:
    bool start(const QString &mode, const QString &folder)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(FAKE_PORTAL_PROGRAM), {mode, folder});
        return waitFor("ready");
    }
    // The next line the portal says, within a few seconds; this program's events go on meanwhile.
    bool waitFor(const QByteArray &line)
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 5000) {
            QCoreApplication::processEvents();
            m_process.waitForReadyRead(20);
        }
        return m_process.readLine().trimmed() == line;
    }
    void answerNow() { m_process.write("answer\n"); }
    ~FakePortal()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

private:
    QProcess m_process;
};

QStringList filesIn(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::Files);
}

TKapatko_Form *shownEyedropper()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<TKapatko_Form *>(window); form && form->isVisible())
            return form;
    return nullptr;
}

QWidget *shownWaitingNote()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("KapatkoCekani") && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class TestScreenCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        muteOffscreenPlatformWarnings();
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void portalAnswers_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("failure"); // -1: a picture
        const int picture = -1;
        QTest::newRow("picture, answered before the call returns") << "picture" << picture;
        QTest::newRow("request path chosen by the portal") << "legacy" << picture;
        QTest::newRow("cancelled by the user") << "cancel" << int(ScreenCapture::Failure::Refused);
        QTest::newRow("portal quits without answering") << "vanish" << int(ScreenCapture::Failure::Error);
        QTest::newRow("no portal on the bus") << QString() << int(ScreenCapture::Failure::NoPortal);
        QTest::newRow("a portal without Screenshot") << "bare" << int(ScreenCapture::Failure::NoPortal);
    }

    void portalAnswers()
    {
        QFETCH(QString, mode);
        QFETCH(int, failure);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        FakePortal portal;
        if (!mode.isEmpty())
            QVERIFY(portal.start(mode, folder.path()));

        QElapsedTimer clock;
        clock.start();
        QPointer<ScreenCapture> capture = ScreenCapture::throughPortal();
        QSignalSpy captured(capture.data(), &ScreenCapture::captured);
        QSignalSpy failed(capture.data(), &ScreenCapture::failed);
        // Asked without blocking: nothing is answered before the event loop runs.
        QCOMPARE(captured.count() + failed.count(), 0);
        // Every answer, or the lack of one, is known within moments: no waiting out the minute.
        QTRY_COMPARE_WITH_TIMEOUT(captured.count() + failed.count(), 1, 3000);
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));

        if (failure < 0) {
            const QImage picture = captured.at(0).at(0).value<QImage>();
            QCOMPARE(picture.size(), QSize(3, 2));
            QCOMPARE(picture.pixel(0, 0), QRgb(0xff102030));
            QCOMPARE(picture.pixel(1, 0), QRgb(0xffff0000));
            QCOMPARE(picture.pixel(1, 1), QRgb(0xffabcdef));
            QCOMPARE(picture.pixel(2, 1), QRgb(0xff000000));
        } else {
            QCOMPARE(int(failed.at(0).at(0).value<ScreenCapture::Failure>()), failure);
        }
        QTRY_VERIFY(capture.isNull()); // answered once, then gone
        QCOMPARE(filesIn(folder), QStringList());
    }

    // "&Kapátko" when the screen cannot be had: the main window comes back with a message that
    // says so and what the desktop needs; no eyedropper, nothing inserted.
    void eyedropperWithoutPicture_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("says");
        QTest::newRow("no portal") << QString() << "xdg-desktop-portal-gtk";
        QTest::newRow("no Screenshot behind the portal") << "bare" << "xdg-desktop-portal-gtk";
        QTest::newRow("refused") << "cancel" << u8("odmítla");
        QTest::newRow("portal gone") << "vanish" << "PipeWire";
    }

    void eyedropperWithoutPicture()
    {
        QFETCH(QString, mode);
        QFETCH(QString, says);
        QTemporaryDir folder;
        FakePortal portal;
        if (!mode.isEmpty())
            QVERIFY(portal.start(mode, folder.path()));
        QWidget mainWindow;
        mainWindow.show();
        LineBuffer document;

        QString message;
        ModalSteps answers({[&message](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                message = box->windowTitle() + QLatin1Char('|') + box->text();
            dismiss(modal);
        }});
        startEyedropper(&mainWindow, [&document]() -> TextDocument * { return &document; },
                        &ScreenCapture::throughPortal);
        QVERIFY(!mainWindow.isVisible());
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY2(message.startsWith(u8("Kapátko|Obrazovku se nepodařilo sejmout")), qPrintable(message));
        QVERIFY2(message.contains(says), qPrintable(message));
        QVERIFY(mainWindow.isVisible());
        QVERIFY(!shownEyedropper());
        QCOMPARE(document.text(), QString());
    }

    // A portal that holds its answer: after a moment a note says what Velinor waits for, Escape on
    // it gives up and brings the main window back, and the picture that comes later is deleted.
    void stalledPortalIsCancelled()
    {
        QTemporaryDir folder;
        FakePortal portal;
        QVERIFY(portal.start(QStringLiteral("held"), folder.path()));
        QWidget mainWindow;
        mainWindow.show();
        LineBuffer document;
        startEyedropper(&mainWindow, [&document]() -> TextDocument * { return &document; },
                        &ScreenCapture::throughPortal);
        QVERIFY(portal.waitFor("asked"));
        QWidget *note = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((note = shownWaitingNote()) != nullptr, kEyedropperWaitingNoteDelayMs + 3000);
        QVERIFY(!mainWindow.isVisible());

        QTest::keyClick(note, Qt::Key_Escape);
        QTRY_VERIFY(mainWindow.isVisible());
        QVERIFY(!shownWaitingNote());

        portal.answerNow();
        QVERIFY(portal.waitFor("answered"));
        QTRY_COMPARE(filesIn(folder), QStringList());
        QTest::qWait(100);
        QVERIFY(!shownEyedropper());
        QCOMPARE(document.text(), QString());
    }

    // The picture comes: the eyedropper covers the whole screen (a maximized window is tiled
    // beside others with a title bar on a tiling desktop) and a click inserts its colour.
    void eyedropperOpensFullScreen()
    {
        QTemporaryDir folder;
        FakePortal portal;
        QVERIFY(portal.start(QStringLiteral("picture"), folder.path()));
        QWidget mainWindow;
        mainWindow.show();
        LineBuffer document;
        startEyedropper(&mainWindow, [&document]() -> TextDocument * { return &document; },
                        &ScreenCapture::throughPortal);
        TKapatko_Form *eyedropper = nullptr;
        QTRY_VERIFY((eyedropper = shownEyedropper()) != nullptr);
        QVERIFY(eyedropper->isFullScreen());
        QVERIFY(!mainWindow.isVisible());
        QCOMPARE(filesIn(folder), QStringList());
        eyedropper->close();
        QTRY_VERIFY(mainWindow.isVisible());
        QCOMPARE(document.text(), QString());
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
    QApplication app(argc, argv);
    TestScreenCapture test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screen_capture.moc"
