#pragma once

// Helpers shared by the test programs that drive Velinor's windows offscreen.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class QWidget;
class TMainForm;

namespace testsupport {

// Velinor's program folder pointed at a fresh temporary folder for the length of one test.
class ScratchProgramFolder
{
public:
    ScratchProgramFolder();
    ~ScratchProgramFolder();
    ScratchProgramFolder(const ScratchProgramFolder &) = delete;
    ScratchProgramFolder &operator=(const ScratchProgramFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    QString setupPath() const { return filePath(QStringLiteral("setup/setup.ini")); }
    // Writes setup/setup.ini before the main window or the settings dialog reads it.
    bool writeSetup(const QByteArray &ini) const;

private:
    QTemporaryDir m_dir;
};

// The whole file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// Writes the whole file; false unless every byte was written.
bool writeFile(const QString &path, const QByteArray &bytes);

// Closes a modal window the way its close box does.
void dismiss(QWidget *modal);

// Answers the modal windows that appear from now on, one step per window in order, nested ones too.
class ModalSteps : public QObject
{
public:
    // A step only looks and acts; the test checks what it saw once the command has returned.
    using Step = std::function<void(QWidget *)>;

    explicit ModalSteps(const std::vector<Step> &steps = {});

    int remaining() const { return int(m_steps.size()); }
    // Windows that came with no step left, and answered ones left open long after the last step.
    int unexpected() const { return m_unexpected; }

private:
    void poll();

    std::deque<Step> m_steps;
    QList<QPointer<QWidget>> m_alreadyOpen; // visible when this started: left alone
    QList<QPointer<QWidget>> m_answered;    // answered and still open
    QPointer<QWidget> m_waiting;            // unexpected: closed unless another answerer takes it
    QElapsedTimer m_waitingSince;
    QElapsedTimer m_sinceLastStep;
    int m_unexpected = 0;
    QTimer m_timer;
};

// Shows the main window in a size that leaves room for the panels; false unless it was exposed.
bool showMainForm(TMainForm &mainForm);

// From initTestCase: mutes the offscreen platform's "This plugin does not support" warnings, nothing else.
void muteOffscreenPlatformWarnings();

} // namespace testsupport
