#include "app/child_form.h"
#include "core/command_registry.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "app/main_window_builder.h"
#include "app/palette_control.h"
#include "app/status_bar.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "commands/date_time.h"
#include "commands/local_links.h"
#include "commands/tag_catalogue.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(Highlighter)
Q_DECLARE_METATYPE(DocumentLanguage)

using namespace testsupport;

namespace {

// The data files delivered beside the program, from the source tree.
const QString kDataFolder = QStringLiteral(VELINOR_DATA_DIR);

// Copies the example pages and the tag help beside the "program".
bool installDataFiles(const ScratchProgramFolder &folder)
{
    const QStringList files = {QStringLiteral("examples/javascript/ak_cas.htm"),
                               QStringLiteral("examples/javascript/delka_pobytu.htm"),
                               QStringLiteral("examples/javascript/stinovani.htm"),
                               QStringLiteral("examples/php/galerie.php"),
                               QStringLiteral("help/napoveda_tagy.html")};
    for (const QString &file : files) {
        if (!QDir().mkpath(QFileInfo(folder.filePath(file)).path()))
            return false;
        if (!QFile::copy(kDataFolder + QLatin1Char('/') + file, folder.filePath(file)))
            return false;
    }
    return true;
}

// Records the addresses handed to the desktop instead of opening them.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

// A document as text with the caret shown as "|" (after spaces where it stands beyond the line end);
// lines joined by "\n".
QString shown(const TextDocument &document)
{
    QStringList lines = document.lines();
    const TextPosition caret = document.caret();
    while (lines.size() < caret.line)
        lines << QString();
    QString &line = lines[caret.line - 1];
    if (line.size() < caret.column - 1)
        line += QString(caret.column - 1 - line.size(), QLatin1Char(' '));
    line.insert(caret.column - 1, QLatin1Char('|'));
    return lines.join(QLatin1Char('\n'));
}

// Sets a document from a marked text: "|" is the caret; "{" and "}" select the text between them,
// caret at the end.
void setMarked(TextDocument &document, const QString &marked)
{
    const QStringList markedLines = marked.split(QLatin1Char('\n'));
    QStringList lines;
    TextPosition anchor;
    TextPosition caret;
    bool selection = false;
    for (int i = 0; i < markedLines.size(); ++i) {
        QString line;
        for (const QChar c : markedLines.at(i)) {
            const TextPosition here{i + 1, int(line.size()) + 1};
            if (c == QLatin1Char('|')) {
                caret = here;
            } else if (c == QLatin1Char('{')) {
                anchor = here;
                selection = true;
            } else if (c == QLatin1Char('}')) {
                caret = here;
            } else {
                line += c;
            }
        }
        lines << line;
    }
    document.setText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (selection) {
        document.select(anchor, caret);
    } else {
        document.setCaretLine(caret.line);
        document.setCaretColumn(caret.column);
    }
}

QComboBox *linkField(TMainForm &mainForm)
{
    return mainForm.findChild<QComboBox *>(QStringLiteral("Link_ComboBox"));
}

QStringList listOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Clicks a palette or toolbar button by name.
bool clickButton(TMainForm &mainForm, const char *name)
{
    auto *button = mainForm.findChild<QToolButton *>(QString::fromLatin1(name));
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// The caret to the end of its line, so that the next insertion follows the last one.
void toLineEnd(TextDocument &document)
{
    document.setCaretColumn(int(document.line(document.caretLine() - 1).size()) + 1);
}

bool inMenuBar(TMainForm &mainForm, QAction *action)
{
    for (QMenu *menu : mainForm.menuBar()->findChildren<QMenu *>())
        if (menu->actions().contains(action))
            return true;
    return false;
}

QString stampText(const QString &which, const QDateTime &moment)
{
    const QLocale locale = QLocale::system();
    const QString date = regionalDate(locale, moment.date());
    const QString time = regionalTime(locale, moment.time());
    if (which == QLatin1String("time"))
        return time;
    if (which == QLatin1String("date"))
        return date;
    if (which == QLatin1String("date time"))
        return date + QLatin1Char(' ') + time;
    return time + QLatin1Char(' ') + date;
}

enum class Place { Menu, Button, DropDownItem, DocumentPopup };
enum class Outcome {
    Inserts,   // enabled; changes the document to `expected` in one undo step
    Launcher,  // opens its dialog
    Nothing,   // enabled and does nothing by design
    DropsDown, // opens the drop-down menu named `expected`
    Clock,     // inserts the current date or time (`expected`: "time", "date", "date time", "time date")
    Help,      // hands the tag help page to the desktop
    Example,   // opens an example page as a new document named `expected`
    Window,    // opens the window named `expected` beside the documents, not modal
};

} // namespace

Q_DECLARE_METATYPE(Place)
Q_DECLARE_METATYPE(Outcome)

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void registryRules();
    void popupActsOnItsOwnDocument();
    void everyControl_data();
    void everyControl();
    void insertionThenTyping_data();
    void insertionThenTyping();
    void withoutDocument();

    void timeFormats_data();
    void timeFormats();
    void timeStampTakesOneMoment();
    void timeStampReplacesSelection();

    void exampleOpens_data();
    void exampleOpens();
    void exampleMissing_data();
    void exampleMissing();
    void tagHelp();
    void tagHelpMissing();
    void dataFilesAreWindows1250_data();
    void dataFilesAreWindows1250();

    void localLinkText_data();
    void localLinkText();
    void localLinkList();
    void localLinkWithoutDocument();
    void localLinkWriteFailure();
    void localLinksForgottenAtExit();

private:
    std::unique_ptr<SharedMainForm> m_shell;
};

void TestCommands::initTestCase()
{
    muteOffscreenPlatformWarnings();
    m_shell = std::make_unique<SharedMainForm>();
    QVERIFY(m_shell->isReady());
    QVERIFY(installDataFiles(m_shell->folder()));
}

void TestCommands::cleanupTestCase()
{
    m_shell.reset();
}

// ---- the command registry -------------------------------------------------------------------------

