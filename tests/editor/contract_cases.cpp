#include "contract_cases.h"

namespace {
QString u(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

std::vector<ContractCase> contractCases()
{
    using Sel = std::pair<TextPosition, TextPosition>;
    const QString longLine(2000, QLatin1Char('w'));
    return {
        {"selection replaced", {"abc"}, {1, 4}, Sel{{1, 1}, {1, 4}}, Edit().insert("<p>"), {"<p>"}, {1, 4}},
        {"selection made backwards", {"xabcx"}, {1, 2}, Sel{{1, 5}, {1, 2}}, Edit().insert("<p>"), {"x<p>x"}, {1, 5}},
        {"selection over lines", {"abc", "def", "ghi"}, {1, 1}, Sel{{1, 2}, {3, 2}}, Edit().insert("X"), {"aXhi"}, {1, 3}},
        {"empty text deletes the selection", {"abc", "def"}, {1, 1}, Sel{{1, 3}, {2, 2}}, Edit().insert(""), {"abef"}, {1, 3}},
        {"line break in the middle", {"XY"}, {1, 2}, std::nullopt, Edit().insert("a\rb"), {"Xa", "bY"}, {2, 2}},
        {"CR, LF and CRLF split", {""}, {1, 1}, std::nullopt, Edit().insert("1\r\n2\n3\r4"), {"1", "2", "3", "4"}, {4, 2}},
        {"empty pieces", {"ab"}, {1, 2}, std::nullopt, Edit().insert("\r\r"), {"a", "", "b"}, {3, 1}},
        {"NUL ends the text", {""}, {1, 1}, std::nullopt, Edit().insert(QString::fromUtf16(u"ab\0cd", 5)), {"ab"}, {1, 3}},
        {"padding beyond the end", {"abc"}, {1, 10}, std::nullopt, Edit().insert("X"), {"abc      X"}, {1, 11}},
        {"padding then a break", {"ab"}, {1, 5}, std::nullopt, Edit().insert("x\ry"), {"ab  x", "y"}, {2, 2}},
        {"a space beyond the end", {"abc"}, {1, 10}, std::nullopt, Edit().insert(" "), {"abc"}, {1, 4}},
        {"trailing spaces of every line", {""}, {1, 1}, std::nullopt, Edit().insert("A  \rB  "), {"A", "B"}, {2, 2}},
        {"spaces at the end of a line", {"ab"}, {1, 3}, std::nullopt, Edit().insert("X  "), {"abX"}, {1, 4}},
        {"rest of the line trimmed too", {"a  "}, {1, 1}, std::nullopt, Edit().insert("Y"), {"Ya"}, {1, 2}},
        {"tabs are kept", {"x"}, {1, 1}, std::nullopt, Edit().insert("\t<"), {"\t<x"}, {1, 3}},
        {"Czech letters count one", {u("čřž")}, {1, 3}, std::nullopt, Edit().insert("X"), {u("čřXž")}, {1, 4}},
        {"a character outside the BMP counts one", {u("😀a")}, {1, 2}, std::nullopt, Edit().insert("X"), {u("😀Xa")}, {1, 3}},
        {"into a document without lines", {}, {1, 1}, std::nullopt, Edit().insert("a"), {"a"}, {1, 2}, QStringList{""}},
        {"tag pair, then 4 left", {""}, {1, 1}, std::nullopt, Edit().insert("<b></b>").left(4), {"<b></b>"}, {1, 4}},
        {"list, then up into virtual space", {""}, {1, 1}, std::nullopt, Edit().insert("<ul>\r<li>\r</ul>").up(1),
         {"<ul>", "<li>", "</ul>"}, {2, 6}},
        {"typing after a move into virtual space", {""}, {1, 1}, std::nullopt,
         Edit().insert("<ul>\r<li>\r</ul>").up(1).insert("x"), {"<ul>", "<li> x", "</ul>"}, {2, 7}},
        {"column below 1 clamps", {"abc"}, {1, 3}, std::nullopt, Edit().left(10), {"abc"}, {1, 1}},
        {"line beyond the last clamps", {"a", "b"}, {1, 1}, std::nullopt, Edit().up(-10), {"a", "b"}, {2, 1}},
        {"line below 1 clamps", {"a", "b"}, {2, 1}, std::nullopt, Edit().up(5), {"a", "b"}, {1, 1}},
        {"column clamps to the line width", {"abc"}, {1, 1}, std::nullopt, Edit().left(-5000), {"abc"}, {1, 1024}},
        {"a longer line widens the range", {""}, {1, 1}, std::nullopt, Edit().insert(longLine).left(-5000), {longLine}, {1, 2001}},
        {"several insertions, one undo step", {"<body>"}, {1, 7}, std::nullopt,
         Edit().insert("\r<table>").insert("\r<tr>").insert("\r</table>").up(1),
         {"<body>", "<table>", "<tr>", "</table>"}, {3, 9}},
    };
}
