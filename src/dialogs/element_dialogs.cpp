#include "dialogs/element_dialogs.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "dialogs/css_link_form.h"
#include "dialogs/email_form.h"
#include "dialogs/form_http_odkaz.h"
#include "dialogs/img_form.h"
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
}
