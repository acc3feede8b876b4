#include "app/main_form.h"

#include "app/child_form.h"
#include "app/go_to_line_form.h"
#include "app/layout_records.h"
#include "app/palette_control.h"
#include "app/ruler.h"
#include "base/program_folder.h"
#include "editor/syntax_edit.h"

#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

// The main window's own commands: panels and palette, the window list and the environment help.

// ---- panels and palette ---------------------------------------------------------------------------

void TMainForm::togglePaletteTab(int index)
{
    const bool shown = !m_palette->isTabVisible(index);
    m_palette->setTabVisible(index, shown);
    m_view.paletteTabMarks[size_t(index)] = shown;
    updateViewMarks();
}

void TMainForm::Zobrazit_vsePCClick()
{
    // The tabs keep their own visibility; their items are all marked or all cleared.
    const bool shown = !m_docks.palette->isVisibleTo(this);
    m_docks.palette->setVisible(shown);
    m_view.paletteTabMarks.assign(paletteLayout().size(), shown);
    updateViewMarks();
}

bool TMainForm::flipDock(QDockWidget *target)
{
    const bool shown = !target->isVisibleTo(this);
    target->setVisible(shown);
    updateViewMarks();
    return shown;
}

void TMainForm::Panel_barevClick()
{
    flipDock(m_docks.colourBar);
}

void TMainForm::Panel_zdrojuClick()
{
    flipDock(m_docks.filePanel);
}

void TMainForm::PanelrychlevkladaniClick()
{
    flipDock(m_docks.quickInsert);
}

void TMainForm::dockFilePanel(Qt::DockWidgetArea area)
{
    addDockWidget(area, m_docks.filePanel);
    updateViewMarks();
}

void TMainForm::rebuildWindowList()
{
    for (QAction *old : std::as_const(m_windowListActions)) {
        m_windowMenu->removeAction(old);
        old->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        auto *item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()), m_windowMenu);
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window] { m_mdiArea->setActiveSubWindow(window); });
        m_windowMenu->addAction(item);
        m_windowListActions.append(item);
    }
}

// ---- help -----------------------------------------------------------------------------------------

void TMainForm::NapovedakprostrediClick()
{
    const QString path = ProgramFolder::file(ProgramFile::ProgramHelp);
    if (QFileInfo::exists(path)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    QMessageBox::information(this, windowTitle(),
                             QStringLiteral("Soubor \"napoveda.html\" s nápovědou k programu\nnebyl nalzen!"));
    close();
}
