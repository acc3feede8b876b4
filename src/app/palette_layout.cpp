// The tool palette (eleven tabs), the drop-down menus of its buttons and the quick-insert bar,
// as data. main_window_builder.cpp turns these records into buttons; handlers are looked up by name.
// Where two controls share one operation, both name the same handler.

#include "app/layout_records.h"

namespace {

ToolButtonEntry button(const char *name, const char *caption, const char *hint, const char *command)
{
    ToolButtonEntry e;
    e.objectName = name;
    e.caption = caption;
    e.hint = hint;
    e.command = command;
    return e;
}

// A button that only opens one of paletteDropDownMenus().
ToolButtonEntry dropDown(const char *name, const char *caption, const char *hint, const char *menu)
{
    ToolButtonEntry e = button(name, caption, hint, "");
    e.dropDownMenu = menu;
    return e;
}

ToolButtonEntry edit(const char *name, const char *text)
{
    ToolButtonEntry e;
    e.kind = ToolButtonEntry::Kind::Edit;
    e.objectName = name;
    e.caption = text;
    return e;
}

ToolButtonEntry comboBox(const char *name)
{
    ToolButtonEntry e;
    e.kind = ToolButtonEntry::Kind::ComboBox;
    e.objectName = name;
    return e;
}

ToolButtonEntry label(const char *name, const char *text)
{
    ToolButtonEntry e;
    e.kind = ToolButtonEntry::Kind::Label;
    e.objectName = name;
    e.caption = text;
    return e;
}

ToolButtonEntry divider() { return ToolButtonEntry::divider(); }

MenuEntry item(const char *name, const char *caption, const char *hint, const char *command)
{
    MenuEntry e;
    e.objectName = name;
    e.caption = caption;
    e.hint = hint;
    e.command = command;
    return e;
}

} // namespace