void TestCommands::registryRules()
{
    using Target = CommandRegistry::Target;
    CommandRegistry registry;
    QList<DocumentWindow *> targets;
    QVERIFY(registry.add(QStringLiteral("A"), Target::Document,
                         [&](const CommandContext &context) { targets << context.window; }));
    QTest::ignoreMessage(QtWarningMsg, "Command A is already registered");
    QVERIFY(!registry.add(QStringLiteral("A"), Target::Optional, [&](const CommandContext &) { targets << nullptr; }));
    QVERIFY(registry.add(QStringLiteral("B"), Target::Optional,
                         [&](const CommandContext &context) { targets << context.window; }));

    registry.run(QStringLiteral("A"), CommandContext{}); // no document: nothing happens
    QVERIFY(targets.isEmpty());
    registry.run(QStringLiteral("B"), CommandContext{});
    QCOMPARE(targets, QList<DocumentWindow *>{nullptr});

    TChildForm *document = m_shell->resetWithDocument();
    registry.run(QStringLiteral("A"), CommandContext{document, &m_shell->mainForm(), nullptr});
    QCOMPARE(targets, (QList<DocumentWindow *>{nullptr, document})); // the first registration stayed

    // Every subsystem's commands together: no name is registered twice.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("already registered")));
    TMainForm another;
}

void TestCommands::popupActsOnItsOwnDocument()
{
    TChildForm *first = m_shell->resetWithDocument();
    setMarked(*first->editor(), QStringLiteral("a|b"));
    DocumentWindow *second = m_shell->mainForm().documents().createDocument();
    setMarked(*second->editor(), QStringLiteral("c|d"));
    QCOMPARE(m_shell->mainForm().documents().activeWindow(), second);

    auto item = [](QWidget *document, const char *name) {
        return document->findChild<QAction *>(QString::fromLatin1(name));
    };
    QVERIFY(item(first, "Copyright_PopUpMenu"));
    item(first, "Copyright_PopUpMenu")->trigger();
    item(first, "Syntaxe_CSS")->trigger();
    QCOMPARE(shown(*first->editor()), QStringLiteral("a&copy;|b"));
    QCOMPARE(first->editor()->highlighter(), Highlighter::Css);
    QCOMPARE(shown(*second->editor()), QStringLiteral("c|d"));
    QCOMPARE(second->editor()->highlighter(), Highlighter::Html);
}

// ---- every control of the menus, palette, drop-downs, quick-insert bar ---------------------------

