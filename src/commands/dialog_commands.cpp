#include "commands/dialog_commands.h"

#include "app/command_registry.h"
#include "commands/font_form.h"
#include "commands/small_element_forms.h"

namespace {

template <typename Dialog>
void openFontDialog(const CommandContext &context)
{
    Dialog dialog(context.parent, context.documentSource());
    dialog.exec();
}

CommandRegistry::Handler smallOpener(const char *className)
{
    const SmallDialogRecord *record = smallDialogRecord(QString::fromLatin1(className));
    Q_ASSERT(record);
    return [record](const CommandContext &context) {
        SmallElementForm dialog(context.parent, context.documentSource(), *record);
        dialog.exec();
    };
}

} // namespace

void registerFontAndSmallDialogs(CommandRegistry &registry)
{
    const auto optional = CommandRegistry::Target::Optional;
    registry.add(QStringLiteral("FontClick"), optional, &openFontDialog<TFontForm>);
    registry.add(QStringLiteral("ToolButton_Text_BASEFONTClick"), optional, &openFontDialog<TBasefontForm>);
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
        registry.add(QString::fromLatin1(launcher.command), optional, smallOpener(launcher.dialog));
}