const std::vector<PaletteTab> &paletteLayout()
{
    static const std::vector<PaletteTab> tabs = {
        {"TabSheet_Text", "Text", "PageControl_Text", "Text", "PageControl_TextClick", "CheckBox_Text", {
            button("ToolButton_Text_B", "B", "Tučné písmo (CTRL+B)", "TucnyClick"),
            button("ToolButton_Text_I", "I", "Kurzíva (CTRL+I)", "KurzivaClick"),
            button("ToolButton_Text_S", "S", "Přeškrtnuté písmo", "ToolButton_Text_SClick"),
            button("ToolButton_Text_U", "U", "Podtržené písmo (CTRL+U)", "PodtrzenyClick"),
            button("ToolButton_Text_TT", "TT", "Neproporciální písmo", "ToolButton_Text_TTClick"),
            button("ToolButton_Text_FONT", "FONT", "Volba fontu (Ctrl+F)", "FontClick"),
            button("ToolButton_Text_BASEFONT", "BASEFONT", "Základní font", "ToolButton_Text_BASEFONTClick"),
            dropDown("ToolButton_Text_Hn", "Hn", "Nadpis ...", "PopupMenu_Hn"),
            button("ToolButton_Text_SUB", "SUB", "Dolní index", "SUBClick"),
            button("ToolButton_Text_SUP", "SUP", "Horní index", "SUPClick"),
            button("ToolButton_Text_SMALL", "SMALL", "Malé písmo", "SmallClick"),
            button("ToolButton_Text_BIG", "BIG", "Velké písmo", "BIGClick"),
        }},

        {"TabSheet_Format", "Formát", "PageControl_Format", "Formát", "PageControl_FormatClick", "CheckBox_Format", {
            button("ToolButton_Format_P", "P", "", "OdstavecClick"),
            dropDown("ToolButton_Format_BR", "BR", "Zalomení", "Br_PopupMenu"),
            button("ToolButton_Format_BLOCKQUOTE", "BLOCKQUOTE", "Odsazení", "ToolButton_Format_BLOCKQUOTEClick"),
            button("ToolButton_Format_Q", "Q", "", "ToolButton_Format_QClick"),
            button("ToolButton_Format_PRE", "PRE", "", "ToolButton_Format_PREClick"),
            button("ToolButton_Format_CODE", "CODE", "", "ToolButton_Format_CODEClick"),
            button("ToolButton_Format_CENTER", "CENTER", "", "ToolButton_Format_CENTERClick"),
            button("ToolButton_Format_CITE", "CITE", "", "ToolButton_Format_CITEClick"),
            button("ToolButton_Format_ACRONYM", "ACRONYM", "", "ToolButton_Format_ACRONYMClick"),
        }},

        {"TabSheet_Styl", "Styl", "PageControl_Styl", "Styl", "PageControl_StylClick", "CheckBox_Styl", {
            button("ToolButton_Styl_SPAN", "SPAN", "", "ToolButton_Styl_SPANClick"),
            divider(),
            button("ToolButton_Styl_STYLE", "STYLE", "", "ToolButton_Styl_STYLEClick"),
            divider(),
            button("ToolButton_Styl_LINK", "LINK", "", "ToolButton_Styl_LINKClick"),
            divider(),
            button("ToolButton_Styl_CSS", "CSS", "Editor CSS stylů", "EditorCSSstyl1Click"),
            divider(),
            button("ToolButton_Styl_OwnCSS", "  CSS >>", "Vloží vybraný styl", "ToolButton_Styl_OwnCSSClick"),
            edit("Css_stylEdit", ""),   // the selector (element name)
            label("ID_Label", "   ID  "),
            edit("Css_IDEdit", ""),     // the class name
        }},

        {"TabSheet_Odkazy", "Odkazy", "PageControl_Odkazy", "Odkazy", "PageControl_OdkazyClick", "CheckBox_Odkazy", {
            button("ToolButton_Odkazy_A", "A", "", "ToolButton_Odkazy_AClick"),
            button("ToolButton_Odkazy_LOCAL", "LOCAL", "Místní odkaz", "ToolButton_Odkazy_LOCALClick"),
            button("ToolButton_Odkazy_NAME", "NAME", "Kotva místního odkazu", "ToolButton_Odkazy_NAMEClick"),
            // The name shared by LOCAL and NAME: an editable field whose drop-down list the
            // local-link commands fill with the names used so far.
            comboBox("Link_ComboBox"),
        }},

        {"TabSheet_Seznamy", "Seznamy", "PageControl_Seznamy", "Seznamy", "PageControl_SeznamyClick", "CheckBox_Seznamy", {
            button("ToolButton_Seznamy_DL", "DL", "Seznam definic", "ToolButton_Seznamy_DLClick"),
            button("ToolButton_Seznamy_OL", "OL", "Číslovaný seznam", "ToolButton_Seznamy_OLClick"),
            button("ToolButton_Seznamy_UL", "UL", "Nečíslovaný seznam", "ToolButton_Seznamy_ULClick"),
            button("ToolButton_Seznamy_DT", "DT", "Termín seznamu definic", "ToolButton_Seznamy_DTClick"),
            button("ToolButton_Seznamy_DD", "DD", "Vysvětlení pojmu seznamu definice", "ToolButton_Seznamy_DDClick"),
            button("ToolButton_Seznamy_LI", "LI", "Položka seznamu", "ToolButton_Seznamy_LIClick"),
            button("ToolButton_Seznamy_DIR", "DIR", "Vytvoří seznam stylem DIR", "ToolButton_Seznamy_DIRClick"),
            button("ToolButton_Seznamy_MENU", "MENU", "Vytvoří menu", "ToolButton_Seznamy_MENUClick"),
            button("ToolButton_Seznamy_SEZNAM", "SEZNAM ...", "Dialog pro tvorbu seznamů", "ToolButton_Seznamy_SEZNAMClick"),
        }},

        {"TabSheet_Tabulky", "Tabulky", "PageControl_Tabulky", "Tabulky", "PageControl_TabulkyClick", "CheckBox_Tabulky", {
            button("ToolButton_Tabulky_TABLE", "TABLE", "Základní struktůra tabulky (Shift + Ctrl + T)", "TabulkaClick"),
            button("ToolButton_Tabulky_TR", "TR", "Řádek tabulky", "ToolButton_Tabulky_TRClick"),
            button("ToolButton_Tabulky_TD", "TD", "Buňka tabulky", "ToolButton_Tabulky_TDClick"),
            button("ToolButton_Tabulky_TH", "TH", "Zvýrazněná buňka tabulky", "ToolButton_Tabulky_THClick"),
            button("ToolButton_Tabulky_TRTD", "TR::TD", "Vloží nový řádek a novou buňku", "ToolButton_Tabulky_TRTDClick"),
            button("ToolButton_Tabulky_TABLES", "TABLE...", "Editor tabulky", "ToolButton_Tabulky_TABLESClick"),
            button("ToolButton_Tabulky_THEAD", "THEAD", "Tabulkový řádek - první sekce", "ToolButton_Tabulky_THEADClick"),
            button("ToolButton_Tabulky_TBODY", "TBODY", "Tabulkový řádek - druhá sekce", "ToolButton_Tabulky_TBODYClick"),
            button("ToolButton_Tabulky_TFOOT", "TFOOT", "Tabulkový řádek - třetí sekce", "ToolButton_Tabulky_TFOOTClick"),
            button("ToolButton_Tabulky_CAPTION", "CAPTION", "Nadpis tabulky", "ToolButton_Tabulky_CAPTIONClick"),
        }},

        {"TabSheet_Multimedia", "Multimédia", "PageControl_Multimedia", "Multimédia", "PageControl_MultimediaClick", "CheckBox_Multimedia", {
            button("ToolButton_Multimedia_IMG", "IMG", "Vloží obrázek", "ToolButton_Multimedia_IMGClick"),
            button("ToolButton_Multimedia_VIDEO", "VIDEO", "Vloží video", "ToolButton_Multimedia_VIDEOClick"),
            button("ToolButton_Multimedia_BGSOUND", "BGSOUND", "Vloží hudbu nebo zvuk", "ToolButton_Multimedia_BGSOUNDClick"),
            button("ToolButton_Multimedia_HR", "HR", "Vloží vodorovnou linku  (Shift+Ctrl+H)", "VodorovnacaraClick"),
            button("ToolButton_Multimedia_MARQUEE", "MARQUEE", "Vloží pohybující se text", "ToolButton_Multimedia_MARQUEEClick"),
            button("ToolButton_Multimedia_EMBED", "EMBED", "Vloží soubor", "ToolButton_Multimedia_EMBEDClick"),
        }},

        {"TabSheet_Formulare", "Formuláře", "PageControl_Formular", "Formulář", "PageControl_FormularClick", "CheckBox_Formulare", {
            button("ToolButton_Formulare_FORM", "FORM", "Vytvoří základní strukturu formulaře", "ToolButton_Formulare_FORMClick"),
            button("ToolButton_Formulare_INPUT", "INPUT", "Definuje vstupní pole formuláře", "ToolButton_Formulare_INPUTClick"),
            button("ToolButton_Formulare_BUTTON", "BUTTON", "Vloží tlačítko", "ToolButton_Formulare_BUTTONClick"),
            button("ToolButton_Formulare_LABEL", "LABEL", "Text ve formuláři (HTML 4.0)", "ToolButton_Formulare_LABELClick"),
            button("ToolButton_Formulare_SELECT", "SELECT", "Výběrové pole", "ToolButton_Formulare_SELECTClick"),
            button("ToolButton_Formulare_OPTION", "OPTION", "Vybírá za nabídky definované prvky", "ToolButton_Formulare_OPTIONClick"),
            button("ToolButton_Formulare_TEXAREA", "TEXTAREA", "Víceřádkové vstupní pole formuláře", "ToolButton_Formulare_TEXAREAClick"),
        }},

        {"TabSheet_Ramce", "Rámce", "PageControl_Ramce", "Rámce", "PageControl_RamceClick", "CheckBox_Ramce", {
            button("ToolButton_Ramce_FRAMESET", "FRAMESET", "Definuje strukturu rámců", "ToolButton_Ramce_FRAMESETClick"),
            button("ToolButton_Ramce_FRAME", "FRAME", "Definuje jednotlivý rámec", "ToolButton_Ramce_FRAMEClick"),
            button("ToolButton_Ramce_IFRAME", "IFRAME", "Vložený rámec", "ToolButton_Ramce_IFRAMEClick"),
            button("ToolButton_Ramce_NOFRAMES", "NOFRAMES", "Informace pro prohlížeče, které nepodporují rámce", "ToolButton_Ramce_NOFRAMESClick"),
        }},

        {"TabSheet_Script", "Script", "PageControl_Script", "Script", "PageControl_ScriptClick", "CheckBox_Script", {
            button("ToolButton_Script_SCRIPT", "SCRIPT", "Vloží script", "ToolButton_Script_SCRIPTClick"),
            button("ToolButton_Script_NOSCRIPT", "NOSCRIPT", "Bezscriptový tag", "ToolButton_Script_NOSCRIPTClick"),
            button("ToolButton_Script_PARAM", "PARAM", "Vloží parametr objektu", "ToolButton_Script_PARAMClick"),
        }},

        {"TabSheet_Dalsi", "Další", "PageControl_Dalsi", "Další", "PageControl_DalsiClick", "CheckBox_Dalsi", {
            button("ToolButton_Dalsi_META", "META", "Vloží informace o dokumentu", "ToolButton_Dalsi_METAClick"),
            button("ToolButton_Dalsi_LEGEND", "LEGEND", "Označuje legendu v textu dokumentu (HTML 4.0)", "ToolButton_Dalsi_LEGENDClick"),
            button("ToolButton_Dalsi_XMP", "XMP", "Zobrazení neformatovaného textu", "ToolButton_Dalsi_XMPClick"),
            button("ToolButton_Dalsi_ADDRESS", "ADDRESS", "Zobrazení neformatovaného textu", "ToolButton_Dalsi_ADDRESSClick"),
        }},
    };
    return tabs;
}

