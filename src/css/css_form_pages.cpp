#include "css/css_form_pages.h"

namespace {

using F = CssStyleFields;
using Kind = CssControl::Kind;

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

CssControl combo(const char *name, const char *label, const char *hint, QStringList items, QString F::*member)
{
    CssControl c;
    c.name = name;
    c.label = u(label);
    c.hint = u(hint);
    c.items = std::move(items);
    c.text = member;
    return c;
}

CssControl length(const char *name, const char *label, QStringList items, CssLength F::*member, const char *unitsName)
{
    CssControl c;
    c.kind = Kind::Length;
    c.name = name;
    c.label = u(label);
    c.items = std::move(items);
    c.length = member;
    c.unitsName = unitsName;
    return c;
}

CssControl withHints(CssControl c, const char *hint, const char *unitsLabel = nullptr, const char *unitsHint = nullptr)
{
    c.hint = u(hint);
    if (unitsLabel)
        c.unitsLabel = u(unitsLabel);
    if (unitsHint)
        c.unitsHint = u(unitsHint);
    return c;
}

CssControl picture(const char *name, const char *label, const char *hint, QString F::*member, const char *button)
{
    CssControl c = combo(name, label, hint, {}, member);
    c.kind = Kind::Picture;
    c.partnerName = button;
    return c;
}

CssControl colour(const char *box, const char *caption, const char *hint, CssColour F::*member, const char *swatch)
{
    CssControl c;
    c.kind = Kind::Colour;
    c.name = box;
    c.label = u(caption);
    c.hint = u(hint);
    c.colour = member;
    c.partnerName = swatch;
    return c;
}

CssControl inGroup(CssControl c, const char *group)
{
    c.group = u(group);
    return c;
}

const char *const kColourHint = "Při zaškrtnutí můžete vybrat barvu";

std::vector<CssPage> buildPages()
{
    const QStringList normal{"normal"};
    const QStringList widths{"thin", "medium", "thick", "auto"};
    const QStringList sides{"left", "right", "none"};
    const QStringList pageBreaks{"auto", "always", "left", "right"};
    CssControl decorations;
    decorations.kind = Kind::Decorations;
    decorations.name = "GroupBox_Dekorace";
    decorations.label = u("  Dekorace  ");
    CssControl indent = length("E_Odsazeni", "&Odsazení:", {}, &F::textIndent, "CB_JednotkyOdsazeni");
    indent.plainEdit = true;

    return {
        {"TabSheet_Pismo", u("&Písmo"), {
            combo("CB_font", "Font:", "", {}, &F::fontFamily), // filled with the installed fonts
            withHints(length("CB_Velikost", "&Velikost:", {"9", "10", "12", "14", "16", "18", "24", "36", "72",
                                                             "xx-small", "x-small", "small", "medium", "large", "x-large",
                                                             "xx-large", "smaller", "larger"},
                             &F::fontSize, "CB_JednotkyVelikosti"),
                      "Velikost písma", "&Jednotky:", "Jednotky velikosti písma"),
            combo("CB_Tloustka", "&Tloušťka:", "Tloušťka písma", {"normal", "bold", "bolder", "lighter", "100", "200",
                                                                   "300", "400", "500", "600", "700", "800", "900"},
                  &F::fontWeight),
            combo("CB_Styl", "&Styl:", "Styl", {"normal", "italic", "oblique"}, &F::fontStyle),
            withHints(length("CB_TloustkaCary", "T&loušťka čáry:", normal, &F::lineHeight, "CB_JednotkyTloustkyCary"),
                      "Tloušťka čáry", "Je&dnotky:", "Jednotky tloušťky čáry"),
            combo("CB_Varianta", "&Varianta:", "Varianta", {"normal", "small-caps"}, &F::fontVariant),
            combo("CB_Case", "&Case:", "Case", {"capitalize", "uppercase", "lowercase", "none"}, &F::textTransform),
            colour("ChB_Barva_Pismo", "Barva", "Při zaškrtnutí můžete vybrat barvu písma", &F::fontColour, "Shape_Barva_Pismo"),
            decorations,
        }},
        {"TabSheet_Pozadi", u("Po&zadí"), {
            colour("ChB_Barva_Pozadi", "Barva", kColourHint, &F::backgroundColour, "S_Barva_Pozadi"),
            picture("E_Obrazek", "&Obrázek pozadí:", "Cesta k obrázku", &F::backgroundImage, "B_NajitObrazek"),
            combo("CB_Opakovani", "O&pakování:", "Opakování", {"no-repeat", "repeat", "repeat-x", "repeat-y"},
                  &F::backgroundRepeat),
            combo("CB_Prichyceni", "&Přichycení:", "Přichycení", {"fixed", "scroll"}, &F::backgroundAttachment),
            withHints(length("CB_VodPozice", "&Vodorovná pozice:", {"left", "center", "right"}, &F::horizontalPosition,
                             "CB_JednotkyVod"), "Vodorovná pozice"),
            withHints(length("CB_SvisPozice", "&Svislá pozice:", {"top", "center", "bottom"}, &F::verticalPosition,
                             "CB_JednotkySvis"), "Svislá pozice"),
        }},
        {"TabSheet_Blok", u("&Blok"), {
            length("CB_MezerySlova", "&Mezery mezi slovy:", normal, &F::wordSpacing, "CB_JednotkyMezerySlova"),
            length("CB_MezeryPismena", "&Mezery mezi písmeny:", normal, &F::letterSpacing, "CB_JednotkyMezeryPismena"),
            length("CB_SvisleZarovnani", "&Svislé zarovnání:", {"baseline", "sub", "super", "top", "text-top", "middle",
                                                                  "bottom", "text-bottom"},
                   &F::verticalAlign, "CB_JednotkySvisleZarovnani"),
            combo("CB_Zarovnani", "&Zarovnání:", "", {"left", "center", "right", "justify"}, &F::textAlign),
            indent,
            combo("CB_Chovani", "&Chování:", "", {"normal", "pre", "nowrap"}, &F::whiteSpace),
        }},
        {"TabSheet_Box", u("B&ox"), {
            length("CB_Sirka", "Šířka:", normal, &F::width, "CB_JednotkySirka"),
            length("CB_Vyska", "Výška:", normal, &F::height, "CB_JednotkyVyska"),
            length("CB_MezeraZleva", "Mezera zleva:", normal, &F::paddingLeft, "CB_JednotkyMezeraZleva"),
            length("CB_MezeraZprava", "Mezera zprava:", normal, &F::paddingRight, "CB_JednotkyMezeraZprava"),
            length("CB_MezeraShora", "Mezera shora:", normal, &F::paddingTop, "CB_JednotkyMezeraShora"),
            length("CB_MezeraZdola", "Mezera zdola:", normal, &F::paddingBottom, "CB_JednotkyMezeraZdola"),
            length("CB_LevyOkraj", "Levý okraj:", normal, &F::marginLeft, "CB_JednotkyLevyOkraj"),
            length("CB_PravyOkraj", "Pravý okraj:", normal, &F::marginRight, "CB_JednotkyPravyOkraj"),
            length("CB_HorniOkraj", "Horní okraj:", normal, &F::marginTop, "CB_JednotkyHorniOkraj"),
            length("CB_DolniOkraj", "Dolní okraj:", normal, &F::marginBottom, "CB_JednotkyDolniOkraj"),
            combo("CB_Obtekani", "Obtékání:", "", sides, &F::floatSide),
            combo("CB_Clear", "Clear:", "", sides, &F::clearSide),
        }},
        {"TabSheet3", u("&Okraj"), {
            length("CB_Levy", "Levý:", widths, &F::borderLeft, "CB_JednotkyLevy"),
            colour("ChB_Levy", "Barva", kColourHint, &F::borderLeftColour, "Shape_Levy"),
            length("CB_Pravy", "Pravý:", widths, &F::borderRight, "CB_JednotkyPravy"),
            colour("ChB_Pravy", "Barva", kColourHint, &F::borderRightColour, "Shape_Pravy"),
            length("CB_Horni", "Horní:", widths, &F::borderTop, "CB_JednotkyHorni"),
            colour("ChB_Horni", "Barva", kColourHint, &F::borderTopColour, "Shape_Horni"),
            length("CB_Dolni", "Dolní:", widths, &F::borderBottom, "CB_JednotkyDolni"),
            colour("ChB_Dolni", "Barva", kColourHint, &F::borderBottomColour, "Shape_Dolni"),
            combo("CB_Styl_Okraj", "Styl:", "", {"none", "dotted", "dashed", "solid", "double", "groove", "ridge",
                                                 "inset", "outset"},
                  &F::borderStyle),
        }},
        {"TabSheet_List", u("&List"), {
            combo("CB_Typ", "Typ:", "", {"disc", "circle", "square", "decimal", "lower-roman", "upper-roman",
                                         "lower-alpha", "upper-alpha", "none"},
                  &F::listType),
            combo("CB_Pozice", "Pozice:", "", {"inside", "outside"}, &F::listPosition),
            picture("E_ObrazekList", "Obrázek:", "", &F::listImage, "Button_NajitObrazekList"),
        }},
        {"TabSheet_Rozsireni", u("&Rozšíření"), {
            inGroup(combo("CB_Pred", "Před:", "", pageBreaks, &F::pageBreakBefore), "  Page break  "),
            inGroup(combo("CB_Za", "Za:", "", pageBreaks, &F::pageBreakAfter), "  Page break  "),
            inGroup(combo("CB_Cursor", "Kurzor:", "", {"hand", "crosshair", "text", "wait", "default", "help", "e-resize",
                                                      "ne-resize", "n-resize", "nw-resize", "w-resize", "sw-resize",
                                                      "s-resize", "se-resize", "auto"},
                          &F::cursor), "  Vyzuální efekty  "),
            inGroup(combo("CB_Filtr", "Filtr:", "", {
                "Alpha(Opacity=?, FinishOpacity=?, Style=?, StartX=?, StartY=?, FinishX=?, FinishY=?)",
                "BlendTrans(Duration=?)", "Blur(Add=?, Direction=?, Strength=?)", "Chroma(Color=?)",
                "DropShadow(Color=?, OffX=?, OffY=?, Positive=?)", "FlipH", "FlipV", "Glow(Color=?, Strength=?)", "Gray",
                "Invert", "Light", "Mask(Color=?)", "RevealTrans(Duration=?, Transition=?)", "Shadow(Color=?, Direction=?)",
                "Wave(Add=?, Freq=?, LightStrength=?, Phase=?, Strength=?)", "Xray"}, &F::filter), "  Vyzuální efekty  "),
        }},
        {"TabSheet_ScrollBar", u("&ScrollBar"), {
            colour("ChB_Face", "Face:", kColourHint, &F::scrollFace, "Shape_Face"),
            colour("ChB_Highlight", "Highlight:", kColourHint, &F::scrollHighlight, "Shape_Highlight"),
            colour("ChB_Shadow", "Shadow:", kColourHint, &F::scrollShadow, "Shape_Shadow"),
            colour("ChB_3Dlight", "3Dlight:", kColourHint, &F::scroll3dLight, "Shape_3Dlight"),
            colour("ChB_Darkshadow", "Darkshadow:", kColourHint, &F::scrollDarkShadow, "Shape_Darkshadow"),
            colour("ChB_Track", "Track:", kColourHint, &F::scrollTrack, "Shape_Track"),
            colour("ChB_Arrow", "Arrow:", kColourHint, &F::scrollArrow, "Shape_Arrow"),
        }},
    };
}

} // namespace

const std::vector<CssPage> &cssEditorPages()
{
    static const std::vector<CssPage> pages = buildPages();
    return pages;
}

QStringList cssUnits()
{
    return {"px", "pt", "in", "cm", "mm", "pc", "em", "ex", "%"};
}
