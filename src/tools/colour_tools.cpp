#include "tools/colour_tools.h"

#include "base/qt_colour.h"
#include "core/command_registry.h"
#include "editor/edit.h"
#include "editor/text_document.h"
#include "tools/barva_form.h"
#include "tools/kapatko_start.h"
#include "tools/prevod_barvy_form.h"

#include <QColorDialog>

namespace {

// The main window's colour dialog: made once, so it opens on the colour last chosen in it.
QColorDialog *mainColourDialog(QWidget *mainWindow)
{
    auto *dialog = mainWindow->findChild<QColorDialog *>(QStringLiteral("ColorDialog"), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new QColorDialog(Qt::black, mainWindow);
        dialog->setObjectName(QStringLiteral("ColorDialog"));
    }
    return dialog;
}

void Vbrbarvy1Click(const CommandContext &context)
{
    const auto target = context.documentSource();
    QColorDialog *dialog = mainColourDialog(context.parent->window());
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog->currentColor();
    if (TextDocument *document = target())
        apply(Edit().insert(colourText(rgbOf(chosen))), *document);
}

void EditacebarvyClick(const CommandContext &context)
{
    TBarva_Form mixer(context.parent, context.documentSource());
    mixer.exec();
}

void PrevodbarvyClick(const CommandContext &context)
{
    TForm_PrevodBarvy viewer(context.parent);
    viewer.exec();
}

void KapatkoClick(const CommandContext &context)
{
    startEyedropper(context.parent->window(), context.documentSource());
}

} // namespace

void registerColourTools(CommandRegistry &registry)
{
    const auto optional = CommandRegistry::Target::Optional;
    registry.add(QStringLiteral("Vbrbarvy1Click"), optional, &Vbrbarvy1Click);
    registry.add(QStringLiteral("EditacebarvyClick"), optional, &EditacebarvyClick);
    registry.add(QStringLiteral("TBItem_VybratBarvuClick"), optional, &EditacebarvyClick);
    registry.add(QStringLiteral("PrevodbarvyClick"), optional, &PrevodbarvyClick);
    registry.add(QStringLiteral("KapatkoClick"), optional, &KapatkoClick);
}