void TestCommands::everyControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Place>("place");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expected");

    // Every control starts on the line "ab" with the caret between a and b (and "kap1" in the
    // link field); `expected` shows the document afterwards with the caret as "|".
    auto row = [](const char *control, Place place, Outcome outcome, const char *expected = "") {
        QTest::newRow(control) << QString::fromLatin1(control) << place << outcome << QString::fromUtf8(expected);
    };
    auto menu = [&row](const char *control, const char *expected) { row(control, Place::Menu, Outcome::Inserts, expected); };
    auto button = [&row](const char *control, const char *expected) { row(control, Place::Button, Outcome::Inserts, expected); };
    auto menuLauncher = [&row](const char *control) { row(control, Place::Menu, Outcome::Launcher); };
    auto buttonLauncher = [&row](const char *control) { row(control, Place::Button, Outcome::Launcher); };

    // Menu "HTML" > "Vložit tag"
    menuLauncher("BaseFont1");
    menuLauncher("Font");
    menu("Ukonendku1", "a<br>\n|b");
    menu("Nadpis1", "a<|h></h>b");
    menuLauncher("Obrazek");
    menu("Tabulka", "a<table>\n|\n</table>b");
    menuLauncher("Odkaz1");
    menuLauncher("EMail");
    menuLauncher("Script");
    menu("Style", "a<style type=\"text/css\">\n|\n</style>b");
    menuLauncher("BGSound");
    menuLauncher("Vodorovnacara");
    menuLauncher("Odstavec");
    menu("DIV_", "a<div>|</div>b");
    menu("SPAN", "a<span>|</span>b");
    menu("NoBr", "a<nobr>|</nobr>b");
    menu("WBR", "a<wbr>|b");
    row("Banner1", Place::Menu, Outcome::Nothing);
    menu("Necislovanyseznam", "a<ul>\n<li>|\n</ul>b");
    menu("cislovanyseznam", "a<ol>\n<li>|\n</ol>b");
    menu("Seznamdefinic", "a<dl>\n<dt>|<dd>\n</dl>b");
    menu("Vlozitformular", "a<form>|</form>b");
    menu("Input", "a<input|>b");
    menu("TextArea", "a<textarea|>b");
    menuLauncher("Frame");
    menuLauncher("Frameset");
    menuLauncher("IFrame");
    // ... > "Text"
    menu("Tucny", "a<b>|</b>b");
    menu("Kurziva", "a<i>|</i>b");
    menu("Podtrzeny", "a<u>|</u>b");
    menu("Preskrtnuty", "a<strike>|</strike>b");
    menu("Acronym", "a<acronym>|</acronym>b");
    menu("Address", "a<address>|</address>b");
    menu("BIG", "a<big>|</big>b");
    menu("Blink", "a<blink>|</blink>b");
    menu("BlockQuote", "a<blockquote>|</blockquote>b");
    menu("Cite", "a<cite>|</cite>b");
    menu("Code", "a<code>|</code>b");
    menu("Em", "a<em>|</em>b");
    menu("Kbd", "a<kbd>|</kbd>b");
    menu("Listing", "a<listing>|</listing>b");
    menu("Pre", "a<pre>|</pre>b");
    menu("XMP", "a<xmp>|</xmp>b");
    menu("Samp", "a<samp>|</samp>b");
    menu("Small", "a<small>|</small>b");
    menu("Strong", "a<strong>|</strong>b");
    menu("SUB", "a<sub>|</sub>b");
    menu("SUP", "a<sup>|</sup>b");
    // Menu "HTML" > "Speciální znaky", and three of them in the document's pop-up menu
    menu("MensiNez", "a&lt;|b");
    menu("VetsiNez", "a&gt;|b");
    menu("Ampersand", "a&amp;|b");
    menu("Uvozovky", "a&quot;|b");
    menu("Paragraph", "a&sect;|b");
    menu("Copyright", "a&copy;|b");
    menu("Registered", "a&reg;|b");
    menu("Trademark", "a&#153;|b");
    menu("Space", "a&nbsp;|b");
    row("Copyright_PopUpMenu", Place::DocumentPopup, Outcome::Inserts, "a&copy;|b");
    row("Registered_PopUpMenu", Place::DocumentPopup, Outcome::Inserts, "a&reg;|b");
    row("TradeMark_PopUpMenu", Place::DocumentPopup, Outcome::Inserts, "a&#153;|b");
    row("AktualniCas_PopUpMenu", Place::DocumentPopup, Outcome::Clock, "time");
    row("AktualniDatum_PopUpMenu", Place::DocumentPopup, Outcome::Clock, "date");
    row("Napovedaktagum_PopUpMenu", Place::DocumentPopup, Outcome::Help);
    row("Novdokument1", Place::Menu, Outcome::Help);
    // Menu "Formát"
    menu("Tluste", "a<b><font>|</font></b>b");
    menu("Italicke", "a<i><font>|</font></i>b");
    menu("Zarovnatvlevo", "a<div align = LEFT>\n|\n</div>b");
    menu("Zarovnatvpravo", "a<div align = right>\n|\n</div>b");
    menu("Zarovnatnastred", "a<div align = center>\n|\n</div>b");
    menu("Zarovnatdobloku", "a<div align = justify>\n|\n</div>b");
    // Menus "Nástroje", "Úpravy", "Nápověda" and the main toolbar
    menuLauncher("EditorTabulky1");
    menuLauncher("Pocitadlo");
    menuLauncher("EditorCSSstyl1");
    menuLauncher("Editorwebgalerie1");
    menuLauncher("Prevodbarvy");
    menuLauncher("Editacebarvy");
    menuLauncher("Vbrbarvy1");
    row("Galerie_Php", Place::Menu, Outcome::Example, "galerie.php");
    row("Ak_Cas", Place::Menu, Outcome::Example, "ak_cas.htm");
    row("Cas_na_strance", Place::Menu, Outcome::Example, "delka_pobytu.htm");
    row("stinovani_textu", Place::Menu, Outcome::Example, "stinovani.htm");
    row("Cas", Place::Menu, Outcome::Clock, "time");
    row("Datum", Place::Menu, Outcome::Clock, "date");
    row("Datum_Cas", Place::Menu, Outcome::Clock, "date time");
    row("Cas_Datum", Place::Menu, Outcome::Clock, "time date");
    menu("Datumposlednieditace", "a<SCRIPT LANGUAGE=\"JavaScript\">document.write(document.lastModified)</SCRIPT>|b");
    row("Napoveda_k_tagu", Place::Menu, Outcome::Help);
    row("Cas_Menu", Place::Button, Outcome::Clock, "time");
    // Palette "Text" and its drop-down
    button("ToolButton_Text_B", "a<b>|</b>b");
    button("ToolButton_Text_I", "a<i>|</i>b");
    button("ToolButton_Text_S", "a<s>|</s>b");
    button("ToolButton_Text_U", "a<u>|</u>b");
    button("ToolButton_Text_TT", "a<tt>|</tt>b");
    buttonLauncher("ToolButton_Text_FONT");
    buttonLauncher("ToolButton_Text_BASEFONT");
    row("ToolButton_Text_Hn", Place::Button, Outcome::DropsDown, "PopupMenu_Hn");
    button("ToolButton_Text_SUB", "a<sub>|</sub>b");
    button("ToolButton_Text_SUP", "a<sup>|</sup>b");
    button("ToolButton_Text_SMALL", "a<small>|</small>b");
    button("ToolButton_Text_BIG", "a<big>|</big>b");
    row("PopupMenu_H1", Place::DropDownItem, Outcome::Inserts, "a<h1>|</h1>b");
    row("PopupMenu_H2", Place::DropDownItem, Outcome::Inserts, "a<h2>|</h2>b");
    row("PopupMenu_H3", Place::DropDownItem, Outcome::Inserts, "a<h3>|</h3>b");
    row("PopupMenu_H4", Place::DropDownItem, Outcome::Inserts, "a<h4>|</h4>b");
    row("PopupMenu_H5", Place::DropDownItem, Outcome::Inserts, "a<h5>|</h5>b");
    row("PopupMenu_H6", Place::DropDownItem, Outcome::Inserts, "a<h6>|</h6>b");
    // Palette "Formát" and its drop-down
    buttonLauncher("ToolButton_Format_P");
    row("ToolButton_Format_BR", Place::Button, Outcome::DropsDown, "Br_PopupMenu");
    button("ToolButton_Format_BLOCKQUOTE", "a<blockquote>|</blockquote>b");
    buttonLauncher("ToolButton_Format_Q");
    button("ToolButton_Format_PRE", "a<pre>|</pre>b");
    button("ToolButton_Format_CODE", "a<code>|</code>b");
    button("ToolButton_Format_CENTER", "a<center>|</center>b");
    button("ToolButton_Format_CITE", "a<cite>|</cite>b");
    button("ToolButton_Format_ACRONYM", "a<acronym title=\"|\"></acronym>b");
    row("clear_left", Place::DropDownItem, Outcome::Inserts, "a<br clear=left>|b");
    row("clear_right", Place::DropDownItem, Outcome::Inserts, "a<br clear=right>|b");
    row("clear_all", Place::DropDownItem, Outcome::Inserts, "a<br clear=all>|b");
    // Palette "Odkazy"
    buttonLauncher("ToolButton_Odkazy_A");
    button("ToolButton_Odkazy_LOCAL", "a<a href=\"#kap1\">|</a>b");
    button("ToolButton_Odkazy_NAME", "a<a name=\"kap1\">|</a>b");
    // Palette "Styl" (both rule edits empty)
    button("ToolButton_Styl_SPAN", "a<span style=\"|\"></span>b");
    button("ToolButton_Styl_STYLE", "a<style type=\"text/css\">\n|\n</style>b");
    buttonLauncher("ToolButton_Styl_LINK");
    buttonLauncher("ToolButton_Styl_CSS");
    button("ToolButton_Styl_OwnCSS", "a{}|b");
    // Palette "Seznamy"
    button("ToolButton_Seznamy_DL", "a<dl>|</dl>b");
    button("ToolButton_Seznamy_OL", "a<ol>|</ol>b");
    button("ToolButton_Seznamy_UL", "a<ul>\n|\n</ul>b");
    button("ToolButton_Seznamy_DT", "a<dt>|</dt>b");
    button("ToolButton_Seznamy_DD", "a<dd>|</dd>b");
    button("ToolButton_Seznamy_LI", "a<li>|</li>b");
    button("ToolButton_Seznamy_DIR", "a<dir>|</dir>b");
    button("ToolButton_Seznamy_MENU", "a<menu>|</menu>b");
    buttonLauncher("ToolButton_Seznamy_SEZNAM");
    // Palette "Tabulky"
    button("ToolButton_Tabulky_TABLE", "a<table>\n|\n</table>b");
    button("ToolButton_Tabulky_TR", "a  <tr>\n    |\n  </tr>b");
    button("ToolButton_Tabulky_TD", "a<td>|</td>b");
    button("ToolButton_Tabulky_TH", "a<th>|</th>b");
    button("ToolButton_Tabulky_TRTD", "a  <tr>\n    <td>\n    |\n    </td>\n  </tr>b");
    buttonLauncher("ToolButton_Tabulky_TABLES");
    button("ToolButton_Tabulky_THEAD", "a<thead>|</thead>b");
    button("ToolButton_Tabulky_TBODY", "a<tbody>|</tbody>b");
    button("ToolButton_Tabulky_TFOOT", "a<tfoot>|</tfoot>b");
    button("ToolButton_Tabulky_CAPTION", "a<caption>|</caption>b");
    // Palette "Multimédia"
    buttonLauncher("ToolButton_Multimedia_IMG");
    buttonLauncher("ToolButton_Multimedia_VIDEO");
    buttonLauncher("ToolButton_Multimedia_BGSOUND");
    buttonLauncher("ToolButton_Multimedia_HR");
    buttonLauncher("ToolButton_Multimedia_MARQUEE");
    buttonLauncher("ToolButton_Multimedia_EMBED");
    // Palette "Formuláře"
    buttonLauncher("ToolButton_Formulare_FORM");
    buttonLauncher("ToolButton_Formulare_INPUT");
    button("ToolButton_Formulare_BUTTON", "a<button>|</button>b");
    buttonLauncher("ToolButton_Formulare_LABEL");
    buttonLauncher("ToolButton_Formulare_SELECT");
    buttonLauncher("ToolButton_Formulare_OPTION");
    buttonLauncher("ToolButton_Formulare_TEXAREA");
    // Palettes "Rámce", "Script", "Další"
    buttonLauncher("ToolButton_Ramce_FRAMESET");
    buttonLauncher("ToolButton_Ramce_FRAME");
    buttonLauncher("ToolButton_Ramce_IFRAME");
    // The colour bar
    buttonLauncher("TBItem_VybratBarvu");
    button("TBItem_Fuchsia", "aFuchsia|b");
    button("ToolButton_Ramce_NOFRAMES", "a<noframes>|</noframes>b");
    buttonLauncher("ToolButton_Script_SCRIPT");
    button("ToolButton_Script_NOSCRIPT", "a<noscript>|</noscript>b");
    buttonLauncher("ToolButton_Script_PARAM");
    buttonLauncher("ToolButton_Dalsi_META");
    button("ToolButton_Dalsi_LEGEND", "a<legend>|</legend>b");
    button("ToolButton_Dalsi_XMP", "a<xmp>|</xmp>b");
    button("ToolButton_Dalsi_ADDRESS", "a<address>|</address>b");
    // The quick-insert bar
    button("ToolButton_FastPaste_BR", "a<br/>|b");
    button("ToolButton_FastPaste_P", "a<p>|b");
    button("ToolButton_FastPaste_Kom", "a<!-- | -->b");
    button("ToolButton_FastPaste_Space", "a&nbsp;|b");
    buttonLauncher("ToolButton_FastPaste_MailTo");
    buttonLauncher("ToolButton_FastPaste_w");
    button("ToolButton_FastPaste_tag", "a<|>b");
    button("ToolButton_FastPaste_tag_", "a</|>b");
    button("ToolButton_FastPaste_EL", "a<|></>b");
    button("ToolButton_FastPaste_justify", "a<div align = justify>\n|\n</div>b");
    button("ToolButton_FastPaste_right", "a<div align = right>\n|\n</div>b");
    button("ToolButton_FastPaste_center", "a<div align = center>\n|\n</div>b");
    button("ToolButton_FastPaste_left", "a<div align = LEFT>\n|\n</div>b");
    row("ToolButton_FastPaste_browser", Place::Button, Outcome::Window, "TBrowser_Form");
}

