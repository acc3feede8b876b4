#include "app/main_form.h"

#include "app/child_form.h"
#include "app/colour_bar.h"
#include "base/hint_text.h"
#include "app/layout_records.h"
#include "app/main_window_builder.h"
#include "app/mdi_arrangement.h"
#include "app/command_modules.h"
#include "app/editing_commands.h"
#include "app/status_bar_observer.h"
#include "files/document_manager.h"
#include "files/file_commands.h"
#include "files/recent_files_menu.h"
#include "app/palette_control.h"
#include "app/ruler.h"
#include "app/settings.h"
#include "app/status_bar.h"
#include "app/status_texts.h"
#include "base/ini_file.h"
#include "base/file_filters.h"
#include "base/program_folder.h"
#include "editor/syntax_edit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}


} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Velinor 1.0"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    m_documents = new DocumentManager(
        m_mdiArea,
        [this] {
            auto *window = new TChildForm(m_commands, menuShortcuts());
            connect(window, &TChildForm::viewChanged, this, &TMainForm::updateViewMarks);
            return window;
        },
        this);
    // The main window's controls act on the active document.
    m_commands.setContextSource([this] { return CommandContext{m_documents->activeWindow(), this, m_documents}; });
    m_view.paletteTabMarks.assign(paletteLayout().size(), true);
    registerCommands();
    buildLayout();
    connect(m_documents, &DocumentManager::activeWindowChanged, this, &TMainForm::updateViewMarks);
    FormCreate();
    qApp->installEventFilter(this); // the hints of dialogs, which are windows of their own
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    // QWidget's destructor deletes the children after this object has stopped being a TMainForm;
    // a signal they send on the way (a dock reporting that it is hidden) must not reach a handler
    // of this window then.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

// ---- commands -------------------------------------------------------------------------------------

void TMainForm::registerCommands()
{
    auto add = [this](const char *name, std::function<void()> handler) {
        m_commands.add(text(name), CommandRegistry::Target::Optional, [handler](const CommandContext &) { handler(); });
    };
    add("Zobrazit_vsePCClick", [this] { Zobrazit_vsePCClick(); });
    add("Panel_barevClick", [this] { Panel_barevClick(); });
    add("Panel_zdrojuClick", [this] { Panel_zdrojuClick(); });
    add("PanelrychlevkladaniClick", [this] { PanelrychlevkladaniClick(); });
    add("FastPaste_MenuClick", [this] { PanelrychlevkladaniClick(); });
    add("Vlevo_PanelZdrojuClick", [this] { dockFilePanel(Qt::LeftDockWidgetArea); });
    add("Vpravo_PanelZdrojuClick", [this] { dockFilePanel(Qt::RightDockWidgetArea); });
    add("KaskdaClick", [this] { arrangeSubWindows(m_mdiArea, WindowArrangement::Cascade); });
    add("VedlesebeClick", [this] { arrangeSubWindows(m_mdiArea, WindowArrangement::SideBySide); });
    add("PodsebouClick", [this] { arrangeSubWindows(m_mdiArea, WindowArrangement::OneUnderAnother); });
    add("Vyrovnat_ikonyClick", [this] {
        // Minimised windows in a row along the bottom of the frame.
        int x = 0;
        for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
            if (!window->isMinimized())
                continue;
            window->move(x, m_mdiArea->viewport()->height() - window->height());
            x += window->width();
        }
    });
    add("NapovedakprostrediClick", [this] { NapovedakprostrediClick(); });
    for (const PaletteTab &tab : paletteLayout()) {
        const int index = int(&tab - paletteLayout().data());
        add(tab.viewCommand, [this, index] { togglePaletteTab(index); });
    }
    registerEditingCommands(m_commands);
    // The command modules of the other subsystems.
    registerCommandModules(*this, *m_documents, m_commands);
}

QDockWidget *TMainForm::dock(const QString &objectName) const
{
    for (QDockWidget *dock : {m_docks.palette, m_docks.quickInsert, m_docks.filePanel, m_docks.colourBar})
        if (dock && dock->objectName() == objectName)
            return dock;
    return nullptr;
}

QList<QKeySequence> TMainForm::menuShortcuts() const
{
    QList<QKeySequence> shortcuts;
    for (QAction *action : m_actions)
        if (!action->shortcut().isEmpty())
            shortcuts.append(action->shortcut());
    return shortcuts;
}

// ---- layout ---------------------------------------------------------------------------------------

