// The shell as the desktop shows it: Czech platform texts, icons, the window icon, tool tips,
// dock titles, window arrangement and where the user's own files live.

#include "app/child_form.h"
#include "app/completion_popup.h"
#include "app/icon_names.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/platform_setup.h"
#include "app/window_arrangement.h"
#include "base/program_folder.h"
#include "editor/line_end_marks.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QRect>)
Q_DECLARE_METATYPE(ProgramFolderKind)

using namespace testsupport;

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxesAndDialogsSpeakCzech();
    void toolbarIconsAreDistinctThemeIcons();
    void menuAndPopupItemsCarryIcons();
    void quickInsertAlignmentButtonsShowIcons();
    void windowIconIsVelinors();
    void buttonsWithoutHintShowNoToolTip_data();
    void buttonsWithoutHintShowNoToolTip();
    void quickInsertTitleShowsWhole();
    void arrangementGeometry_data();
    void arrangementGeometry();
    void cascadeKeepsWindowsReadable();
    void arrangeCommands();
    void userFolder_data();
    void userFolder();
    void userFolderOfAnInstalledProgram();
    void completionListLooksAndTypes();
    void lineEndMarks_data();
    void lineEndMarks();
    void gutterStaysWholeWhenScrolledRight();
    void menuShortcutsWinOverEditorKeys();
};

void TestShell::initTestCase()
{
    muteOffscreenPlatformWarnings();
    setUpPlatform();
}

// ---- Czech platform texts -----------------------------------------------------------------------

void TestShell::messageBoxesAndDialogsSpeakCzech()
{
    // The save question of a modified document and the save dialog that Yes opens.
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    child->editor()->insert(QStringLiteral("x"));

    QStringList buttons;
    QString saveDialogTitle;
    QString saveDialogLabel;
    ModalSteps steps({[&buttons](QWidget *modal) {
                          auto *box = qobject_cast<QMessageBox *>(modal);
                          if (!box)
                              return dismiss(modal);
                          for (QAbstractButton *button : box->buttons())
                              if (button->isVisible())
                                  buttons << button->text();
                          box->button(QMessageBox::Yes)->click();
                      },
                      [&](QWidget *modal) {
                          saveDialogTitle = modal->windowTitle();
                          if (auto *label = modal->findChild<QLabel *>(QStringLiteral("fileNameLabel")))
                              saveDialogLabel = label->text();
                          dismiss(modal);
                      }});
    child->FormCloseQuery();
    QCOMPARE(steps.remaining(), 0);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("&Ano"), QStringLiteral("&Ne")}));
    QCOMPARE(saveDialogTitle, QStringLiteral("Uložit jako"));
    QVERIFY2(!saveDialogLabel.isEmpty() && !saveDialogLabel.contains(QStringLiteral("File name")),
             qPrintable(saveDialogLabel));

    // The other standard dialogs take their titles from the same translations.
    QCOMPARE(QCoreApplication::translate("QFontDialog", "Select Font"), QStringLiteral("Vybrat písmo"));
    QCOMPARE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Vybrat barvu"));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Tisk"));
    // The type column of the file dialogs, which Qt's own catalogue misses.
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Složka"));
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "%1 File").arg(QStringLiteral("html")),
             QStringLiteral("Soubor html"));
}

// ---- icons --------------------------------------------------------------------------------------

void TestShell::toolbarIconsAreDistinctThemeIcons()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    auto *toolBar = mainForm.findChild<QToolBar *>(QStringLiteral("ToolBar_Main"));
    QVERIFY(toolBar);
    QSet<QString> seen;
    int buttons = 0;
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator())
            continue;
        ++buttons;
        const QString name = iconNameOf(action->objectName());
        QVERIFY2(QIcon::hasThemeIcon(name), qPrintable(action->objectName() + QStringLiteral(": ") + name));
        QVERIFY2(!action->icon().pixmap(16, 16).isNull(), qPrintable(action->objectName()));
        QVERIFY2(!seen.contains(name), qPrintable(action->objectName() + QStringLiteral(" repeats ") + name));
        seen.insert(name);
    }
    QCOMPARE(buttons, 16);
}

