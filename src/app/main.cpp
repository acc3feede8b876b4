#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/platform_setup.h"
#include "base/program_folder.h"
#include "files/recovery_form.h"
#include "files/recovery_keeper.h"

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

    // Copies of modified documents, kept until they are saved or closed; a clean exit removes them.
    RecoveryKeeper recovery(mainForm.documents(), ProgramFolder::file(ProgramFile::RecoveryFolder));
    // Copies left by a Velinor that was killed or crashed are offered once the main window shows.
    std::shared_ptr<OrphanedCopies> found = OrphanedCopies::find(recovery.recoveryFolder());
    if (!found->copies().isEmpty())
        QTimer::singleShot(0, &mainForm, [&recovery, &mainForm, found] { offerRecovery(recovery, found, &mainForm); });

    // For the start-up benchmark: report when the event loop first runs idle, then leave.
    if (qEnvironmentVariableIsSet("VELINOR_STARTUP_PROBE"))
        QTimer::singleShot(0, &app, [&app] {
            std::printf("idle %ld\n", peakMemoryKiB());
            std::fflush(stdout);
            app.quit();
        });
    return app.exec();
}
