#include "tools/tool_commands.h"

#include "app/command_registry.h"
#include "app/child_form.h"
#include "editor/syntax_edit.h"
#include "tools/about_app_form.h"
#include "tools/calculator.h"
#include "tools/convert_count_form.h"
#include "tools/schranka_form.h"

#include <QMessageBox>
#include <QPointer>
#include <QProcess>

namespace {

// Starts the first desktop calculator found, without waiting for it; without one, says so.
void VypocetClick(const CommandContext &context)
{
    const QString calculator = findDesktopCalculator();
    if (!calculator.isEmpty() && QProcess::startDetached(calculator, {}))
        return;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Soubor cals.exe nebyl nalezen!"),
                    QMessageBox::Ok, context.parent);
    box.exec();
}

} // namespace

void registerToolCommands(CommandRegistry &registry)
{
    using Target = CommandRegistry::Target;
    registry.add(QStringLiteral("PrevodcislaClick"), Target::Optional, [](const CommandContext &context) {
        const QPointer<TChildForm> target = context.window;
        TConvertCount_Form form(context.parent, [target]() -> TextDocument * { return target ? target->editor() : nullptr; });
        form.exec();
    });
    registry.add(QStringLiteral("ProhlizeniSchrankyClick"), Target::Optional, [](const CommandContext &context) {
        TSchrankaForm viewer(context.parent);
        viewer.exec();
    });
    registry.add(QStringLiteral("OprogramuClick"), Target::Optional, [](const CommandContext &context) {
        TFormAboutApp about(context.parent);
        about.exec();
    });
    registry.add(QStringLiteral("VypocetClick"), Target::Optional, &VypocetClick);
}
