#include "tools/kapatko_start.h"

#include "tools/kapatko_form.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "Kapátko";

// The time the main window needs to leave the screen before the screen is taken.
constexpr int kMainWindowGoneMs = 250;

// A small window that says what Velinor waits for; Escape or "&Zrušit" rejects it.
QDialog *waitingNote()
{
    auto *note = new QDialog(nullptr);
    note->setObjectName(QStringLiteral("KapatkoCekani"));
    note->setWindowTitle(QString::fromUtf8(kCaption));
    note->setAttribute(Qt::WA_DeleteOnClose);
    // The main window is hidden: giving up the wait must not end the program.
    note->setAttribute(Qt::WA_QuitOnClose, false);
    auto *layout = new QVBoxLayout(note);
    layout->addWidget(new QLabel(QString::fromUtf8("Čekám na snímek obrazovky od pracovní plochy …\n"
                                                   "Klávesou Esc čekání zrušíte."),
                                 note));
    auto *buttons = new QDialogButtonBox(note);
    buttons->addButton(QString::fromUtf8("&Zrušit"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, note, &QDialog::reject);
    layout->addWidget(buttons);
    // A window of a fixed size floats on a tiling desktop instead of filling half the screen.
    note->setFixedSize(note->sizeHint());
    return note;
}

// One opening of the eyedropper, from the request for the screen to the window or the message.
class EyedropperStart : public QObject
{
public:
    EyedropperStart(QWidget *mainWindow, DocumentSource documents, ScreenCapture *capture)
        : QObject(mainWindow), m_mainWindow(mainWindow), m_documents(std::move(documents)), m_capture(capture)
    {
        connect(capture, &ScreenCapture::captured, this, &EyedropperStart::open);
        connect(capture, &ScreenCapture::failed, this, &EyedropperStart::giveUp);
        QTimer::singleShot(kEyedropperWaitingNoteDelayMs, this, &EyedropperStart::showNote);
    }

    ~EyedropperStart() override
    {
        if (m_capture)
            m_capture->abandon();
        closeNote();
    }

private:
    void open(const QImage &screen)
    {
        closeNote();
        auto *eyedropper = new TKapatko_Form(screen, m_documents);
        connect(eyedropper, &TKapatko_Form::closed, m_mainWindow, &QWidget::show);
        eyedropper->showFullScreen();
        eyedropper->activateWindow();
        deleteLater();
    }

    void giveUp(ScreenCapture::Failure why)
    {
        closeNote();
        m_mainWindow->show();
        // Told from the event loop, not from inside the request's answer.
        QPointer<QWidget> mainWindow = m_mainWindow;
        QTimer::singleShot(0, m_mainWindow, [mainWindow, why] {
            if (mainWindow)
                QMessageBox::warning(mainWindow, QString::fromUtf8(kCaption), screenCaptureFailureText(why));
        });
        deleteLater();
    }

    void showNote()
    {
        m_note = waitingNote();
        connect(m_note, &QDialog::rejected, this, &EyedropperStart::cancel);
        m_note->show();
        m_note->activateWindow();
    }

    // Given up at once, not when this object goes: an answer may already wait in the queue.
    void cancel()
    {
        if (m_capture)
            m_capture->abandon();
        m_mainWindow->show();
        deleteLater();
    }

    void closeNote()
    {
        if (!m_note)
            return;
        m_note->disconnect(this);
        m_note->close();
    }

    QWidget *m_mainWindow;
    DocumentSource m_documents;
    QPointer<ScreenCapture> m_capture;
    QPointer<QDialog> m_note;
};

} // namespace

void startEyedropper(QWidget *mainWindow, DocumentSource documents, ScreenCaptureStarter capture)
{
    mainWindow->hide();
    QTimer::singleShot(kMainWindowGoneMs, mainWindow, [mainWindow, documents, capture] {
        new EyedropperStart(mainWindow, documents, capture());
    });
}

QString screenCaptureFailureText(ScreenCapture::Failure why)
{
    QString reason;
    QString need = QString::fromUtf8(
        "Kapátko pod Waylandem potřebuje portál pracovní plochy (xdg-desktop-portal) se službou pro snímky "
        "obrazovky (org.freedesktop.portal.Screenshot).");
    switch (why) {
    case ScreenCapture::Failure::NoPortal:
        reason = QString::fromUtf8("pracovní plocha nenabízí snímky obrazovky.");
        need += QString::fromUtf8(" Na kompozitorech wlroots (například sway) ji samotný xdg-desktop-portal-wlr "
                                  "nenabízí, je potřeba k němu i xdg-desktop-portal-gtk.");
        break;
    case ScreenCapture::Failure::Refused:
        reason = QString::fromUtf8("pracovní plocha snímek obrazovky odmítla.");
        need += QString::fromUtf8(" Plocha musí Velinoru snímek obrazovky povolit.");
        break;
    case ScreenCapture::Failure::Error:
        reason = QString::fromUtf8("služba pro snímky obrazovky ohlásila chybu nebo skončila.");
        need += QString::fromUtf8(" Na kompozitorech wlroots musí běžet i PipeWire.");
        break;
    case ScreenCapture::Failure::NoAnswer:
        reason = QString::fromUtf8("pracovní plocha na žádost o snímek obrazovky do minuty neodpověděla.");
        break;
    }
    return QString::fromUtf8("Obrazovku se nepodařilo sejmout: ") + reason + QStringLiteral("\n\n") + need +
           QString::fromUtf8("\n\nŽádná barva nebyla vložena.");
}
