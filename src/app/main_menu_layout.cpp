// The menu bar, the standard toolbar and the pop-up menu of a document window, as data.
// main_window_builder.cpp turns these records into actions; the handlers are looked up by name.

#include "app/layout_records.h"

#include <utility>

namespace {

MenuEntry item(const char *name, const char *caption, const char *shortcut, const char *hint,
               const char *command)
{
    MenuEntry e;
    e.objectName = name;
    e.caption = caption;
    e.shortcut = shortcut;
    e.hint = hint;
    e.command = command;
    return e;
}

MenuEntry item(const char *name, const char *caption, const char *command)
{
    return item(name, caption, "", "", command);
}

// A view-menu item carrying a check mark; `checked` is its state when the window is created.
MenuEntry toggle(const char *name, const char *caption, const char *command, bool checked)
{
    MenuEntry e = item(name, caption, command);
    e.checkable = true;
    e.checked = checked;
    return e;
}

// A check mark that shows a state of the active document: its command sets it, so that a click
// with no document open leaves it as it was.
MenuEntry documentToggle(const char *name, const char *caption, const char *command, bool checked)
{
    MenuEntry e = toggle(name, caption, command, checked);
    e.markSetByCommand = true;
    return e;
}

MenuEntry submenu(const char *name, const char *caption, const char *hint,
                  std::vector<MenuEntry> children)
{
    MenuEntry e;
    e.kind = MenuEntry::Kind::Submenu;
    e.objectName = name;
    e.caption = caption;
    e.hint = hint;
    e.children = std::move(children);
    return e;
}

MenuEntry submenu(const char *name, const char *caption, std::vector<MenuEntry> children)
{
    return submenu(name, caption, "", std::move(children));
}

MenuEntry separator() { return MenuEntry::separator(); }

ToolButtonEntry button(const char *name, const char *hint, const char *command)
{
    ToolButtonEntry e;
    e.objectName = name;
    e.hint = hint;
    e.command = command;
    return e;
}

// "Panel nástrojů" › "Panel nástrojů": one item per palette tab, then "Zobrazit" for the whole palette.
// The tab items come from the palette table so the menu and the tabs cannot disagree.
std::vector<MenuEntry> paletteViewItems()
{
    std::vector<MenuEntry> items;
    for (const PaletteTab &tab : paletteLayout())
        items.push_back(toggle(tab.viewItemName, tab.viewItemCaption, tab.viewCommand, true));
    items.push_back(separator());
    items.push_back(toggle("Zobrazit_vsePC", "Zobrazit", "Zobrazit_vsePCClick", true));
    return items;
}

} // namespace

