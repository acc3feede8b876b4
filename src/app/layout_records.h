#pragma once

#include <vector>

// The main window is data: menus, toolbars, palette tabs and bars are tables of these records,
// and one builder turns them into actions and buttons (main_window_builder.cpp).
//
// Texts are UTF-8 literals exactly as the user sees them ("&" marks the access key). A hint may
// hold "short|long": the short part is the tool tip, the long part goes to the status bar.
// `command` names the handler that runs the entry ("NoveClick"); entries whose handler does not
// exist yet are built disabled. An empty command means the entry does nothing by design.

struct MenuEntry
{
    enum class Kind { Item, Separator, Submenu };

    Kind kind = Kind::Item;
    const char *objectName = "";
    const char *caption = "";
    const char *shortcut = "";   // as QKeySequence text: "Ctrl+N", "Shift+Ctrl+S", "Alt+F4"
    const char *hint = "";
    const char *command = "";
    bool checkable = false;
    bool checked = false;        // initial check mark
    bool markSetByCommand = false; // the command sets the mark; a click that runs nothing leaves it
    std::vector<MenuEntry> children; // Submenu only

    static MenuEntry separator() { MenuEntry e; e.kind = Kind::Separator; e.caption = "-"; return e; }
};

struct ToolButtonEntry
{
    enum class Kind { Button, Divider, Edit, ComboBox, Label };

    Kind kind = Kind::Button;
    const char *objectName = "";
    const char *caption = "";    // palette buttons show their caption; a label's text; an edit's initial text
                                 // (ComboBox: an editable field whose list its commands fill)
    const char *hint = "";
    const char *command = "";
    const char *dropDownMenu = ""; // objectName of a drop-down menu the button opens (PopupMenu_Hn, Br_PopupMenu)

    static ToolButtonEntry divider() { ToolButtonEntry e; e.kind = Kind::Divider; return e; }
};

struct PaletteTab
{
    const char *objectName;      // "TabSheet_Text"
    const char *caption;         // "Text"
    const char *viewItemName;    // "PageControl_Text": its item in the view menu
    const char *viewItemCaption; // "Text"
    const char *viewCommand;     // "PageControl_TextClick"
    const char *settingsSection; // "CheckBox_Text"
    std::vector<ToolButtonEntry> buttons;
};

struct DropDownMenu
{
    const char *objectName;      // "PopupMenu_Hn"
    std::vector<MenuEntry> items;
};

// The tables (main_menu_layout.cpp, palette_layout.cpp).
const std::vector<MenuEntry> &mainMenuLayout();          // the menu bar, menu by menu
const std::vector<ToolButtonEntry> &standardToolbarLayout(); // ToolBar_Main
const std::vector<PaletteTab> &paletteLayout();          // the eleven tabs in order
const std::vector<DropDownMenu> &paletteDropDownMenus(); // menus opened by palette buttons
const std::vector<ToolButtonEntry> &quickInsertLayout(); // the bar "Rychlé vkládání"
const std::vector<MenuEntry> &documentPopupLayout();     // PopupMenu_Child of a document window
const std::vector<ToolButtonEntry> &colourBarLayout();   // the bar "Panel barev"
