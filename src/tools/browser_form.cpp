#include "tools/browser_form.h"

#include "base/file_filters.h"
#include "tools/preview_engine.h"
#include "tools/preview_profile.h"
#include "tools/preview_scheme.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

namespace {

const QString kCaption = QStringLiteral("Velinor - Internet Explorer - Náhled HTML stránky");
const QSize kInitialOuterSize(628, 336);

} // namespace

TBrowser_Form::TBrowser_Form(QWidget *parent, ActivePage activePage)
    : QDialog(parent), m_activePage(std::move(activePage))
{
    preparePreviewEngine();
    setObjectName(QStringLiteral("TBrowser_Form"));
    setWindowTitle(kCaption);
    // A dialog of the main window, so it stays above it while the user types there; it can be
    // maximised but not minimised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // Closed by its close box or by Escape, wherever the focus is (the page keeps the keys it gets),
    // the window is gone with its page.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QDialog::reject);

    auto *upper = new QToolBar(this);
    ToolButton_Stop = toolButton("ToolButton_Stop", QStringLiteral("Stop"), QStringLiteral("Zastavit"), "process-stop");
    ToolButton_Refresh = toolButton("ToolButton_Refresh", QStringLiteral("Refresh"), QStringLiteral("Občerstvit"), "view-refresh");
    ToolButton_Najit = toolButton("ToolButton_Najit", QStringLiteral("Najít"), QStringLiteral("Najít"), "document-open");
    ToolButton_Aktualni = toolButton("ToolButton_Aktualni", QStringLiteral("Aktuální dokument"),
                                     QStringLiteral("Zobrazit aktivní dokument i s neuloženými změnami"), "document-preview");
    // The upper buttons show only their icons; this one is new to a user who knows the others.
    ToolButton_Aktualni->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolButton_Previous = toolButton("ToolButton_Previous", {}, QStringLiteral("Jít zpět"), "go-previous");
    ToolButton_Next = toolButton("ToolButton_Next", {}, QStringLiteral("Jít vpřed"), "go-next");
    Adresa_Label = new QLabel(QStringLiteral(" Adresa:   "), this);
    Adresa_Label->setObjectName(QStringLiteral("Adresa_Label"));
    Adresa_Edit = new QLineEdit(this);
    Adresa_Edit->setObjectName(QStringLiteral("Adresa_Edit"));
    Adresa_Edit->setToolTip(QStringLiteral("Vložit URL adresu"));
    ToolButton_Enter = toolButton("ToolButton_Enter", {}, QStringLiteral("Načíst / Zobrazit"), "go-jump-locationbar");
    for (QToolButton *button : {ToolButton_Stop, ToolButton_Refresh, ToolButton_Najit, ToolButton_Aktualni})
        upper->addWidget(button);
    upper->addSeparator();
    upper->addWidget(ToolButton_Previous);
    upper->addWidget(ToolButton_Next);
    upper->addSeparator();
    upper->addWidget(Adresa_Label);
    upper->addWidget(Adresa_Edit);
    upper->addWidget(ToolButton_Enter);

    auto *sizes = new QToolBar(this);
    sizes->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolButton_640 = toolButton("ToolButton_640", QStringLiteral("640x480"), QStringLiteral("640x480"), nullptr);
    ToolButton_800 = toolButton("ToolButton_800", QStringLiteral("800x600"), QStringLiteral("800x600"), nullptr);
    ToolButton_1024 = toolButton("ToolButton_1024", QStringLiteral("1024x768"), QStringLiteral("1024x768"), nullptr);
    for (QToolButton *button : {ToolButton_640, ToolButton_800, ToolButton_1024})
        sizes->addWidget(button);

    WebBrowser = new QWebEngineView(this);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    // A profile of the window's own: its scheme shows this window's document.
    auto *profile = new PreviewProfile(this);
    m_scheme = profile->scheme();
    WebBrowser->setPage(new QWebEnginePage(profile, WebBrowser));
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(upper);
    layout->addWidget(sizes);
    layout->addWidget(WebBrowser, 1);
    layout->addWidget(StatusBar);

    // Typing pauses, then the followed document is shown again.
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(kRefreshDelayMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &TBrowser_Form::showActiveDocument);

    connect(ToolButton_Stop, &QToolButton::clicked, WebBrowser, &QWebEngineView::stop);
    connect(ToolButton_Refresh, &QToolButton::clicked, WebBrowser, &QWebEngineView::reload);
    connect(ToolButton_Previous, &QToolButton::clicked, this, [this] {
        stopFollowingDocument();
        WebBrowser->back();
    });
    connect(ToolButton_Next, &QToolButton::clicked, this, [this] {
        stopFollowingDocument();
        WebBrowser->forward();
    });
    connect(ToolButton_Najit, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_NajitClick);
    connect(ToolButton_Enter, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_EnterClick);
    connect(Adresa_Edit, &QLineEdit::returnPressed, this, &TBrowser_Form::ToolButton_EnterClick);
    connect(ToolButton_Aktualni, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_AktualniClick);
    connect(ToolButton_640, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_640Click);
    connect(ToolButton_800, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_800Click);
    connect(ToolButton_1024, &QToolButton::clicked, this, &TBrowser_Form::ToolButton_1024Click);

    // The buttons follow the view: loading, the address, and the history's two directions.
    connect(WebBrowser, &QWebEngineView::loadStarted, this, [this] {
        m_busy = true;
        updateCommandStates();
    });
    connect(WebBrowser, &QWebEngineView::loadFinished, this, [this] {
        m_busy = false;
        updateCommandStates();
        StatusBar->showMessage(QStringLiteral("Hotovo"));
    });
    connect(WebBrowser, &QWebEngineView::urlChanged, this, &TBrowser_Form::updateCommandStates);
    // A link followed from the document leads away from it; the history leads back to it, and the
    // document then shows what was typed meanwhile and follows the typing again.
    connect(WebBrowser, &QWebEngineView::urlChanged, this, [this](const QUrl &url) {
        const bool onDocument = m_shownDocument && url.adjusted(QUrl::RemoveFragment) == PreviewScheme::address(m_shownDocument->path);
        if (onDocument && !m_followsDocument) {
            m_followsDocument = true;
            m_refreshTimer->start();
        } else if (!onDocument) {
            stopFollowingDocument();
        }
    });
    for (QWebEnginePage::WebAction direction : {QWebEnginePage::Back, QWebEnginePage::Forward})
        connect(WebBrowser->pageAction(direction), &QAction::changed, this, &TBrowser_Form::updateCommandStates);

    // At the start nothing is loaded, yet Stop is available, as before a first page.
    ToolButton_Refresh->setEnabled(false);
    ToolButton_Previous->setEnabled(false);
    ToolButton_Next->setEnabled(false);
    ToolButton_Aktualni->setEnabled(false); // until the program says there is a document
    resize(kInitialOuterSize); // until the frame is known
}