const std::vector<MenuEntry> &mainMenuLayout()
{
    static const std::vector<MenuEntry> menus = {
        submenu("Soubor", "&Soubor", "Nabídka soubor", {
            item("Nove", "No&vý ...", "Ctrl+N", "Vytvoří nový soubor", "NoveClick"),
            item("Otevrit", "Ot&evřít ...", "Ctrl+O", "Otevře soubor", "OtevritClick"),
            // Filled while Velinor runs from the list of recent files (files/recent_files_menu.h).
            submenu("NaposledyOtevrene", "Naposle&dy otevřené", "Soubory naposledy otevřené nebo uložené", {}),
            item("Zavrit", "&Zavřít", "Ctrl+F4", "Zavře aktuální dokument", "ZavritClick"),
            item("Zavritvse", "Zavřít vše", "", "Zavře všechny otevřené soubory", "ZavritvseClick"),
            separator(),
            item("Ulozit", "&Uložit", "Ctrl+S", "Uloží otevřený soubor", "UlozitClick"),
            item("Ulozit_jako", "U&ložit jako ...", "F12", "Uloží otevřený soubor pod jiným jménem",
                 "Ulozit_jakoClick"),
            item("Ulozitvse", "Uložit vše", "Shift+Ctrl+S", "Uloží všechny změny v otevřených souborech",
                 "UlozitvseClick"),
            separator(),
            item("Tisk", "&Tisk", "Ctrl+P", "Vytiskne otevřený soubor", "TiskClick"),
            item("Nastaveni_tiskarny", "&Nastavení tiskárny ...", "Ctrl+T",
                 "Otevře dialog pro nastavení vlastnosti tisku", "Nastaveni_tiskarnyClick"),
            separator(),
            item("Konec", "Kone&c", "Alt+F4", "Ukončí porgram", "KonecClick"),
        }),

        submenu("Upravy", "Úpra&vy", "Nabídka úpravy", {
            item("Zpet", "&Zpět", "Ctrl+Z", "", "ZpetClick"),
            item("Vpred", "&Vpřed", "Shift+Ctrl+Z", "", "VpredClick"),
            separator(),
            item("Vyjmout", "V&yjmout", "Ctrl+X", "", "VyjmoutClick"),
            item("Kopirovat", "&Kopírovat", "Ctrl+C", "", "KopirovatClick"),
            item("Vlozit", "V&ložit", "Ctrl+V", "", "VlozitClick"),
            submenu("VlozitMenu", "Vloži&t čas/datum ...", {
                item("Cas", "Čas", "CasClick"),
                item("Datum", "Datum", "DatumClick"),
                item("Datum_Cas", "Datum/Čas", "Datum_CasClick"),
                item("Cas_Datum", "Čas/Datum", "Cas_DatumClick"),
                item("Datumposlednieditace", "Datum poslední editace", "DatumposlednieditaceClick"),
            }),
            separator(),
            submenu("Hledat1", "Hl&edat", {
                item("JdiNaRadek", "Jdi na řádek ...", "Alt+G", "", "JdiNaRadekClick"),
            }),
            separator(),
            item("Vybratvse", "V&ybrat vše", "Ctrl+A", "", "VybratvseClick"),
        }),

        submenu("Zobrazit", "&Zobrazit", "Nabídka zobrazit", {
            submenu("PanelNastroju", "Panel nástrojů", {
                submenu("Panel_nastroju", "Panel nástrojů", paletteViewItems()),
                toggle("Panel_barev", "Panel barev", "Panel_barevClick", true),
                toggle("Panel_zdroju", "Panel zdrojů", "Panel_zdrojuClick", true),
                toggle("Panelrychlevkladani", "Panel rychlé vkládání", "PanelrychlevkladaniClick", true),
                submenu("Zobrazovat_panel_zdroju", "Zobrazovat panel zdrojů", {
                    toggle("Vlevo_PanelZdroju", "Vlevo", "Vlevo_PanelZdrojuClick", false),
                    toggle("Vpravo_PanelZdroju", "Vpravo", "Vpravo_PanelZdrojuClick", true),
                }),
            }),
            separator(),
            documentToggle("CislaRadku", "Číslování řádků", "CislaRadkuClick", true),
            documentToggle("NetisknutelneZnaky", "Netisknutelné znaky", "NetisknutelneZnakyClick", false),
            documentToggle("Pravitko", "P&ravítko", "PravitkoClick", true),
            separator(),
        }),

        submenu("Format", "Fo&rmát", "Nabídka formát", {
            item("Pismo", "&Písmo ...", "PismoClick"),
            submenu("Stylpsma1", "Styl písma", {
                item("Tluste", "Tlusté", "TlusteClick"),
                item("Italicke", "Kurzíva", "ItalickeClick"),
            }),
            submenu("FormtovaniBloku", "Formátování bloku", {
                item("Zarovnatvlevo", "Zarovnat vlevo", "ToolButton_FastPaste_leftClick"),
                item("Zarovnatvpravo", "Zarovnat vpravo", "ToolButton_FastPaste_rightClick"),
                item("Zarovnatnastred", "Zarovnat nastřed", "ToolButton_FastPaste_centerClick"),
                item("Zarovnatdobloku", "Zarovnat do bloku", "ToolButton_FastPaste_justifyClick"),
            }),
        }),

        submenu("Nastroje", "Nás&troje", "Nabídka nástroje", {
            item("Prevodbarvy", "&Převod barvy", "PrevodbarvyClick"),
            item("Editacebarvy", "Editace &barvy", "EditacebarvyClick"),
            item("Vbrbarvy1", "&Výběr barvy ...", "Alt+C", "", "Vbrbarvy1Click"),
            item("Kapatko", "&Kapátko", "KapatkoClick"),
            item("Prevodcisla", "Převod čí&sla ...", "PrevodcislaClick"),
            separator(),
            item("Vypocet", "K&alkulačka", "",
                 "Kalkulačka - program využívá kalkulačky včleněné do systému", "VypocetClick"),
            separator(),
            item("Editorwebgalerie1", "Editor web - galerie", "Editorwebgalerie1Click"),
            item("EditorTabulky1", "&Editor Tabulky", "ToolButton_Tabulky_TABLESClick"),
            item("EditorCSSstyl1", "E&ditor CSS stylů ...", "EditorCSSstyl1Click"),
            item("ProhlizeniSchranky", "P&rohlížení schránky Windows", "ProhlizeniSchrankyClick"),
            separator(),
            submenu("Vnorenefunkce", "V&nořené funkce", {
                item("Pocitadlo", "Počítadlo", "PocitadloClick"),
                submenu("PHPfunkce", "PHP funkce", {
                    item("Galerie_Php", "Galerie přes PHP", "Galerie_PhpClick"),
                }),
                submenu("JavaScriptfunkce", "JavaScript", {
                    item("Ak_Cas", "Aktuální čas", "Ak_CasClick"),
                    item("Cas_na_strance", "Čas strávený na stránce", "Cas_na_stranceClick"),
                    item("stinovani_textu", "Stínování textu", "stinovani_textuClick"),
                }),
            }),
        }),

        submenu("HTML", "&HTML", "Nabídka HTML", {
            submenu("Vlozittag", "&Vložit tag", {
                item("BaseFont1", "BaseFont", "ToolButton_Text_BASEFONTClick"),
                item("Font", "Font", "Ctrl+F", "Volba fontu (Shift+Ctrl+F)", "FontClick"),
                item("Ukonendku1", "Ukončení řádku", "Ukonendku1Click"),
                item("Nadpis1", "Nadpis", "Nadpis1Click"),
                item("Obrazek", "Obrázek", "ToolButton_Multimedia_IMGClick"),
                item("Tabulka", "Tabulka", "Shift+Ctrl+T", "Základní struktůra tabulky", "TabulkaClick"),
                item("Odkaz1", "Odkaz", "ToolButton_Odkazy_AClick"),
                item("EMail", "E-Mail", "ToolButton_FastPaste_MailToClick"),
                item("Script", "Script", "ToolButton_Script_SCRIPTClick"),
                item("Style", "Style", "ToolButton_Styl_STYLEClick"),
                item("BGSound", "BGSound", "ToolButton_Multimedia_BGSOUNDClick"),
                item("Vodorovnacara", "Vodorovná čára", "Shift+Ctrl+H", "", "VodorovnacaraClick"),
                item("Odstavec", "Odstavec", "Ctrl+Return", "", "OdstavecClick"),
                item("DIV_", "DIV", "DIV_Click"),
                item("SPAN", "SPAN", "SPANClick"),
                item("NoBr", "NoBr", "NoBrClick"),
                item("WBR", "WBR", "WBRClick"),
                item("Banner1", "Banner", ""), // does nothing
                submenu("Seznamy", "Seznamy", {
                    item("Necislovanyseznam", "Nečíslovaný seznam", "NecislovanyseznamClick"),
                    item("cislovanyseznam", "Číslovaný seznam", "cislovanyseznamClick"),
                    item("Seznamdefinic", "Seznam definic", "SeznamdefinicClick"),
                }),
                submenu("Text", "Text", {
                    item("Tucny", "Tučný", "Ctrl+B", "", "TucnyClick"),
                    item("Kurziva", "Kurzíva", "Ctrl+I", "", "KurzivaClick"),
                    item("Podtrzeny", "Podtržený", "Ctrl+U", "", "PodtrzenyClick"),
                    item("Preskrtnuty", "Přeškrtnutý", "PreskrtnutyClick"),
                    item("Acronym", "Acronym", "AcronymClick"),
                    item("Address", "Address", "AddressClick"),
                    item("BIG", "BIG", "BIGClick"),
                    item("Blink", "Blink", "BlinkClick"),
                    item("BlockQuote", "BlockQuote", "BlockQuoteClick"),
                    item("Cite", "Cite", "CiteClick"),
                    item("Code", "Code", "CodeClick"),
                    item("Em", "Em", "EmClick"),
                    item("Kbd", "Kbd", "KbdClick"),
                    item("Listing", "Listing", "ListingClick"),
                    item("Pre", "Pre", "PreClick"),
                    item("XMP", "XMP", "XMPClick"),
                    item("Samp", "Samp", "SampClick"),
                    item("Small", "Small", "SmallClick"),
                    item("Strong", "Strong", "StrongClick"),
                    item("SUB", "SUB", "SUBClick"),
                    item("SUP", "SUP", "SUPClick"),
                }),
                submenu("Formulare", "Formuláře", {
                    item("Vlozitformular", "Vložit formulář", "VlozitformularClick"),
                    item("Input", "Input", "InputClick"),
                    item("TextArea", "TextArea", "TextAreaClick"),
                }),
                submenu("Ramce", "Rámce", {
                    item("Frame", "Frame", "ToolButton_Ramce_FRAMEClick"),
                    item("Frameset", "Frameset", "ToolButton_Ramce_FRAMESETClick"),
                    item("IFrame", "IFrame", "ToolButton_Ramce_IFRAMEClick"),
                }),
            }),
            submenu("Specialniznaky", "Speciální znaky", {
                item("MensiNez", "menší než", "MensiNezClick"),
                item("VetsiNez", "větší než", "VetsiNezClick"),
                item("Ampersand", "Ampersand", "AmpersandClick"),
                item("Uvozovky", "\"", "UvozovkyClick"),
                item("Paragraph", "Paragraph", "ParagraphClick"),
                item("Copyright", "Copyright", "CopyrightClick"),
                item("Registered", "Registered", "RegisteredClick"),
                item("Trademark", "Trade mark", "TrademarkClick"),
                item("Space", "Space", "SpaceClick"),
            }),
            separator(),
            submenu("Definovanesablony", "Definované š&ablony", {
                item("Novdokument1", "Základní tagy", "Napoveda_k_taguClick"),
                item("SablonaHTML", "Šablona HTML", "SablonaHTMLClick"),
                item("SablonaXML", "Šablona XML", "SablonaXMLClick"),
            }),
            separator(),
            item("NahledHTMLstranky", "&Náhled HTML stránky", "Ctrl+F10", "", "NahledHTMLstrankyClick"),
        }),

        submenu("Nastaveni", "N&astavení", "Nabídka nastavení", {
            item("Nastavenprogramu1", "Nastavení programu ...", "Nastavenprogramu1Click"),
        }),

        // The program appends one entry per open document window after the separator.
        submenu("Okno", "&Okno", "Nabídka okno", {
            item("Kaskda", "&Kaskáda", "KaskdaClick"),
            item("Vedlesebe", "&Vedle sebe", "VedlesebeClick"),
            item("Podsebou", "&Pod sebou", "PodsebouClick"),
            item("Vyrovnat_ikony", "V&yrovnat ikony", "Vyrovnat_ikonyClick"),
            separator(),
        }),

        submenu("Napoveda", "&Nápověda", "Nabídka nápověda", {
            item("Napovedakprostredi", "Nápověda k prostředí", "NapovedakprostrediClick"),
            item("Napoveda_k_tagu", "Nápověda k tagu", "Ctrl+F1", "", "Napoveda_k_taguClick"),
            separator(),
            item("Oprogramu", "O programu ...", "OprogramuClick"),
        }),
    };
    return menus;
}

