#include "commands/dialog_commands.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "commands/font_form.h"
#include "commands/small_element_forms.h"
#include "editor/syntax_edit.h"

namespace {

DocumentSource activeDocumentOf(TMainForm &mainForm)
{
    return [&mainForm]() -> TextDocument * { return mainForm.ActiveEditor(); };
}

template <typename Dialog>
CommandRegistry::Handler fontOpener(TMainForm &mainForm)
{
    return [&mainForm] {
        Dialog dialog(&mainForm, activeDocumentOf(mainForm));
        dialog.exec();
    };
}

CommandRegistry::Handler smallOpener(TMainForm &mainForm, const char *className)
{
    const SmallDialogRecord *record = smallDialogRecord(QString::fromLatin1(className));
    Q_ASSERT(record);
    return [&mainForm, record] {
        SmallElementForm dialog(&mainForm, activeDocumentOf(mainForm), *record);
        dialog.exec();
    };
}

} // namespace

void registerFontAndSmallDialogs(TMainForm &mainForm, CommandRegistry &registry)
{
    registry.add(QStringLiteral("FontClick"), fontOpener<TFontForm>(mainForm));
    registry.add(QStringLiteral("ToolButton_Text_BASEFONTClick"), fontOpener<TBasefontForm>(mainForm));
    const struct
    {
        const char *command;
        const char *dialog;
    } launchers[] = {
        {"OdstavecClick", "TP_Form"},
        {"ToolButton_Format_QClick", "TQ_Form"},
        {"ToolButton_Formulare_LABELClick", "TLabel_Form"},
        {"ToolButton_Formulare_OPTIONClick", "TOption_Form"},
        {"ToolButton_Script_PARAMClick", "TParam_Form"},
        {"ToolButton_Dalsi_METAClick", "TMeta_Form"},
        {"ToolButton_Script_SCRIPTClick", "TSCRIPT_Form"},
        {"VodorovnacaraClick", "THr_Form"},
    };
    for (const auto &launcher : launchers)
        registry.add(QString::fromLatin1(launcher.command), smallOpener(mainForm, launcher.dialog));
}
