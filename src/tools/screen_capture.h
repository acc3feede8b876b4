#pragma once

#include <QImage>
#include <QObject>
#include <QString>

// One request for a picture of the whole primary screen. It answers once, through captured() or
// failed(), and then deletes itself. Where a program may read the screen itself (X11) the answer
// comes at once; in a Wayland session the desktop's screenshot portal
// (org.freedesktop.portal.Screenshot on the session bus) is asked without a dialog, and the answer
// comes whenever the desktop gives it, without blocking the event loop.
class ScreenCapture : public QObject
{
    Q_OBJECT

public:
    enum class Failure {
        NoPortal, // no screenshot portal on the session bus, or no session bus
        Refused,  // the desktop or the user said no
        Error,    // the desktop failed, went away, or gave no readable picture
        NoAnswer, // nothing came within a minute
    };
    Q_ENUM(Failure)

    // The road the platform allows: the screen itself, else the portal. The request is under way
    // when this returns; connect at once (the answer comes from the event loop, never earlier).
    static ScreenCapture *ofWholeScreen();
    // The portal's road whatever the platform.
    static ScreenCapture *throughPortal();

    // The caller no longer wants the answer: no signal comes after this. A picture the portal
    // still hands out later is deleted unread; the request deletes itself once the portal has
    // answered or gone (at the latest after ten minutes).
    void abandon();

signals:
    // A 32-bit picture; its device pixel ratio is the screen's, so drawn at the window's top-left
    // corner of a full-screen window it lies 1:1 over the screen.
    void captured(const QImage &screen);
    void failed(ScreenCapture::Failure why);

private slots:
    // The portal's org.freedesktop.portal.Request.Response signal, connected by its signature.
    void Response(uint code, const QVariantMap &results);

private:
    ScreenCapture() = default;
    void askPortal();
    bool listenAt(const QString &requestPath);
    void answer(const QImage &picture);
    void fail(Failure why);
    void finish();

    QString m_requestPath;
    bool m_abandoned = false;
    bool m_finished = false;
};
