#include "support/ui_test_support.h"

#include "app/main_form.h"
#include "base/program_folder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace testsupport {

ScratchProgramFolder::ScratchProgramFolder()
{
    ProgramFolder::setPath(m_dir.path());
}

ScratchProgramFolder::~ScratchProgramFolder()
{
    ProgramFolder::setPath(QString());
}

bool ScratchProgramFolder::writeSetup(const QByteArray &ini) const
{
    return QDir(m_dir.path()).mkpath(QStringLiteral("setup")) && writeFile(setupPath(), ini);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void dismiss(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

ModalSteps::ModalSteps(const std::vector<Step> &steps) : m_steps(steps.begin(), steps.end())
{
    // A window shown before (a modal dialog under test) belongs to the test or to an outer answerer.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            m_alreadyOpen.append(window);
    connect(&m_timer, &QTimer::timeout, this, &ModalSteps::poll);
    m_timer.start(10);
    m_sinceLastStep.start();
}

// Polled from whatever event loop runs, so the windows opened by a step's answer are reached too. A
// wrong turn fails the test instead of blocking it: every window nobody takes is closed in the end.
void ModalSteps::poll()
{
    m_answered.removeIf([](const QPointer<QWidget> &w) { return !w || !w->isVisible(); });
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || m_alreadyOpen.contains(modal))
        return;
    if (m_answered.contains(modal)) {
        // Its step may have deferred a click that opens the next window.
        if (!m_steps.empty() || m_sinceLastStep.elapsed() < 3000)
            return;
        ++m_unexpected;
        dismiss(modal);
        return;
    }
    if (!m_steps.empty()) {
        m_answered.append(modal); // a window is answered once
        const Step step = m_steps.front();
        m_steps.pop_front();
        step(modal);
        m_sinceLastStep.restart();
        return;
    }
    // Not expected here, but a later or an inner answerer may be about to take it.
    if (modal != m_waiting) {
        ++m_unexpected;
        m_waiting = modal;
        m_waitingSince.start();
    } else if (m_waitingSince.elapsed() > 2000) {
        dismiss(modal);
    }
}

bool showMainForm(TMainForm &mainForm)
{
    mainForm.resize(800, 600);
    mainForm.show();
    return QTest::qWaitForWindowExposed(&mainForm);
}

namespace {

QtMessageHandler previousMessageHandler = nullptr;

// The offscreen platform warns about every window it cannot size or raise.
void quietPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    previousMessageHandler(type, context, message);
}

} // namespace

void muteOffscreenPlatformWarnings()
{
    if (!previousMessageHandler) // once: a second call would hand the messages back to itself
        previousMessageHandler = qInstallMessageHandler(quietPlatformWarnings);
}

} // namespace testsupport
