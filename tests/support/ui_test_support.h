#pragma once

// Helpers shared by the test programs that drive Velinor's windows offscreen.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class DocumentWindow;
class TChildForm;
class TMainForm;

class QFileDialog;

namespace testsupport {

// Velinor's program folder pointed at a fresh temporary folder for the length of one test; the
// folder it pointed at before comes back afterwards.
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
    QString m_previous;
    QTemporaryDir m_dir;
};

// The whole file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// Writes the whole file; false unless every byte was written.
bool writeFile(const QString &path, const QByteArray &bytes);

// Closes a modal window the way its close box does.
void dismiss(QWidget *modal);

// Types the path into a file dialog's name field and confirms it as its Open button does
// (selectFile leaves a focused name field alone); a choice the dialog refuses closes it unanswered.
void chooseFile(QFileDialog *dialog, const QString &path);

// A modal window as a test compares it: a message box as "icon|text|number of buttons", any other
// window as its class name.
QString describeModal(QWidget *modal);

// The one helper for modal windows: answers the windows that appear from now on, one step per
// window in order, nested ones too, and records every window it met (see describeModal).
class ModalSteps : public QObject
{
public:
    // A step only looks and acts; the test checks what it saw once the command has returned.
    using Step = std::function<void(QWidget *)>;
    // What happens to a window that comes with no step left: left a while for an inner answerer
    // (then closed), or closed at once.
    enum class Others { Wait, Dismiss };

    explicit ModalSteps(const std::vector<Step> &steps = {}, Others others = Others::Wait);
    // Closes every window that appears, recording it.
    static std::unique_ptr<ModalSteps> dismissAll() { return std::make_unique<ModalSteps>(std::vector<Step>{}, Others::Dismiss); }

    int remaining() const { return int(m_steps.size()); }
    // Windows that came with no step left, and answered ones left open long after the last step.
    int unexpected() const { return m_unexpected; }
    // Every window met, answered or closed, in order.
    const QStringList &seen() const { return m_seen; }

private:
    void poll();
    void meet(QWidget *modal);

    std::deque<Step> m_steps;
    Others m_others;
    QStringList m_seen;
    QList<QPointer<QWidget>> m_alreadyOpen; // visible when this started: left alone
    QList<QPointer<QWidget>> m_answered;    // answered and still open
    QPointer<QWidget> m_waiting;            // unexpected: closed unless another answerer takes it
    QElapsedTimer m_waitingSince;
    QElapsedTimer m_sinceLastStep;
    int m_unexpected = 0;
    QTimer m_timer;
};

// The main window of a test class: built once, with its scratch program folder, and brought back
// to a known state for each row by reset(). Building a main window per row cost most of the suite's
// time; tests that depend on what the window reads when it is built still build their own.
class SharedMainForm
{
public:
    SharedMainForm();
    ~SharedMainForm();
    SharedMainForm(const SharedMainForm &) = delete;
    SharedMainForm &operator=(const SharedMainForm &) = delete;

    // The folder is valid and the window exposed.
    bool isReady() const { return m_ready; }
    TMainForm &mainForm() { return *m_mainForm; }
    const ScratchProgramFolder &folder() const { return m_folder; }

    // No document window (changes dropped without a question), the status bar as built, an empty
    // link field, the main window active.
    void reset();
    // reset(), then one new document window.
    TChildForm *resetWithDocument();

private:
    ScratchProgramFolder m_folder;
    std::unique_ptr<TMainForm> m_mainForm;
    bool m_ready = false;
};

// Shows the main window in a size that leaves room for the panels; false unless it was exposed.
bool showMainForm(TMainForm &mainForm);

// The main window's document window behind the document manager's view of it (none stays none).
TChildForm *childForm(DocumentWindow *window);

// The control of that objectName in the window; a missing one ends the test program, naming it.
template <typename T>
T *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// From initTestCase: mutes the offscreen platform's "This plugin does not support" warnings, nothing else.
void muteOffscreenPlatformWarnings();

} // namespace testsupport
