#include "files/shutdown_guard.h"

#include "files/recovery_keeper.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kShutdownSignals[] = {SIGTERM, SIGHUP};

// A signal handler may do next to nothing: it writes the signal's number into a pipe, and the
// event loop reads it there (the self-pipe).
int g_signalPipe[2] = {-1, -1};

extern "C" void noteSignal(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &number, 1);
    errno = saved;
}

} // namespace

void ignoreFileSizeLimitSignal()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, nullptr);
}

ShutdownGuard::ShutdownGuard(RecoveryKeeper &keeper, QObject *parent) : QObject(parent), m_keeper(keeper)
{
    setObjectName(QStringLiteral("ShutdownGuard"));
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Velinor: no pipe for the shutdown signals; a logout may lose the last changes");
        return;
    }
    m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownGuard::signalled);
    struct sigaction note = {};
    note.sa_handler = noteSignal;
    sigemptyset(&note.sa_mask);
    note.sa_flags = SA_RESTART;
    for (int signal : kShutdownSignals)
        sigaction(signal, &note, nullptr);

    // The session manager's requests come before it ends the program (or asks it to end).
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        auto write = [this](QSessionManager &) { m_keeper.writeCopiesNow(); };
        connect(gui, &QGuiApplication::commitDataRequest, this, write, Qt::DirectConnection);
        connect(gui, &QGuiApplication::saveStateRequest, this, write, Qt::DirectConnection);
    }
}

ShutdownGuard::~ShutdownGuard()
{
    if (!m_notifier)
        return;
    for (int signal : kShutdownSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void ShutdownGuard::signalled()
{
    char number = 0;
    if (::read(g_signalPipe[0], &number, 1) != 1)
        return;
    // Keystrokes that reached the program before the signal belong in the copies too.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    m_keeper.writeCopiesNow();
    // Ended as the signal ends a program, without the clean exit that would remove the copies.
    std::signal(number, SIG_DFL);
    std::raise(number);
}