void TestCommands::everyControl()
{
    QFETCH(QString, control);
    QFETCH(Place, place);
    QFETCH(Outcome, outcome);
    QFETCH(QString, expected);

    UrlCatcher urls;
    TMainForm &mainForm = m_shell->mainForm();
    const ScratchProgramFolder &folder = m_shell->folder();
    TChildForm *child = m_shell->resetWithDocument();
    SyntaxEdit *editor = child->editor();
    setMarked(*editor, QStringLiteral("a|b"));
    editor->clearModified();
    linkField(mainForm)->setEditText(QStringLiteral("kap1"));

    // The control, where the user finds it.
    QAction *action = nullptr;
    QToolButton *toolButton = nullptr;
    switch (place) {
    case Place::Menu:
        action = mainForm.action(control);
        QVERIFY2(action && inMenuBar(mainForm, action), "not in the menu bar");
        break;
    case Place::Button:
        toolButton = mainForm.findChild<QToolButton *>(control);
        QVERIFY2(toolButton, "no such button");
        action = toolButton->defaultAction();
        break;
    case Place::DropDownItem:
        for (QToolButton *owner : mainForm.findChildren<QToolButton *>())
            if (owner->menu())
                for (QAction *item : owner->menu()->actions())
                    if (item->objectName() == control)
                        action = item;
        QVERIFY2(action, "in no drop-down menu of a button");
        break;
    case Place::DocumentPopup: {
        QList<QMenu *> menus = child->popupMenu()->findChildren<QMenu *>();
        menus << child->popupMenu();
        for (QMenu *menu : std::as_const(menus))
            for (QAction *item : menu->actions())
                if (item->objectName() == control)
                    action = item;
        QVERIFY2(action, "not in the document's pop-up menu");
        break;
    }
    }
    QVERIFY(action);
    auto run = [&] {
        if (toolButton)
            toolButton->click();
        else
            action->trigger();
    };

    switch (outcome) {
    case Outcome::Inserts: {
        QVERIFY(action->isEnabled());
        run();
        QCOMPARE(shown(*editor), expected);
        QVERIFY(editor->isModified());
        editor->undo(); // the whole command is one step
        QCOMPARE(editor->text(), QStringLiteral("ab\r\n"));
        break;
    }
    case Outcome::Launcher: {
        const QString command = action->property(kCommandProperty).toString();
        QVERIFY2(!command.isEmpty(), "runs no command");
        QVERIFY2(mainForm.commands().has(command), qPrintable(command + QStringLiteral(" is not registered")));
        QVERIFY(action->isEnabled());
        QStringList completing; // editable combo boxes that would change what is typed into them
        ModalSteps watcher({[&completing](QWidget *modal) {
                               for (QComboBox *combo : modal->findChildren<QComboBox *>())
                                   if (combo->isEditable() && combo->completer())
                                       completing << combo->objectName();
                               dismiss(modal);
                           }},
                           ModalSteps::Others::Dismiss);
        run();
        // One dialog, no message box; the document stays as it was.
        QCOMPARE(watcher.seen().size(), 1);
        QVERIFY2(!watcher.seen().first().contains(QLatin1Char('|')), qPrintable(watcher.seen().first()));
        QCOMPARE(shown(*editor), QStringLiteral("a|b"));
        QCOMPARE(completing, QStringList());
        break;
    }
    case Outcome::Nothing: {
        QVERIFY(action->isEnabled());
        const auto watcher = ModalSteps::dismissAll();
        run();
        QCOMPARE(shown(*editor), QStringLiteral("a|b"));
        QVERIFY(watcher->seen().isEmpty());
        QCOMPARE(mainForm.mdiArea()->subWindowList().size(), 1);
        break;
    }
    case Outcome::DropsDown: {
        QVERIFY(action->isEnabled());
        QVERIFY(toolButton->menu());
        QCOMPARE(toolButton->menu()->objectName(), expected);
        QCOMPARE(toolButton->popupMode(), QToolButton::InstantPopup);
        break;
    }
    case Outcome::Clock: {
        QVERIFY(action->isEnabled());
        const QDateTime before = QDateTime::currentDateTime();
        run();
        const QDateTime after = QDateTime::currentDateTime();
        const QString result = shown(*editor);
        const QString early = QStringLiteral("a") + stampText(expected, before) + QStringLiteral("|b");
        const QString late = QStringLiteral("a") + stampText(expected, after) + QStringLiteral("|b");
        QVERIFY2(result == early || result == late, qPrintable(result + QStringLiteral(" vs ") + early));
        break;
    }
    case Outcome::Help: {
        QVERIFY(action->isEnabled());
        run();
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(folder.filePath(QStringLiteral("help/napoveda_tagy.html")))});
        QCOMPARE(shown(*editor), QStringLiteral("a|b"));
        QVERIFY(mainForm.isVisible());
        break;
    }
    case Outcome::Example: {
        QVERIFY(action->isEnabled());
        run();
        QCOMPARE(mainForm.mdiArea()->subWindowList().size(), 2);
        QVERIFY(mainForm.documents().activeWindow() != child);
        QCOMPARE(mainForm.documents().activeWindow()->windowTitle(), expected);
        break;
    }
    case Outcome::Window: {
        QVERIFY(action->isEnabled());
        const auto watcher = ModalSteps::dismissAll();
        run();
        QWidget *window = mainForm.findChild<QWidget *>(expected);
        QVERIFY(window && window->isVisible() && window->isWindow());
        QVERIFY(!window->isModal());
        QVERIFY(watcher->seen().isEmpty());
        QCOMPARE(shown(*editor), QStringLiteral("a|b"));
        QPointer<QWidget> closed(window);
        window->close(); // and gone with it
        QTRY_VERIFY(!closed);
        break;
    }
    }
}

