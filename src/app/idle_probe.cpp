#include "app/idle_probe.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Processor time the program has used, all its threads together.
long long cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

class IdleProbe : public QObject
{
public:
    explicit IdleProbe(QObject *parent) : QObject(parent) { waitForIdle(); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A key event travels up the widget tree: report it once, as it arrives.
        if (event->type() == QEvent::KeyPress && event->spontaneous()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->timestamp() != m_lastKey) {
                m_lastKey = key->timestamp();
                std::printf("key %lld %lld\n", QDateTime::currentMSecsSinceEpoch(), cpuMilliseconds());
                std::fflush(stdout);
                waitForIdle();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void waitForIdle()
    {
        if (m_waiting)
            return;
        m_waiting = true;
        QTimer::singleShot(0, this, [this] {
            QTimer::singleShot(0, this, [this] {
                m_waiting = false;
                std::printf("idle %lld %ld %lld\n", QDateTime::currentMSecsSinceEpoch(), peakMemoryKiB(),
                            cpuMilliseconds());
                std::fflush(stdout);
            });
        });
    }

    quint64 m_lastKey = 0;
    bool m_waiting = false;
};

} // namespace

void installIdleProbe(QApplication &app)
{
    if (!qEnvironmentVariableIsSet("VELINOR_IDLE_PROBE"))
        return;
    app.installEventFilter(new IdleProbe(&app));
}