void TestShell::menuAndPopupItemsCarryIcons()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    TChildForm *child = childForm(mainForm.documents().createDocument());
    // Every picture named in the table exists in the theme, and the named items show it once
    // their menu opens.
    for (QMenu *menu : mainForm.findChildren<QMenu *>() + child->findChildren<QMenu *>())
        emit menu->aboutToShow();
    QList<QAction *> actions = mainForm.findChildren<QAction *>();
    actions += child->findChildren<QAction *>();
    for (QMenu *menu : child->popupMenu()->findChildren<QMenu *>())
        actions += menu->menuAction();
    int withIcons = 0;
    for (QAction *action : actions) {
        const QString name = iconNameOf(action->objectName());
        if (name.isEmpty())
            continue;
        QVERIFY2(QIcon::hasThemeIcon(name), qPrintable(action->objectName() + QStringLiteral(": ") + name));
        if (action->isCheckable()) {
            QVERIFY2(action->icon().isNull(), qPrintable(action->objectName())); // the check mark shows
            continue;
        }
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        ++withIcons;
    }
    QVERIFY2(withIcons > 80, qPrintable(QString::number(withIcons)));

    for (const char *item : {"Ulozit_PopUpMenu", "Vyjmout_PopUpMenu", "Napovedakprostredi_PopUpMenu"}) {
        auto *action = child->findChild<QAction *>(QString::fromLatin1(item));
        QVERIFY2(action && !action->icon().isNull(), item);
    }
    // Check items keep their check marks visible: no picture over them.
    QVERIFY(mainForm.action(QStringLiteral("Pravitko"))->icon().isNull());
}

void TestShell::quickInsertAlignmentButtonsShowIcons()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    const struct
    {
        const char *button;
        const char *hint;
    } expected[] = {
        {"ToolButton_FastPaste_justify", "Zalomit text na obě strany [element div = justify]"},
        {"ToolButton_FastPaste_right", "Zalomit text na pravou stranu [element div = right]"},
        {"ToolButton_FastPaste_center", "Zalomit text na střed [element div = center]"},
        {"ToolButton_FastPaste_left", "Zalomit text na levou stranu [element div = left]"},
        {"ToolButton_FastPaste_browser", "Náhled HTML stránky"},
    };
    auto *bar = mainForm.findChild<QToolBar *>(QStringLiteral("ToolBar_FastPaste"));
    QVERIFY(bar);
    for (const auto &row : expected) {
        auto *button = bar->findChild<QToolButton *>(QString::fromLatin1(row.button));
        QVERIFY2(button, row.button);
        QVERIFY2(!button->icon().isNull(), row.button);
        QCOMPARE(button->toolTip(), QString::fromUtf8(row.hint));
        QVERIFY(button->text().isEmpty());
    }
    // The buttons with captions keep showing them.
    auto *br = bar->findChild<QToolButton *>(QStringLiteral("ToolButton_FastPaste_BR"));
    QVERIFY(br);
    QCOMPARE(br->text(), QStringLiteral("BR"));
    QVERIFY(br->icon().isNull());
}

void TestShell::windowIconIsVelinors()
{
    const QIcon icon = velinorIcon();
    QVERIFY(!icon.pixmap(48, 48).isNull());
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    mainForm.documents().createDocument();
    QMdiSubWindow *document = mainForm.mdiArea()->subWindowList().value(0);
    QVERIFY(document);
    // The main window and the document windows show Velinor's icon, not the toolkit's.
    QCOMPARE(mainForm.windowIcon().pixmap(32, 32).toImage(), icon.pixmap(32, 32).toImage());
    QCOMPARE(document->windowIcon().pixmap(16, 16).toImage(), icon.pixmap(16, 16).toImage());
}

// ---- texts not clipped --------------------------------------------------------------------------

void TestShell::buttonsWithoutHintShowNoToolTip_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("no hint") << "ToolButton_Styl_SPAN" << QString();
    QTest::newRow("no hint, bold") << "ToolButton_Styl_LINK" << QString();
    QTest::newRow("palette hint") << "ToolButton_Styl_CSS" << QString::fromUtf8("Editor CSS stylů");
    QTest::newRow("quick-insert hint") << "ToolButton_FastPaste_BR" << QString::fromUtf8("Nový řádek ...");
    QTest::newRow("toolbar hint") << "Cas_Menu" << QString::fromUtf8("Vložit aktuální čas");
}

void TestShell::buttonsWithoutHintShowNoToolTip()
{
    QFETCH(QString, button);
    QFETCH(QString, toolTip);
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    auto *control = mainForm.findChild<QToolButton *>(button);
    QVERIFY(control);
    QVERIFY(control->isVisible());
    // What the pointer resting on the button shows.
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &event);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), toolTip);
    QToolTip::hideText();
}

void TestShell::quickInsertTitleShowsWhole()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    QDockWidget *dock = mainForm.dock(QStringLiteral("TBToolbar_FastPaste"));
    QVERIFY(dock);
    QCOMPARE(dock->windowTitle(), QStringLiteral("Rychlé vkládání"));
    const int margin = dock->style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, dock);
    QVERIFY2(dock->width() >= dock->fontMetrics().horizontalAdvance(dock->windowTitle()) + 2 * margin,
             qPrintable(QString::number(dock->width())));
}