void TestCommands::insertionThenTyping_data()
{
    QTest::addColumn<QString>("before"); // "|" caret, "{...}" selection
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    QTest::newRow("Tučný replaces the selection") << "x {abc} y" << "TucnyClick" << "" << "x <b>|</b> y";
    QTest::newRow("TR at column 1 of X, then typing") << "|X" << "ToolButton_Tabulky_TRClick" << "z"
                                                      << "  <tr>\n    z|\n  </tr>X";
    QTest::newRow("TR::TD after an indented word") << "  a|b" << "ToolButton_Tabulky_TRTDClick" << "z"
                                                   << "  a  <tr>\n    <td>\n    z|\n    </td>\n  </tr>b";
    QTest::newRow("menu list: end of the <li> line, wherever it began")
        << "    x|" << "NecislovanyseznamClick" << "jedna" << "    x<ul>\n<li>jedna|\n</ul>";
    QTest::newRow("palette UL: column 1 of the empty middle line") << "    x|" << "ToolButton_Seznamy_ULClick" << "z"
                                                                    << "    x<ul>\nz|\n</ul>";
    QTest::newRow("palette OL: between the tags on one line") << "|" << "ToolButton_Seznamy_OLClick" << "z"
                                                              << "<ol>z|</ol>";
    QTest::newRow("Nadpis: a digit lands before the h") << "|" << "Nadpis1Click" << "1" << "<1|h></h>";
    QTest::newRow("ACRONYM: typing fills the title") << "|" << "ToolButton_Format_ACRONYMClick" << "HTML"
                                                     << "<acronym title=\"HTML|\"></acronym>";
    QTest::newRow("comment: one space each side") << "|" << "ToolButton_FastPaste_KomClick" << "pozor"
                                                  << "<!-- pozor| -->";
    QTest::newRow("TABLE over a selection across lines") << "{ab\ncd}" << "TabulkaClick" << "z"
                                                         << "<table>\nz|\n</table>";
    QTest::newRow("SPAN replaces the selection, caret in the style") << "a{bc}d" << "ToolButton_Styl_SPANClick"
                                                                     << "color:red" << "a<span style=\"color:red|\"></span>d";
    QTest::newRow("STYLE: start of the empty middle line") << "|" << "ToolButton_Styl_STYLEClick" << "p{}"
                                                           << "<style type=\"text/css\">\np{}|\n</style>";
    QTest::newRow("alignment: LEFT in capitals, caret inside") << "|" << "ToolButton_FastPaste_leftClick" << "z"
                                                               << "<div align = LEFT>\nz|\n</div>";
}

void TestCommands::insertionThenTyping()
{
    QFETCH(QString, before);
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, after);

    TMainForm &mainForm = m_shell->mainForm();
    SyntaxEdit *editor = m_shell->resetWithDocument()->editor();
    setMarked(*editor, before);
    QVERIFY(mainForm.commands().has(command));
    mainForm.commands().run(command);
    QTest::keyClicks(editor, typed);
    QCOMPARE(shown(*editor), after);
}

void TestCommands::withoutDocument()
{
    m_shell->reset();
    TMainForm &mainForm = m_shell->mainForm();
    QCOMPARE(mainForm.documents().activeEditor(), nullptr);
    const auto watcher = ModalSteps::dismissAll();
    QStringList commands = {QStringLiteral("CasClick"), QStringLiteral("DatumClick"), QStringLiteral("Datum_CasClick"),
                            QStringLiteral("Cas_DatumClick")};
    for (const DirectCommand &entry : directCommandCatalogue())
        commands << QString::fromLatin1(entry.command);
    for (const QString &command : commands) {
        QVERIFY2(mainForm.commands().has(command), qPrintable(command));
        mainForm.commands().run(command);
    }
    QVERIFY(mainForm.mdiArea()->subWindowList().isEmpty());
    QVERIFY(watcher->seen().isEmpty());
    QVERIFY(mainForm.isVisible());
}

