#include "app/startup_document.h"

#include "files/templates.h"

QStringList startupDocumentLines()
{
    // The start-up page names the program without the word "verze" the templates use.
    return htmlPageLines(QStringLiteral("Velinor 1.0"));
}
