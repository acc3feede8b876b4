#pragma once

#include "core/command_registry.h"
#include "app/layout_records.h"

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;
class QWidget;

// The property of a control's action that names the command it runs ("TucnyClick").
inline constexpr const char *kCommandProperty = "command";

// Turns the layout tables into actions, menus and buttons. Every control carries its name as
// objectName; a control whose command is not registered yet is disabled.
class MainWindowBuilder
{
public:
    // The controls run their commands with the registry's current context, or with the context
    // `contextSource` gives (a window that is its own target).
    MainWindowBuilder(const CommandRegistry &registry, QObject *owner,
                      CommandRegistry::ContextSource contextSource = {});

    // Every action made from now on (items, submenus and menus by their menuAction, toolbar
    // buttons) is also put in `record` under its object name, for an owner that keeps what it built.
    void recordInto(QHash<QString, QAction *> *record) { m_record = record; }

    QAction *makeAction(const MenuEntry &entry);
    void fillMenu(QMenu *menu, const std::vector<MenuEntry> &entries);
    void fillMenuBar(QMenuBar *menuBar, const std::vector<MenuEntry> &menus);
    // Palette buttons show their captions; `boldCaptions` for the tabs whose buttons are bold.
    void fillToolBar(QToolBar *toolBar, const std::vector<ToolButtonEntry> &buttons, bool boldCaptions = false);

private:
    void remember(QAction *action);
    void connectCommand(QAction *action, const char *command);

    const CommandRegistry &m_registry;
    QObject *m_owner;
    CommandRegistry::ContextSource m_contextSource;
    QHash<QString, QAction *> *m_record = nullptr;
};
