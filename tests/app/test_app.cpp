#include "app/child_form.h"
#include "app/completion_list.h"
#include "app/completion_popup.h"
#include "base/hint_text.h"
#include "app/main_form.h"
#include "widgets/dialog_parts.h"
#include "files/document_manager.h"
#include "app/palette_control.h"
#include "app/ruler.h"
#include "app/status_bar.h"
#include "app/status_texts.h"
#include "base/ini_file.h"
#include "editor/ruler_ticks.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <Qsci/qscilexer.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QEnterEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(DocumentLanguage)
Q_DECLARE_METATYPE(Highlighter)

using namespace testsupport;

namespace {

QString panel(const TMainForm &mainForm, VelinorStatusBar::Panel which)
{
    return mainForm.statusPanels()->panelText(which);
}

const char *const kTabItems[] = {"PageControl_Text",     "PageControl_Format", "PageControl_Styl",
                                 "PageControl_Odkazy",   "PageControl_Seznamy", "PageControl_Tabulky",
                                 "PageControl_Multimedia", "PageControl_Formular", "PageControl_Ramce",
                                 "PageControl_Script",   "PageControl_Dalsi"};

const char *const kDocks[] = {"TBToolbar_PanelControl", "TBToolbar_FastPaste", "TBToolbar_File",
                              "TBToolbar_PanelBarev"};

bool isDark(const QImage &image, int x, int y)
{
    return x >= 0 && x < image.width() && y >= 0 && y < image.height() && qGray(image.pixel(x, y)) < 96;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void menus_data();
    void menus();
    void firstStartWithoutSetupFolder();
    void paletteHiddenBySettings();
    void positionPanel_data();
    void positionPanel();
    void insertKeyTwice();
    void statusBarMouse_data();
    void statusBarMouse();
    void dialogHintsReachTheHintPanel();
    void popupDeleteRemovesTheSelection();
    void languageSwitch_data();
    void languageSwitch();
    void closeCheck_data();
    void closeCheck();
    void goToLine_data();
    void goToLine();
    void rulerTicks();
    void rulerOnDocumentWindow_data();
    void rulerOnDocumentWindow();
    void completionList();
    void viewSettingsAppliedWhenShown_data();
    void viewSettingsAppliedWhenShown();
    void htmlColoursFromDefaultSettings();

private:
    // One main window for the rows of a data-driven test; a new test function gets a new one.
    SharedMainForm &sharedMainForm();

    std::unique_ptr<SharedMainForm> m_shared;
    QByteArray m_sharedFor; // the test function whose rows share it
};

void TestApp::initTestCase()
{
    muteOffscreenPlatformWarnings();
}

void TestApp::init()
{
    if (m_shared && m_sharedFor != QTest::currentTestFunction())
        m_shared.reset();
}

void TestApp::cleanupTestCase()
{
    m_shared.reset();
}

SharedMainForm &TestApp::sharedMainForm()
{
    if (!m_shared) {
        m_shared = std::make_unique<SharedMainForm>();
        m_sharedFor = QTest::currentTestFunction();
    }
    return *m_shared;
}

// ---- menus --------------------------------------------------------------------------------------

void TestApp::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");

    const QKeySequence none;
    QTest::newRow("Nove") << "Nove" << QString::fromUtf8("No&vý ...") << QKeySequence(Qt::CTRL | Qt::Key_N)
                          << QString::fromUtf8("Vytvoří nový soubor") << true << false;
    QTest::newRow("Ulozitvse") << "Ulozitvse" << QString::fromUtf8("Uložit vše")
                               << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S)
                               << QString::fromUtf8("Uloží všechny změny v otevřených souborech") << true << false;
    QTest::newRow("Ulozit_jako") << "Ulozit_jako" << QString::fromUtf8("U&ložit jako ...") << QKeySequence(Qt::Key_F12)
                                 << QString::fromUtf8("Uloží otevřený soubor pod jiným jménem") << true << false;
    QTest::newRow("Konec") << "Konec" << "Kone&c" << QKeySequence(Qt::ALT | Qt::Key_F4)
                           << QString::fromUtf8("Ukončí porgram") << true << false;
    QTest::newRow("Zpet") << "Zpet" << QString::fromUtf8("&Zpět") << QKeySequence(Qt::CTRL | Qt::Key_Z) << QString()
                          << true << false;
    QTest::newRow("Vpred") << "Vpred" << QString::fromUtf8("&Vpřed") << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z)
                           << QString() << true << false;
    QTest::newRow("JdiNaRadek") << "JdiNaRadek" << QString::fromUtf8("Jdi na řádek ...")
                                << QKeySequence(Qt::ALT | Qt::Key_G) << QString() << true << false;
    QTest::newRow("CislaRadku") << "CislaRadku" << QString::fromUtf8("Číslování řádků") << none << QString() << true
                                << true;
    // Checked from the settings at start-up, default on.
    QTest::newRow("NetisknutelneZnaky") << "NetisknutelneZnaky" << QString::fromUtf8("Netisknutelné znaky") << none
                                        << QString() << true << true;
    QTest::newRow("Pravitko") << "Pravitko" << QString::fromUtf8("P&ravítko") << none << QString() << true << true;
    QTest::newRow("Zobrazit_vsePC") << "Zobrazit_vsePC" << "Zobrazit" << none << QString() << true << true;
    // The menu item of the tab "Formuláře" is spelled in the singular.
    QTest::newRow("PageControl_Formular") << "PageControl_Formular" << QString::fromUtf8("Formulář") << none
                                          << QString() << true << true;
    QTest::newRow("Vpravo_PanelZdroju") << "Vpravo_PanelZdroju" << "Vpravo" << none << QString() << true << true;
    QTest::newRow("Vlevo_PanelZdroju") << "Vlevo_PanelZdroju" << "Vlevo" << none << QString() << true << false;
    QTest::newRow("Odstavec") << "Odstavec" << "Odstavec" << QKeySequence(Qt::CTRL | Qt::Key_Return) << QString()
                              << true << false;
    // Starts the desktop calculator; its hint has a long part only.
    QTest::newRow("Vypocet") << "Vypocet" << QString::fromUtf8("K&alkulačka") << none
                             << QString::fromUtf8("Kalkulačka - program využívá kalkulačky včleněné do systému")
                             << true << false;
    // Does nothing by design, and is not greyed for it.
    QTest::newRow("Banner1") << "Banner1" << "Banner" << none << QString() << true << false;
}

