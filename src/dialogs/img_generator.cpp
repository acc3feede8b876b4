#include "dialogs/img_generator.h"

#include "dialogs/attribute_text.h"

Edit imgEdit(const ImgFields &f)
{
    QString text = QStringLiteral("<img");
    text += optionalAttribute(QStringLiteral("src"), f.path);
    text += gatedAttribute(f.showHeight, QStringLiteral("height"), f.height);
    text += gatedAttribute(f.showWidth, QStringLiteral("width"), f.width);
    text += gatedAttribute(f.showVspace, QStringLiteral("vspace"), f.vspace);
    text += gatedAttribute(f.showHspace, QStringLiteral("hspace"), f.hspace);
    text += gatedAttribute(f.showBorder, QStringLiteral("border"), f.border);
    // The alignment list is offered, so a choice from it is written.
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += optionalAttribute(QStringLiteral("alt"), f.altText);
    text += QLatin1Char('>');
    return Edit().insert(text);
}
