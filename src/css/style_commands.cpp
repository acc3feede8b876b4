#include "css/style_commands.h"

#include "core/command_registry.h"
#include "css/css_form.h"
#include "css/css_style_generator.h"
#include "editor/edit.h"
#include "editor/syntax_edit.h"

#include <QLineEdit>

namespace {

// The palette's edits live as long as the main window, so their texts last for the whole run.
QString paletteEditText(const CommandContext &context, const QString &objectName)
{
    const auto *edit = context.parent->window()->findChild<QLineEdit *>(objectName);
    return edit ? edit->text() : QString();
}

void ToolButton_Styl_OwnCSSClick(const CommandContext &context)
{
    const QString rule = emptyStyleRule(paletteEditText(context, QStringLiteral("Css_stylEdit")),
                                        paletteEditText(context, QStringLiteral("Css_IDEdit")));
    apply(Edit().insert(rule), *context.editor());
}

void EditorCSSstyl1Click(const CommandContext &context)
{
    TCSS_Form editor(context.parent, *context.documents);
    editor.exec();
}

} // namespace

void registerStyleCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("ToolButton_Styl_OwnCSSClick"), CommandRegistry::Target::Document,
                 &ToolButton_Styl_OwnCSSClick);
    registry.add(QStringLiteral("EditorCSSstyl1Click"), CommandRegistry::Target::Optional, &EditorCSSstyl1Click);
}
