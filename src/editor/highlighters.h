#pragma once

#include "base/colour.h"

#include <QFont>
#include <QString>
#include <optional>

class QObject;
class QsciLexer;

// The six highlighters a document window can colour its text with.
enum class Highlighter { Html, Css, JavaScript, Php, Sql, Xml };
constexpr int kHighlighterCount = 6;

// The token classes of the HTML highlighter whose colours the settings choose.
enum class HtmlTokenClass { And, Asp, Comment, Identifier, Key, Space, Symbol, Text, UndefKey, Value };
constexpr int kHtmlTokenClassCount = 10;

// "AndAttri", "ASPAttri", ...: the name the settings file uses for a token class.
QString htmlTokenClassName(HtmlTokenClass tokenClass);

QsciLexer *createHighlighter(Highlighter highlighter, QObject *parent);

// Gives every style of the highlighter the font (keeping the styles that are bold).
void applyHighlighterFont(QsciLexer *lexer, Highlighter highlighter, const QFont &font);

// Background and foreground of one HTML token class; nothing = the highlighter's own colour.
void setHtmlTokenColours(QsciLexer *htmlLexer, HtmlTokenClass tokenClass,
                         const std::optional<Rgb> &background, const std::optional<Rgb> &foreground);
