#include "app/command_line.h"
#include "app/idle_probe.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "core/command_registry.h"
#include "files/document_manager.h"
#include "files/file_commands.h"
#include "app/platform_setup.h"
#include "base/program_folder.h"
#include "files/recovery_form.h"
#include "files/recovery_keeper.h"
#include "files/shutdown_guard.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The files given at start-up or handed over by a later start, each as the open dialog opens it;
// one that cannot be read is reported and the others still open.
void openFiles(DocumentManager &documents, const QStringList &files)
{
    for (const QString &file : files)
        runReportingErrors([&] { openAsOpenDialog(documents, file); });
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything writes a file: past a file-size limit a write fails instead of ending Velinor.
    ignoreFileSizeLimitSignal();
    // "--help" and "--version" answer without a display; Qt's own options are not known yet here.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    const StartRequest early = parseStartArguments(rawArguments, QDir::currentPath());
    if (early.action == StartRequest::Action::Help || early.action == StartRequest::Action::Version) {
        print(stdout, early.action == StartRequest::Action::Help ? commandLineHelp() : versionText());
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    // What is left once Qt has taken its own options ("-platform xcb").
    const StartRequest request = parseStartArguments(QApplication::arguments().mid(1), QDir::currentPath());
    if (request.action == StartRequest::Action::Error) {
        print(stderr, request.error + QLatin1Char('\n'));
        return 2;
    }

    // A Velinor already running for this user takes the files, and this start ends.
    SingleInstance instance;
    switch (instance.start(request.files)) {
    case SingleInstance::Start::HandedOver:
        return 0;
    case SingleInstance::Start::NotAnswering:
        print(stderr, QStringLiteral("Velinor už běží, ale neodpovídá.\n"));
        return 1;
    case SingleInstance::Start::Running:
    case SingleInstance::Start::Alone:
        break;
    }

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
    // Copies left by a Velinor that was killed or crashed are offered once the main window shows;
    // the files asked for open after that question, so the last of them is the active document.
    std::shared_ptr<OrphanedCopies> found = OrphanedCopies::find(recovery.recoveryFolder());
    QTimer::singleShot(0, &mainForm, [&recovery, &mainForm, found, files = request.files] {
        if (!found->copies().isEmpty() || !found->setAsideFiles().isEmpty())
            offerRecovery(recovery, found, &mainForm);
        openFiles(mainForm.documents(), files);
    });
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &mainForm, [&mainForm](const QStringList &files) {
        comeForward(&mainForm);
        openFiles(mainForm.documents(), files);
    });

    return app.exec();
}