void TMainForm::buildLayout()
{
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    MainWindowBuilder builder(m_commands, this);
    builder.recordInto(&m_actions);
    builder.fillMenuBar(menuBar(), mainMenuLayout());
    m_windowMenu = action(QStringLiteral("Okno"))->menu();
    new RecentFilesMenu(*m_documents, action(QStringLiteral("NaposledyOtevrene"))->menu(), this);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::rebuildWindowList);

    auto *toolBar = addToolBar(QStringLiteral("Standardní"));
    toolBar->setObjectName(QStringLiteral("ToolBar_Main"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    builder.fillToolBar(toolBar, standardToolbarLayout());
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    m_statusBar = new VelinorStatusBar(this);
    setStatusBar(m_statusBar);
    connect(m_statusBar, &VelinorStatusBar::hintChanged, this,
            [this](const QString &hint) { showHint(hint); });
    connect(m_statusBar, &VelinorStatusBar::modePanelPressed, this, &TMainForm::modePanelPressed);
    observeDocuments(m_statusBar, m_documents);

    buildPalette();
    buildDocks();
}

void TMainForm::buildPalette()
{
    auto *paletteDock = m_docks.palette = new QDockWidget(QStringLiteral("Panel nástrojů"), this);
    paletteDock->setObjectName(QStringLiteral("TBToolbar_PanelControl"));
    paletteDock->setAllowedAreas(Qt::TopDockWidgetArea);
    paletteDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_palette = new PaletteControl(paletteDock);
    MainWindowBuilder builder(m_commands, this);
    builder.recordInto(&m_actions);
    for (const PaletteTab &tab : paletteLayout()) {
        auto *page = new QToolBar(m_palette);
        page->setObjectName(QStringLiteral("ToolBar_") + QString::fromUtf8(tab.objectName).mid(9)); // after "TabSheet_"
        page->setToolButtonStyle(Qt::ToolButtonTextOnly);
        builder.fillToolBar(page, tab.buttons, qstrcmp(tab.objectName, "TabSheet_Styl") == 0);
        m_palette->addTab(page, text(tab.caption), text(tab.objectName));
    }
    m_palette->setCurrentIndex(2); // "Styl"
    paletteDock->setWidget(m_palette);
    addDockWidget(Qt::TopDockWidgetArea, paletteDock);
}

void TMainForm::buildDocks()
{
    MainWindowBuilder builder(m_commands, this);
    builder.recordInto(&m_actions);

    auto *quickDock = m_docks.quickInsert = new QDockWidget(QStringLiteral("Rychlé vkládání"), this);
    quickDock->setObjectName(QStringLiteral("TBToolbar_FastPaste"));
    quickDock->setAllowedAreas(Qt::LeftDockWidgetArea);
    quickDock->setFeatures(QDockWidget::DockWidgetMovable);
    auto *quickBar = new QToolBar(quickDock);
    quickBar->setObjectName(QStringLiteral("ToolBar_FastPaste"));
    quickBar->setOrientation(Qt::Vertical);
    // Captions where the buttons have them, pictures for the alignment and preview buttons.
    quickBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    builder.fillToolBar(quickBar, quickInsertLayout(), true);
    // The column of buttons is narrower than the dock's title: widen it so the title shows whole.
    const int titleMargin = style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, quickDock);
    quickBar->setMinimumWidth(quickDock->fontMetrics().horizontalAdvance(quickDock->windowTitle()) + 2 * titleMargin + 8);
    quickDock->setWidget(quickBar);
    addDockWidget(Qt::LeftDockWidgetArea, quickDock);

    auto *fileDock = m_docks.filePanel = new QDockWidget(QStringLiteral("Panel zdrojů"), this);
    fileDock->setObjectName(QStringLiteral("TBToolbar_File"));
    fileDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    fileDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    QWidget *filePanel = createFilePanel(*m_documents, fileDock);
    filePanel->setMinimumWidth(200);
    fileDock->setWidget(filePanel);
    addDockWidget(Qt::RightDockWidgetArea, fileDock);

    auto *colourDock = m_docks.colourBar = new QDockWidget(QStringLiteral("Panel barev"), this);
    colourDock->setObjectName(QStringLiteral("TBToolbar_PanelBarev"));
    colourDock->setAllowedAreas(Qt::BottomDockWidgetArea);
    colourDock->setFeatures(QDockWidget::DockWidgetMovable);
    auto *colourBar = new QToolBar(colourDock);
    colourBar->setObjectName(QStringLiteral("ToolBar_PanelBarev"));
    colourBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    builder.fillToolBar(colourBar, colourBarLayout());
    paintColourBarIcons(colourBar);
    colourDock->setWidget(colourBar);
    addDockWidget(Qt::BottomDockWidgetArea, colourDock);

    // Closing a dock with its own button keeps the menu's check mark in step.
    connect(fileDock, &QDockWidget::visibilityChanged, this, [this](bool) { updateViewMarks(); });
}

// ---- start-up and exit ----------------------------------------------------------------------------

void TMainForm::FormCreate()
{
    // The editor marks are read even when the settings folder could not be made.
    const Settings settings = Settings::reader();
    m_view.lineNumbers = settings.read(Setting::LineNumbers);
    m_view.ruler = settings.read(Setting::Ruler);
    m_view.nonPrintable = settings.read(Setting::NonPrintable);
    applyPanelSettings();
    updateViewMarks();
}

