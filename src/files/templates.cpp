#include "files/templates.h"

#include <QStringList>

namespace {
QString joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\r'));
}
QString emptyText()
{
    return QString();
}
} // namespace

QStringList htmlPageLines(const QString &generator)
{
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("  <head>"),
        QStringLiteral("  <meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1250\">"),
        QStringLiteral("  <meta name=\"generator\" content=\"%1\">").arg(generator),
        QStringLiteral("  <title></title>"),
        QStringLiteral("  </head>"),
        QStringLiteral("  <body>"),
        QString(),
        QStringLiteral("  </body>"),
        QStringLiteral("</html>"),
    };
}

QString htmlTemplate()
{
    return joined(htmlPageLines(QStringLiteral("Velinor verze 1.0")));
}

QString xhtmlTemplate()
{
    return joined({
        QStringLiteral("<?xml version=\"1.0\"?>"),
        QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\""
                       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"),
        QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"cs\" lang=\"cs\">"),
        QStringLiteral("<head>"),
        QStringLiteral("  <title></title>"),
        QStringLiteral("  <meta content=\"all, follow\" name=\"robots\" />"),
        QStringLiteral("  <meta http-equiv=\"content-type\" content=\"text/html; charset=UTF8\" />"),
        QStringLiteral("  <meta name=\"generator\" content=\"Velinor verze 1.0\" />"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    });
}

QString cssTemplate() { return QStringLiteral("/* CSS Document */"); }
QString javaScriptTemplate() { return QStringLiteral("// JavaScript Document"); }
QString phpTemplate() { return QStringLiteral("<?php\r\r?>"); }
QString xmlTemplate() { return QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>"); }

const std::vector<NewDocumentKind> &newDocumentKinds()
{
    using L = DocumentLanguage;
    using P = TemplatePlacement;
    static const std::vector<NewDocumentKind> kinds = {
        {"CSS", P::Replace, cssTemplate, L::Css, L::Css, ".css"},
        {"HTML multihighlighter", P::Insert, htmlTemplate, std::nullopt, L::Html, ".html"},
        {"HTML document", P::Insert, htmlTemplate, L::Html, L::Html, ".html"},
        {"XHTML document", P::Insert, xhtmlTemplate, L::Html, L::Xhtml, ".html"},
        {"JavaScript", P::Replace, javaScriptTemplate, L::JavaScript, L::JavaScript, ".java"},
        {"PHP", P::Replace, phpTemplate, L::Php, L::Php, ".php"},
        {"SQL (MySQL)", P::Replace, emptyText, L::Sql, L::Sql, ".sql"},
        {"XML document", P::Replace, xmlTemplate, L::Xml, L::Xml, ".xml"},
    };
    return kinds;
}