// ---- date and time --------------------------------------------------------------------------------

void TestCommands::timeFormats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format"); // the long time format without its time zone
    QTest::addColumn<QString>("time");   // 21:05:07 in it
    QTest::addColumn<QString>("date");   // 5 March 2024 in the short date format

    QTest::newRow("Czech") << "cs_CZ" << "H:mm:ss" << "21:05:07" << "05.03.24";
    QTest::newRow("Slovak: its own date shape") << "sk_SK" << "H:mm:ss" << "21:05:07" << "5. 3. 2024";
    QTest::newRow("US English: 12-hour suffix kept") << "en_US" << "h:mm:ss AP" << "9:05:07 PM" << "3/5/24";
    QTest::newRow("zone in brackets") << "eu_ES" << "HH:mm:ss" << "21:05:07" << "24/3/5";
    QTest::newRow("zone in square brackets") << "yue_HK" << "APh:mm:ss" << QString::fromUtf8("下午9:05:07")
                                             << "2024/3/5";
    QTest::newRow("zone after a comma") << "be_BY" << "HH:mm:ss" << "21:05:07" << "5.03.24";
    QTest::newRow("zone first") << "zh_HK" << "APh:mm:ss" << QString::fromUtf8("下午9:05:07") << "5/3/2024";
    QTest::newRow("quoted text kept") << "fr_CA" << "HH 'h' mm 'min' ss 's'" << "21 h 05 min 07 s" << "2024-03-05";
    QTest::newRow("quoted text before the zone") << "bg_BG" << QString::fromUtf8("H:mm:ss 'ч'.")
                                                 << QString::fromUtf8("21:05:07 ч.") << QString::fromUtf8("5.03.24 г.");
}

void TestCommands::timeFormats()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(QString, time);
    QFETCH(QString, date);

    const QLocale regional(locale);
    QCOMPARE(longTimeFormatWithoutZone(regional), format);
    QCOMPARE(regionalTime(regional, QTime(21, 5, 7)), time);
    QCOMPARE(regionalDate(regional, QDate(2024, 3, 5)), date);
}

void TestCommands::timeStampTakesOneMoment()
{
    // One moment gives both parts: a stamp taken at the stroke of midnight never pairs one day's date
    // with the next day's time.
    const QLocale czech(QStringLiteral("cs_CZ"));
    const QDateTime lastSecond(QDate(2024, 12, 31), QTime(23, 59, 59));
    struct Case
    {
        TimeStamp stamp;
        const char *shown;
    };
    const Case cases[] = {
        {TimeStamp::Time, "a23:59:59|b"},
        {TimeStamp::Date, "a31.12.24|b"},
        {TimeStamp::DateThenTime, "a31.12.24 23:59:59|b"},
        {TimeStamp::TimeThenDate, "a23:59:59 31.12.24|b"},
    };
    for (const Case &c : cases) {
        LineBuffer buffer;
        setMarked(buffer, QStringLiteral("a|b"));
        apply(timeStampEdit(c.stamp, czech, lastSecond), buffer);
        QCOMPARE(shown(buffer), QString::fromLatin1(c.shown));
    }
}

void TestCommands::timeStampReplacesSelection()
{
    TMainForm &mainForm = m_shell->mainForm();
    SyntaxEdit *editor = m_shell->resetWithDocument()->editor();
    setMarked(*editor, QStringLiteral("x {abc} y"));
    const QDateTime before = QDateTime::currentDateTime();
    mainForm.commands().run(QStringLiteral("DatumClick"));
    const QDateTime after = QDateTime::currentDateTime();
    const QString result = shown(*editor);
    QVERIFY2(result == QStringLiteral("x ") + stampText(QStringLiteral("date"), before) + QStringLiteral("| y")
                 || result == QStringLiteral("x ") + stampText(QStringLiteral("date"), after) + QStringLiteral("| y"),
             qPrintable(result));
}

// ---- example pages and tag help -------------------------------------------------------------------

void TestCommands::exampleOpens_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<DocumentLanguage>("language");
    QTest::addColumn<QString>("panel");

    QTest::newRow("Aktuální čas") << "Ak_Cas" << "examples/javascript/ak_cas.htm" << DocumentLanguage::Html << "HTML dokument";
    QTest::newRow("Čas strávený na stránce") << "Cas_na_strance" << "examples/javascript/delka_pobytu.htm"
                                             << DocumentLanguage::Html << "HTML dokument";
    QTest::newRow("Stínování textu") << "stinovani_textu" << "examples/javascript/stinovani.htm"
                                     << DocumentLanguage::Html << "HTML dokument";
    QTest::newRow("Galerie přes PHP") << "Galerie_Php" << "examples/php/galerie.php" << DocumentLanguage::Php << "PHP";
}

void TestCommands::exampleOpens()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(DocumentLanguage, language);
    QFETCH(QString, panel);

    TMainForm &mainForm = m_shell->mainForm();
    const ScratchProgramFolder &folder = m_shell->folder();
    TChildForm *earlier = m_shell->resetWithDocument();
    const QString earlierText = earlier->editor()->text();
    const QByteArray bytes = readFile(folder.filePath(file));

    QAction *action = mainForm.action(item);
    QVERIFY(action && action->isEnabled());
    for (int run = 1; run <= 2; ++run) {
        action->trigger();
        DocumentWindow *example = mainForm.documents().activeWindow();
        QVERIFY(example && example != earlier);
        QCOMPARE(example->windowTitle(), QFileInfo(file).fileName());
        QVERIFY(example->parentWidget()->isMaximized());
        QCOMPARE(example->editor()->highlighter(), highlighterOf(language));
        QCOMPARE(mainForm.statusPanels()->panelText(VelinorStatusBar::Language), panel);
        SyntaxEdit fromFile;
        fromFile.loadFile(folder.filePath(file));
        QCOMPARE(example->editor()->text(), fromFile.text());
        QVERIFY(!example->editor()->isModified());
        // Each run adds one more window of the same name; the earlier document stays as it was.
        QCOMPARE(mainForm.mdiArea()->subWindowList().size(), 1 + run);
        QCOMPARE(earlier->editor()->text(), earlierText);
    }
    // The example file itself is never written.
    QCOMPARE(readFile(folder.filePath(file)), bytes);
}

