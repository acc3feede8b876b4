// A stand-in for the desktop's screenshot portal, for tests only. It owns
// org.freedesktop.portal.Desktop on the session bus it is started on and answers Screenshot the
// way its first argument says:
//   picture  the Response (code 0, the uri of a PNG of known pixels) sent even before the reply
//   legacy   a request path of the portal's own choosing, answered (code 0) only after the reply
//   cancel   the Response code 1, as when the user cancels
//   vanish   the reply, then the portal quits without any Response
//   held     the reply, "asked" on standard output, and the Response (code 0) only once a line
//            comes on standard input, then "answered"
//   bare     the name owned, but no Screenshot behind it (a portal without that back end)
// The second argument is the folder the PNG is written to. "ready" on standard output once the
// name is owned.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QImage>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <cstdio>

class FakeScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    FakeScreenshotPortal(QString mode, QString folder) : m_mode(std::move(mode)), m_folder(std::move(folder)) {}

    // The picture the portal hands out: 3 × 2 pixels, each of its own colour.
    static QImage knownPicture()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        const QRgb colours[] = {0xff102030, 0xffff0000, 0xff00ff00, 0xff0000ff, 0xffabcdef, 0xff000000};
        for (int i = 0; i < 6; ++i)
            picture.setPixel(i % 3, i / 3, colours[i]);
        return picture;
    }

public slots:
    QDBusObjectPath Screenshot(const QString &parentWindow, const QVariantMap &options, const QDBusMessage &message)
    {
        Q_UNUSED(parentWindow);
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                           .arg(sender, options.value(QStringLiteral("handle_token")).toString());
        if (m_mode == QLatin1String("legacy"))
            path = QStringLiteral("/org/freedesktop/portal/desktop/request/legacy/1");
        QDBusConnection bus = QDBusConnection::sessionBus();
        message.setDelayedReply(true);
        const QDBusMessage reply = message.createReply(QVariant::fromValue(QDBusObjectPath(path)));

        if (m_mode == QLatin1String("picture")) {
            sendResponse(path, 0);
            bus.send(reply);
        } else if (m_mode == QLatin1String("legacy")) {
            bus.send(reply);
            // An old portal answers later; give the caller time to move its listening.
            QTimer::singleShot(200, this, [this, path] { sendResponse(path, 0); });
        } else if (m_mode == QLatin1String("held")) {
            bus.send(reply);
            say("asked");
            auto *input = new QSocketNotifier(0, QSocketNotifier::Read, this);
            connect(input, &QSocketNotifier::activated, this, [this, input, path] {
                input->setEnabled(false);
                sendResponse(path, 0);
                say("answered");
            });
        } else if (m_mode == QLatin1String("cancel")) {
            bus.send(reply);
            sendResponse(path, 1);
        } else {
            bus.send(reply);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return {};
    }

private:
    static void say(const char *line)
    {
        std::puts(line);
        std::fflush(stdout);
    }

    void sendResponse(const QString &path, uint code)
    {
        QVariantMap results;
        if (code == 0) {
            const QString file = QDir(m_folder).filePath(QStringLiteral("screenshot.png"));
            knownPicture().save(file, "PNG");
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(file).toString());
        }
        QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << code << results;
        QDBusConnection::sessionBus().send(signal);
    }

    QString m_mode;
    QString m_folder;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    FakeScreenshotPortal portal(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (qstrcmp(argv[1], "bare") != 0 &&
        !bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportAllSlots))
        return 1;
    if (!bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "fake_screenshot_portal.moc"
