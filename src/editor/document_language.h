#pragma once

#include "editor/highlighter_kinds.h"

#include <QString>

// The languages a document window can be switched to, with the highlighter each uses and the
// text of the main window's language panel.
enum class DocumentLanguage { Html, Xhtml, Css, JavaScript, Php, Sql, Xml };
constexpr int kDocumentLanguageCount = 7;

Highlighter highlighterOf(DocumentLanguage language);
// The language a highlighter colours (HTML for the HTML highlighter, which XHTML shares).
DocumentLanguage plainLanguageOf(Highlighter highlighter);
QString languagePanelText(DocumentLanguage language); // "HTML dokument", "XHTML dokument", "Css", ...
QString languageMenuCaption(DocumentLanguage language); // "HTML", "XHTML", "CSS", ...
