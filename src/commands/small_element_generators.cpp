#include "commands/small_element_generators.h"

#include "dialogs/attribute_text.h"

namespace {

QString name(const char *attribute)
{
    return QString::fromLatin1(attribute);
}

// "<tag attribute=\"value\"></tag>" with the attribute always written; caret between the tags.
Edit elementWithValue(const char *tag, const char *attribute, const QString &value)
{
    const QString end = QStringLiteral("</%1>").arg(name(tag));
    return Edit()
        .insert(QLatin1Char('<') + name(tag) + attributePiece(name(attribute), value) + QLatin1Char('>') + end)
        .left(int(end.size()));
}

} // namespace

Edit paragraphEdit(const ParagraphFields &f)
{
    QString text = QStringLiteral("<p") + optionalAttribute(name("align"), f.align)
                   + optionalAttribute(name("clear"), f.clear) + (f.noWrap ? QStringLiteral(" NoWrap") : QString())
                   + QLatin1Char('>');
    if (!f.endTag)
        return Edit().insert(text);
    return Edit().insert(text + QStringLiteral("</p>")).left(4);
}

Edit quotationEdit(const QString &cite)
{
    return elementWithValue("q", "cite", cite);
}

Edit formLabelEdit(const QString &text)
{
    return elementWithValue("label", "text", text);
}

Edit listOptionEdit(const QString &value)
{
    return elementWithValue("option", "value", value);
}

Edit objectParameterEdit(const QString &parameter, const QString &value)
{
    return Edit().insert(QStringLiteral("<param") + optionalAttribute(name("name"), parameter)
                         + optionalAttribute(name("value"), value) + QLatin1Char('>'));
}

Edit metaEdit(const MetaFields &f)
{
    return Edit().insert(QStringLiteral("<meta") + optionalAttribute(name("name"), f.name)
                         + optionalAttribute(name("content"), f.content)
                         + optionalAttribute(name("http-equiv"), f.httpEquiv) + QLatin1Char('>'));
}

Edit scriptEdit(const ScriptFields &f)
{
    const QString start = QStringLiteral("<script") + optionalAttribute(name("language"), f.language)
                          + optionalAttribute(name("title"), f.title) + optionalAttribute(name("event"), f.event)
                          + optionalAttribute(name("for"), f.forObject) + QLatin1Char('>');
    // Nine left from after "</script>" is column 1 of the last line; one up is the empty line.
    return Edit().insert(start + QStringLiteral("\r\r</script>")).left(9).up(1);
}

Edit horizontalRuleEdit(const HorizontalRuleFields &f)
{
    if (f.width.isEmpty() && f.size.isEmpty() && f.align.isEmpty())
        return Edit().insert(QStringLiteral("<hr >")).left(1);
    return Edit().insert(QStringLiteral("<hr") + optionalAttribute(name("width"), f.width)
                         + optionalAttribute(name("size"), f.size) + optionalAttribute(name("align"), f.align)
                         + gatedAttribute(f.colourShown, name("color"), colourText(f.colour))
                         + (f.shade ? QString() : QStringLiteral(" noshade")) + QLatin1Char('>'));
}
