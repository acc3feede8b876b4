#include "support/ui_test_support.h"

#include "app/child_form.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/status_bar.h"
#include "base/program_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

namespace testsupport {

ScratchProgramFolder::ScratchProgramFolder() : m_previous(ProgramFolder::path())
{
    ProgramFolder::setPath(m_dir.path());
}

ScratchProgramFolder::~ScratchProgramFolder()
{
    ProgramFolder::setPath(m_previous);
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

void chooseFile(QFileDialog *dialog, const QString &path)
{
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog validates the choice here
    if (dialog->isVisible())
        dismiss(dialog); // not accepted: the test sees the unchanged field
}

QString describeModal(QWidget *modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        return QStringLiteral("%1|%2|%3").arg(int(box->icon())).arg(box->text()).arg(box->buttons().size());
    return QString::fromLatin1(modal->metaObject()->className());
}

ModalSteps::ModalSteps(const std::vector<Step> &steps, Others others)
    : m_steps(steps.begin(), steps.end()), m_others(others)
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
        meet(modal);
        const Step step = m_steps.front();
        m_steps.pop_front();
        step(modal);
        m_sinceLastStep.restart();
        return;
    }
    if (m_others == Others::Dismiss) {
        ++m_unexpected;
        meet(modal);
        dismiss(modal);
        return;
    }
    // Not expected here, but a later or an inner answerer may be about to take it.
    if (modal != m_waiting) {
        ++m_unexpected;
        m_waiting = modal;
        m_waitingSince.start();
    } else if (m_waitingSince.elapsed() > 2000) {
        meet(modal);
        dismiss(modal);
    }
}

void ModalSteps::meet(QWidget *modal)
{
    m_seen.append(describeModal(modal));
}

TChildForm *childForm(DocumentWindow *window)
{
    return qobject_cast<TChildForm *>(window);
}

bool showMainForm(TMainForm &mainForm)
{
    mainForm.resize(800, 600);
    mainForm.show();
    return QTest::qWaitForWindowExposed(&mainForm);
}

SharedMainForm::SharedMainForm() : m_mainForm(std::make_unique<TMainForm>())
{
    m_ready = m_folder.isValid() && showMainForm(*m_mainForm);
}

SharedMainForm::~SharedMainForm()
{
    reset();
}

void SharedMainForm::reset()
{
    for (QWidget *modal = QApplication::activeModalWidget(); modal; modal = QApplication::activeModalWidget()) {
        dismiss(modal);
        QCoreApplication::processEvents();
    }
    for (QMdiSubWindow *window : m_mainForm->mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<TChildForm *>(window->widget()))
            child->setCloseConfirmed();
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const VelinorStatusBar asBuilt;
    VelinorStatusBar *bar = m_mainForm->statusPanels();
    for (int panel = VelinorStatusBar::Position; panel <= VelinorStatusBar::Hint; ++panel)
        bar->setPanel(VelinorStatusBar::Panel(panel), asBuilt.panelText(VelinorStatusBar::Panel(panel)),
                      asBuilt.isPanelBold(VelinorStatusBar::Panel(panel)));
    if (auto *linkField = m_mainForm->findChild<QComboBox *>(QStringLiteral("Link_ComboBox"))) {
        linkField->clear();
        linkField->clearEditText();
    }
    QApplication::setActiveWindow(m_mainForm.get());
}

TChildForm *SharedMainForm::resetWithDocument()
{
    reset();
    return childForm(m_mainForm->documents().createDocument());
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
