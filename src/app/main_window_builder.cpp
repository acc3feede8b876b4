#include "app/main_window_builder.h"

#include "core/command_registry.h"
#include "base/hint_text.h"
#include "app/icon_names.h"
#include "widgets/dialog_parts.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void applyHint(QAction *action, const char *hint)
{
    const HintParts parts = splitHint(text(hint));
    action->setToolTip(parts.shortText); // empty: no tool tip (QAction would fall back to its caption)
    action->setStatusTip(parts.longText);
}

// The picture of the control named `objectName`, when it has one.
void applyIcon(QAction *action, const QString &objectName)
{
    const QString name = iconNameOf(objectName);
    if (!name.isEmpty() && !action->isCheckable())
        action->setIcon(QIcon::fromTheme(name));
}

// A button whose hint is empty shows no tool tip: the one Qt would make only repeats its caption.
class NoToolTip : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::ToolTip; }
};

QMenu *findDropDown(const char *name, QWidget *parent, const CommandRegistry &registry, QObject *owner,
                    const CommandRegistry::ContextSource &contextSource)
{
    for (const DropDownMenu &dropDown : paletteDropDownMenus()) {
        if (qstrcmp(dropDown.objectName, name) != 0)
            continue;
        auto *menu = new QMenu(parent);
        menu->setObjectName(text(dropDown.objectName));
        MainWindowBuilder(registry, owner, contextSource).fillMenu(menu, dropDown.items);
        return menu;
    }
    return nullptr;
}

} // namespace

MainWindowBuilder::MainWindowBuilder(const CommandRegistry &registry, QObject *owner,
                                     CommandRegistry::ContextSource contextSource)
    : m_registry(registry), m_owner(owner), m_contextSource(std::move(contextSource))
{
}

void MainWindowBuilder::remember(QAction *action)
{
    // The first of two controls with one name (a menu item and its toolbar button) is kept.
    if (m_record && !m_record->contains(action->objectName()))
        m_record->insert(action->objectName(), action);
}

void MainWindowBuilder::connectCommand(QAction *action, const char *command)
{
    const QString name = text(command);
    if (name.isEmpty())
        return; // does nothing by design
    action->setProperty(kCommandProperty, name); // what the control runs, for whoever asks
    if (!m_registry.has(name)) {
        action->setEnabled(false); // its command comes later
        return;
    }
    const CommandRegistry *registry = &m_registry;
    const CommandRegistry::ContextSource source = m_contextSource;
    QObject::connect(action, &QAction::triggered, action, [registry, name, source] {
        registry->run(name, source ? source() : registry->currentContext());
    });
}

QAction *MainWindowBuilder::makeAction(const MenuEntry &entry)
{
    auto *action = new QAction(text(entry.caption), m_owner);
    action->setObjectName(text(entry.objectName));
    if (*entry.shortcut)
        action->setShortcut(QKeySequence(text(entry.shortcut), QKeySequence::PortableText));
    applyHint(action, entry.hint);
    action->setCheckable(entry.checkable);
    action->setChecked(entry.checked);
    if (entry.markSetByCommand) // undo the click's own flip before the command runs
        QObject::connect(action, &QAction::triggered, action, [action] { action->setChecked(!action->isChecked()); });
    connectCommand(action, entry.command);
    remember(action);
    return action;
}

void MainWindowBuilder::fillMenu(QMenu *menu, const std::vector<MenuEntry> &entries)
{
    // Looking pictures up in the icon theme takes a while; a menu's items get theirs when it
    // first opens, not at start-up.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        if (menu->property("iconsApplied").toBool())
            return;
        menu->setProperty("iconsApplied", true);
        for (QAction *action : menu->actions())
            applyIcon(action, action->objectName());
    });
    for (const MenuEntry &entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Kind::Item:
            menu->addAction(makeAction(entry));
            break;
        case MenuEntry::Kind::Submenu: {
            QMenu *sub = menu->addMenu(text(entry.caption));
            sub->setObjectName(text(entry.objectName));
            sub->menuAction()->setObjectName(text(entry.objectName));
            applyHint(sub->menuAction(), entry.hint);
            remember(sub->menuAction());
            fillMenu(sub, entry.children);
            break;
        }
        }
    }
}

void MainWindowBuilder::fillMenuBar(QMenuBar *menuBar, const std::vector<MenuEntry> &menus)
{
    for (const MenuEntry &entry : menus) {
        QMenu *menu = menuBar->addMenu(text(entry.caption));
        menu->setObjectName(text(entry.objectName));
        applyHint(menu->menuAction(), entry.hint);
        menu->menuAction()->setObjectName(text(entry.objectName));
        remember(menu->menuAction());
        fillMenu(menu, entry.children);
    }
}

void MainWindowBuilder::fillToolBar(QToolBar *toolBar, const std::vector<ToolButtonEntry> &buttons, bool boldCaptions)
{
    for (const ToolButtonEntry &entry : buttons) {
        switch (entry.kind) {
        case ToolButtonEntry::Kind::Divider:
            toolBar->addSeparator();
            break;
        case ToolButtonEntry::Kind::Label: {
            auto *label = new QLabel(text(entry.caption), toolBar);
            label->setObjectName(text(entry.objectName));
            toolBar->addWidget(label);
            break;
        }
        case ToolButtonEntry::Kind::Edit: {
            auto *edit = new QLineEdit(text(entry.caption), toolBar);
            edit->setObjectName(text(entry.objectName));
            edit->setMaximumWidth(120);
            toolBar->addWidget(edit);
            break;
        }
        case ToolButtonEntry::Kind::ComboBox: {
            // The list holds only what the commands put there, and the text stays as typed.
            QComboBox *combo = listComboBox(toolBar, entry.objectName, {}, text(entry.caption));
            combo->setMinimumWidth(120);
            toolBar->addWidget(combo);
            break;
        }
        case ToolButtonEntry::Kind::Button: {
            auto *action = new QAction(text(entry.caption), m_owner);
            action->setIconText(text(entry.caption)); // as written: the default would drop a trailing "..."
            action->setObjectName(text(entry.objectName));
            applyHint(action, entry.hint);
            applyIcon(action, action->objectName());
            connectCommand(action, entry.command);
            remember(action);
            toolBar->addAction(action);
            auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action));
            if (!button)
                break;
            button->setObjectName(text(entry.objectName));
            if (splitHint(text(entry.hint)).shortText.isEmpty())
                button->installEventFilter(new NoToolTip(button));
            if (boldCaptions) {
                QFont font = button->font();
                font.setBold(true);
                button->setFont(font);
            }
            if (*entry.dropDownMenu) {
                if (QMenu *menu = findDropDown(entry.dropDownMenu, toolBar, m_registry, m_owner, m_contextSource)) {
                    action->setEnabled(true);
                    button->setMenu(menu);
                    button->setPopupMode(QToolButton::InstantPopup);
                }
            }
            break;
        }
        }
    }
}
