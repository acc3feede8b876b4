#include "dialogs/http_link_generator.h"

#include "dialogs/attribute_text.h"

Edit httpLinkEdit(const HttpLinkFields &f)
{
    QString text = QStringLiteral("<a");
    text += optionalAttribute(QStringLiteral("href"), f.address);
    text += optionalAttribute(QStringLiteral("target"), f.target);
    text += optionalAttribute(QStringLiteral("accesskey"), f.accessKey);
    text += optionalAttribute(QStringLiteral("title"), f.title);
    text += QStringLiteral("></a>");
    return Edit().insert(text).left(4);
}
