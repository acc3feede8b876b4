#include "commands/font_generator.h"

#include "commands/tag_catalogue.h"
#include "dialogs/attribute_text.h"

namespace {

const QString kFontEnd = QStringLiteral("</font>");

void addStylePair(Edit &edit, bool ticked, const char *command)
{
    if (!ticked)
        return;
    if (const Edit *pair = directCommandEdit(QString::fromLatin1(command)))
        edit.append(*pair);
}

} // namespace

Edit baseFontEdit(const FontFields &f)
{
    const QString start = QStringLiteral("<font") + optionalAttribute(QStringLiteral("face"), f.face)
                          + optionalAttribute(QStringLiteral("size"), f.size)
                          + optionalAttribute(QStringLiteral("title"), f.title)
                          + gatedAttribute(f.colourShown, QStringLiteral("color"), colourText(f.colour)) + QLatin1Char('>');
    return Edit().insert(start + kFontEnd).left(int(kFontEnd.size()));
}

Edit fontEdit(const FontFields &fields)
{
    // The same operations as the palette's strike-through and the menu's underline, italic, bold.
    Edit edit;
    addStylePair(edit, fields.strikeOut, "ToolButton_Text_SClick");
    addStylePair(edit, fields.underline, "PodtrzenyClick");
    addStylePair(edit, fields.italic, "KurzivaClick");
    addStylePair(edit, fields.bold, "TucnyClick");
    return edit.append(baseFontEdit(fields));
}
