#include "app/startup_document.h"

QStringList startupDocumentLines()
{
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("  <head>"),
        QStringLiteral("  <meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1250\">"),
        QStringLiteral("  <meta name=\"generator\" content=\"Velinor 1.0\">"),
        QStringLiteral("  <title></title>"),
        QStringLiteral("  </head>"),
        QStringLiteral("  <body>"),
        QString(),
        QStringLiteral("  </body>"),
        QStringLiteral("</html>"),
    };
}
