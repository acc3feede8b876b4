#include "dialogs/element_dialogs.h"

#include "app/command_registry.h"
#include "dialogs/css_link_form.h"
#include "dialogs/email_form.h"
#include "dialogs/form_dialogs.h"
#include "dialogs/form_http_odkaz.h"
#include "dialogs/frame_dialogs.h"
#include "dialogs/img_form.h"
#include "dialogs/list_counter_dialogs.h"
#include "dialogs/multimedia_dialogs.h"
#include "dialogs/table_form.h"

namespace {

template <typename Dialog>
void open(const CommandContext &context)
{
    Dialog dialog(context.parent, context.documentSource());
    dialog.exec();
}

} // namespace

void registerElementDialogs(CommandRegistry &registry)
{
    // One line per dialog: the command and the dialog it opens.
    const std::pair<const char *, CommandRegistry::Handler> dialogs[] = {
        {"ToolButton_Tabulky_TABLESClick", &open<TTable_Form>},
        {"ToolButton_Multimedia_IMGClick", &open<TIMG_Form>},
        {"ToolButton_Odkazy_AClick", &open<TFormHTTPOdkaz>},
        {"ToolButton_FastPaste_MailToClick", &open<TEMail_Form>},
        {"ToolButton_Styl_LINKClick", &open<TCSS_LinkForm>},
        {"ToolButton_Formulare_FORMClick", &open<TForm_Form>},
        {"ToolButton_Formulare_INPUTClick", &open<TElForm_Form>},
        {"ToolButton_Formulare_SELECTClick", &open<TSelect_Form>},
        {"ToolButton_Formulare_TEXAREAClick", &open<TTextarea_Form>},
        {"ToolButton_Ramce_FRAMESETClick", &open<TFrame_Form>},
        {"ToolButton_Ramce_FRAMEClick", &open<TDefFrame_Form>},
        {"ToolButton_Ramce_IFRAMEClick", &open<TIFRAME_Form>},
        {"ToolButton_Multimedia_MARQUEEClick", &open<TMARQUEE_Form>},
        {"ToolButton_Multimedia_EMBEDClick", &open<TEMBED_Form>},
        {"ToolButton_Multimedia_BGSOUNDClick", &open<TSound_Form>},
        {"ToolButton_Multimedia_VIDEOClick", &open<TVideo_Form>},
        {"ToolButton_Seznamy_SEZNAMClick", &open<TSeznamyForm>},
        {"PocitadloClick", &open<TPocitadlo_Form>},
    };
    for (const auto &[command, opener] : dialogs)
        registry.add(QString::fromLatin1(command), CommandRegistry::Target::Optional, opener);
}