void TestApp::menus()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, statusTip);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);

    SharedMainForm &shared = sharedMainForm();
    QVERIFY(shared.isReady());
    shared.reset();
    TMainForm &mainForm = shared.mainForm();

    QStringList captions;
    for (QAction *menu : mainForm.menuBar()->actions())
        captions << menu->text();
    const QStringList expectedCaptions = {
        QStringLiteral("&Soubor"),  QString::fromUtf8("Úpra&vy"), QStringLiteral("&Zobrazit"),
        QString::fromUtf8("Fo&rmát"), QString::fromUtf8("Nás&troje"), QStringLiteral("&HTML"),
        QString::fromUtf8("N&astavení"), QStringLiteral("&Okno"),  QString::fromUtf8("&Nápověda")};
    QCOMPARE(captions, expectedCaptions);

    QAction *item = mainForm.action(name);
    QVERIFY2(item, qPrintable(name));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->statusTip(), statusTip);
    QCOMPARE(item->isEnabled(), enabled);
    QCOMPARE(item->isChecked(), checked);
    // Every item sits in a menu of the menu bar, not only in the window's list of actions.
    bool inMenu = false;
    for (QMenu *menu : mainForm.menuBar()->findChildren<QMenu *>())
        inMenu = inMenu || menu->actions().contains(item);
    QVERIFY(inMenu);

    // The long hint of a highlighted menu entry reaches the hint panel.
    if (!statusTip.isEmpty() && enabled) {
        QVERIFY(item->showStatusText(mainForm.menuBar()));
        QCOMPARE(panel(mainForm, VelinorStatusBar::Hint), statusTip);
    }

    // The palette opens on "Styl", and only its caption is highlighted.
    PaletteControl *palette = mainForm.palette();
    QCOMPARE(palette->count(), 11);
    QCOMPARE(palette->currentIndex(), 2);
    QCOMPARE(palette->tabButton(2)->text(), QStringLiteral("Styl"));
    for (int i = 0; i < palette->count(); ++i)
        QCOMPARE(palette->isCaptionHighlighted(i), i == 2);
}

// ---- start-up, settings of the panels, exit -----------------------------------------------------

void TestApp::firstStartWithoutSetupFolder()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("setup"))));

    TMainForm mainForm;
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("setup"))).isDir());
    QVERIFY(showMainForm(mainForm));
    QCOMPARE(mainForm.windowTitle(), QStringLiteral("Velinor 1.0"));

    for (const char *name : kDocks) {
        QDockWidget *dock = mainForm.dock(QString::fromLatin1(name));
        QVERIFY2(dock && dock->isVisible(), name);
    }
    for (int i = 0; i < 11; ++i)
        QVERIFY2(mainForm.palette()->isTabVisible(i), kTabItems[i]);

    QStringList viewItems = {QStringLiteral("Zobrazit_vsePC"),    QStringLiteral("Panel_barev"),
                             QStringLiteral("Panel_zdroju"),      QStringLiteral("Panelrychlevkladani"),
                             QStringLiteral("Vpravo_PanelZdroju"), QStringLiteral("CislaRadku"),
                             QStringLiteral("NetisknutelneZnaky"), QStringLiteral("Pravitko")};
    for (const char *name : kTabItems)
        viewItems << QString::fromLatin1(name);
    for (const QString &name : viewItems) {
        QAction *item = mainForm.action(name);
        QVERIFY2(item && item->isChecked() && item->isEnabled(), qPrintable(name));
    }
    QMenu *where = mainForm.menuBar()->findChild<QMenu *>(QStringLiteral("Zobrazovat_panel_zdroju"));
    QVERIFY(where && where->menuAction()->isEnabled());

    TChildForm *child = childForm(mainForm.documents().createDocument());
    QVERIFY(child);
    QCOMPARE(child->windowTitle(), QStringLiteral("Novy1.html"));
    QCOMPARE(mainForm.documents().activeWindow(), child);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Position), QStringLiteral("1/1 : 11/272"));
    QCOMPARE(panel(mainForm, VelinorStatusBar::State), QString::fromUtf8("NEZMĚNĚNO"));
    QVERIFY(!mainForm.statusPanels()->isPanelBold(VelinorStatusBar::State));
    QCOMPARE(panel(mainForm, VelinorStatusBar::Language), QStringLiteral("HTML dokument"));
    QCOMPARE(panel(mainForm, VelinorStatusBar::Mode), QStringLiteral("INSERT"));

    // Exit (no document is modified, so nothing is asked) writes the two values of the palette.
    QVERIFY(mainForm.close());
    const IniFile ini(folder.filePath(QStringLiteral("setup/setup.ini")));
    QCOMPARE(ini.readString(QStringLiteral("Panel_nastroju"), QStringLiteral("Checked")), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("TBToolbar_PanelControl"), QStringLiteral("Visible")), QStringLiteral("1"));
}

