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

namespace {
QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

// ---- panels and palette ---------------------------------------------------------------------------

void TMainForm::togglePaletteTab(int index)
{
    const bool shown = !m_palette->isTabVisible(index);
    m_palette->setTabVisible(index, shown);
    if (QAction *item = action(text(paletteLayout()[size_t(index)].viewItemName)))
        item->setChecked(shown);
}

void TMainForm::Zobrazit_vsePCClick()
{
    QDockWidget *paletteDock = dock(QStringLiteral("TBToolbar_PanelControl"));
    const bool shown = !paletteDock->isVisibleTo(this);
    paletteDock->setVisible(shown);
    if (QAction *all = action(QStringLiteral("Zobrazit_vsePC")))
        all->setChecked(shown);
    for (const PaletteTab &tab : paletteLayout())
        if (QAction *item = action(text(tab.viewItemName))) {
            item->setChecked(shown);
            item->setEnabled(shown);
        }
}

bool TMainForm::flipDock(const char *dockName, const char *menuItem)
{
    QDockWidget *target = dock(text(dockName));
    const bool shown = !target->isVisibleTo(this);
    target->setVisible(shown);
    if (QAction *item = action(text(menuItem)))
        item->setChecked(shown);
    return shown;
}

void TMainForm::Panel_barevClick()
{
    flipDock("TBToolbar_PanelBarev", "Panel_barev");
}

void TMainForm::Panel_zdrojuClick()
{
    const bool shown = flipDock("TBToolbar_File", "Panel_zdroju");
    if (QMenu *where = menuBar()->findChild<QMenu *>(QStringLiteral("Zobrazovat_panel_zdroju")))
        where->menuAction()->setEnabled(shown);
}

void TMainForm::PanelrychlevkladaniClick()
{
    flipDock("TBToolbar_FastPaste", "Panelrychlevkladani");
}

void TMainForm::dockFilePanel(Qt::DockWidgetArea area)
{
    addDockWidget(area, dock(QStringLiteral("TBToolbar_File")));
    if (QAction *left = action(QStringLiteral("Vlevo_PanelZdroju")))
        left->setChecked(area == Qt::LeftDockWidgetArea);
    if (QAction *right = action(QStringLiteral("Vpravo_PanelZdroju")))
        right->setChecked(area == Qt::RightDockWidgetArea);
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
