#pragma once

#include <QString>

// The highlighters and the HTML token classes as plain values, without the editing component, so
// that pure tables (document languages, settings) can name them.

// The six highlighters a document window can colour its text with.
enum class Highlighter { Html, Css, JavaScript, Php, Sql, Xml };
constexpr int kHighlighterCount = 6;

// The token classes of the HTML highlighter whose colours the settings choose.
enum class HtmlTokenClass { And, Asp, Comment, Identifier, Key, Space, Symbol, Text, UndefKey, Value };
constexpr int kHtmlTokenClassCount = 10;

// "AndAttri", "ASPAttri", ...: the name the settings file uses for a token class.
QString htmlTokenClassName(HtmlTokenClass tokenClass);
