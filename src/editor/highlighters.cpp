#include "editor/highlighters.h"

#include "base/qt_colour.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexersql.h>
#include <Qsci/qscilexerxml.h>

#include <QApplication>
#include <QPalette>

#include <vector>

namespace {

// PHP source without surrounding HTML: the HTML lexer in its PHP-only mode.
class PhpLexer : public QsciLexerHTML
{
public:
    using QsciLexerHTML::QsciLexerHTML;
    const char *language() const override { return "PHP"; }
    const char *lexer() const override { return "phpscript"; }
};

// Fixed colours of the palette and of a classic desktop theme.
const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kAppWorkspace(0x80, 0x80, 0x80);
const QColor kActiveCaptionGradient(0xB9, 0xD1, 0xEA);
const QColor kInactiveCaptionText(0x43, 0x4E, 0x54);

QColor themeColour(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
{
    return QApplication::palette().color(group, role);
}

std::vector<int> boldStyles(Highlighter highlighter)
{
    switch (highlighter) {
    case Highlighter::Css:
        return {QsciLexerCSS::Tag, QsciLexerCSS::ClassSelector, QsciLexerCSS::IDSelector,
                QsciLexerCSS::PseudoClass, QsciLexerCSS::DoubleQuotedString,
                QsciLexerCSS::SingleQuotedString, QsciLexerCSS::Operator};
    case Highlighter::JavaScript:
        return {QsciLexerJavaScript::Keyword};
    default:
        return {};
    }
}

void configureCss(QsciLexerCSS *css)
{
    css->setColor(themeColour(QPalette::Dark), QsciLexerCSS::Comment);
    for (int style : {QsciLexerCSS::Tag, QsciLexerCSS::ClassSelector, QsciLexerCSS::IDSelector,
                      QsciLexerCSS::PseudoClass, QsciLexerCSS::PseudoElement})
        css->setColor(Qt::black, style);
    for (int style : {QsciLexerCSS::CSS1Property, QsciLexerCSS::CSS2Property, QsciLexerCSS::CSS3Property})
        css->setColor(Qt::blue, style);
    css->setColor(kPurple, QsciLexerCSS::Value);
    css->setColor(kMoneyGreen, QsciLexerCSS::Default);
    for (int style : {QsciLexerCSS::DoubleQuotedString, QsciLexerCSS::SingleQuotedString, QsciLexerCSS::Operator})
        css->setColor(kNavy, style);
}

void configureJavaScript(QsciLexerJavaScript *js)
{
    for (int style : {QsciLexerJavaScript::Comment, QsciLexerJavaScript::CommentLine, QsciLexerJavaScript::CommentDoc,
                      QsciLexerJavaScript::CommentLineDoc})
        js->setColor(themeColour(QPalette::Text, QPalette::Disabled), style);
    js->setColor(Qt::red, QsciLexerJavaScript::KeywordSet2);
    js->setColor(kNavy, QsciLexerJavaScript::Number);
    for (int style : {QsciLexerJavaScript::DoubleQuotedString, QsciLexerJavaScript::SingleQuotedString,
                      QsciLexerJavaScript::UnclosedString})
        js->setColor(kMaroon, style);
    js->setColor(kAppWorkspace, QsciLexerJavaScript::Operator);
}

void configurePhp(QsciLexerHTML *php)
{
    for (int style : {QsciLexerHTML::PHPComment, QsciLexerHTML::PHPCommentLine})
        php->setPaper(themeColour(QPalette::ToolTipBase), style);
    php->setColor(kActiveCaptionGradient.darker(250), QsciLexerHTML::PHPDefault);
    php->setColor(Qt::blue, QsciLexerHTML::PHPKeyword);
    php->setColor(Qt::blue, QsciLexerHTML::PHPNumber);
    php->setColor(Qt::blue, QsciLexerHTML::PHPVariable);
    php->setColor(Qt::blue, QsciLexerHTML::PHPDoubleQuotedVariable);
    php->setColor(kGreen, QsciLexerHTML::PHPDoubleQuotedString);
    php->setColor(kGreen, QsciLexerHTML::PHPSingleQuotedString);
    php->setColor(kMaroon, QsciLexerHTML::PHPOperator);
    php->setColor(kInactiveCaptionText, QsciLexerHTML::PHPStart);
}

// Style numbers of the HTML lexer that make up each token class.
std::vector<int> htmlStyles(HtmlTokenClass tokenClass)
{
    switch (tokenClass) {
    case HtmlTokenClass::And: return {QsciLexerHTML::Entity};
    case HtmlTokenClass::Asp: {
        std::vector<int> styles{QsciLexerHTML::ASPAtStart, QsciLexerHTML::ASPStart};
        for (int s = QsciLexerHTML::ASPJavaScriptStart; s <= QsciLexerHTML::ASPJavaScriptRegex; ++s)
            styles.push_back(s);
        for (int s = QsciLexerHTML::ASPVBScriptStart; s <= QsciLexerHTML::ASPVBScriptUnclosedString; ++s)
            styles.push_back(s);
        return styles;
    }
    case HtmlTokenClass::Comment: return {QsciLexerHTML::HTMLComment};
    case HtmlTokenClass::Identifier: return {QsciLexerHTML::Attribute, QsciLexerHTML::UnknownAttribute};
    case HtmlTokenClass::Key: return {QsciLexerHTML::Tag};
    // The lexer does not tell white space from text between tags: both are its default style,
    // so the text colours (set after the space colours) win there.
    case HtmlTokenClass::Space: return {QsciLexerHTML::Default};
    case HtmlTokenClass::Symbol: return {QsciLexerHTML::OtherInTag, QsciLexerHTML::XMLTagEnd};
    case HtmlTokenClass::Text: return {QsciLexerHTML::Default};
    case HtmlTokenClass::UndefKey: return {QsciLexerHTML::UnknownTag};
    case HtmlTokenClass::Value:
        return {QsciLexerHTML::HTMLDoubleQuotedString, QsciLexerHTML::HTMLSingleQuotedString,
                QsciLexerHTML::HTMLValue, QsciLexerHTML::HTMLNumber};
    }
    return {};
}

} // namespace

QsciLexer *createHighlighter(Highlighter highlighter, QObject *parent)
{
    switch (highlighter) {
    case Highlighter::Html:
        return new QsciLexerHTML(parent);
    case Highlighter::Css: {
        auto *css = new QsciLexerCSS(parent);
        configureCss(css);
        return css;
    }
    case Highlighter::JavaScript: {
        auto *js = new QsciLexerJavaScript(parent);
        configureJavaScript(js);
        return js;
    }
    case Highlighter::Php: {
        auto *php = new PhpLexer(parent);
        configurePhp(php);
        return php;
    }
    case Highlighter::Sql:
        return new QsciLexerSQL(parent);
    case Highlighter::Xml:
        return new QsciLexerXML(parent);
    }
    return nullptr;
}

void applyHighlighterFont(QsciLexer *lexer, Highlighter highlighter, const QFont &font)
{
    lexer->setDefaultFont(font);
    lexer->setFont(font, -1);
    QFont bold = font;
    bold.setBold(true);
    for (int style : boldStyles(highlighter))
        lexer->setFont(bold, style);
}

void setHtmlTokenColours(QsciLexer *htmlLexer, HtmlTokenClass tokenClass,
                         const std::optional<Rgb> &background, const std::optional<Rgb> &foreground)
{
    // "None" shows the editor's own colours (the lexer's overall default, black on white), not the
    // colour the lexer would give this style by itself.
    for (int style : htmlStyles(tokenClass)) {
        htmlLexer->setPaper(background ? toQColor(*background) : htmlLexer->defaultPaper(), style);
        htmlLexer->setColor(foreground ? toQColor(*foreground) : htmlLexer->defaultColor(),
                            style);
    }
}
