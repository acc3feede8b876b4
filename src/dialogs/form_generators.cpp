#include "dialogs/form_generators.h"

#include "dialogs/attribute_text.h"

Edit formEdit(const FormFields &f)
{
    QString text = QStringLiteral("<form");
    text += optionalAttribute(QStringLiteral("name"), f.name);
    text += optionalAttribute(QStringLiteral("action"), f.action);
    text += optionalAttribute(QStringLiteral("method"), f.method);
    text += optionalAttribute(QStringLiteral("title"), f.title);
    text += optionalAttribute(QStringLiteral("target"), f.target);
    return containerEdit(text, QStringLiteral("form"));
}

Edit inputEdit(const InputFields &f)
{
    QString text = QStringLiteral("<input");
    text += optionalAttribute(QStringLiteral("type"), f.type);
    text += optionalAttribute(QStringLiteral("url"), f.source);
    text += optionalAttribute(QStringLiteral("alt"), f.altText);
    text += optionalAttribute(QStringLiteral("value"), f.value);
    text += optionalAttribute(QStringLiteral("title"), f.title);
    text += optionalAttribute(QStringLiteral("name"), f.name);
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += gatedAttribute(f.showTabIndex, QStringLiteral("tabindex"), f.tabIndex);
    text += gatedAttribute(f.showMaxLength, QStringLiteral("maxlength"), f.maxLength);
    text += gatedAttribute(f.showSize, QStringLiteral("size"), f.size);
    if (!f.active)
        text += QStringLiteral(" disable");
    if (f.readOnly)
        text += QStringLiteral(" readonly");
    text += QLatin1Char('>');
    return Edit().insert(text);
}

Edit selectEdit(const SelectFields &f)
{
    QString text = QStringLiteral("<select");
    text += optionalAttribute(QStringLiteral("name"), f.name);
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += gatedAttribute(f.showTabIndex, QStringLiteral("tabindex"), f.tabIndex);
    text += gatedAttribute(f.showSize, QStringLiteral("size"), f.size);
    if (!f.active)
        text += QStringLiteral(" disable");
    if (f.listBox)
        text += QStringLiteral(" multiple");
    return containerEdit(text, QStringLiteral("select"));
}

Edit textareaEdit(const TextareaFields &f)
{
    QString text = QStringLiteral("<textarea");
    text += optionalAttribute(QStringLiteral("name"), f.name);
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += gatedAttribute(f.showColumns, QStringLiteral("cols"), f.columns);
    text += gatedAttribute(f.showRows, QStringLiteral("rows"), f.rows);
    text += gatedAttribute(f.showTabIndex, QStringLiteral("tabindex"), f.tabIndex);
    if (f.readOnly)
        text += QStringLiteral(" readonly");
    return containerEdit(text, QStringLiteral("textarea"));
}
