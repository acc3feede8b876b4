#include "app/icon_names.h"

#include <QHash>

namespace {

struct IconName
{
    const char *objectName;
    const char *iconName;
};

// Grouped as the controls are: standard toolbar, menus, document pop-up menu, quick-insert bar.
// Buttons of one toolbar never share a picture.
const IconName kIconNames[] = {
    // Standard toolbar
    {"New_Menu", "document-new"},
    {"Save_", "document-save"},
    {"Open", "document-open"},
    {"Zavrit_Menu", "document-close"},
    {"Zpet_Menu", "edit-undo"},
    {"Vpred_Menu", "edit-redo"},
    {"Vyjmout_Menu", "edit-cut"},
    {"Kopirovat_Menu", "edit-copy"},
    {"Vlozit_Menu", "edit-paste"},
    {"JdiNaRadek_Menu", "go-jump"},
    {"Tisk_Menu", "document-print"},
    {"Cas_Menu", "chronometer"},
    {"Nahled_Menu", "document-preview"},
    {"Soubory_Menu", "view-right-new"},
    {"PanelNastroju_Menu", "configure-toolbars"},
    {"FastPaste_Menu", "view-left-new"},

    // "&Soubor"
    {"Nove", "document-new"},
    {"Otevrit", "document-open"},
    {"Zavrit", "document-close"},
    {"Zavritvse", "window-close"},
    {"Ulozit", "document-save"},
    {"Ulozit_jako", "document-save-as"},
    {"Ulozitvse", "document-save-all"},
    {"Tisk", "document-print"},
    {"Nastaveni_tiskarny", "preferences-devices-printer"},
    {"Konec", "application-exit"},
    // "Úpra&vy"
    {"Zpet", "edit-undo"},
    {"Vpred", "edit-redo"},
    {"Vyjmout", "edit-cut"},
    {"Kopirovat", "edit-copy"},
    {"Vlozit", "edit-paste"},
    {"VlozitMenu", "view-calendar-day"},
    {"Cas", "chronometer"},
    {"Datum", "view-calendar-day"},
    {"Hledat1", "edit-find"},
    {"JdiNaRadek", "go-jump"},
    {"Vybratvse", "edit-select-all"},
    // "Fo&rmát"
    {"Pismo", "preferences-desktop-font"},
    {"Tluste", "format-text-bold"},
    {"Italicke", "format-text-italic"},
    {"Zarovnatvlevo", "format-justify-left"},
    {"Zarovnatvpravo", "format-justify-right"},
    {"Zarovnatnastred", "format-justify-center"},
    {"Zarovnatdobloku", "format-justify-fill"},
    // "Nás&troje"
    {"Prevodbarvy", "color-management"},
    {"Editacebarvy", "color-picker-white"},
    {"Vbrbarvy1", "color-picker"},
    {"Kapatko", "color-picker-grey"},
    {"Vypocet", "accessories-calculator"},
    {"Editorwebgalerie1", "image-x-generic"},
    {"EditorTabulky1", "insert-table"},
    {"EditorCSSstyl1", "text-css"},
    {"ProhlizeniSchranky", "klipper"},
    // "&HTML"
    {"Obrazek", "insert-image"},
    {"Tabulka", "insert-table"},
    {"Odkaz1", "insert-link"},
    {"EMail", "mail-message-new"},
    {"Vodorovnacara", "insert-horizontal-rule"},
    {"Necislovanyseznam", "format-list-unordered"},
    {"cislovanyseznam", "format-list-ordered"},
    {"Tucny", "format-text-bold"},
    {"Kurziva", "format-text-italic"},
    {"Podtrzeny", "format-text-underline"},
    {"Preskrtnuty", "format-text-strikethrough"},
    {"SUB", "format-text-subscript"},
    {"SUP", "format-text-superscript"},
    {"SablonaHTML", "text-html"},
    {"SablonaXML", "text-xml"},
    {"NahledHTMLstranky", "document-preview"},
    // "N&astavení"
    {"Nastavenprogramu1", "configure"},
    // "&Okno"
    {"Kaskda", "window-duplicate"},
    {"Vedlesebe", "view-split-left-right"},
    {"Podsebou", "view-split-top-bottom"},
    {"Vyrovnat_ikony", "view-list-icons"},
    // "&Nápověda"
    {"Napovedakprostredi", "help-contents"},
    {"Napoveda_k_tagu", "help-contextual"},
    {"Oprogramu", "help-about"},

    // Pop-up menu of a document window
    {"NahledHtmlStranky_PopUpMenu", "document-preview"},
    {"Ulozit_PopUpMenu", "document-save"},
    {"Zavrit_PopUpMenu", "document-close"},
    {"Zpet_PopUpMenu", "edit-undo"},
    {"Vpred_PopUpMenu", "edit-redo"},
    {"Vyjmout_PopUpMenu", "edit-cut"},
    {"Kopirovat_PopUpMenu", "edit-copy"},
    {"Vlozit_PopUpMenu", "edit-paste"},
    {"Vybratvse_PopUpMenu", "edit-select-all"},
    {"Smazat_PopUpMenu", "edit-delete"},
    {"Zmenasyntaxe_PopUpMenu", "text-x-script"},
    {"Vlozit__PopUpMenu", "insert-text"},
    {"CasDatum_PopUpMenu", "view-calendar-day"},
    {"AktualniCas_PopUpMenu", "chronometer"},
    {"AktualniDatum_PopUpMenu", "view-calendar-day"},
    {"Jdinardek_PopUpMenu", "go-jump"},
    {"Napovedakprostredi_PopUpMenu", "help-contents"},
    {"Napovedaktagum_PopUpMenu", "help-contextual"},

    // Quick-insert bar: the buttons that show a picture instead of a caption
    {"ToolButton_FastPaste_justify", "format-justify-fill"},
    {"ToolButton_FastPaste_right", "format-justify-right"},
    {"ToolButton_FastPaste_center", "format-justify-center"},
    {"ToolButton_FastPaste_left", "format-justify-left"},
    {"ToolButton_FastPaste_browser", "document-preview"},
};

} // namespace

QString iconNameOf(const QString &objectName)
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        for (const IconName &entry : kIconNames)
            table.insert(QString::fromLatin1(entry.objectName), QString::fromLatin1(entry.iconName));
        return table;
    }();
    return names.value(objectName);
}
