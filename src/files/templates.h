#pragma once

#include "editor/document_language.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The texts new documents start from. Lines are joined by a single carriage return; no template
// ends with a line break.
// The eleven lines of an empty HTML 4.01 Transitional page naming its generator.
QStringList htmlPageLines(const QString &generator);

QString htmlTemplate();   // HTML 4.01 Transitional, generator "Velinor verze 1.0"
QString xhtmlTemplate();  // XHTML 1.0 Strict
QString cssTemplate();
QString javaScriptTemplate();
QString phpTemplate();
QString xmlTemplate();

// How a template goes into a new window: its whole text set (no undo step, not modified, caret at
// the start), or inserted at the caret of an emptied window (one undo step, modified, caret after it).
enum class TemplatePlacement { Replace, Insert };

// One kind of the new-document dialog.
struct NewDocumentKind
{
    const char *listItem;
    TemplatePlacement placement;
    QString (*text)();
    std::optional<DocumentLanguage> highlighter; // nothing: the window keeps its initial one
    DocumentLanguage panel;                      // the language panel's text
    const char *extension;
};

const std::vector<NewDocumentKind> &newDocumentKinds();