void TestApp::paletteHiddenBySettings()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    // With the palette off, the tab sections are not read: "Text" keeps its tab.
    QVERIFY(folder.writeSetup("[CheckBox_Nastroje]\r\nChecked=0\r\n[CheckBox_Text]\r\nChecked=0\r\n"));
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    PaletteControl *palette = mainForm.palette();
    QDockWidget *paletteDock = mainForm.dock(QStringLiteral("TBToolbar_PanelControl"));
    QAction *showAll = mainForm.action(QStringLiteral("Zobrazit_vsePC"));
    QVERIFY(paletteDock && showAll);

    QVERIFY(!paletteDock->isVisible());
    QVERIFY(mainForm.dock(QStringLiteral("TBToolbar_File"))->isVisible());
    QVERIFY(!showAll->isChecked());
    for (const char *name : kTabItems) {
        QAction *item = mainForm.action(QString::fromLatin1(name));
        QVERIFY2(item && !item->isChecked() && !item->isEnabled(), name);
    }
    for (int i = 0; i < 11; ++i)
        QVERIFY2(palette->isTabVisible(i), kTabItems[i]);

    showAll->trigger();
    QVERIFY(paletteDock->isVisible());
    QVERIFY(showAll->isChecked());
    for (const char *name : kTabItems) {
        QAction *item = mainForm.action(QString::fromLatin1(name));
        QVERIFY2(item->isChecked() && item->isEnabled(), name);
    }

    // A tab item toggled twice, on the active tab "Styl": the tab goes and comes back, the check
    // mark follows, and the highlight stays on whichever tab is active.
    QAction *styl = mainForm.action(QStringLiteral("PageControl_Styl"));
    styl->trigger();
    QVERIFY(!palette->isTabVisible(2));
    QVERIFY(!styl->isChecked());
    QVERIFY(palette->currentIndex() != 2);
    QVERIFY(palette->isTabVisible(palette->currentIndex()));
    for (int i = 0; i < 11; ++i)
        QCOMPARE(palette->isCaptionHighlighted(i), i == palette->currentIndex());
    styl->trigger();
    QVERIFY(palette->isTabVisible(2));
    QVERIFY(styl->isChecked());

    // "Zobrazit" off and on again checks every tab item, even that of a tab that stays hidden.
    QAction *seznamy = mainForm.action(QStringLiteral("PageControl_Seznamy"));
    seznamy->trigger();
    QVERIFY(!palette->isTabVisible(4));
    showAll->trigger();
    QVERIFY(!paletteDock->isVisible());
    QVERIFY(!showAll->isChecked());
    QVERIFY(!seznamy->isEnabled());
    showAll->trigger();
    QVERIFY(paletteDock->isVisible());
    QVERIFY(seznamy->isChecked() && seznamy->isEnabled());
    QVERIFY(!palette->isTabVisible(4));
}

// ---- status bar ---------------------------------------------------------------------------------

void TestApp::positionPanel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("afterTyping"); // after one letter typed at the caret

    // Twelve lines of 25 characters: 300 characters and 12 line breaks.
    QString twelve;
    for (int i = 0; i < 12; ++i)
        twelve += QString(25, QLatin1Char('a' + i)) + QStringLiteral("\r\n");
    QTest::newRow("3/7 of 12 lines") << twelve << 3 << 7 << "3/7 : 12/324" << "3/8 : 12/325";
    QTest::newRow("no lines") << "" << 1 << 1 << "1/1 : 0/0" << "1/2 : 1/3";
    QTest::newRow("one empty line") << "\r\n" << 1 << 1 << "1/1 : 1/2" << "1/2 : 1/3";
    QTest::newRow("Czech letters count one") << QString::fromUtf8("žluťoučký\r\nkůň\r\n") << 2 << 4
                                             << "2/4 : 2/16" << "2/5 : 2/17";
    // Typing there pads the line with six spaces first.
    QTest::newRow("caret beyond the line end") << "abc\r\n" << 1 << 10 << "1/10 : 1/5" << "1/11 : 1/12";
}

void TestApp::positionPanel()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, expected);
    QFETCH(QString, afterTyping);

    SyntaxEdit editor;
    editor.setText(text);
    editor.setCaretLine(line);
    editor.setCaretColumn(column);
    QCOMPARE(statusPositionText(editor.caret(), editor.lineCount(), editor.statusLength()), expected);

    // Through the main window: the document reports every change to the status bar.
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    child->editor()->setText(text);
    child->editor()->setCaretLine(line);
    child->editor()->setCaretColumn(column);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Position), expected);
    QCOMPARE(panel(mainForm, VelinorStatusBar::State), QString::fromUtf8("NEZMĚNĚNO"));

    QTest::keyClick(child->editor(), Qt::Key_X);
    // The component reports the moved caret once it has updated its view.
    QTRY_COMPARE(panel(mainForm, VelinorStatusBar::Position), afterTyping);
    QCOMPARE(panel(mainForm, VelinorStatusBar::State), QString::fromUtf8("ZMĚNĚNO"));
    QVERIFY(mainForm.statusPanels()->isPanelBold(VelinorStatusBar::State));
}

