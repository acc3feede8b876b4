#include "tools/screen_capture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

// Receives the portal's answer to one screenshot request.
class PortalAnswer : public QObject
{
    Q_OBJECT

public:
    QString fileUri;
    bool answered = false;

signals:
    void done();

public slots:
    void Response(uint code, const QVariantMap &results)
    {
        answered = true;
        if (code == 0) // 0: the user's desktop gave the picture; 1 cancelled, 2 failed
            fileUri = results.value(QStringLiteral("uri")).toString();
        emit done();
    }
};

// Listens for the Response signal of one request object; D-Bus signals can only be connected by
// their slot's signature.
bool listenForResponse(QDBusConnection &bus, const QString &requestPath, PortalAnswer *answer)
{
    return bus.connect(kPortalService, requestPath, kRequestInterface, kResponse, answer,
                       SLOT(Response(uint, QVariantMap)));
}

void stopListening(QDBusConnection &bus, const QString &requestPath, PortalAnswer *answer)
{
    bus.disconnect(kPortalService, requestPath, kRequestInterface, kResponse, answer,
                   SLOT(Response(uint, QVariantMap)));
}

} // namespace

QImage captureThroughPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {};
    const QString token = QStringLiteral("velinor%1").arg(QRandomGenerator::global()->generate());
    // The request's object path is known before the call (the caller's unique name without its
    // ':' and with '_' for '.', then the token), so an answer sent at once cannot go unheard.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);

    PortalAnswer answer;
    if (!listenForResponse(bus, requestPath, &answer))
        return {};
    // A portal that quits without answering must not leave the eyedropper waiting a minute.
    QDBusServiceWatcher portalGone(kPortalService, bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&portalGone, &QDBusServiceWatcher::serviceUnregistered, &answer, &PortalAnswer::done);

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    call << QString() << options;
    const QDBusReply<QDBusObjectPath> reply = bus.call(call);
    if (!reply.isValid())
        return {};
    // Portals older than the token rule choose the path themselves: listen there instead.
    if (reply.value().path() != requestPath) {
        stopListening(bus, requestPath, &answer);
        requestPath = reply.value().path();
        if (!listenForResponse(bus, requestPath, &answer))
            return {};
    }

    // The desktop may ask the user first; give up after a minute rather than wait for ever.
    QEventLoop loop;
    QObject::connect(&answer, &PortalAnswer::done, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (!answer.answered)
        loop.exec();
    if (answer.fileUri.isEmpty())
        return {};
    const QString path = QUrl(answer.fileUri).toLocalFile();
    QImage picture(path);
    // The portal leaves its picture among the user's files; the eyedropper needs it only once.
    QFile::remove(path);
    return picture;
}

QImage captureWholeScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    QImage picture;
    if (screen && QGuiApplication::platformName() != QLatin1String("wayland"))
        picture = screen->grabWindow(0).toImage();
    if (picture.isNull())
        picture = captureThroughPortal();
    if (picture.isNull())
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

#include "screen_capture.moc"