// ---- window arrangement -------------------------------------------------------------------------

void TestShell::arrangementGeometry_data()
{
    QTest::addColumn<int>("kind"); // 0 side by side, 1 one under another
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QRect>>("expected");
    QTest::newRow("side by side, three in 900") << 0 << QRect(0, 0, 900, 600) << 3
                                                << QList<QRect>{{0, 0, 300, 600}, {300, 0, 300, 600}, {600, 0, 300, 600}};
    QTest::newRow("side by side, spare pixels") << 0 << QRect(10, 20, 101, 50) << 2
                                                << QList<QRect>{{10, 20, 50, 50}, {60, 20, 51, 50}};
    QTest::newRow("one under another, two") << 1 << QRect(0, 0, 800, 600) << 2
                                            << QList<QRect>{{0, 0, 800, 300}, {0, 300, 800, 300}};
    QTest::newRow("one under another, one") << 1 << QRect(0, 0, 800, 601) << 1 << QList<QRect>{{0, 0, 800, 601}};
    QTest::newRow("none") << 0 << QRect(0, 0, 800, 600) << 0 << QList<QRect>{};
}

void TestShell::arrangementGeometry()
{
    QFETCH(int, kind);
    QFETCH(QRect, area);
    QFETCH(int, count);
    QFETCH(QList<QRect>, expected);
    QCOMPARE(kind == 0 ? sideBySide(area, count) : oneUnderAnother(area, count), expected);
}

void TestShell::cascadeKeepsWindowsReadable()
{
    const QRect area(0, 0, 900, 600);
    // Few windows: each is the area less the stagger, every caption one step below the last.
    const QList<QRect> three = cascade(area, 3, 25);
    QCOMPARE(three, (QList<QRect>{{0, 0, 850, 550}, {25, 25, 850, 550}, {50, 50, 850, 550}}));
    // Many windows: never smaller than two thirds of the area, and never past its edge.
    const QList<QRect> many = cascade(area, 30, 25);
    QCOMPARE(many.size(), 30);
    for (const QRect &place : many) {
        QCOMPARE(place.size(), QSize(600, 400));
        QVERIFY2(area.contains(place), qPrintable(QStringLiteral("%1,%2").arg(place.x()).arg(place.y())));
    }
    QCOMPARE(many.at(8).topLeft(), QPoint(200, 200)); // the last that fits ...
    QCOMPARE(many.at(9).topLeft(), QPoint(0, 0));     // ... then back to the corner
}