void TestApp::insertKeyTwice()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    SyntaxEdit *editor = child->editor();
    editor->setFocus();

    QTest::keyClick(editor, Qt::Key_Insert);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Mode), QStringLiteral("OVERWRITE"));
    QVERIFY(editor->isOverwriteMode());
    // The editor really overwrites now.
    QTest::keyClick(editor, Qt::Key_X);
    QCOMPARE(editor->line(0).left(3), QStringLiteral("x!D"));

    QTest::keyClick(editor, Qt::Key_Insert);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Mode), QStringLiteral("INSERT"));
    QVERIFY(!editor->isOverwriteMode());
    QTest::keyClick(editor, Qt::Key_Y);
    QCOMPARE(editor->line(0).left(4), QStringLiteral("xy!D"));
}

void TestApp::statusBarMouse_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("349: language panel") << 349 << false;
    QTest::newRow("350: first pixel that toggles") << 350 << true;
    QTest::newRow("430: last pixel that toggles") << 430 << true;
    QTest::newRow("431: hint panel") << 431 << false;
}

void TestApp::statusBarMouse()
{
    QFETCH(int, x);
    QFETCH(bool, toggles);

    SharedMainForm &shared = sharedMainForm();
    QVERIFY(shared.isReady());
    TMainForm &mainForm = shared.mainForm();
    TChildForm *child = shared.resetWithDocument();
    SyntaxEdit *editor = child->editor();
    QApplication::setActiveWindow(&mainForm);
    mainForm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainForm));
    editor->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor));

    VelinorStatusBar *bar = mainForm.statusPanels();
    QVERIFY(bar->width() > 431);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
    QCOMPARE(editor->isOverwriteMode(), toggles);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Mode), toggles ? QStringLiteral("OVERWRITE") : QStringLiteral("INSERT"));
    // A second press goes back.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
    QVERIFY(!editor->isOverwriteMode());
    QCOMPARE(panel(mainForm, VelinorStatusBar::Mode), QStringLiteral("INSERT"));

    // Hints: nothing at x = 0; over the position panel the long part ends with its text.
    QString texts[4];
    for (int i = 0; i < 4; ++i)
        texts[i] = panel(mainForm, VelinorStatusBar::Panel(i));
    QVERIFY(statusBarHintAt(0, texts).hint.isEmpty());
    const HintParts position = splitHint(statusBarHintAt(50, texts).hint);
    QCOMPARE(position.shortText,
             QString::fromUtf8("Zobrazeni: [aktuální pozice kurzoru : celkový počet řádků]"));
    QVERIFY(position.longText.endsWith(QStringLiteral("] ") + panel(mainForm, VelinorStatusBar::Position)));

    // Moving the mouse over the bar puts the long hint into the hint panel and the short one into
    // the tool tip; at x = 0 both are cleared.
    auto moveTo = [bar](int px) {
        QMouseEvent move(QEvent::MouseMove, QPointF(px, bar->height() / 2), bar->mapToGlobal(QPointF(px, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    };
    moveTo(50);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Hint), position.longText);
    QCOMPARE(bar->toolTip(), position.shortText);
    moveTo(400);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Hint), QString::fromUtf8("Stav klávesy: INSERT"));
    moveTo(0);
    QVERIFY(panel(mainForm, VelinorStatusBar::Hint).isEmpty());
    QVERIFY(bar->toolTip().isEmpty());
}

// ---- document window ----------------------------------------------------------------------------

