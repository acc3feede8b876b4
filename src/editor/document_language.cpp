#include "editor/document_language.h"

Highlighter highlighterOf(DocumentLanguage language)
{
    switch (language) {
    case DocumentLanguage::Html:
    case DocumentLanguage::Xhtml: return Highlighter::Html;
    case DocumentLanguage::Css: return Highlighter::Css;
    case DocumentLanguage::JavaScript: return Highlighter::JavaScript;
    case DocumentLanguage::Php: return Highlighter::Php;
    case DocumentLanguage::Sql: return Highlighter::Sql;
    case DocumentLanguage::Xml: return Highlighter::Xml;
    }
    return Highlighter::Html;
}

DocumentLanguage plainLanguageOf(Highlighter highlighter)
{
    switch (highlighter) {
    case Highlighter::Html: return DocumentLanguage::Html;
    case Highlighter::Css: return DocumentLanguage::Css;
    case Highlighter::JavaScript: return DocumentLanguage::JavaScript;
    case Highlighter::Php: return DocumentLanguage::Php;
    case Highlighter::Sql: return DocumentLanguage::Sql;
    case Highlighter::Xml: return DocumentLanguage::Xml;
    }
    return DocumentLanguage::Html;
}

QString languagePanelText(DocumentLanguage language)
{
    switch (language) {
    case DocumentLanguage::Html: return QStringLiteral("HTML dokument");
    case DocumentLanguage::Xhtml: return QStringLiteral("XHTML dokument");
    case DocumentLanguage::Css: return QStringLiteral("Css");
    case DocumentLanguage::JavaScript: return QStringLiteral("JavaScript");
    case DocumentLanguage::Php: return QStringLiteral("PHP");
    case DocumentLanguage::Sql: return QStringLiteral("SQL");
    case DocumentLanguage::Xml: return QStringLiteral("XML");
    }
    return {};
}

QString languageMenuCaption(DocumentLanguage language)
{
    switch (language) {
    case DocumentLanguage::Html: return QStringLiteral("HTML");
    case DocumentLanguage::Xhtml: return QStringLiteral("XHTML");
    case DocumentLanguage::Css: return QStringLiteral("CSS");
    case DocumentLanguage::JavaScript: return QStringLiteral("JavaScript");
    case DocumentLanguage::Php: return QStringLiteral("PHP");
    case DocumentLanguage::Sql: return QStringLiteral("SQL");
    case DocumentLanguage::Xml: return QStringLiteral("XML");
    }
    return {};
}
