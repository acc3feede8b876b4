#include "commands/tag_catalogue.h"

namespace {

// Generated text breaks lines with a single carriage return; the editor splits lines at it.
const QString kBreak = QStringLiteral("\r");

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// An element with nothing inside: "<name></name>", the caret between the tags.
Edit pair(const char *name)
{
    const QString close = QStringLiteral("</%1>").arg(utf8(name));
    return Edit().insert(QStringLiteral("<%1>").arg(utf8(name)) + close).left(int(close.size()));
}

// A text inserted as it is, the caret after it.
Edit text(const char *inserted)
{
    return Edit().insert(utf8(inserted));
}

// A block aligned by a div, the caret at the start of the empty line inside it.
Edit alignedBlock(const char *value)
{
    return Edit()
        .insert(QStringLiteral("<div align = %1>").arg(utf8(value)))
        .insert(kBreak + kBreak)
        .insert(QStringLiteral("</div>"))
        .left(6)
        .up(1);
}

// A list whose first item sits on its own line, the caret at the end of that line.
Edit listWithFirstItem(const char *list, const char *item)
{
    return Edit()
        .insert(QStringLiteral("<%1>").arg(utf8(list)) + kBreak + utf8(item) + kBreak + QStringLiteral("</%1>").arg(utf8(list)))
        .up(1)
        .left(1);
}

Edit heading(int level)
{
    return Edit().insert(QStringLiteral("<h%1></h%1>").arg(level)).left(5);
}

std::vector<DirectCommand> buildCatalogue()
{
    const Edit table = Edit().insert(QStringLiteral("<table>") + kBreak + kBreak).insert(QStringLiteral("</table>")).left(8).up(1);

    return {
        // Menu "HTML" > "Vložit tag"
        {"Ukonendku1Click", Edit().insert(QStringLiteral("<br>") + kBreak)},
        {"Nadpis1Click", Edit().insert(QStringLiteral("<h></h>")).left(6)},
        {"TabulkaClick", table},
        {"DIV_Click", pair("div")},
        {"SPANClick", pair("span")},
        {"NoBrClick", pair("nobr")},
        {"WBRClick", text("<wbr>")},
        // ... > "Seznamy", "Formuláře"
        {"NecislovanyseznamClick", listWithFirstItem("ul", "<li>")},
        {"cislovanyseznamClick", listWithFirstItem("ol", "<li>")},
        {"SeznamdefinicClick", listWithFirstItem("dl", "<dt><dd>")},
        {"VlozitformularClick", pair("form")},
        {"InputClick", Edit().insert(QStringLiteral("<input>")).left(1)},
        {"TextAreaClick", Edit().insert(QStringLiteral("<textarea>")).left(1)},
        // ... > "Text"
        {"TucnyClick", pair("b")},
        {"KurzivaClick", pair("i")},
        {"PodtrzenyClick", pair("u")},
        {"PreskrtnutyClick", pair("strike")},
        {"AcronymClick", pair("acronym")},
        {"AddressClick", pair("address")},
        {"BIGClick", pair("big")},
        {"BlinkClick", pair("blink")},
        {"BlockQuoteClick", pair("blockquote")},
        {"CiteClick", pair("cite")},
        {"CodeClick", pair("code")},
        {"EmClick", pair("em")},
        {"KbdClick", pair("kbd")},
        {"ListingClick", pair("listing")},
        {"PreClick", pair("pre")},
        {"XMPClick", pair("xmp")},
        {"SampClick", pair("samp")},
        {"SmallClick", pair("small")},
        {"StrongClick", pair("strong")},
        {"SUBClick", pair("sub")},
        {"SUPClick", pair("sup")},
        // Menu "HTML" > "Speciální znaky"
        {"MensiNezClick", text("&lt;")},
        {"VetsiNezClick", text("&gt;")},
        {"AmpersandClick", text("&amp;")},
        {"UvozovkyClick", text("&quot;")},
        {"ParagraphClick", text("&sect;")},
        {"CopyrightClick", text("&copy;")},
        {"RegisteredClick", text("&reg;")},
        {"TrademarkClick", text("&#153;")},
        {"SpaceClick", text("&nbsp;")},
        // Menu "Formát" > "Styl písma"
        {"TlusteClick", Edit().insert(QStringLiteral("<b><font></font></b>")).left(11)},
        {"ItalickeClick", Edit().insert(QStringLiteral("<i><font></font></i>")).left(11)},
        // Menu "Úpravy" > "Vložit čas/datum ..." > "Datum poslední editace"
        {"DatumposlednieditaceClick", Edit()
                                          .insert(QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"))
                                          .insert(QStringLiteral("document.write(document.lastModified)"))
                                          .insert(QStringLiteral("</SCRIPT>"))},
        // Palette "Text" and its drop-down "Hn"
        {"ToolButton_Text_SClick", pair("s")},
        {"ToolButton_Text_TTClick", pair("tt")},
        {"PopupMenu_H1Click", heading(1)},
        {"PopupMenu_H2Click", heading(2)},
        {"PopupMenu_H3Click", heading(3)},
        {"PopupMenu_H4Click", heading(4)},
        {"PopupMenu_H5Click", heading(5)},
        {"PopupMenu_H6Click", heading(6)},
        // Palette "Formát" and its drop-down "BR"
        {"ToolButton_Format_BLOCKQUOTEClick", pair("blockquote")},
        {"ToolButton_Format_PREClick", pair("pre")},
        {"ToolButton_Format_CODEClick", pair("code")},
        {"ToolButton_Format_CENTERClick", pair("center")},
        {"ToolButton_Format_CITEClick", pair("cite")},
        {"ToolButton_Format_ACRONYMClick", Edit().insert(QStringLiteral("<acronym title=\"\"></acronym>")).left(12)},
        {"clear_leftClick", text("<br clear=left>")},
        {"clear_rightClick", text("<br clear=right>")},
        {"clear_allClick", text("<br clear=all>")},
        // Palette "Styl" (the menu item "Style" runs its STYLE)
        {"ToolButton_Styl_SPANClick", Edit().insert(QStringLiteral("<span style=\"\"></span>")).left(9)},
        {"ToolButton_Styl_STYLEClick", Edit()
                                           .insert(QStringLiteral("<style type=\"text/css\">") + kBreak + kBreak)
                                           .insert(QStringLiteral("</style>"))
                                           .left(8)
                                           .up(1)},
        // Palette "Seznamy"
        {"ToolButton_Seznamy_DLClick", pair("dl")},
        {"ToolButton_Seznamy_OLClick", pair("ol")},
        {"ToolButton_Seznamy_ULClick",
         Edit().insert(QStringLiteral("<ul>") + kBreak + kBreak + QStringLiteral("</ul>")).up(1).left(5)},
        {"ToolButton_Seznamy_DTClick", pair("dt")},
        {"ToolButton_Seznamy_DDClick", pair("dd")},
        {"ToolButton_Seznamy_LIClick", pair("li")},
        {"ToolButton_Seznamy_DIRClick", pair("dir")},
        {"ToolButton_Seznamy_MENUClick", pair("menu")},
        // Palette "Tabulky" (its "TABLE" runs TabulkaClick)
        {"ToolButton_Tabulky_TRClick",
         Edit().insert(QStringLiteral("  <tr>") + kBreak + kBreak).insert(QStringLiteral("  </tr>")).left(3).up(1)},
        {"ToolButton_Tabulky_TDClick", pair("td")},
        {"ToolButton_Tabulky_THClick", pair("th")},
        {"ToolButton_Tabulky_TRTDClick", Edit()
                                             .insert(QStringLiteral("  <tr>") + kBreak)
                                             .insert(QStringLiteral("    <td>") + kBreak + kBreak)
                                             .insert(QStringLiteral("    </td>") + kBreak)
                                             .insert(QStringLiteral("  </tr>"))
                                             .left(3)
                                             .up(2)},
        {"ToolButton_Tabulky_THEADClick", pair("thead")},
        {"ToolButton_Tabulky_TBODYClick", pair("tbody")},
        {"ToolButton_Tabulky_TFOOTClick", pair("tfoot")},
        {"ToolButton_Tabulky_CAPTIONClick", pair("caption")},
        // Palettes "Formuláře", "Rámce", "Script", "Další"
        {"ToolButton_Formulare_BUTTONClick", pair("button")},
        {"ToolButton_Ramce_NOFRAMESClick", pair("noframes")},
        {"ToolButton_Script_NOSCRIPTClick", pair("noscript")},
        {"ToolButton_Dalsi_LEGENDClick", pair("legend")},
        {"ToolButton_Dalsi_XMPClick", pair("xmp")},
        {"ToolButton_Dalsi_ADDRESSClick", pair("address")},
        // The quick-insert bar; its four alignment buttons are also the items of
        // "Formát" > "Formátování bloku".
        {"ToolButton_FastPaste_BRClick", text("<br/>")},
        {"ToolButton_FastPaste_PClick", text("<p>")},
        {"ToolButton_FastPaste_KomClick", Edit().insert(QStringLiteral("<!--  -->")).left(4)},
        {"ToolButton_FastPaste_SpaceClick", text("&nbsp;")},
        {"ToolButton_FastPaste_tagClick", Edit().insert(QStringLiteral("<>")).left(1)},
        {"ToolButton_FastPaste_tag_Click", Edit().insert(QStringLiteral("</>")).left(1)},
        {"ToolButton_FastPaste_ELClick", Edit().insert(QStringLiteral("<></>")).left(4)},
        {"ToolButton_FastPaste_justifyClick", alignedBlock("justify")},
        {"ToolButton_FastPaste_rightClick", alignedBlock("right")},
        {"ToolButton_FastPaste_centerClick", alignedBlock("center")},
        {"ToolButton_FastPaste_leftClick", alignedBlock("LEFT")},
        // The colour bar inserts colour names, not colour texts.
        {"TBItem_BlackClick", text("Black")},
        {"TBItem_MaroonClick", text("Maroon")},
        {"TBItem_GreenClick", text("Green")},
        {"TBItem_OliveClick", text("Olive")},
        {"TBItem_NavyClick", text("Navy")},
        {"TBItem_PurpleClick", text("Purple")},
        {"TBItem_TealClick", text("Teal")},
        {"TBItem_GrayClick", text("Gray")},
        {"TBItem_SilverClick", text("Silver")},
        {"TBItem_RedClick", text("Red")},
        {"TBItem_LimeClick", text("Lime")},
        {"TBItem_YellowClick", text("Yellow")},
        {"TBItem_BlueClick", text("Blue")},
        {"TBItem_FuchsiaClick", text("Fuchsia")},
        {"TBItem_AquaClick", text("Aqua")},
        {"TBItem_WhiteClick", text("White")},
    };
}

} // namespace

const std::vector<DirectCommand> &directCommandCatalogue()
{
    static const std::vector<DirectCommand> catalogue = buildCatalogue();
    return catalogue;
}

const Edit *directCommandEdit(const QString &command)
{
    for (const DirectCommand &entry : directCommandCatalogue())
        if (command == QLatin1String(entry.command))
            return &entry.edit;
    return nullptr;
}