// A dialog is a window of its own, yet the long hint of its controls shows in the hint panel as
// the main window's do, and leaving the control clears it.
void TestApp::dialogHintsReachTheHintPanel()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    QDialog dialog(&mainForm);
    auto *field = new QLineEdit(&dialog);
    setHint(field, QString::fromUtf8("Adresa|Adresa, na kterou odkaz vede"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QEnterEvent enter(QPointF(2, 2), field->mapToGlobal(QPointF(2, 2)), field->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(field, &enter);
    QCOMPARE(panel(mainForm, VelinorStatusBar::Hint), QString::fromUtf8("Adresa, na kterou odkaz vede"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(field, &leave);
    QVERIFY(panel(mainForm, VelinorStatusBar::Hint).isEmpty());

    // A dialog closed while the mouse rests on a control gets no leave: its hint goes with it.
    QApplication::sendEvent(field, &enter);
    QVERIFY(!panel(mainForm, VelinorStatusBar::Hint).isEmpty());
    dialog.hide();
    QVERIFY(panel(mainForm, VelinorStatusBar::Hint).isEmpty());
}

// "&Smazat" in the document's pop-up menu: offered with a selection, which it deletes as one undo
// step; without a selection it is disabled.
void TestApp::popupDeleteRemovesTheSelection()
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    SyntaxEdit *editor = child->editor();
    editor->setText(QStringLiteral("ab cd\r\n"));
    QMenu *popup = child->popupMenu();
    QAction *remove = nullptr;
    for (QAction *action : popup->actions())
        remove = action->objectName() == QLatin1String("Smazat_PopUpMenu") ? action : remove;
    QVERIFY(remove);

    emit popup->aboutToShow();
    QVERIFY(!remove->isEnabled());
    editor->select({1, 3}, {1, 6});
    emit popup->aboutToShow();
    QVERIFY(remove->isEnabled());
    remove->trigger();
    QCOMPARE(editor->lines(), QStringList{"ab"}); // the space left at the end goes too
    QVERIFY(!editor->hasSelection());
    QVERIFY(editor->isModified());
    editor->undo();
    QCOMPARE(editor->lines(), QStringList{"ab cd"});
}

void TestApp::languageSwitch_data()
{
    QTest::addColumn<DocumentLanguage>("language");
    QTest::addColumn<QString>("panelText");
    QTest::addColumn<Highlighter>("highlighter");
    QTest::newRow("XHTML keeps the HTML colouring") << DocumentLanguage::Xhtml << "XHTML dokument" << Highlighter::Html;
    QTest::newRow("CSS") << DocumentLanguage::Css << "Css" << Highlighter::Css;
    QTest::newRow("JavaScript") << DocumentLanguage::JavaScript << "JavaScript" << Highlighter::JavaScript;
    QTest::newRow("PHP") << DocumentLanguage::Php << "PHP" << Highlighter::Php;
    QTest::newRow("SQL") << DocumentLanguage::Sql << "SQL" << Highlighter::Sql;
    QTest::newRow("XML") << DocumentLanguage::Xml << "XML" << Highlighter::Xml;
}

void TestApp::languageSwitch()
{
    QFETCH(DocumentLanguage, language);
    QFETCH(QString, panelText);
    QFETCH(Highlighter, highlighter);

    SharedMainForm &shared = sharedMainForm();
    QVERIFY(shared.isReady());
    TMainForm &mainForm = shared.mainForm();
    TChildForm *child = shared.resetWithDocument();
    const QString before = child->editor()->text();
    QAction *html = child->languageAction(DocumentLanguage::Html);
    QAction *chosen = child->languageAction(language);
    QVERIFY(html && chosen);
    QVERIFY(html->isChecked());
    QVERIFY(!chosen->isChecked());
    // The items sit in the pop-up menu's submenu "Změ&na syntaxe".
    QMenu *switchMenu = child->popupMenu()->findChild<QMenu *>(QStringLiteral("Zmenasyntaxe_PopUpMenu"));
    QVERIFY(switchMenu && switchMenu->actions().contains(chosen));

    chosen->trigger();
    QCOMPARE(panel(mainForm, VelinorStatusBar::Language), panelText);
    QVERIFY(!mainForm.statusPanels()->isPanelBold(VelinorStatusBar::Language));
    QCOMPARE(child->editor()->highlighter(), highlighter);
    QCOMPARE(child->editor()->lexer(), child->editor()->highlighterLexer(highlighter));
    for (int i = 0; i < kDocumentLanguageCount; ++i)
        QCOMPARE(child->languageAction(DocumentLanguage(i))->isChecked(), DocumentLanguage(i) == language);
    QCOMPARE(child->editor()->text(), before);
    QVERIFY(!child->editor()->isModified());

    html->trigger();
    QCOMPARE(panel(mainForm, VelinorStatusBar::Language), QStringLiteral("HTML dokument"));
    QCOMPARE(child->editor()->highlighter(), Highlighter::Html);
    QVERIFY(html->isChecked());
    QVERIFY(!chosen->isChecked());
}

void TestApp::closeCheck_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::newRow("No: closes, nothing written") << false << QString() << true;
    QTest::newRow("Yes and a file name: saved, closes") << true << "saved.html" << true;
    QTest::newRow("Yes, save cancelled: stays open") << true << QString() << false;
}

void TestApp::closeCheck()
{
    QFETCH(bool, answerYes);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    child->editor()->setText(QStringLiteral("ahoj\r\nsvete\r\n"));
    child->editor()->insert(QStringLiteral("!"));
    QVERIFY(child->editor()->isModified());
    const QString target = folder.filePath(saveAs);

    // The answers of one close: the question, then (for Yes) the save dialog.
    QStringList seen;
    auto answerQuestion = [&seen, answerYes](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            seen << QStringLiteral("unexpected %1").arg(QString::fromLatin1(modal->metaObject()->className()));
            dismiss(modal);
            return;
        }
        seen << box->windowTitle() + QLatin1Char('|') + box->text();
        QAbstractButton *button = box->button(answerYes ? QMessageBox::Yes : QMessageBox::No);
        if (button && box->button(QMessageBox::Yes) && box->button(QMessageBox::No))
            button->click();
        else
            dismiss(modal);
    };
    auto answerSaveDialog = [&seen, &saveAs, &target](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        seen << QString::fromLatin1(modal->metaObject()->className());
        auto *fileName = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
        if (fileName && !saveAs.isEmpty()) {
            fileName->setText(target); // typed by the user: the whole path
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, as its Save button does
        } else {
            dismiss(modal);
        }
    };
    const QString question = QString::fromUtf8("Potvrzení|Uložit změny provedené v souboru?");
    const QStringList expectedSeen =
        answerYes ? QStringList{question, QStringLiteral("QFileDialog")} : QStringList{question};

    QMdiSubWindow *window = mainForm.mdiArea()->subWindowList().value(0);
    QVERIFY(window);
    {
        ModalSteps steps(answerYes ? std::vector<ModalSteps::Step>{answerQuestion, answerSaveDialog}
                                   : std::vector<ModalSteps::Step>{answerQuestion});
        QCOMPARE(window->close(), closes);
        QCOMPARE(steps.remaining(), 0);
    }
    QCOMPARE(seen, expectedSeen);

    if (closes) {
        QTRY_VERIFY(mainForm.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(mainForm.documents().activeWindow(), nullptr);
    } else {
        QCOMPARE(mainForm.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(child->editor()->text(), QStringLiteral("!ahoj\r\nsvete\r\n"));
        QVERIFY(child->editor()->isModified());
    }
    // Nothing but the chosen file is written.
    QStringList written = QDir(folder.filePath(QString())).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    written.removeOne(QStringLiteral("setup"));
    QCOMPARE(written, saveAs.isEmpty() ? QStringList() : QStringList{saveAs});
    if (!saveAs.isEmpty())
        QCOMPARE(readFile(target), QByteArray("!ahoj\r\nsvete\r\n"));

    if (!closes) {
        // Closing the main window runs the same check and stops there too.
        seen.clear();
        ModalSteps steps({answerQuestion, answerSaveDialog});
        QVERIFY(!mainForm.close());
        QCOMPARE(steps.remaining(), 0);
        QCOMPARE(seen, expectedSeen);
        QVERIFY(mainForm.isVisible());
        QCOMPARE(mainForm.documents().activeWindow(), child);
        QCOMPARE(child->editor()->text(), QStringLiteral("!ahoj\r\nsvete\r\n"));
    }
}

void TestApp::goToLine_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("typed"); // typed key by key, otherwise set at once as if pasted
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<int>("expectedLine");

    // The document has 11 lines; the caret starts on line 2, column 3.
    QTest::newRow("typed: only digits pass") << "a1b2" << true << true << "12" << 11;
    QTest::newRow("typed: space and dot refused") << "x 7." << true << true << "7" << 7;
    QTest::newRow("pasted 5") << "5" << false << true << "5" << 5;
    QTest::newRow("pasted 0 goes to line 1") << "0" << false << true << "0" << 1;
    QTest::newRow("pasted letters go to line 1") << "abc" << false << true << "abc" << 1;
    QTest::newRow("eleven digits go to line 1") << "12345678901" << false << true << "12345678901" << 1;
    QTest::newRow("past the end goes to the last line") << "99" << false << true << "99" << 11;
    QTest::newRow("cancel leaves the caret") << "5" << false << false << "5" << 2;
}

void TestApp::goToLine()
{
    QFETCH(QString, entry);
    QFETCH(bool, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, boxText);
    QFETCH(int, expectedLine);

    SharedMainForm &shared = sharedMainForm();
    QVERIFY(shared.isReady());
    TMainForm &mainForm = shared.mainForm();
    TChildForm *child = shared.resetWithDocument();
    child->editor()->setCaretLine(2);
    child->editor()->setCaretColumn(3);

    struct Seen
    {
        QString title;
        bool focusOnBox = false;
        bool okAtStart = true;
        QString text;
        bool okWithText = false;
        bool clearingDisablesOk = false;
        bool okAgain = false;
    } seen;
    auto answer = [&](QWidget *modal) {
        auto *edit = modal->findChild<QLineEdit *>(QStringLiteral("Edit_LineNumber"));
        auto *ok = modal->findChild<QPushButton *>(QStringLiteral("OK_button"));
        auto *cancel = modal->findChild<QPushButton *>(QStringLiteral("Cancel_button"));
        seen.title = modal->windowTitle();
        if (modal->objectName() != QStringLiteral("TGoToLineNumberForm") || !edit || !ok || !cancel) {
            dismiss(modal);
            return;
        }
        seen.focusOnBox = modal->focusWidget() == edit;
        seen.okAtStart = ok->isEnabled();
        if (typed) {
            QTest::keyClicks(edit, entry);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUtf8("č"), Qt::NoModifier);
        } else {
            edit->setText(entry);
        }
        seen.text = edit->text();
        seen.okWithText = ok->isEnabled();
        // Emptied with Backspace (control keys pass the filter), then filled again.
        edit->end(false);
        for (int i = 0; i < seen.text.size(); ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        seen.clearingDisablesOk = edit->text().isEmpty() && !ok->isEnabled();
        edit->setText(seen.text);
        seen.okAgain = ok->isEnabled();
        (confirm ? ok : cancel)->click();
    };
    {
        ModalSteps steps({answer});
        QAction *goTo = mainForm.action(QStringLiteral("JdiNaRadek"));
        QVERIFY(goTo);
        goTo->trigger();
        QCOMPARE(steps.remaining(), 0);
    }
    QCOMPARE(seen.title, QString::fromUtf8("Jdi na číslo řádku"));
    QVERIFY(seen.focusOnBox);
    QVERIFY(!seen.okAtStart);
    QCOMPARE(seen.text, boxText);
    QVERIFY(seen.okWithText);
    QVERIFY(seen.clearingDisablesOk);
    QVERIFY(seen.okAgain);

    QCOMPARE(child->editor()->caret().line, expectedLine);
    QCOMPARE(child->editor()->caret().column, 3);
}

// ---- ruler --------------------------------------------------------------------------------------

void TestApp::rulerTicks()
{
    // Scrolled so that column 23 is the first visible one; 8 px characters, text from x = 40.
    const std::vector<RulerTick> ticks = ::rulerTicks(40, 8.0, 23, 20);
    QCOMPARE(int(ticks.size()), 21);
    QCOMPARE(ticks.front().n, 22);
    QCOMPARE(ticks.front().x, 40);
    QVERIFY(!ticks.front().numbered);
    QCOMPARE(ticks.front().length, 2);
    QCOMPARE(ticks[3].n, 25);
    QCOMPARE(ticks[3].length, 5);
    QVERIFY(!ticks[3].numbered);
    QCOMPARE(ticks[8].n, 30);
    QCOMPARE(ticks[8].x, 40 + 8 * 8);
    QVERIFY(ticks[8].numbered);
    QCOMPARE(ticks[8].length, 5);
    QCOMPARE(ticks.back().n, 42);

    // A width that is not whole does not add up rounding errors: tick 30 of an unscrolled line
    // with 7.8 px characters stands at 234 px, not at 30 * 7.
    const std::vector<RulerTick> fractional = ::rulerTicks(4, 7.8, 1, 40);
    QCOMPARE(fractional.front().n, 0);
    QVERIFY(fractional.front().numbered);
    QCOMPARE(fractional[30].n, 30);
    QCOMPARE(fractional[30].x, 4 + 234);

    // Labels are centred, the half width rounded toward zero.
    QCOMPARE(rulerLabelLeft(100, 13), 94);
    QCOMPARE(rulerLabelLeft(100, 14), 93);

    QCOMPARE(rightMarginForClick(31), 30);
    QCOMPARE(rightMarginForClick(1), 1);
    QCOMPARE(rightMarginForClick(-4), 1);
}

void TestApp::rulerOnDocumentWindow_data()
{
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<bool>("gutter");
    QTest::addColumn<int>("tick"); // -1: left of the first tick
    QTest::addColumn<int>("margin");
    QTest::newRow("left of the first tick") << 1 << true << -1 << 1;
    QTest::newRow("tick 30") << 1 << true << 30 << 30;
    QTest::newRow("tick 30 scrolled to column 23") << 23 << true << 30 << 30;
    QTest::newRow("tick 25 without a gutter") << 1 << false << 25 << 25;
    QTest::newRow("tick 7 scrolled, without a gutter") << 5 << false << 7 << 7;
}

void TestApp::rulerOnDocumentWindow()
{
    QFETCH(int, firstColumn);
    QFETCH(bool, gutter);
    QFETCH(int, tick);
    QFETCH(int, margin);

    SharedMainForm &shared = sharedMainForm();
    QVERIFY(shared.isReady());
    TChildForm *child = shared.resetWithDocument();
    SyntaxEdit *editor = child->editor();
    Ruler *ruler = child->ruler();
    QVERIFY(ruler->isVisible());
    QCOMPARE(ruler->height(), 17);
    QCOMPARE(ruler->x(), editor->x());
    QCOMPARE(editor->rightMargin(), 80);

    editor->setText(QString(300, QLatin1Char('m')) + QStringLiteral("\r\n"));
    const int textLeftWithGutter = ruler->textLeft();
    editor->setGutterVisible(gutter);
    const int textLeft = ruler->textLeft();
    if (gutter) {
        QVERIFY(editor->gutterWidth() > 0);
        QCOMPARE(textLeft, editor->viewport()->x() + 2 + editor->gutterWidth());
    } else {
        QCOMPARE(editor->gutterWidth(), 0);
        QCOMPARE(textLeft, editor->viewport()->x() + 2);
        QVERIFY(textLeftWithGutter > textLeft);
    }

    const double w = editor->characterWidth();
    editor->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 5000UL);
    editor->SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(std::lround((firstColumn - 1) * w)));
    QCOMPARE(editor->firstVisibleColumn(), firstColumn);

    // The ruler's left edge of a column is where the component draws that column's first character.
    const long lineStart = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 0UL);
    const int drawnX = int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL,
                                                 lineStart + firstColumn - 1));
    QVERIFY2(qAbs(editor->viewport()->x() + drawnX - textLeft) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(editor->viewport()->x() + drawnX).arg(textLeft)));

    int x = textLeft - 5;
    if (tick >= 0) {
        x = textLeft + int(std::lround((tick - (firstColumn - 1)) * w));
        // The tick stands on the boundary after character `tick` as drawn by the component.
        const int boundary = editor->viewport()->x()
                             + int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, lineStart + tick));
        QVERIFY2(qAbs(boundary - x) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(boundary).arg(x)));

        // Drawn: 5 px on multiples of five, 2 px otherwise, up to one pixel above the bottom edge.
        ruler->repaint();
        const QImage image = ruler->grab().toImage();
        const int bottom = ruler->height() - 1;
        QVERIFY(isDark(image, x, bottom - 1));
        QVERIFY(isDark(image, x, bottom - 2));
        QVERIFY(!isDark(image, x, bottom));
        QCOMPARE(isDark(image, x, bottom - 4), tick % 5 == 0);
    }
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(x, 5));
    QCOMPARE(editor->rightMargin(), margin);
}

