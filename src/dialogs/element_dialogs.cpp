#include "dialogs/element_dialogs.h"

#include "dialogs/css_link_form.h"
#include "dialogs/email_form.h"
#include "dialogs/form_dialogs.h"
#include "dialogs/form_http_odkaz.h"
#include "dialogs/frame_dialogs.h"
#include "dialogs/img_form.h"
#include "dialogs/list_counter_dialogs.h"
#include "dialogs/multimedia_dialogs.h"
#include "dialogs/table_form.h"

void registerElementDialogs(CommandRegistry &registry)
{
    registerDialogOpeners(registry, {
        {"ToolButton_Tabulky_TABLESClick", &openElementDialog<TTable_Form>},
        {"ToolButton_Multimedia_IMGClick", &openElementDialog<TIMG_Form>},
        {"ToolButton_Odkazy_AClick", &openElementDialog<TFormHTTPOdkaz>},
        {"ToolButton_FastPaste_MailToClick", &openElementDialog<TEMail_Form>},
        {"ToolButton_Styl_LINKClick", &openElementDialog<TCSS_LinkForm>},
        {"ToolButton_Formulare_FORMClick", &openElementDialog<TForm_Form>},
        {"ToolButton_Formulare_INPUTClick", &openElementDialog<TElForm_Form>},
        {"ToolButton_Formulare_SELECTClick", &openElementDialog<TSelect_Form>},
        {"ToolButton_Formulare_TEXAREAClick", &openElementDialog<TTextarea_Form>},
        {"ToolButton_Ramce_FRAMESETClick", &openElementDialog<TFrame_Form>},
        {"ToolButton_Ramce_FRAMEClick", &openElementDialog<TDefFrame_Form>},
        {"ToolButton_Ramce_IFRAMEClick", &openElementDialog<TIFRAME_Form>},
        {"ToolButton_Multimedia_MARQUEEClick", &openElementDialog<TMARQUEE_Form>},
        {"ToolButton_Multimedia_EMBEDClick", &openElementDialog<TEMBED_Form>},
        {"ToolButton_Multimedia_BGSOUNDClick", &openElementDialog<TSound_Form>},
        {"ToolButton_Multimedia_VIDEOClick", &openElementDialog<TVideo_Form>},
        {"ToolButton_Seznamy_SEZNAMClick", &openElementDialog<TSeznamyForm>},
        {"PocitadloClick", &openElementDialog<TPocitadlo_Form>},
    });
}

void registerDialogOpeners(CommandRegistry &registry, std::initializer_list<DialogOpener> openers)
{
    for (const auto &[command, opener] : openers)
        registry.add(QString::fromLatin1(command), CommandRegistry::Target::Optional, opener);
}
