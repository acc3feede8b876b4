#include "commands/dialog_commands.h"

#include "commands/font_form.h"
#include "commands/small_element_dialogs.h"
#include "dialogs/element_dialogs.h"

void registerFontAndSmallDialogs(CommandRegistry &registry)
{
    registerDialogOpeners(registry, {
        {"FontClick", &openElementDialog<TFontForm>},
        {"ToolButton_Text_BASEFONTClick", &openElementDialog<TBasefontForm>},
        {"OdstavecClick", &openElementDialog<TP_Form>},
        {"ToolButton_Format_QClick", &openElementDialog<TQ_Form>},
        {"ToolButton_Formulare_LABELClick", &openElementDialog<TLabel_Form>},
        {"ToolButton_Formulare_OPTIONClick", &openElementDialog<TOption_Form>},
        {"ToolButton_Script_PARAMClick", &openElementDialog<TParam_Form>},
        {"ToolButton_Dalsi_METAClick", &openElementDialog<TMeta_Form>},
        {"ToolButton_Script_SCRIPTClick", &openElementDialog<TSCRIPT_Form>},
        {"VodorovnacaraClick", &openElementDialog<THr_Form>},
    });
}