const std::vector<ToolButtonEntry> &standardToolbarLayout()
{
    // A hint ending in "|" has an empty long part, so the hint panel is cleared over the button;
    // the preview button alone shows its hint in the panel too.
    static const std::vector<ToolButtonEntry> buttons = {
        button("New_Menu", "Nový HTML soubor|", "NewClick"),
        button("Save_", "Uložit otevřený soubor|", "UlozitClick"),
        button("Open", "Otevřít soubor|", "OpenClick"),
        button("Zavrit_Menu", "Zavřít aktuální soubor|", "ZavritClick"),
        ToolButtonEntry::divider(),
        button("Zpet_Menu", "O krok zpět|", "ZpetClick"),
        button("Vpred_Menu", "O krok vpřed|", "VpredClick"),
        button("Vyjmout_Menu", "Vyjmout|", "VyjmoutClick"),
        button("Kopirovat_Menu", "Kopírovat|", "KopirovatClick"),
        button("Vlozit_Menu", "Vložit|", "VlozitClick"),
        button("JdiNaRadek_Menu", "Jdi na řádek|", "JdiNaRadekClick"),
        button("Tisk_Menu", "Vytisknout aktuální dokument|", "TiskClick"),
        ToolButtonEntry::divider(),
        button("Cas_Menu", "Vložit aktuální čas|", "CasClick"),
        button("Nahled_Menu", "Náhled HTML stránky", "NahledHTMLstrankyClick"),
        ToolButtonEntry::divider(),
        button("Soubory_Menu", "Zapnout/Vypnout panel souborů|", "Panel_zdrojuClick"),
        button("PanelNastroju_Menu", "Zapnout/Vypnout panel nástrojů|", ""), // does nothing
        button("FastPaste_Menu", "Zapnout/Vypnout panel rychlého vkládání|", "FastPaste_MenuClick"),
    };
    return buttons;
}

