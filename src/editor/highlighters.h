#pragma once

#include "base/colour.h"
#include "editor/highlighter_kinds.h"

#include <QFont>
#include <QString>
#include <optional>

class QObject;
class QsciLexer;

QsciLexer *createHighlighter(Highlighter highlighter, QObject *parent);

// Gives every style of the highlighter the font (keeping the styles that are bold).
void applyHighlighterFont(QsciLexer *lexer, Highlighter highlighter, const QFont &font);

// Background and foreground of one HTML token class; nothing = the highlighter's own colour.
void setHtmlTokenColours(QsciLexer *htmlLexer, HtmlTokenClass tokenClass,
                         const std::optional<Rgb> &background, const std::optional<Rgb> &foreground);