const std::vector<DropDownMenu> &paletteDropDownMenus()
{
    static const std::vector<DropDownMenu> menus = {
        {"PopupMenu_Hn", {
            item("PopupMenu_H1", "H1", "Největší nadpis", "PopupMenu_H1Click"),
            item("PopupMenu_H2", "H2", "Větší nadpis", "PopupMenu_H2Click"),
            item("PopupMenu_H3", "H3", "Velký nadpis", "PopupMenu_H3Click"),
            item("PopupMenu_H4", "H4", "Malý nadpis", "PopupMenu_H4Click"),
            item("PopupMenu_H5", "H5", "Menší nadpis", "PopupMenu_H5Click"),
            item("PopupMenu_H6", "H6", "Nejmenší nadpis", "PopupMenu_H6Click"),
        }},
        {"Br_PopupMenu", {
            item("clear_left", "clear=left", "", "clear_leftClick"),
            item("clear_right", "clear=right", "", "clear_rightClick"),
            item("clear_all", "clear=all", "", "clear_allClick"),
        }},
    };
    return menus;
}

const std::vector<ToolButtonEntry> &quickInsertLayout()
{
    // Top to bottom. The alignment and preview buttons show icons, so they have no caption.
    static const std::vector<ToolButtonEntry> buttons = {
        button("ToolButton_FastPaste_BR", "BR", "Nový řádek ...", "ToolButton_FastPaste_BRClick"),
        button("ToolButton_FastPaste_P", "P", "Nový odstavec", "ToolButton_FastPaste_PClick"),
        button("ToolButton_FastPaste_Kom", "!", "Vložit komentář ...", "ToolButton_FastPaste_KomClick"),
        button("ToolButton_FastPaste_Space", "_", "Vložit nezalomitelnou mezeru", "ToolButton_FastPaste_SpaceClick"),
        button("ToolButton_FastPaste_MailTo", "@", "Vložit e-mailovou adresu", "ToolButton_FastPaste_MailToClick"),
        button("ToolButton_FastPaste_w", "w", "Vložit odkaz", "ToolButton_Odkazy_AClick"),
        button("ToolButton_FastPaste_tag", "<>", "Vložit počáteční kontejnerovou značku", "ToolButton_FastPaste_tagClick"),
        button("ToolButton_FastPaste_tag_", "</>", "Vložit koncovou kontejnerovou značku", "ToolButton_FastPaste_tag_Click"),
        button("ToolButton_FastPaste_EL", "EL", "Vložit celý kontejner", "ToolButton_FastPaste_ELClick"),
        button("ToolButton_FastPaste_justify", "", "Zalomit text na obě strany [element div = justify]", "ToolButton_FastPaste_justifyClick"),
        button("ToolButton_FastPaste_right", "", "Zalomit text na pravou stranu [element div = right]", "ToolButton_FastPaste_rightClick"),
        button("ToolButton_FastPaste_center", "", "Zalomit text na střed [element div = center]", "ToolButton_FastPaste_centerClick"),
        button("ToolButton_FastPaste_left", "", "Zalomit text na levou stranu [element div = left]", "ToolButton_FastPaste_leftClick"),
        button("ToolButton_FastPaste_browser", "", "Náhled HTML stránky", "NahledHTMLstrankyClick"),
    };
    return buttons;
}

