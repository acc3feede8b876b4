#include "files/kind_rules.h"

const std::vector<KindRule> &kindRules()
{
    static const std::vector<KindRule> rules = {
        {FileKind::Html, {".html", ".htm"}},
        {FileKind::Css, {".css"}},
        {FileKind::JavaScript, {".js"}},
        {FileKind::Php, {".php", ".php3", ".phtml", ".inc"}},
        {FileKind::Sql, {".sql"}},
        {FileKind::Xml, {".xml", ".xsd", ".xsl", ".xslt", ".dtd"}},
    };
    return rules;
}

std::vector<FileKind> matchingKinds(const QString &path)
{
    std::vector<FileKind> kinds;
    for (const KindRule &rule : kindRules())
        for (const char *needle : rule.strings)
            if (path.contains(QLatin1String(needle), Qt::CaseSensitive)) {
                kinds.push_back(rule.kind);
                break;
            }
    return kinds;
}
