#include "tools/screen_capture.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
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

QImage captureThroughPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {};
    const QString token = QStringLiteral("velinor%1").arg(QRandomGenerator::global()->generate());
    // The request's object path is known before the call, so the answer cannot arrive unheard.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);

    PortalAnswer answer;
    // D-Bus signals can only be connected by their slot's signature.
    if (!bus.connect(kPortalService, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                     QStringLiteral("Response"), &answer, SLOT(Response(uint, QVariantMap))))
        return {};
    QDBusInterface portal(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                          QStringLiteral("org.freedesktop.portal.Screenshot"), bus);
    const QVariantMap options{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    const QDBusReply<QDBusObjectPath> reply = portal.call(QStringLiteral("Screenshot"), QString(), options);
    if (!reply.isValid())
        return {};

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

} // namespace

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
