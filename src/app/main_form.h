#pragma once

#include "core/command_registry.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <vector>

class QAction;
class QDockWidget;
class QMdiArea;
class QMenu;
class DocumentManager;
class PaletteControl;
class VelinorStatusBar;

// The main window: a frame of document windows with the menus, the standard toolbar, the four
// docks (palette, quick insert, file panel, colour bar) and the status bar. Its own commands are
// the panels' and the windows' arrangement; the documents belong to the document manager.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The documents in the frame and their life.
    DocumentManager &documents() const { return *m_documents; }
    CommandRegistry &commandRegistry() { return m_commands; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    VelinorStatusBar *statusPanels() const { return m_statusBar; }
    PaletteControl *palette() const { return m_palette; }
    const CommandRegistry &commands() const { return m_commands; }
    QList<QKeySequence> menuShortcuts() const;
    // A control the window built, by its object name (nothing when it has none such).
    QAction *action(const QString &objectName) const { return m_actions.value(objectName); }
    QDockWidget *dock(const QString &objectName) const;

    // The environment help (help/napoveda.html opened by the desktop).
    void NapovedakprostrediClick();

protected:
    bool event(QEvent *event) override;
    // Long hints of controls in other windows (dialogs) reach the hint panel too.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void registerCommands();
    void buildLayout();
    void buildPalette();
    void buildDocks();
    void FormCreate();
    void applyPanelSettings();
    void FormClose();

    // Panel and palette commands.
    void togglePaletteTab(int index);
    void Zobrazit_vsePCClick();
    // Flips a dock's visibility; returns the new visibility.
    bool flipDock(QDockWidget *dock);
    // Sets every check mark of the view menu (and the items it enables) from the state it shows.
    void updateViewMarks();
    void Panel_barevClick();
    void Panel_zdrojuClick();
    void PanelrychlevkladaniClick();
    void dockFilePanel(Qt::DockWidgetArea area);
    void modePanelPressed();
    // The hint panel's long hint; `dialog` is the dialog it came from, if any.
    void showHint(const QString &hint, QWidget *dialog = nullptr);
    void rebuildWindowList();

    struct Docks
    {
        QDockWidget *palette = nullptr;
        QDockWidget *quickInsert = nullptr;
        QDockWidget *filePanel = nullptr;
        QDockWidget *colourBar = nullptr;
    };
    // The view items' marks that are state of their own: a palette tab's item follows its tab,
    // but "Zobrazit" marks or clears them all whatever the tabs show; the editor marks are the
    // active document's, and stay as they were while no document is open.
    struct ViewState
    {
        std::vector<bool> paletteTabMarks;
        bool lineNumbers = true;
        bool ruler = true;
        bool nonPrintable = true;
    };

    CommandRegistry m_commands;
    QHash<QString, QAction *> m_actions; // every action the builder made, by object name
    Docks m_docks;
    ViewState m_view;
    QMdiArea *m_mdiArea = nullptr;
    VelinorStatusBar *m_statusBar = nullptr;
    PaletteControl *m_palette = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    DocumentManager *m_documents = nullptr;
    QPointer<QWidget> m_hintingDialog; // the dialog whose hint the hint panel shows
};