TBrowser_Form::~TBrowser_Form()
{
    // The view goes before the engine's profile does.
    delete WebBrowser;
}

QToolButton *TBrowser_Form::toolButton(const char *name, const QString &caption, const QString &hint, const char *icon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    if (icon)
        button->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    return button;
}

void TBrowser_Form::updateCommandStates()
{
    ToolButton_Stop->setEnabled(m_busy);
    ToolButton_Previous->setEnabled(WebBrowser->pageAction(QWebEnginePage::Back)->isEnabled());
    ToolButton_Next->setEnabled(WebBrowser->pageAction(QWebEnginePage::Forward)->isEnabled());
    ToolButton_Refresh->setEnabled(!WebBrowser->url().isEmpty());
}

void TBrowser_Form::stopFollowingDocument()
{
    m_followsDocument = false;
    m_refreshTimer->stop();
}

void TBrowser_Form::navigate(const QString &address)
{
    stopFollowingDocument();
    WebBrowser->load(address.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl::fromUserInput(address));
}

QString TBrowser_Form::fileAddress(const QString &path)
{
    // "file://localhost" and the absolute path: one slash between them, and characters such as
    // "#" or "%" in a file name kept as part of the path.
    QUrl url = QUrl::fromLocalFile(path);
    url.setHost(QStringLiteral("localhost"));
    return url.toString();
}

void TBrowser_Form::ToolButton_NajitClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), fileFilters(FileFilters::Pages));
    if (!path.isEmpty())
        Adresa_Edit->setText(fileAddress(path));
    navigate(Adresa_Edit->text());
}

void TBrowser_Form::ToolButton_EnterClick()
{
    navigate(Adresa_Edit->text());
}

void TBrowser_Form::keyPressEvent(QKeyEvent *event)
{
    // Enter loads the address (returnPressed); it must not close the window as a dialog's would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void TBrowser_Form::ToolButton_AktualniClick()
{
    m_shownDocument.reset(); // the button always shows the text again
    showActiveDocument();
}

void TBrowser_Form::setDocumentAvailable(bool available)
{
    ToolButton_Aktualni->setEnabled(available);
}

void TBrowser_Form::activeWindowChanged()
{
    if (m_followsDocument)
        m_refreshTimer->start();
}

bool TBrowser_Form::refreshPending() const
{
    return m_refreshTimer->isActive();
}

void TBrowser_Form::showActiveDocument()
{
    std::optional<PreviewDocument> document = m_activePage ? m_activePage() : std::nullopt;
    if (!document)
        return;
    m_followsDocument = true;
    if (m_shownDocument && m_shownDocument->text == document->text && m_shownDocument->path == document->path)
        return;
    m_scheme->setDocument(document->path, document->text);
    // Shown again at the same address, the page replaces itself in the history.
    WebBrowser->load(PreviewScheme::address(document->path));
    m_shownDocument = std::move(document);
}

void TBrowser_Form::fitOuterSize(const QSize &outer)
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(outer.shrunkBy(frame));
}

void TBrowser_Form::setOuterSize(int width, int height)
{
    if (isMaximized())
        showNormal();
    fitOuterSize(QSize(width, height));
    setWindowTitle(QStringLiteral("%1 [%2x%3]").arg(kCaption).arg(width).arg(height));
}

void TBrowser_Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    openAtOuterSize();
}

void TBrowser_Form::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    openAtOuterSize();
}

void TBrowser_Form::openAtOuterSize()
{
    // The window manager's frame is known only once it has framed the window, which it reports by
    // moving it; then the window takes its outer size, frame included, as the size buttons set it.
    // A window without a frame keeps the size it was given.
    if (m_openedAtOuterSize || !windowHandle() || windowHandle()->frameMargins().isNull())
        return;
    m_openedAtOuterSize = true;
    fitOuterSize(kInitialOuterSize);
}

void TBrowser_Form::ToolButton_640Click()
{
    setOuterSize(620, 302);
}

void TBrowser_Form::ToolButton_800Click()
{
    setOuterSize(780, 415);
}

void TBrowser_Form::ToolButton_1024Click()
{
    // From now on 1024x768 stays pressed or released between clicks; the other two are plain.
    ToolButton_640->setCheckable(false);
    ToolButton_800->setCheckable(false);
    ToolButton_1024->setCheckable(true);
    setOuterSize(1004, 603);
}

extern "C" Q_DECL_EXPORT PreviewWindow *velinorCreatePreviewWindow(QWidget *parent, PreviewWindow::ActivePage activePage)
{
    return new TBrowser_Form(parent, std::move(activePage));
}
