#include "dialogs/element_dialogs.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "dialogs/css_link_form.h"
#include "dialogs/email_form.h"
#include "dialogs/form_dialogs.h"
#include "dialogs/form_http_odkaz.h"
#include "dialogs/frame_dialogs.h"
#include "dialogs/img_form.h"
#include "dialogs/list_counter_dialogs.h"
#include "dialogs/multimedia_dialogs.h"
#include "dialogs/table_form.h"
#include "editor/syntax_edit.h"

namespace {

template <typename Dialog>
CommandRegistry::Handler opener(TMainForm &mainForm)
{
    return [&mainForm] {
        Dialog dialog(&mainForm, [&mainForm]() -> TextDocument * { return mainForm.ActiveEditor(); });
        dialog.exec();
    };
}

} // namespace

void registerElementDialogs(TMainForm &mainForm, CommandRegistry &registry)
{
    registry.add(QStringLiteral("ToolButton_Tabulky_TABLESClick"), opener<TTable_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Multimedia_IMGClick"), opener<TIMG_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Odkazy_AClick"), opener<TFormHTTPOdkaz>(mainForm));
    registry.add(QStringLiteral("ToolButton_FastPaste_MailToClick"), opener<TEMail_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Styl_LINKClick"), opener<TCSS_LinkForm>(mainForm));
    registry.add(QStringLiteral("ToolButton_Formulare_FORMClick"), opener<TForm_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Formulare_INPUTClick"), opener<TElForm_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Formulare_SELECTClick"), opener<TSelect_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Formulare_TEXAREAClick"), opener<TTextarea_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Ramce_FRAMESETClick"), opener<TFrame_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Ramce_FRAMEClick"), opener<TDefFrame_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Ramce_IFRAMEClick"), opener<TIFRAME_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Multimedia_MARQUEEClick"), opener<TMARQUEE_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Multimedia_EMBEDClick"), opener<TEMBED_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Multimedia_BGSOUNDClick"), opener<TSound_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Multimedia_VIDEOClick"), opener<TVideo_Form>(mainForm));
    registry.add(QStringLiteral("ToolButton_Seznamy_SEZNAMClick"), opener<TSeznamyForm>(mainForm));
    registry.add(QStringLiteral("PocitadloClick"), opener<TPocitadlo_Form>(mainForm));
}
