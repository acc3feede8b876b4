#include "tools/screen_capture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
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
const char *const kResponseSlot = SLOT(Response(uint, QVariantMap));

// The desktop may ask the user first: a minute for the answer, then the eyedropper gives up.
constexpr int kAnswerLimitMs = 60000;
// An abandoned request keeps listening this long, so that a late picture is still deleted.
constexpr int kLateAnswerLimitMs = 600000;

// The picture with the screen's device pixel ratio: the portal gives device pixels, the window
// is laid out in logical ones.
QImage fitToScreen(QImage picture)
{
    picture = picture.convertToFormat(QImage::Format_RGB32);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() > 0)
        picture.setDevicePixelRatio(qreal(picture.width()) / screen->geometry().width());
    return picture;
}

} // namespace

ScreenCapture *ScreenCapture::ofWholeScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && QGuiApplication::platformName() != QLatin1String("wayland")) {
        const QImage picture = screen->grabWindow(0).toImage();
        if (!picture.isNull()) {
            auto *capture = new ScreenCapture;
            // Answered from the event loop, as the portal's road is, so callers connect in time.
            QTimer::singleShot(0, capture, [capture, picture] { capture->answer(fitToScreen(picture)); });
            return capture;
        }
    }
    return throughPortal();
}

ScreenCapture *ScreenCapture::throughPortal()
{
    auto *capture = new ScreenCapture;
    QTimer::singleShot(0, capture, &ScreenCapture::askPortal);
    return capture;
}

void ScreenCapture::askPortal()
{
    if (m_abandoned || m_finished)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kPortalService).value()) {
        // A portal that is started on demand counts as present.
        const QStringList activatable = bus.isConnected() ? bus.interface()->activatableServiceNames().value()
                                                          : QStringList();
        if (!activatable.contains(kPortalService))
            return fail(Failure::NoPortal);
    }
    const QString token = QStringLiteral("velinor%1").arg(QRandomGenerator::global()->generate());
    // The request's object path is known before the call (the caller's unique name without its
    // ':' and with '_' for '.', then the token), so an answer sent at once cannot go unheard.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    if (!listenAt(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token)))
        return fail(Failure::Error);

    // A portal that quits without answering must not leave the eyedropper waiting a minute.
    auto *portalGone = new QDBusServiceWatcher(kPortalService, bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(portalGone, &QDBusServiceWatcher::serviceUnregistered, this, [this] { fail(Failure::Error); });
    QTimer::singleShot(kAnswerLimitMs, this, [this] { fail(Failure::NoAnswer); });

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    call << QString() << options;
    auto *reply = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerLimitMs), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *watcher) {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> path = *watcher;
        if (path.isError()) {
            // No Screenshot interface behind the portal's name: the desktop lacks the back end.
            const bool missing = path.error().type() == QDBusError::UnknownInterface ||
                                 path.error().type() == QDBusError::UnknownMethod ||
                                 path.error().type() == QDBusError::UnknownObject ||
                                 path.error().type() == QDBusError::ServiceUnknown;
            return fail(missing ? Failure::NoPortal : Failure::Error);
        }
        // Portals older than the token rule choose the path themselves: listen there instead.
        if (!m_finished && path.value().path() != m_requestPath && !listenAt(path.value().path()))
            fail(Failure::Error);
    });
}

bool ScreenCapture::listenAt(const QString &requestPath)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_requestPath.isEmpty())
        bus.disconnect(kPortalService, m_requestPath, kRequestInterface, kResponse, this, kResponseSlot);
    m_requestPath = requestPath;
    return bus.connect(kPortalService, m_requestPath, kRequestInterface, kResponse, this, kResponseSlot);
}

void ScreenCapture::Response(uint code, const QVariantMap &results)
{
    // 0: the desktop gave the picture; 1 cancelled, 2 failed.
    const QString path = code == 0 ? QUrl(results.value(QStringLiteral("uri")).toString()).toLocalFile() : QString();
    QImage picture;
    if (!path.isEmpty()) {
        if (!m_abandoned && !m_finished)
            picture = QImage(path);
        // The portal leaves its picture among the user's files; it is needed once, or not at all.
        QFile::remove(path);
    }
    if (code == 1)
        return fail(Failure::Refused);
    if (picture.isNull())
        return fail(Failure::Error);
    answer(fitToScreen(picture));
}

void ScreenCapture::answer(const QImage &picture)
{
    if (!m_abandoned && !m_finished)
        emit captured(picture);
    finish();
}

void ScreenCapture::fail(Failure why)
{
    if (!m_abandoned && !m_finished)
        emit failed(why);
    // Given up for want of an answer, the request still listens for a late picture to delete.
    if (why == Failure::NoAnswer)
        abandon();
    else
        finish();
}

void ScreenCapture::abandon()
{
    if (m_abandoned || m_finished)
        return;
    m_abandoned = true;
    if (m_requestPath.isEmpty())
        return finish(); // nothing asked yet, nothing can come
    QTimer::singleShot(kLateAnswerLimitMs, this, &ScreenCapture::finish);
}

void ScreenCapture::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (!m_requestPath.isEmpty())
        QDBusConnection::sessionBus().disconnect(kPortalService, m_requestPath, kRequestInterface, kResponse, this,
                                                 kResponseSlot);
    deleteLater();
}
