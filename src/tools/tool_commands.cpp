#include "tools/tool_commands.h"

#include "base/program_folder.h"
#include "core/command_registry.h"
#include "editor/document_language.h"
#include "files/document_manager.h"
#include "tools/about_app_form.h"
#include "tools/calculator.h"
#include "tools/convert_count_form.h"
#include "tools/galerie_form.h"
#include "tools/preview_command.h"
#include "tools/schranka_form.h"

#include <QMessageBox>
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

// The gallery tool; after "&Upravit" its stylesheet opens in a new CSS window, named after the
// file. A file that cannot be read is reported and leaves no window behind.
void Editorwebgalerie1Click(const CommandContext &context)
{
    QString stylesheet;
    {
        TGalerie_Form form(context.parent, context.documentSource());
        form.exec();
        stylesheet = form.stylesheetToEdit();
    }
    if (!stylesheet.isEmpty() && context.documents)
        context.documents->openDocument(stylesheet, fileNameOf(stylesheet), DocumentLanguage::Css);
}

} // namespace

void registerToolCommands(CommandRegistry &registry)
{
    using Target = CommandRegistry::Target;
    registry.add(QStringLiteral("PrevodcislaClick"), Target::Optional, [](const CommandContext &context) {
        TConvertCount_Form form(context.parent, context.documentSource());
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
    registry.add(QStringLiteral("Editorwebgalerie1Click"), Target::Optional, &Editorwebgalerie1Click);
    registerPreviewCommand(registry);
}