const std::vector<MenuEntry> &documentPopupLayout()
{
    // Every item but "&Smazat" and the language switch runs the main window's command of the same
    // meaning. The language items have no command: the document window connects them itself.
    static const std::vector<MenuEntry> items = {
        item("NahledHtmlStranky_PopUpMenu", "&Náhled HTML stránky", "NahledHTMLstrankyClick"),
        separator(),
        item("Ulozit_PopUpMenu", "&Uložit", "UlozitClick"),
        item("Zavrit_PopUpMenu", "Z&avřít", "ZavritClick"),
        separator(),
        item("Zpet_PopUpMenu", "&Zpět", "ZpetClick"),
        item("Vpred_PopUpMenu", "&Vpřed", "VpredClick"),
        item("Vyjmout_PopUpMenu", "V&yjmout", "VyjmoutClick"),
        item("Kopirovat_PopUpMenu", "&Kopírovat", "KopirovatClick"),
        item("Vlozit_PopUpMenu", "V&ložit", "VlozitClick"),
        item("Vybratvse_PopUpMenu", "V&ybrat vše", "VybratvseClick"),
        item("Smazat_PopUpMenu", "&Smazat", "Smazat_PopUpMenuClick"),
        separator(),
        submenu("Zmenasyntaxe_PopUpMenu", "Změ&na syntaxe", {
            toggle("Syntaxe_HTML", "HTML", "Syntaxe_HTMLClick", true),
            toggle("Syntaxe_XHTML", "XHTML", "Syntaxe_XHTMLClick", false),
            toggle("Syntaxe_CSS", "CSS", "Syntaxe_CSSClick", false),
            toggle("Syntaxe_JavaScript", "JavaScript", "Syntaxe_JavaScriptClick", false),
            toggle("Syntaxe_PHP", "PHP", "Syntaxe_PHPClick", false),
            toggle("Syntaxe_SQL", "SQL", "Syntaxe_SQLClick", false),
            toggle("Syntaxe_XML", "XML", "Syntaxe_XMLClick", false),
        }),
        submenu("Vlozit__PopUpMenu", "Vložit ...", {
            submenu("CasDatum_PopUpMenu", "Čas&&Datum", {
                item("AktualniCas_PopUpMenu", "Aktuální čas", "CasClick"),
                item("AktualniDatum_PopUpMenu", "Aktuální datum", "DatumClick"),
            }),
            submenu("Specialniznaky_PopUpMenu", "Speciální znaky", {
                item("Copyright_PopUpMenu", "Copyright", "CopyrightClick"),
                item("Registered_PopUpMenu", "Registered", "RegisteredClick"),
                item("TradeMark_PopUpMenu", "TradeMark", "TrademarkClick"),
            }),
        }),
        item("Jdinardek_PopUpMenu", "&Jdi na řádek", "JdiNaRadekClick"),
        separator(),
        item("Napovedakprostredi_PopUpMenu", "&Nápověda k prostředí", "NapovedakprostrediClick"),
        item("Napovedaktagum_PopUpMenu", "Ná&pověda k tagům", "Napoveda_k_taguClick"),
    };
    return items;
}
