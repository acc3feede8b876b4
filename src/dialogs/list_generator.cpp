#include "dialogs/list_generator.h"

#include "dialogs/attribute_text.h"

Edit listEdit(const ListFields &f)
{
    const bool ordered = f.kind == ListFields::Kind::Ordered;
    const QString tag = ordered ? QStringLiteral("ol") : QStringLiteral("ul");
    QString start = QLatin1Char('<') + tag;
    start += optionalAttribute(QStringLiteral("type"), ordered ? f.orderedType : f.unorderedType);
    start += optionalAttribute(QStringLiteral("align"), f.alignment);
    if (ordered)
        start += optionalAttribute(QStringLiteral("start"), f.start);
    const QString endTag = QStringLiteral("</") + tag + QLatin1Char('>');
    return Edit().insert(start + QStringLiteral(">\r\r")).insert(endTag).up(1).left(int(endTag.size()));
}
