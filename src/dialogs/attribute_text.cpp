#include "dialogs/attribute_text.h"

QString attributePiece(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

QString optionalAttribute(const QString &name, const QString &value)
{
    return value.isEmpty() ? QString() : attributePiece(name, value);
}

QString gatedAttribute(bool ticked, const QString &name, const QString &value)
{
    return ticked ? optionalAttribute(name, value) : QString();
}

QString tickedAttribute(bool ticked, const QString &name, const QString &value)
{
    return ticked ? attributePiece(name, value) : QString();
}

Edit containerEdit(const QString &startTagOpen, const QString &tagName)
{
    const QString endTag = QStringLiteral("</") + tagName + QLatin1Char('>');
    return Edit()
        .insert(startTagOpen + QStringLiteral(">\r\r") + endTag)
        .left(int(endTag.size()))
        .up(1);
}

QStringList memoLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
