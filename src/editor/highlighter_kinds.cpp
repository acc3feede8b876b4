#include "editor/highlighter_kinds.h"

QString htmlTokenClassName(HtmlTokenClass tokenClass)
{
    static const char *const names[kHtmlTokenClassCount] = {
        "AndAttri", "ASPAttri", "CommentAttri", "IdentifierAttri", "KeyAttri",
        "SpaceAttri", "SymbolAttri", "TextAttri", "UndefKeyAttri", "ValueAttri"};
    return QString::fromLatin1(names[int(tokenClass)]);
}
