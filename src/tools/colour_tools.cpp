#include "tools/colour_tools.h"

#include "app/command_registry.h"
#include "app/main_form.h"
#include "editor/edit.h"
#include "editor/syntax_edit.h"
#include "tools/barva_form.h"
#include "tools/kapatko_form.h"
#include "tools/prevod_barvy_form.h"
#include "tools/screen_capture.h"

#include <QAction>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QToolBar>

namespace {

DocumentSource activeDocumentOf(TMainForm &mainForm)
{
    return [&mainForm]() -> TextDocument * { return mainForm.ActiveEditor(); };
}

// The main window's colour dialog: made once, so it opens on the colour last chosen in it.
QColorDialog *mainColourDialog(TMainForm &mainForm)
{
    auto *dialog = mainForm.findChild<QColorDialog *>(QStringLiteral("ColorDialog"), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new QColorDialog(Qt::black, &mainForm);
        dialog->setObjectName(QStringLiteral("ColorDialog"));
    }
    return dialog;
}

void Vbrbarvy1Click(TMainForm &mainForm)
{
    QColorDialog *dialog = mainColourDialog(mainForm);
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog->currentColor();
    if (SyntaxEdit *editor = mainForm.ActiveEditor())
        apply(Edit().insert(colourText({chosen.red(), chosen.green(), chosen.blue()})), *editor);
}

void EditacebarvyClick(TMainForm &mainForm)
{
    TBarva_Form mixer(&mainForm, activeDocumentOf(mainForm));
    mixer.exec();
}

void PrevodbarvyClick(TMainForm &mainForm)
{
    TForm_PrevodBarvy viewer(&mainForm);
    viewer.exec();
}

void KapatkoClick(TMainForm &mainForm)
{
    mainForm.hide();
    // The screen is taken once the main window has left it.
    QTimer::singleShot(250, &mainForm, [&mainForm] {
        auto *eyedropper = new TKapatko_Form(captureWholeScreen(), activeDocumentOf(mainForm));
        QObject::connect(eyedropper, &TKapatko_Form::closed, &mainForm, &QWidget::show);
        eyedropper->showMaximized();
        eyedropper->activateWindow();
    });
}

QIcon colourIcon(const Rgb &colour)
{
    QPixmap picture(16, 16);
    picture.fill(QColor(colour.red, colour.green, colour.blue));
    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(picture);
}

} // namespace

void registerColourTools(TMainForm &mainForm, CommandRegistry &registry)
{
    TMainForm *form = &mainForm;
    registry.add(QStringLiteral("Vbrbarvy1Click"), [form] { Vbrbarvy1Click(*form); });
    registry.add(QStringLiteral("EditacebarvyClick"), [form] { EditacebarvyClick(*form); });
    registry.add(QStringLiteral("TBItem_VybratBarvuClick"), [form] { EditacebarvyClick(*form); });
    registry.add(QStringLiteral("PrevodbarvyClick"), [form] { PrevodbarvyClick(*form); });
    registry.add(QStringLiteral("KapatkoClick"), [form] { KapatkoClick(*form); });
}

void paintColourBarIcons(QToolBar *colourBar)
{
    for (const NamedColour &entry : namedColours()) {
        const QString name = QStringLiteral("TBItem_") + QLatin1String(entry.name);
        for (QAction *action : colourBar->actions())
            if (action->objectName() == name)
                action->setIcon(colourIcon(entry.colour));
    }
}
