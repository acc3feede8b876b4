#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/platform_setup.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {
// The process's peak resident memory.
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
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    setUpPlatform(); // before any window: Czech platform texts, icons

    TMainForm mainForm;
    // Maximised; without a window manager (a bare X server) the screen's size does it.
    mainForm.setGeometry(mainForm.screen()->availableGeometry());
    mainForm.showMaximized();
    mainForm.documents().createDocument(); // "Novy1.html", the start-up document, not maximised

    // For the start-up benchmark: report when the event loop first runs idle, then leave.
    if (qEnvironmentVariableIsSet("VELINOR_STARTUP_PROBE"))
        QTimer::singleShot(0, &app, [&app] {
            std::printf("idle %ld\n", peakMemoryKiB());
            std::fflush(stdout);
            app.quit();
        });
    return app.exec();
}