void TestShell::arrangeCommands()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    for (int i = 0; i < 3; ++i)
        mainForm.documents().createDocument();
    const QList<QMdiSubWindow *> windows = mainForm.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 3);
    windows.first()->showMaximized();
    const QRect free = mainForm.mdiArea()->viewport()->rect();

    mainForm.action(QStringLiteral("Vedlesebe"))->trigger();
    const QList<QRect> columns = sideBySide(free, 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(windows.at(i)->geometry(), columns.at(i));
    QVERIFY(windows.at(0)->geometry().right() < windows.at(1)->geometry().left());

    mainForm.action(QStringLiteral("Podsebou"))->trigger();
    const QList<QRect> rows = oneUnderAnother(free, 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(windows.at(i)->geometry(), rows.at(i));

    QMdiSubWindow *active = mainForm.mdiArea()->activeSubWindow();
    mainForm.action(QStringLiteral("Kaskda"))->trigger();
    for (QMdiSubWindow *window : windows) {
        QVERIFY(window->width() >= free.width() * 2 / 3);
        QVERIFY(window->height() >= free.height() * 2 / 3);
    }
    QCOMPARE(mainForm.mdiArea()->activeSubWindow(), active);
    // The active window is in front, at the end of the stagger.
    QVERIFY(active->x() > windows.first()->x() || active == windows.first());
}

// ---- the user's own files -----------------------------------------------------------------------

void TestShell::userFolder_data()
{
    QTest::addColumn<ProgramFolderKind>("kind");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("expected");
    const QString home = QStringLiteral("/home/eva/.local/share");
    QTest::newRow("a build or unpacked copy") << ProgramFolderKind::WritableCopy << home << "/opt/velinor";
    QTest::newRow("a copy the user may not write into") << ProgramFolderKind::ReadOnlyCopy << home
                                                         << "/home/eva/.local/share/velinor";
    QTest::newRow("installed") << ProgramFolderKind::Installed << home << "/home/eva/.local/share/velinor";
    QTest::newRow("installed, no data home") << ProgramFolderKind::Installed << "" << "/opt/velinor";
}

void TestShell::userFolder()
{
    QFETCH(ProgramFolderKind, kind);
    QFETCH(QString, dataHome);
    QFETCH(QString, expected);
    QCOMPARE(userFolderFor(QStringLiteral("/opt/velinor"), kind, dataHome), expected);
}

void TestShell::userFolderOfAnInstalledProgram()
{
    // Only setup/, projekty/ and recovery/ go to the user folder; the delivered files stay beside the program.
    ScratchProgramFolder folder;
    QCOMPARE(ProgramFolder::kind(), ProgramFolderKind::WritableCopy);
    QCOMPARE(ProgramFolder::userPath(), folder.path());
    QCOMPARE(ProgramFolder::file(QStringLiteral("setup\\setup.ini")), folder.path() + QStringLiteral("/setup/setup.ini"));
    QCOMPARE(ProgramFolder::file(QStringLiteral("help\\napoveda_tagy.html")),
             folder.path() + QStringLiteral("/help/napoveda_tagy.html"));

    // The mark an installation leaves beside the program: the user's files go to the data home even
    // though the folder is writable, as an installed program's folder is for root.
    QVERIFY(writeFile(folder.filePath(QStringLiteral("installed")), QByteArray()));
    QCOMPARE(ProgramFolder::kind(), ProgramFolderKind::Installed);
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QCOMPARE(ProgramFolder::file(ProgramFile::SettingsFile), dataHome + QStringLiteral("/velinor/setup/setup.ini"));
    QCOMPARE(ProgramFolder::file(ProgramFile::ProjectFolder), dataHome + QStringLiteral("/velinor/projekty"));
    QCOMPARE(ProgramFolder::file(ProgramFile::TagHelp), folder.path() + QStringLiteral("/help/napoveda_tagy.html"));
}

// ---- tag completion -----------------------------------------------------------------------------

void TestShell::completionListLooksAndTypes()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    SyntaxEdit *editor = child->editor();
    editor->setText(QStringLiteral("<t\r\n"));
    editor->setCaretColumn(3);
    child->showCompletionList();
    CompletionPopup *popup = child->completionPopup();
    QVERIFY(popup && popup->isVisible());
    QTreeWidget *list = popup->list();

    // Its title, size and colours.
    QCOMPARE(popup->title()->text(), QStringLiteral("HTML šablony"));
    QCOMPARE(popup->width(), 500);
    QCOMPARE(list->height() / list->sizeHintForRow(0), 10);
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 128, 0));
    // Descriptions and tag names in two columns, every tag starting with the typed word.
    QVERIFY(list->topLevelItemCount() > 10);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        QVERIFY2(item->text(1).startsWith(QLatin1Char('t')), qPrintable(item->text(1)));
        QVERIFY(!item->text(0).isEmpty() && !item->text(0).contains(QLatin1Char('\t')));
    }

    // Typing goes on in the document, and the list follows the word.
    QTest::keyClicks(list, QStringLiteral("ex"));
    QCOMPARE(editor->line(0), QStringLiteral("<tex"));
    QVERIFY(popup->isVisible());
    QStringList tags;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        tags << list->topLevelItem(i)->text(1);
    QCOMPARE(tags, (QStringList{QStringLiteral("text"), QStringLiteral("text"), QStringLiteral("textarea"),
                                QStringLiteral("textarea")}));

    // A composed letter (a dead key, then the letter) is typed too.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("š"));
    QApplication::sendEvent(list, &composed);
    QCOMPARE(editor->line(0), QStringLiteral("<texš"));
    QVERIFY(!popup->isVisible()); // no tag starts so
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(editor->line(0), QStringLiteral("<tex"));
    child->showCompletionList();
    QVERIFY(popup->isVisible());

    // Down twice and Enter: "<textarea >" replaces "<tex", and one undo brings the word back.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(editor->line(0), QStringLiteral("<textarea >"));
    editor->undo();
    QCOMPARE(editor->line(0), QStringLiteral("<tex"));

    // A space ends the word and closes the list (at the line end it is not stored, the caret
    // moves on); Escape closes it and leaves the text alone.
    editor->setCaretColumn(5);
    child->showCompletionList();
    QVERIFY(popup->isVisible());
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(!popup->isVisible());
    QCOMPARE(editor->line(0), QStringLiteral("<tex"));
    QCOMPARE(editor->caretColumn(), 6);
    editor->setCaretColumn(5);
    child->showCompletionList();
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(editor->line(0), QStringLiteral("<tex"));
    // A word no entry matches opens nothing.
    editor->setText(QStringLiteral("<qqq\r\n"));
    editor->setCaretColumn(5);
    child->showCompletionList();
    QVERIFY(!popup->isVisible());
}

