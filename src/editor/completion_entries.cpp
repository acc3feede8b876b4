#include "editor/completion_entries.h"

#include <iterator>

namespace {

// Pair: an opening and a closing entry sharing one meaning ("začátek: …", "konec: …").
// Single: a tag without a closing tag, shown with its plain meaning.
// Open / Close: one half of a pair, for the headings, whose openings all come before their closings.
enum class Kind { Pair, Single, Open, Close };

struct Row
{
    Kind kind;
    const char *tagName;
    const char *meaning; // UTF-8
    const char *openText;
    const char *closeText;
};

// In the list's order: sorted by tag name, the opening tag before the closing one.
const Row kRows[] = {
    {Kind::Pair, "!--", "komentář", "<!--", "-->"},
    {Kind::Pair, "a", "odkaz nebo záložka (kotva)", "<a >", "</a>"},
    {Kind::Pair, "abbrev", "zkratka", "<abbrev >", "</abbrev>"},
    {Kind::Single, "above", "znak nebo čára nad výrazem ve vzorci", "<above >", nullptr},
    {Kind::Pair, "acronym", "zkratkové slovo (akronym)", "<acronym >", "</acronym>"},
    {Kind::Pair, "address", "adresa a kontakt na autora", "<address >", "</address>"},
    {Kind::Pair, "applet", "applet v jazyce Java", "<applet >", "</applet>"},
    {Kind::Single, "area", "oblast klikací mapy", "<area >", nullptr},
    {Kind::Pair, "array", "matice ve vzorci", "<array >", "</array>"},
    {Kind::Single, "atop", "výraz nad výrazem bez zlomkové čáry", "<atop >", nullptr},
    {Kind::Pair, "au", "jméno autora", "<au >", "</au>"},
    {Kind::Pair, "b", "tlusté písmo", "<b >", "</b>"},
    {Kind::Pair, "banner", "pevný pruh stránky, který se neposouvá", "<banner >", "</banner>"},
    {Kind::Pair, "bar", "vodorovná čára nad výrazem ve vzorci", "<bar >", "</bar>"},
    {Kind::Single, "base", "základní adresa dokumentu", "<base >", nullptr},
    {Kind::Pair, "basefont", "základní písmo dokumentu", "<basefont >", "</basefont>"},
    {Kind::Pair, "below", "znak nebo čára pod výrazem ve vzorci", "<below >", "</below>"},
    {Kind::Single, "bgsound", "zvuk na pozadí stránky", "<bgsound >", nullptr},
    {Kind::Pair, "big", "větší písmo", "<big >", "</big>"},
    {Kind::Pair, "blink", "blikající text", "<blink >", "</blink>"},
    {Kind::Pair, "blockquote", "delší citace v samostatném bloku", "<blockquote >", "</blockquote>"},
    {Kind::Pair, "bq", "citace v samostatném bloku (krátký zápis)", "<bq >", "</bq>"},
    {Kind::Pair, "body", "tělo dokumentu", "<body >", "</body>"},
    {Kind::Single, "br", "zalomení řádku", "<br >", nullptr},
    {Kind::Pair, "caption", "nadpis tabulky", "<caption >", "</caption>"},
    {Kind::Pair, "center", "zarovnání na střed", "<center >", "</center>"},
    {Kind::Single, "choose", "kombinační číslo ve vzorci", "<choose >", nullptr},
    {Kind::Pair, "cite", "název citovaného díla", "<cite >", "</cite>"},
    {Kind::Pair, "code", "ukázka zdrojového kódu", "<code >", "</code>"},
    {Kind::Single, "col", "vlastnosti sloupce tabulky", "<col >", nullptr},
    {Kind::Pair, "colgroup", "skupina sloupců tabulky", "<colgroup >", "</colgroup>"},
    {Kind::Pair, "credit", "uvedení autora nebo zdroje obrázku či citace", "<credit >", "</credit>"},
    {Kind::Pair, "dd", "popis pojmu v seznamu definic", "<dd >", "</dd>"},
    {Kind::Pair, "ddot", "dvě tečky nad znakem ve vzorci", "<ddot >", "</ddot>"},
    {Kind::Pair, "del", "smazaný text", "<del >", "</del>"},
    {Kind::Pair, "dfn", "definovaný pojem", "<dfn >", "</dfn>"},
    {Kind::Pair, "dir", "seznam adresářů", "<dir >", "</dir>"},
    {Kind::Pair, "div", "oddíl dokumentu", "<div >", "</div>"},
    {Kind::Pair, "dl", "seznam definic", "<dl >", "</dl>"},
    {Kind::Pair, "dot", "tečka nad znakem ve vzorci", "<dot >", "</dot>"},
    {Kind::Pair, "dt", "pojem v seznamu definic", "<dt >", "</dt>"},
    {Kind::Pair, "em", "zdůrazněný text", "<em >", "</em>"},
    {Kind::Pair, "fig", "obrázek s popiskem", "<fig >", "</fig>"},
    {Kind::Pair, "fn", "poznámka pod čarou", "<fn >", "</fn>"},
    {Kind::Pair, "font", "typ, velikost a barva písma", "<font >", "</font>"},
    {Kind::Pair, "form", "formulář", "<form >", "</form>"},
    {Kind::Single, "frame", "rám v sadě rámů", "<frame >", nullptr},
    {Kind::Pair, "frameset", "sada rámů", "<frameset >", "</frameset>"},
    {Kind::Open, "h1", "nadpis 1. úrovně", "<h1>", nullptr},
    {Kind::Open, "h2", "nadpis 2. úrovně", "<h2>", nullptr},
    {Kind::Open, "h3", "nadpis 3. úrovně", "<h3>", nullptr},
    {Kind::Open, "h4", "nadpis 4. úrovně", "<h4>", nullptr},
    {Kind::Open, "h5", "nadpis 5. úrovně", "<h5>", nullptr},
    {Kind::Open, "h6", "nadpis 6. úrovně", "<h6>", nullptr},
    {Kind::Close, "h1", "nadpis 1. úrovně", nullptr, "</h1>"},
    {Kind::Close, "h2", "nadpis 2. úrovně", nullptr, "</h2>"},
    {Kind::Close, "h3", "nadpis 3. úrovně", nullptr, "</h3>"},
    {Kind::Close, "h4", "nadpis 4. úrovně", nullptr, "</h4>"},
    {Kind::Close, "h5", "nadpis 5. úrovně", nullptr, "</h5>"},
    {Kind::Close, "h6", "nadpis 6. úrovně", nullptr, "</h6>"},
    {Kind::Pair, "hat", "stříška nad znakem ve vzorci", "<hat >", "</hat>"},
    {Kind::Pair, "head", "hlavička dokumentu", "<head >", "</head>"},
    {Kind::Single, "hr", "vodorovná čára v textu", "<hr >", nullptr},
    {Kind::Pair, "html", "dokument HTML", "<html>", "</html>"},
    {Kind::Pair, "i", "kurzíva", "<i>", "</i>"},
    {Kind::Pair, "iframe", "plovoucí rám uvnitř stránky", "<iframe >", "</iframe>"},
    {Kind::Single, "img", "grafický objekt", "<img >", nullptr},
    {Kind::Single, "input", "vstupní pole", "<input >", nullptr},
    {Kind::Pair, "ins", "vložený text", "<ins >", "</ins>"},
    {Kind::Single, "isindex", "jednořádkové pole pro hledání", "<isindex >", nullptr},
    {Kind::Pair, "item", "prvek řádku matice ve vzorci", "<item >", "</item>"},
    {Kind::Pair, "kbd", "text psaný na klávesnici", "<kbd >", "</kbd>"},
    {Kind::Pair, "lang", "úsek textu v jiném jazyce", "<lang>", "</lang>"},
    {Kind::Pair, "lh", "nadpis seznamu", "<lh >", "</lh>"},
    {Kind::Pair, "li", "položka seznamu", "<li >", "</li>"},
    {Kind::Single, "link", "vazba na související dokument nebo styl", "<link >", nullptr},
    {Kind::Pair, "map", "klikací mapa obrázku", "<map >", "</map>"},
    {Kind::Pair, "marquee", "běžící text", "<marquee >", "</marquee>"},
    {Kind::Pair, "math", "matematický vzorec", "<math >", "</math>"},
    {Kind::Pair, "menu", "seznam položek nabídky", "<menu >", "</menu>"},
    {Kind::Single, "meta", "informace o dokumentu", "<meta >", nullptr},
    {Kind::Pair, "multicol", "text sázený do více sloupců", "<multicol >", "</multicol>"},
    {Kind::Pair, "nobr", "text bez zalomení řádku", "<nobr >", "</nobr>"},
    {Kind::Pair, "noframes", "obsah pro prohlížeče bez podpory rámů", "<noframes >", "</noframes>"},
    {Kind::Pair, "note", "poznámka nebo upozornění", "<note >", "</note>"},
    {Kind::Pair, "ol", "číslovaný seznam", "<ol >", "</ol>"},
    {Kind::Pair, "option", "položka výběrového seznamu", "<option >", "</option>"},
    {Kind::Single, "over", "zlomková čára mezi čitatelem a jmenovatelem", "<over >", nullptr},
    {Kind::Single, "overlay", "obrázek položený přes jiný obrázek", "<overlay>", nullptr},
    {Kind::Pair, "p", "odstavec", "<p>", "</p>"},
    {Kind::Single, "param", "parametr appletu nebo objektu", "<param >", nullptr},
    {Kind::Pair, "person", "jméno osoby", "<person>", "</person>"},
    {Kind::Pair, "pre", "předformátovaný text", "<pre >", "</pre>"},
    {Kind::Pair, "q", "krátká citace v řádku", "<q>", "</q>"},
    {Kind::Pair, "root", "odmocnina s odmocnitelem ve vzorci", "<root><of>", "</root>"},
    {Kind::Pair, "row", "řádek matice ve vzorci", "<row><item>", "</row>"},
    {Kind::Pair, "s", "přeškrtnutý text", "<s>", "</s>"},
    {Kind::Pair, "samp", "ukázka výstupu programu", "<samp>", "</samp>"},
    {Kind::Pair, "script", "skript", "<script >", "</script>"},
    {Kind::Pair, "select", "výběrový seznam", "<select >", "</select>"},
    {Kind::Pair, "small", "menší písmo", "<small>", "</small>"},
    {Kind::Pair, "strike", "přeškrtnuté písmo", "<strike>", "</strike>"},
    {Kind::Single, "spacer", "prázdné místo dané velikosti", "<spacer >", nullptr},
    {Kind::Pair, "sqrt", "druhá odmocnina ve vzorci", "<sqrt>", "</sqrt>"},
    {Kind::Pair, "strong", "silně zdůrazněný text", "<strong>", "</strong>"},
    {Kind::Pair, "style", "styly dokumentu", "<style >", "</style>"},
    {Kind::Pair, "sub", "dolní index", "<sub>", "</sub>"},
    {Kind::Pair, "sup", "horní index", "<sup>", "</sup>"},
    {Kind::Single, "tab", "tabulační zarážka", "<tab >", nullptr},
    {Kind::Pair, "table", "tabulka", "<table >", "</table>"},
    {Kind::Pair, "tbody", "tělo tabulky", "<tbody >", "</tbody>"},
    {Kind::Pair, "td", "buňka tabulky", "<td >", "</td>"},
    {Kind::Pair, "text", "obyčejný text ve vzorci", "<text>", "</text>"},
    {Kind::Pair, "textarea", "víceřádkové textové pole", "<textarea >", "</textarea>"},
    {Kind::Pair, "tfoot", "zápatí tabulky", "<tfoot >", "</tfoot>"},
    {Kind::Pair, "th", "buňka záhlaví tabulky", "<th >", "</th>"},
    {Kind::Pair, "thead", "záhlaví tabulky", "<thead >", "</thead>"},
    {Kind::Pair, "tilde", "vlnovka nad znakem ve vzorci", "<tilde>", "</tilde>"},
    {Kind::Pair, "title", "název dokumentu", "<title>", "</title>"},
    {Kind::Pair, "tr", "řádek tabulky", "<tr >", "</tr>"},
    {Kind::Pair, "tt", "neproporcionální písmo", "<tt>", "</tt>"},
    {Kind::Pair, "u", "podtržené písmo", "<u>", "</u>"},
    {Kind::Pair, "ul", "nečíslovaný seznam", "<ul >", "</ul>"},
    {Kind::Pair, "var", "proměnná", "<var>", "</var>"},
    {Kind::Pair, "vec", "šipka vektoru nad znakem ve vzorci", "<vec>", "</vec>"},
    {Kind::Single, "wbr", "možné místo zalomení řádku", "<wbr>", nullptr},
};

std::vector<CompletionEntry> buildEntries()
{
    const QString opening = QStringLiteral("začátek: ");
    const QString closing = QStringLiteral("konec: ");

    std::vector<CompletionEntry> entries;
    entries.reserve(2 * std::size(kRows));
    for (const Row &row : kRows) {
        const QString tagName = QString::fromUtf8(row.tagName);
        const QString meaning = QString::fromUtf8(row.meaning);
        switch (row.kind) {
        case Kind::Single:
            entries.push_back({meaning, tagName, QString::fromUtf8(row.openText)});
            break;
        case Kind::Open:
            entries.push_back({opening + meaning, tagName, QString::fromUtf8(row.openText)});
            break;
        case Kind::Close:
            entries.push_back({closing + meaning, tagName, QString::fromUtf8(row.closeText)});
            break;
        case Kind::Pair:
            entries.push_back({opening + meaning, tagName, QString::fromUtf8(row.openText)});
            entries.push_back({closing + meaning, tagName, QString::fromUtf8(row.closeText)});
            break;
        }
    }
    return entries;
}

} // namespace

const std::vector<CompletionEntry> &completionEntries()
{
    static const std::vector<CompletionEntry> entries = buildEntries();
    return entries;
}