const std::vector<ToolButtonEntry> &colourBarLayout()
{
    // Left to right. The named items show icons in their colours; their hints are long hints only.
    static const std::vector<ToolButtonEntry> buttons = {
        button("TBItem_VybratBarvu", "...", "Vybrat barvu ...", "TBItem_VybratBarvuClick"),
        button("TBItem_Black", "", "|[Black] : #000000", "TBItem_BlackClick"),
        button("TBItem_Maroon", "", "|[Maroon : #800000", "TBItem_MaroonClick"),
        button("TBItem_Green", "", "|[Green] : #008000", "TBItem_GreenClick"),
        button("TBItem_Olive", "", "|[Olive] : #808000", "TBItem_OliveClick"),
        button("TBItem_Navy", "", "|[Navy] : #000080", "TBItem_NavyClick"),
        button("TBItem_Purple", "", "|[Purple] : #800080", "TBItem_PurpleClick"),
        button("TBItem_Teal", "", "|[Teal] : #008080", "TBItem_TealClick"),
        button("TBItem_Gray", "", "|[Gray] : #808080", "TBItem_GrayClick"),
        button("TBItem_Silver", "", "|[Silver] : #C0C0C0", "TBItem_SilverClick"),
        button("TBItem_Red", "", "|[Red] : #FF0000", "TBItem_RedClick"),
        button("TBItem_Lime", "", "|[Lime] : #00FF00", "TBItem_LimeClick"),
        button("TBItem_Yellow", "", "|[Yellow] : #FFFF00", "TBItem_YellowClick"),
        button("TBItem_Blue", "", "|[Blue] : #0000FF", "TBItem_BlueClick"),
        button("TBItem_Fuchsia", "", "|[Fuchsia] : #FF00FF", "TBItem_FuchsiaClick"),
        button("TBItem_Aqua", "", "|[Aqua] : #00FFFF", "TBItem_AquaClick"),
        button("TBItem_White", "", "|[White] : #FFFFFF", "TBItem_WhiteClick"),
    };
    return buttons;
}