void TestCommands::exampleMissing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");

    QTest::newRow("Aktuální čas") << "Ak_CasClick"
                                  << "Soubor \"ak_cas.htm\" k zobrazení aktuálního\ndatumu a času ve stavovém řádku nebyl nalzen!";
    QTest::newRow("Čas strávený na stránce") << "Cas_na_stranceClick"
                                             << "Soubor \"delka_pobytu.htm\" k měření dělky\npobytu na stránce nebyl nalzen!";
    QTest::newRow("Stínování textu") << "stinovani_textuClick"
                                     << "Soubor \"stinovani.htm\" k vypisování textu\npísmeno po písmenu nebyl nalzen!";
    QTest::newRow("Galerie přes PHP") << "Galerie_PhpClick"
                                      << "Soubor \"galerie.php\" s ukázkou galerie přes PHP\nnebyl nalezen!";
}

void TestCommands::exampleMissing()
{
    QFETCH(QString, command);
    QFETCH(QString, message);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    mainForm.documents().createDocument();
    {
        const auto watcher = ModalSteps::dismissAll();
        mainForm.commands().run(command);
        QCOMPARE(watcher->seen(), QStringList{QStringLiteral("%1|%2|1").arg(int(QMessageBox::Information)).arg(message)});
    }
    // Then the main window closes as its own close command does.
    QVERIFY(!mainForm.isVisible());
    QVERIFY(mainForm.mdiArea()->subWindowList().isEmpty());
}

void TestCommands::tagHelp()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(installDataFiles(folder));
    UrlCatcher urls;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    setMarked(*editor, QStringLiteral("<b|>"));
    editor->clearModified();

    QTest::keySequence(&mainForm, QKeySequence(Qt::CTRL | Qt::Key_F1));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(folder.filePath(QStringLiteral("help/napoveda_tagy.html")))});
    QCOMPARE(shown(*editor), QStringLiteral("<b|>"));
    QVERIFY(!editor->isModified());
    QCOMPARE(mainForm.mdiArea()->subWindowList().size(), 1);
}

void TestCommands::tagHelpMissing()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    UrlCatcher urls;
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    {
        const auto watcher = ModalSteps::dismissAll();
        mainForm.commands().run(QStringLiteral("Napoveda_k_taguClick"));
        QCOMPARE(watcher->seen(), QStringList{QStringLiteral("%1|%2|1")
                                               .arg(int(QMessageBox::Information))
                                               .arg(QString::fromUtf8("Soubor \"napoveda_tagy.html\" s nápovědou k tagům\nnebyl nalzen!"))});
    }
    QVERIFY(urls.opened.isEmpty());
    QVERIFY(!mainForm.isVisible());
}

void TestCommands::dataFilesAreWindows1250_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("czech"); // a phrase of the page, decoded
    QTest::newRow("ak_cas.htm") << "examples/javascript/ak_cas.htm" << "stavového řádku";
    QTest::newRow("delka_pobytu.htm") << "examples/javascript/delka_pobytu.htm" << "Čas strávený na stránce";
    QTest::newRow("stinovani.htm") << "examples/javascript/stinovani.htm" << "písmeno po písmenu";
    QTest::newRow("galerie.php") << "examples/php/galerie.php" << "Jednoduchá galerie obrázků";
    QTest::newRow("napoveda_tagy.html") << "help/napoveda_tagy.html" << "Přehled základních tagů HTML";
}

void TestCommands::dataFilesAreWindows1250()
{
    QFETCH(QString, file);
    QFETCH(QString, czech);

    const QByteArray bytes = readFile(kDataFolder + QLatin1Char('/') + file);
    QVERIFY(!bytes.isEmpty());
    // Czech letters as windows-1250 bytes, and a declaration that says so.
    QVERIFY(!looksLikeUtf8(bytes));
    QVERIFY(bytes.contains("charset=windows-1250"));
    SyntaxEdit page;
    page.loadFile(kDataFolder + QLatin1Char('/') + file);
    QCOMPARE(page.encoding(), TextEncoding::Windows1250);
    QVERIFY2(page.text().contains(czech), qPrintable(czech));
}

// ---- local links ----------------------------------------------------------------------------------

void TestCommands::localLinkText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("remembered");

    QTest::newRow("LOCAL kap1") << "kap1" << "ToolButton_Odkazy_LOCAL" << "x<a href=\"#kap1\">|</a>y" << QStringList{"kap1"};
    QTest::newRow("NAME kap1") << "kap1" << "ToolButton_Odkazy_NAME" << "x<a name=\"kap1\">|</a>y" << QStringList{"kap1"};
    QTest::newRow("LOCAL empty") << "" << "ToolButton_Odkazy_LOCAL" << "x<a href=\"#\">|</a>y" << QStringList();
    QTest::newRow("NAME empty: no attribute") << "" << "ToolButton_Odkazy_NAME" << "x<a>|</a>y" << QStringList();
    QTest::newRow("spaces and quotes as typed") << " kapitola \"1\" " << "ToolButton_Odkazy_NAME"
                                                << "x<a name=\" kapitola \"1\" \">|</a>y"
                                                << QStringList{"kapitola \"1\""};
    QTest::newRow("Czech letters") << QString::fromUtf8("úvod") << "ToolButton_Odkazy_LOCAL"
                                   << QString::fromUtf8("x<a href=\"#úvod\">|</a>y") << QStringList{QString::fromUtf8("úvod")};
    // "Ĺˇ" is C5 A1 in windows-1250, also the UTF-8 of "š": it must not come back as "š".
    QTest::newRow("windows-1250 bytes that are also UTF-8") << QString::fromUtf8("Ĺˇ") << "ToolButton_Odkazy_NAME"
                                                           << QString::fromUtf8("x<a name=\"Ĺˇ\">|</a>y")
                                                           << QStringList{QString::fromUtf8("Ĺˇ")};
    // An INI key cannot hold "=": the name is inserted but not offered later under a wrong name.
    QTest::newRow("a name with = is not remembered") << "a=b" << "ToolButton_Odkazy_LOCAL" << "x<a href=\"#a=b\">|</a>y"
                                                      << QStringList();
    QTest::newRow("a name like a section header is not remembered") << "[x]" << "ToolButton_Odkazy_NAME"
                                                                      << "x<a name=\"[x]\">|</a>y" << QStringList();
}

