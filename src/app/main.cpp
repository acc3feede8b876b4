#include "app/idle_probe.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/platform_setup.h"
#include "base/program_folder.h"
#include "files/recovery_form.h"
#include "files/recovery_keeper.h"
#include "files/shutdown_guard.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Before anything writes a file: past a file-size limit a write fails instead of ending Velinor.
    ignoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    setUpPlatform(); // before any window: Czech platform texts, icons
    installIdleProbe(app); // for the outside benchmark only

    TMainForm mainForm;
    // Maximised; without a window manager (a bare X server) the screen's size does it.
    mainForm.setGeometry(mainForm.screen()->availableGeometry());
    mainForm.showMaximized();
    mainForm.documents().createDocument(); // "Novy1.html", the start-up document, not maximised

    // Copies of modified documents, kept until they are saved or closed; a clean exit removes them.
    RecoveryKeeper recovery(mainForm.documents(), ProgramFolder::file(ProgramFile::RecoveryFolder));
    QObject::connect(&recovery, &RecoveryKeeper::copyFailed, &mainForm,
                     [&mainForm](const QString &caption) { reportFailedCopy(caption, &mainForm); });
    // A logout or a shutdown (SIGTERM, SIGHUP, the session manager) writes the copies first.
    ShutdownGuard shutdown(recovery);
    // Copies left by a Velinor that was killed or crashed are offered once the main window shows.
    std::shared_ptr<OrphanedCopies> found = OrphanedCopies::find(recovery.recoveryFolder());
    if (!found->copies().isEmpty() || !found->setAsideFiles().isEmpty())
        QTimer::singleShot(0, &mainForm, [&recovery, &mainForm, found] { offerRecovery(recovery, found, &mainForm); });

    return app.exec();
}
