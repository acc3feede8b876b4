#pragma once

#include <QEvent>
#include <QWidget>
#include <QWindow>

// Outer sizes: a top-level window's size with the window manager's frame and title bar, the way
// Velinor's windows are measured. Header-only, so the preview library can share it.

namespace outer_size {

// The frame the window manager has put around `window`, as the window system reports it now (the
// widget's own frame geometry lags until the window moves).
inline QSize frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle)
        return QSize(0, 0);
    const QMargins margins = handle->frameMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

// Until the window manager has framed a window its frame is unknown (nothing before the first
// show): this watcher waits for the frame to appear and then corrects the window's size once.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, QSize outer) : QObject(window), m_window(window), m_outer(outer)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint) {
            const QSize frame = frameOf(m_window);
            if (!frame.isNull()) {
                m_window->removeEventFilter(this);
                m_window->resize(m_outer - frame);
                deleteLater();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    QSize m_outer;
};

} // namespace outer_size

// Gives `window` the outer size `outer`. A window not yet framed takes it as its own size for now
// and corrects it when its frame appears.
inline void setOuterSize(QWidget *window, QSize outer)
{
    for (QObject *child : window->children())
        if (auto *watch = dynamic_cast<outer_size::FrameWatch *>(child))
            delete watch;
    const QSize frame = outer_size::frameOf(window);
    window->resize(outer - frame);
    if (frame.isNull())
        new outer_size::FrameWatch(window, outer);
}