// ---- tag completion -----------------------------------------------------------------------------

void TestApp::completionList()
{
    const CompletionRequest request = completionRequest(QStringLiteral("  <ta"), 6);
    QCOMPARE(request.typed, QStringLiteral("ta"));
    QCOMPARE(request.wordStartColumn, 4);
    const CompletionRequest afterDot = completionRequest(QStringLiteral("a.b"), 3);
    QCOMPARE(afterDot.typed, QString());
    QCOMPARE(afterDot.wordStartColumn, 3);
    const CompletionRequest pastTheEnd = completionRequest(QStringLiteral("<ta"), 5);
    QCOMPARE(pastTheEnd.typed, QString());
    QCOMPARE(pastTheEnd.wordStartColumn, 5);

    // The "<" typed before the word goes too when the chosen entry writes one.
    QCOMPARE(completionReplaceStart(QStringLiteral("  <ta"), 6, QStringLiteral("<table >")), 3);
    QCOMPARE(completionReplaceStart(QStringLiteral("  ta"), 5, QStringLiteral("<table >")), 3);
    QCOMPARE(completionReplaceStart(QStringLiteral("a.ta"), 5, QStringLiteral("<table >")), 3);
    QCOMPARE(completionReplaceStart(QString::fromUtf8("č<ta"), 5, QStringLiteral("<table >")), 2);

    const QStringList rows = completionRows(QStringLiteral("ta"));
    QString openTable;
    bool tab = false;
    for (const QString &row : rows) {
        QVERIFY2(!row.endsWith(QStringLiteral("\tb")), qPrintable(row));
        QVERIFY2(row.section(QLatin1Char('\t'), -1).startsWith(QStringLiteral("ta")), qPrintable(row));
        if (row.endsWith(QStringLiteral("\ttable")) && row.startsWith(QString::fromUtf8("začátek:")))
            openTable = row;
        tab = tab || row.endsWith(QStringLiteral("\ttab"));
    }
    QVERIFY(!openTable.isEmpty());
    QVERIFY(tab);
    QCOMPARE(completionInsertText(openTable).value_or(QString()), QStringLiteral("<table >"));
    QCOMPARE(completionRows(QString()).size(), 219);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    SyntaxEdit *editor = child->editor();
    editor->setText(QStringLiteral("<ta\r\n"));
    editor->setCaretColumn(4);
    QSignalSpy shown(child, &TChildForm::completionListShown);
    child->showCompletionList();
    QCOMPARE(shown.count(), 1);
    QVERIFY(child->completionPopup() && child->completionPopup()->isVisible());

    // Choosing a row replaces the typed word, as one undo step.
    emit child->completionPopup()->chosen(openTable);
    QCOMPARE(editor->line(0), QStringLiteral("<table >"));
    QCOMPARE(editor->caret().column, 9);
    editor->undo();
    QCOMPARE(editor->line(0), QStringLiteral("<ta"));

    // A typed "." opens the list by itself a moment later.
    child->completionPopup()->hide();
    shown.clear();
    editor->setCaretColumn(4);
    QTest::keyClick(editor, Qt::Key_Period);
    QCOMPARE(shown.count(), 0);
    QTRY_COMPARE(shown.count(), 1);
}