// ---- line-end marks -----------------------------------------------------------------------------

void TestShell::lineEndMarks_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: a new document
    QTest::addColumn<QString>("mark");
    QTest::newRow("new document") << QByteArray() << "CR LF";
    QTest::newRow("CR LF file") << QByteArray("ab\r\ncd\r\n") << "CR LF";
    QTest::newRow("LF file") << QByteArray("ab\ncd\n") << "LF";
    QTest::newRow("CR file") << QByteArray("ab\rcd\r") << "CR";
}

void TestShell::lineEndMarks()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, mark);
    ScratchProgramFolder folder;
    SyntaxEdit editor;
    editor.resize(400, 200);
    if (file.isEmpty()) {
        editor.setText(QStringLiteral("ab\r\ncd\r\n"));
    } else {
        const QString path = folder.filePath(QStringLiteral("page.html"));
        QVERIFY(writeFile(path, file));
        editor.loadFile(path);
    }
    editor.setNonPrintableVisible(true);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(!editor.eolVisibility()); // the component's own "LF" marks stay off

    // The width of the dark block after the first line's end, on the row through its middle.
    auto blockWidth = [&editor] {
        const QImage image = editor.viewport()->grab().toImage();
        const long end = editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, 0UL);
        const int x = int(editor.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, end));
        const int y = int(editor.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, end))
                      + int(editor.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL)) / 2;
        int left = -1;
        int right = -1;
        for (int i = x; i < std::min(image.width(), x + 200); ++i) {
            if (qGray(image.pixel(i, y)) < 96) {
                left = left < 0 ? i : left;
                right = i;
            }
        }
        return left < 0 ? 0 : right - left + 1;
    };
    const int expected = QFontMetrics(editor.editorFont()).horizontalAdvance(lineEndMark(editor.lineBreak())) + 4;
    QCOMPARE(lineEndMark(editor.lineBreak()), mark);
    const int width = blockWidth();
    QVERIFY2(qAbs(width - expected) <= 3, qPrintable(QStringLiteral("%1 against %2").arg(width).arg(expected)));

    // Hidden with the other non-printable characters.
    editor.setNonPrintableVisible(false);
    QCOMPARE(blockWidth(), 0);
}

// Scrolled sideways with the line-end marks shown, the text and the marks stay right of the gutter:
// its pixels are those of the unscrolled editor.
void TestShell::gutterStaysWholeWhenScrolledRight()
{
    SyntaxEdit editor;
    editor.resize(400, 200);
    QStringList lines;
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("<p>") + QString(i * 9, QLatin1Char('x')) + QStringLiteral("</p>");
    editor.setText(lines.join(QStringLiteral("\r\n")));
    editor.setNonPrintableVisible(true);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QScrollBar *scrollBar = editor.horizontalScrollBar();
    QTRY_VERIFY(scrollBar->maximum() > 0); // the component learns its lines' widths as it paints them
    const QRect gutter(0, 0, editor.gutterWidth(), editor.viewport()->height());
    QVERIFY(gutter.width() > 0);
    const QImage unscrolled = editor.viewport()->grab().toImage().copy(gutter);

    for (int step = 1; step <= 8; ++step) {
        scrollBar->setValue(int(step * editor.characterWidth() * 5));
        const QImage scrolled = editor.viewport()->grab().toImage().copy(gutter);
        QVERIFY2(scrolled == unscrolled, qPrintable(QStringLiteral("scrolled by %1 columns").arg(step * 5)));
    }
}

// Where a menu shortcut and an editor key coincide (Ctrl+N: new document, insert line), the menu's
// command runs and the text stays; the editor's keys the menu does not use still edit.
void TestShell::menuShortcutsWinOverEditorKeys()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    SyntaxEdit *editor = child->editor();
    editor->setText(QStringLiteral("ab\r\ncd\r\n"));
    editor->setCaretColumn(2);

    QAction *newDocument = mainForm.action(QStringLiteral("Nove"));
    QVERIFY(newDocument);
    QSignalSpy menuRan(newDocument, &QAction::triggered);
    {
        const auto closer = ModalSteps::dismissAll();
        QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    }
    QCOMPARE(menuRan.count(), 1);
    QCOMPARE(editor->lines(), (QStringList{"ab", "cd"}));

    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor->lines(), QStringList{"cd"});
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
