#include "tools/tool_commands.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "editor/syntax_edit.h"
#include "tools/about_app_form.h"
#include "tools/calculator.h"
#include "tools/convert_count_form.h"
#include "tools/schranka_form.h"

#include <QMessageBox>
#include <QProcess>

void VypocetClick(TMainForm &mainForm)
{
    const QString calculator = findDesktopCalculator();
    if (!calculator.isEmpty() && QProcess::startDetached(calculator, {}))
        return;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Soubor cals.exe nebyl nalezen!"),
                    QMessageBox::Ok, &mainForm);
    box.exec();
}

void registerToolCommands(TMainForm &mainForm, CommandRegistry &registry)
{
    registry.add(QStringLiteral("PrevodcislaClick"), [&mainForm] {
        TConvertCount_Form form(&mainForm, [&mainForm]() -> TextDocument * { return mainForm.ActiveEditor(); });
        form.exec();
    });
    registry.add(QStringLiteral("ProhlizeniSchrankyClick"), [&mainForm] {
        TSchrankaForm viewer(&mainForm);
        viewer.exec();
    });
    registry.add(QStringLiteral("OprogramuClick"), [&mainForm] {
        TFormAboutApp about(&mainForm);
        about.exec();
    });
    registry.add(QStringLiteral("VypocetClick"), [&mainForm] { VypocetClick(mainForm); });
}
