#include "css/style_commands.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "css/css_form.h"
#include "css/css_style_generator.h"
#include "editor/edit.h"
#include "editor/syntax_edit.h"

#include <QLineEdit>

namespace {

// The palette's edits live as long as the main window, so their texts last for the whole run.
QString paletteEditText(const TMainForm &mainForm, const QString &objectName)
{
    const auto *edit = mainForm.findChild<QLineEdit *>(objectName);
    return edit ? edit->text() : QString();
}

void ToolButton_Styl_OwnCSSClick(TMainForm &mainForm)
{
    SyntaxEdit *editor = mainForm.ActiveEditor();
    if (!editor)
        return;
    const QString rule = emptyStyleRule(paletteEditText(mainForm, QStringLiteral("Css_stylEdit")),
                                        paletteEditText(mainForm, QStringLiteral("Css_IDEdit")));
    apply(Edit().insert(rule), *editor);
}

void EditorCSSstyl1Click(TMainForm &mainForm)
{
    TCSS_Form editor(mainForm);
    editor.exec();
}

} // namespace

void registerStyleCommands(TMainForm &mainForm, CommandRegistry &registry)
{
    TMainForm *form = &mainForm;
    registry.add(QStringLiteral("ToolButton_Styl_OwnCSSClick"), [form] { ToolButton_Styl_OwnCSSClick(*form); });
    registry.add(QStringLiteral("EditorCSSstyl1Click"), [form] { EditorCSSstyl1Click(*form); });
}