void TMainForm::applyPanelSettings()
{
    const auto settings = Settings::open();
    if (!settings)
        return; // the panels keep their layout defaults
    m_docks.colourBar->setVisible(settings->read(Setting::ColourBar));
    m_docks.filePanel->setVisible(settings->read(Setting::FilePanel));
    m_docks.quickInsert->setVisible(settings->read(Setting::QuickInsert));

    const bool paletteShown = settings->read(Setting::Palette);
    m_docks.palette->setVisible(paletteShown);
    const auto &tabs = paletteLayout();
    for (int i = 0; i < int(tabs.size()); ++i) {
        if (!paletteShown) { // the tabs keep their visibility, their items are cleared
            m_view.paletteTabMarks[size_t(i)] = false;
            continue;
        }
        const bool shown = settings->read(Setting::paletteTab(tabs[size_t(i)]));
        m_palette->setTabVisible(i, shown);
        m_view.paletteTabMarks[size_t(i)] = shown;
    }
}

void TMainForm::updateViewMarks()
{
    auto mark = [this](const char *name, bool checked) {
        if (QAction *item = action(text(name)))
            item->setChecked(checked);
    };
    if (auto *document = qobject_cast<TChildForm *>(m_documents->activeWindow())) {
        m_view.lineNumbers = document->lineNumbersShown();
        m_view.ruler = document->rulerShown();
        m_view.nonPrintable = document->nonPrintableShown();
    }
    mark("CislaRadku", m_view.lineNumbers);
    mark("Pravitko", m_view.ruler);
    mark("NetisknutelneZnaky", m_view.nonPrintable);

    const bool paletteShown = m_docks.palette->isVisibleTo(this);
    mark("Zobrazit_vsePC", paletteShown);
    const auto &tabs = paletteLayout();
    for (size_t i = 0; i < tabs.size(); ++i)
        if (QAction *item = action(text(tabs[i].viewItemName))) {
            item->setChecked(m_view.paletteTabMarks[i]);
            item->setEnabled(paletteShown);
        }

    const bool filePanelShown = m_docks.filePanel->isVisibleTo(this);
    mark("Panel_barev", m_docks.colourBar->isVisibleTo(this));
    mark("Panel_zdroju", filePanelShown);
    mark("Panelrychlevkladani", m_docks.quickInsert->isVisibleTo(this));
    const bool left = dockWidgetArea(m_docks.filePanel) == Qt::LeftDockWidgetArea;
    mark("Vlevo_PanelZdroju", left);
    mark("Vpravo_PanelZdroju", !left);
    action(QStringLiteral("Zobrazovat_panel_zdroju"))->setEnabled(filePanelShown);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // The close check of every document window; the first window the user keeps stops the exit
    // and nothing more is asked.
    if (!documents().closeAllForExit()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::FormClose()
{
    runReportingErrors([this] {
        if (auto settings = Settings::open()) {
            settings->write(Setting::PaletteMenu, action(QStringLiteral("Panel_nastroju"))->isChecked());
            settings->write(Setting::PaletteDock, m_docks.palette->isVisibleTo(this));
        }
        IniFile localLinks(ProgramFolder::file(ProgramFile::LocalLinkFile));
        localLinks.eraseSection(QStringLiteral("Link_ComboBox"));
    });
}

// ---- status bar ---------------------------------------------------------------------------------

void TMainForm::modePanelPressed()
{
    if (m_statusBar->panelText(VelinorStatusBar::Mode) != text(kModeInsert))
        m_statusBar->setPanel(VelinorStatusBar::Mode, text(kModeOverwrite));
    // A press and release of Insert for the focused control: an editor toggles its mode and
    // flips the panel.
    if (QWidget *focus = QApplication::focusWidget()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier);
        QApplication::sendEvent(focus, &press);
        QApplication::sendEvent(focus, &release);
    }
}

void TMainForm::showHint(const QString &hint, QWidget *dialog)
{
    m_statusBar->setPanel(VelinorStatusBar::Hint, hint, true);
    m_hintingDialog = dialog;
}

bool TMainForm::event(QEvent *event)
{
    // The hint handler: long hints go to the hint panel.
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // A status tip travels up to its own window only; this window's own are handled in event().
    if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
        QWidget *dialog = static_cast<QWidget *>(watched)->window();
        if (dialog != this)
            showHint(static_cast<QStatusTipEvent *>(event)->tip(), dialog);
    } else if (event->type() == QEvent::Hide && watched == m_hintingDialog) {
        // A dialog closed under the mouse sends no leave event, so its hint would outlive it.
        showHint(QString());
    }
    return QMainWindow::eventFilter(watched, event);
}