// ---- settings applied to a shown window ---------------------------------------------------------

void TestApp::viewSettingsAppliedWhenShown_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("view"); // 0 ruler, 1 non-printable characters, 2 line numbers
    QTest::newRow("P&ravítko") << "Pravitko" << 0;
    QTest::newRow("Netisknutelné znaky") << "NetisknutelneZnaky" << 1;
    QTest::newRow("Číslování řádků") << "CislaRadku" << 2;
}

void TestApp::viewSettingsAppliedWhenShown()
{
    QFETCH(QString, item);
    QFETCH(int, view);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(folder.writeSetup("[CheckBox_Pravitko]\r\nChecked=0\r\n[CheckBox_NetZnaky]\r\nChecked=0\r\n"
                              "[CheckBox_Cislovani]\r\nChecked=0\r\n"));
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    for (const char *name : {"Pravitko", "NetisknutelneZnaky", "CislaRadku"})
        QVERIFY2(!mainForm.action(QString::fromLatin1(name))->isChecked(), name);
    // With no document open a click changes nothing, the check mark included.
    mainForm.action(item)->trigger();
    QVERIFY(!mainForm.action(item)->isChecked());

    TChildForm *child = childForm(mainForm.documents().createDocument());
    auto isOn = [child](int which) {
        switch (which) {
        case 0: return child->ruler()->isVisible();
        case 1: return child->editor()->nonPrintableVisible();
        default: return child->editor()->lineNumbersVisible();
        }
    };
    QVERIFY(!child->ruler()->isVisible());
    QVERIFY(!child->editor()->nonPrintableVisible());
    QCOMPARE(child->editor()->whitespaceVisibility(), QsciScintilla::WsInvisible);
    QVERIFY(!child->editor()->lineNumbersVisible());
    QCOMPARE(child->editor()->marginType(0), QsciScintilla::SymbolMargin);

    QAction *action = mainForm.action(item);
    action->trigger();
    QVERIFY(isOn(view));
    QVERIFY(action->isChecked());
    for (int other = 0; other < 3; ++other)
        if (other != view)
            QVERIFY(!isOn(other));
    action->trigger();
    QVERIFY(!isOn(view));
    QVERIFY(!action->isChecked());

    // The mark shows the active document: switched on in a second window, off again back in the
    // first, and kept as it was once no document is open.
    TChildForm *second = childForm(mainForm.documents().createDocument());
    QCOMPARE(mainForm.documents().activeWindow(), second);
    action->trigger();
    QVERIFY(action->isChecked());
    mainForm.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(child->parentWidget()));
    QTRY_COMPARE(mainForm.documents().activeWindow(), child);
    QVERIFY(!action->isChecked());
    mainForm.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(second->parentWidget()));
    QTRY_VERIFY(action->isChecked());
    for (TChildForm *window : {child, second})
        window->setCloseConfirmed();
    mainForm.mdiArea()->closeAllSubWindows();
    QTRY_COMPARE(mainForm.documents().activeWindow(), static_cast<DocumentWindow *>(nullptr));
    QVERIFY(action->isChecked());
}

void TestApp::htmlColoursFromDefaultSettings()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    TChildForm *child = childForm(mainForm.documents().createDocument());
    QsciLexer *html = child->editor()->highlighterLexer(Highlighter::Html);
    QVERIFY(html);

    // Text between tags: black on black by default; the background is left to the highlighter so
    // the text stays readable.
    QCOMPARE(html->color(0), QColor(Qt::black));
    QVERIFY(html->paper(0) != QColor(Qt::black));
    // Known tags #8000FF, unknown tags red on black, entities #00FF00, attribute values #0080FF,
    // ASP blocks on yellow.
    QCOMPARE(html->color(1), QColor(0x80, 0x00, 0xFF));
    QCOMPARE(html->color(2), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(html->paper(2), QColor(Qt::black));
    QCOMPARE(html->color(10), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(html->color(6), QColor(0x00, 0x80, 0xFF));
    QCOMPARE(html->paper(15), QColor(0xFF, 0xFF, 0x00));
    // Comments and attribute names are "none": the editor's black on white, not the highlighter's own.
    for (int style : {3, 9}) {
        QCOMPARE(html->color(style), QColor(Qt::black));
        QCOMPARE(html->paper(style), QColor(Qt::white));
    }
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