void TestCommands::localLinkText()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QString, after);
    QFETCH(QStringList, remembered);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    setMarked(*editor, QStringLiteral("x|y"));
    QComboBox *field = linkField(mainForm);
    QVERIFY(field && field->isEditable());
    QVERIFY(field->currentText().isEmpty());
    QCOMPARE(field->count(), 0);

    field->setEditText(name);
    QVERIFY(clickButton(mainForm, qPrintable(button)));
    QCOMPARE(shown(*editor), after);
    QVERIFY(field->currentText().isEmpty());
    QCOMPARE(listOf(field), remembered);
    const QString iniPath = folder.filePath(QStringLiteral("setup/local_link.ini"));
    QCOMPARE(IniFile(iniPath).keys(QStringLiteral("Link_ComboBox")), remembered);
    if (remembered.isEmpty())
        QVERIFY(!QFileInfo::exists(iniPath)); // nothing stored, so no file touched
}

void TestCommands::localLinkList()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    // A name left behind by a run that did not end through the main window: not read at start,
    // but part of the list from the first reload on.
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("setup"))));
    IniFile(folder.filePath(QStringLiteral("setup/local_link.ini")))
        .writeString(QStringLiteral("Link_ComboBox"), QStringLiteral("stara"), QStringLiteral("stara"));

    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    setMarked(*editor, QStringLiteral("|"));
    QComboBox *field = linkField(mainForm);
    QVERIFY(field);
    QCOMPARE(field->count(), 0);

    // The user types into the field.
    QTest::keyClicks(field->lineEdit(), QStringLiteral("kap1"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_NAME"));
    QCOMPARE(listOf(field), (QStringList{"stara", "kap1"}));
    QVERIFY(field->currentText().isEmpty());

    // Picked from the list.
    field->setCurrentIndex(1);
    QCOMPARE(field->currentText(), QStringLiteral("kap1"));
    toLineEnd(*editor);
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_LOCAL"));
    QCOMPARE(shown(*editor), QStringLiteral("<a name=\"kap1\"></a><a href=\"#kap1\">|</a>"));
    QCOMPARE(listOf(field), (QStringList{"stara", "kap1"}));

    // Another spelling of a known name keeps the first; a new name joins the end.
    toLineEnd(*editor);
    QTest::keyClicks(field->lineEdit(), QStringLiteral("Kap1"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_LOCAL"));
    toLineEnd(*editor);
    QTest::keyClicks(field->lineEdit(), QStringLiteral("kap2"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_NAME"));
    // The start of a known name stays what was typed: nothing completes it behind the user's back.
    toLineEnd(*editor);
    mainForm.palette()->setCurrentIndex(3); // "Odkazy"
    QApplication::setActiveWindow(&mainForm);
    field->lineEdit()->setFocus();
    QTRY_VERIFY(field->lineEdit()->hasFocus());
    QTest::keyClicks(field->lineEdit(), QStringLiteral("ka"));
    QCOMPARE(field->currentText(), QStringLiteral("ka"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_LOCAL"));
    QCOMPARE(listOf(field), (QStringList{"stara", "kap1", "kap2", "ka"}));
    QVERIFY(field->currentText().isEmpty());
    QCOMPARE(shown(*editor), QStringLiteral("<a name=\"kap1\"></a><a href=\"#kap1\"></a><a href=\"#Kap1\"></a>"
                                            "<a name=\"kap2\"></a><a href=\"#ka\">|</a>"));
    QCOMPARE(readFile(folder.filePath(QStringLiteral("setup/local_link.ini"))),
             QByteArray("[Link_ComboBox]\r\nstara=stara\r\nkap1=Kap1\r\nkap2=kap2\r\nka=ka\r\n"));
}

void TestCommands::localLinkWithoutDocument()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    QCOMPARE(mainForm.documents().activeEditor(), nullptr);
    QComboBox *field = linkField(mainForm);
    QVERIFY(field);
    field->setEditText(QStringLiteral("kap3"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_LOCAL"));
    QCOMPARE(listOf(field), QStringList{QStringLiteral("kap3")});
    QVERIFY(field->currentText().isEmpty());
    QVERIFY(mainForm.mdiArea()->subWindowList().isEmpty());
}

void TestCommands::localLinkWriteFailure()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    setMarked(*editor, QStringLiteral("|"));
    QComboBox *field = linkField(mainForm);
    QVERIFY(field);
    field->setEditText(QStringLiteral("kap1"));
    QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_NAME"));
    QCOMPARE(listOf(field), QStringList{QStringLiteral("kap1")});

    // The folder setup/ goes away: the file cannot be written.
    QVERIFY(QDir(folder.filePath(QStringLiteral("setup"))).removeRecursively());
    field->setEditText(QStringLiteral("kap2"));
    toLineEnd(*editor);
    {
        const auto watcher = ModalSteps::dismissAll();
        QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_LOCAL"));
        QCOMPARE(watcher->seen().size(), 1);
        QCOMPARE(watcher->seen().first().section(QLatin1Char('|'), 1, 1),
                 QStringLiteral("Unable to write to ") + folder.filePath(QStringLiteral("setup/local_link.ini")));
    }
    // The link is in; the list stays, the field keeps its text.
    QCOMPARE(shown(*editor), QStringLiteral("<a name=\"kap1\"></a><a href=\"#kap2\">|</a>"));
    QCOMPARE(listOf(field), QStringList{QStringLiteral("kap1")});
    QCOMPARE(field->currentText(), QStringLiteral("kap2"));
}

void TestCommands::localLinksForgottenAtExit()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    const QString iniPath = folder.filePath(QStringLiteral("setup/local_link.ini"));
    {
        TMainForm mainForm;
        QVERIFY(showMainForm(mainForm));
        linkField(mainForm)->setEditText(QStringLiteral("kap1"));
        QVERIFY(clickButton(mainForm, "ToolButton_Odkazy_NAME"));
        // Another section of the file is not this command's business.
        IniFile(iniPath).writeString(QStringLiteral("Jine"), QStringLiteral("a"), QStringLiteral("1"));
        QVERIFY(mainForm.close());
    }
    QVERIFY(QFileInfo::exists(iniPath));
    const IniFile ini(iniPath);
    QVERIFY(!ini.hasSection(QStringLiteral("Link_ComboBox")));
    QCOMPARE(ini.readString(QStringLiteral("Jine"), QStringLiteral("a")), QStringLiteral("1"));

    // The next run starts with an empty list, also after its first use.
    TMainForm next;
    QVERIFY(showMainForm(next));
    linkField(next)->setEditText(QStringLiteral("kap2"));
    QVERIFY(clickButton(next, "ToolButton_Odkazy_NAME"));
    QCOMPARE(listOf(linkField(next)), QStringList{QStringLiteral("kap2")});
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
