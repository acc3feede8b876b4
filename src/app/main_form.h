#pragma once

#include "app/command_registry.h"
#include "editor/document_language.h"

#include <QFont>
#include <QMainWindow>

class QAction;
class QDockWidget;
class QMdiArea;
class QMenu;
class PaletteControl;
class SyntaxEdit;
class TChildForm;
class VelinorStatusBar;

// The main window: a frame of document windows with the menus, the standard toolbar, the four
// docks (palette, quick insert, file panel, colour bar) and the status bar.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The active document window and its editor; none when no document window is open.
    TChildForm *ActiveChild() const;
    SyntaxEdit *ActiveEditor() const;
    // The insertion primitive on the active document.
    void VypisTag(const QString &text);

    TChildForm *createChild();
    // A new maximised, active document window named `caption` holding the file's text in the given
    // language. Raises "Cannot open file %s" (and opens nothing) when the file cannot be read.
    TChildForm *openDocument(const QString &path, const QString &caption, DocumentLanguage language);
    // The application-wide counter of new documents: adds one and returns the new value.
    int nextDocumentNumber() { return ++m_newDocumentCounter; }
    CommandRegistry &commandRegistry() { return m_commands; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    VelinorStatusBar *statusPanels() const { return m_statusBar; }
    PaletteControl *palette() const { return m_palette; }
    const CommandRegistry &commands() const { return m_commands; }
    QList<QKeySequence> menuShortcuts() const;
    QAction *action(const QString &objectName) const;
    QDockWidget *dock(const QString &objectName) const;

    // Called by the document windows.
    void AktualizujStavovyRadek(TChildForm *child);
    void flipModePanel();
    void setLanguagePanel(const QString &text, bool bold);
    // The save dialog, starting from the given name (or the name it last held); empty when cancelled.
    QString askSavePath(const QString &suggestedName);
    void reportSavedAsUtf8(const QString &path);
    // An opened file held NUL bytes: saving it would write line breaks in their place.
    void warnAboutNulBytes(const QString &caption);

    // The environment help (help/napoveda.html opened by the desktop).
    void NapovedakprostrediClick();

protected:
    bool event(QEvent *event) override;
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
    // Flips a dock's visibility and sets its menu item's check mark; returns the new visibility.
    bool flipDock(const char *dockName, const char *menuItem);
    void Panel_barevClick();
    void Panel_zdrojuClick();
    void PanelrychlevkladaniClick();
    void dockFilePanel(Qt::DockWidgetArea area);
    void modePanelPressed();
    void rebuildWindowList();

    // Editing commands.
    void JdiNaRadekClick();
    void CislaRadkuClick();
    void PravitkoClick();
    void NetisknutelneZnakyClick();
    void PismoClick();

    CommandRegistry m_commands;
    QMdiArea *m_mdiArea = nullptr;
    VelinorStatusBar *m_statusBar = nullptr;
    PaletteControl *m_palette = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QFont m_editorFontChoice;
    QString m_lastSavePath;
    QString m_lastSaveFilter;
    int m_newDocumentCounter = 1;
};
