#pragma once

#include <QString>
#include <vector>

// How Velinor tells a file's kind from its path: each rule searches the whole path (folders too)
// for its strings, with exact letter case. Rules are tried in order; several may match.
enum class FileKind { Html, Css, JavaScript, Php, Sql, Xml };

struct KindRule
{
    FileKind kind;
    std::vector<const char *> strings;
};

const std::vector<KindRule> &kindRules();

// The kinds of every rule that matches the path, in rule order.
std::vector<FileKind> matchingKinds(const QString &path);
