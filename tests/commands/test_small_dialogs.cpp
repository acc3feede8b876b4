// The font, base-font and small element dialogs: their generators as tables of cases, and the
// dialogs driven as a user drives them.

#include "app/child_form.h"
#include "app/main_form.h"
#include "commands/font_form.h"
#include "commands/font_generator.h"
#include "commands/font_group_form.h"
#include "commands/small_element_generators.h"
#include "widgets/dialog_parts.h"
#include "widgets/font_families.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace testsupport;
using FieldValues = QList<QPair<QString, QString>>;

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(FieldValues)

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// The document's lines joined by "\n", with "|" where the caret stands.
QString withCaret(const TextDocument &document)
{
    QStringList lines;
    for (int i = 0; i < document.lineCount(); ++i)
        lines << document.line(i);
    const TextPosition caret = document.caret();
    while (lines.size() < caret.line)
        lines << QString();
    QString &line = lines[caret.line - 1];
    line = line.leftJustified(caret.column - 1, QLatin1Char(' ')).insert(caret.column - 1, QLatin1Char('|'));
    return lines.join(QLatin1Char('\n'));
}

QString appliedToEmptyDocument(const Edit &edit)
{
    LineBuffer document;
    apply(edit, document);
    return withCaret(document);
}

FontFields font(const char *face, const char *size = "", const char *title = "")
{
    FontFields f;
    f.face = u8(face);
    f.size = u8(size);
    f.title = u8(title);
    return f;
}

FontFields coloured(FontFields f, bool shown, Rgb colour = Rgb{})
{
    f.colourShown = shown;
    f.colour = colour;
    return f;
}

// The style pairs ticked: any of the letters "s", "u", "i", "b".
FontFields styled(FontFields f, const char *pairs)
{
    const QString ticked = QString::fromLatin1(pairs);
    f.strikeOut = ticked.contains(QLatin1Char('s'));
    f.underline = ticked.contains(QLatin1Char('u'));
    f.italic = ticked.contains(QLatin1Char('i'));
    f.bold = ticked.contains(QLatin1Char('b'));
    return f;
}

HorizontalRuleFields rule(const char *width, const char *size, const char *align)
{
    HorizontalRuleFields f;
    f.width = u8(width);
    f.size = u8(size);
    f.align = u8(align);
    return f;
}

// The document as the user sees it: lines joined by "\n", "|" at the caret.
QString shown(SyntaxEdit &editor)
{
    return withCaret(editor);
}

// Sets fields by object name: a line edit or combo box takes the text, a check box "1" or "0".
QStringList setFields(QWidget *dialog, const FieldValues &values)
{
    QStringList missing;
    for (const auto &[name, value] : values) {
        if (auto *edit = dialog->findChild<QLineEdit *>(name))
            edit->setText(value);
        else if (auto *combo = dialog->findChild<QComboBox *>(name))
            combo->setEditText(value);
        else if (auto *box = dialog->findChild<QCheckBox *>(name))
            box->setChecked(value == QLatin1String("1"));
        else
            missing << name;
    }
    return missing;
}

template <typename T>
T *child(QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

} // namespace

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void generators_data();
    void generators();
    void styledFontReplacesTheSelection();

    void initTestCase();
    void cleanupTestCase() { m_shared.reset(); }
    void dialogsFromTheirLaunchers_data();
    void dialogsFromTheirLaunchers();
    void noDocumentKeepsTheDialogOpen();
    void enterInsertsInLabelAndParameter();
    void fontColourChoice();
    void ruleColourGateBesideItsButton();
    void fontSizeTakesDigitsOnly();
    void fontGroup();
    void plainFamilies_data();
    void plainFamilies();

private:
    // Runs a main-window command whose dialog `act` answers; returns the dialog's class name.
    QString runDialog(const char *action, const std::function<void(QWidget *)> &act);

    std::unique_ptr<SharedMainForm> m_shared;
};

void TestSmallDialogs::initTestCase()
{
    muteOffscreenPlatformWarnings();
    m_shared = std::make_unique<SharedMainForm>();
    QVERIFY(m_shared->isReady());
}

QString TestSmallDialogs::runDialog(const char *action, const std::function<void(QWidget *)> &act)
{
    QString opened;
    ModalSteps steps({[&opened, act](QWidget *modal) {
        opened = modal->objectName() + QLatin1Char(':') + modal->windowTitle();
        act(modal);
    }});
    QAction *command = m_shared->mainForm().action(QString::fromLatin1(action));
    if (!command || !command->isEnabled())
        return QStringLiteral("(no command)");
    command->trigger();
    QApplication::processEvents();
    return opened;
}

void TestSmallDialogs::dialogsFromTheirLaunchers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dialog"); // objectName:caption
    QTest::addColumn<FieldValues>("fields");
    QTest::addColumn<QString>("document"); // the line "ab" with the caret after a, afterwards

    QTest::newRow("font") << "Font" << "TFontForm:Font"
                          << FieldValues{{"Font_ComboBox", "Arial"}, {"Size_ComboBox", "+2"}, {"Bold_CheckBox", "1"}}
                          << R"(a<b><font face="Arial" size="+2">|</font></b>b)";
    QTest::newRow("base font") << "BaseFont1" << "TBasefontForm:BaseFont"
                               << FieldValues{{"BaseFont_ComboBox", "Arial"}, {"Titulek_Edit", "t"}}
                               << R"(a<font face="Arial" title="t">|</font>b)";
    QTest::newRow("paragraph") << "Odstavec" << u8("TP_Form:Odstavec")
                               << FieldValues{{"Align_ComboBox", "center"}, {"Obtekani_ComboBox", "all"},
                                              {"Nezalamovat_CheckBox", "1"}}
                               << R"(a<p align="center" clear="all" NoWrap>|</p>b)";
    QTest::newRow("paragraph without end tag") << "Odstavec" << u8("TP_Form:Odstavec")
                                               << FieldValues{{"KoncovyTag_CheckBox", "0"}} << "a<p>|b";
    QTest::newRow("script") << "Script" << "TSCRIPT_Form:SCRIPT" << FieldValues{{"Jazyk_ComboBox", "javascript"}}
                            << "a<script language=\"javascript\">\n|\n</script>b";
    QTest::newRow("hr") << "Vodorovnacara" << u8("THr_Form:Horizontální linka")
                        << FieldValues{{"Sirka_ComboBox", "75%"}, {"UkazStin_CheckBox", "0"}} << R"(a<hr width="75%" noshade>|b)";
    QTest::newRow("hr, gate without colour") << "Vodorovnacara" << u8("THr_Form:Horizontální linka")
                                             << FieldValues{{"Tloustka_ComboBox", "2"}, {"UkazBarvu_CheckBox", "1"}}
                                             << R"(a<hr size="2" color="#FFFFFF">|b)";
    QTest::newRow("quotation") << "ToolButton_Format_Q" << "TQ_Form:CITACE" << FieldValues{} << R"(a<q cite="">|</q>b)";
    QTest::newRow("label") << "ToolButton_Formulare_LABEL" << "TLabel_Form:LABEL" << FieldValues{{"Text_Edit", "Jméno"}}
                           << u8(R"(a<label text="Jméno">|</label>b)");
    QTest::newRow("option") << "ToolButton_Formulare_OPTION" << "TOption_Form:OPTION" << FieldValues{}
                            << R"(a<option value="">|</option>b)";
    QTest::newRow("param") << "ToolButton_Script_PARAM" << "TParam_Form:PARAM" << FieldValues{{"Hodnota_Edit", "1"}}
                           << R"(a<param value="1">|b)";
    QTest::newRow("meta") << "ToolButton_Dalsi_META" << "TMeta_Form:META"
                          << FieldValues{{"Name_ComboBox", "robots"}, {"Content_Edit", "all"}}
                          << R"(a<meta name="robots" content="all">|b)";
}

void TestSmallDialogs::dialogsFromTheirLaunchers()
{
    QFETCH(QString, action);
    QFETCH(QString, dialog);
    QFETCH(FieldValues, fields);
    QFETCH(QString, document);

    SyntaxEdit *editor = m_shared->resetWithDocument()->editor();
    editor->setText(QStringLiteral("ab"));
    editor->setCaretColumn(2);
    QStringList missing;
    const QString opened = runDialog(qPrintable(action), [&](QWidget *modal) {
        missing = setFields(modal, fields);
        if (auto *insert = modal->findChild<QPushButton *>(QStringLiteral("Vlozit_Button")))
            insert->click();
        else if (auto *paste = modal->findChild<QPushButton *>(QStringLiteral("Paste_Button")))
            paste->click();
    });
    QCOMPARE(opened, dialog);
    QCOMPARE(missing, QStringList());
    QCOMPARE(shown(*editor), document);
    QVERIFY(!QApplication::activeModalWidget());
    editor->undo(); // one step
    QCOMPARE(editor->line(0), QStringLiteral("ab"));
}

void TestSmallDialogs::noDocumentKeepsTheDialogOpen()
{
    m_shared->reset();
    bool stayedOpen = false;
    runDialog("Odstavec", [&stayedOpen](QWidget *modal) {
        modal->findChild<QPushButton *>(QStringLiteral("Vlozit_Button"))->click();
        stayedOpen = modal->isVisible();
        modal->findChild<QPushButton *>(QStringLiteral("Zpet_Button"))->click();
    });
    QVERIFY(stayedOpen);
}

void TestSmallDialogs::enterInsertsInLabelAndParameter()
{
    struct Case
    {
        const char *action;
        const char *field;
        bool inserts;
        QString document;
        bool focused; // the dialog puts the focus into the field when it appears
    };
    const Case cases[] = {
        {"ToolButton_Formulare_LABEL", "Text_Edit", true, R"(<label text="">|</label>)", true},
        {"ToolButton_Script_PARAM", "Jmeno_Edit", true, "<param>|", false},
        {"ToolButton_Script_PARAM", "Hodnota_Edit", true, "<param>|", false},
        {"ToolButton_Formulare_OPTION", "Text_Edit", false, "|", true},
        {"ToolButton_Format_Q", "Q_Edit", false, "|", false},
    };
    for (const Case &c : cases) {
        SyntaxEdit *editor = m_shared->resetWithDocument()->editor();
        editor->setText(QString());
        bool stillOpen = false;
        bool focused = false;
        runDialog(c.action, [&](QWidget *modal) {
            auto *field = modal->findChild<QLineEdit *>(QString::fromLatin1(c.field));
            // The field has the focus once the window is active, which the platform reports later.
            focused = QTest::qWaitFor([modal] { return modal->isActiveWindow(); }) && field->hasFocus();
            QTest::keyClick(field, Qt::Key_Return);
            stillOpen = modal->isVisible();
            if (stillOpen)
                dismiss(modal);
        });
        QVERIFY2(stillOpen != c.inserts, c.field);
        if (c.focused)
            QVERIFY2(focused, c.action);
        QCOMPARE(shown(*editor), c.document);
    }
}

void TestSmallDialogs::fontColourChoice()
{
    SyntaxEdit *editor = m_shared->resetWithDocument()->editor();
    editor->setText(QString());
    LineBuffer document;
    TFontForm dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *panel = child<QFrame>(&dialog, QStringLiteral("Color_Panel"));
    auto *gate = child<QCheckBox>(&dialog, QStringLiteral("Barva_CheckBox"));
    auto *swatch = child<ColourSample>(&dialog, QStringLiteral("BarvaShape"));
    QWidget *area = child<QWidget>(&dialog, QStringLiteral("LayerColor_Image"));
    QVERIFY(!panel->isVisible());
    QCOMPARE(area->geometry(), swatch->rect());

    const QSize closedSize = dialog.size();
    QTest::mouseClick(area, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QTRY_VERIFY(dialog.height() > closedSize.height()); // room for the panel
    QVERIFY(gate->isChecked());
    gate->setChecked(false);
    auto *redCell = child<QToolButton>(&dialog, QStringLiteral("ColorGrid_9")); // third row
    QCOMPARE(redCell->grab().toImage().pixelColor(redCell->rect().center()), QColor(Qt::red)); // drawn in its colour
    redCell->click();
    QVERIFY(!panel->isVisible());
    QTRY_COMPARE(dialog.size(), closedSize); // and back once it closes
    QVERIFY(gate->isChecked());
    QCOMPARE(swatch->colourText(), QStringLiteral("#FF0000"));

    // "Další ...": cancelled keeps the colour; confirmed starts next time from the last confirmed colour.
    QList<QColor> startedFrom;
    auto answer = [&startedFrom](const QColor &colour, bool confirm) {
        return [&startedFrom, colour, confirm](QWidget *modal) {
            auto *colours = qobject_cast<QColorDialog *>(modal);
            if (colours) {
                startedFrom << colours->currentColor();
                colours->setCurrentColor(colour);
                if (confirm) {
                    colours->accept();
                    return;
                }
            }
            dismiss(modal);
        };
    };
    auto *next = child<QPushButton>(&dialog, QStringLiteral("NextColor_Button"));
    ModalSteps steps({answer(QColor(1, 2, 3), false), answer(QColor(0, 128, 255), true), answer(QColor(9, 9, 9), false)});
    QTest::mouseClick(area, Qt::LeftButton);
    next->click();
    QVERIFY(!panel->isVisible());
    QTRY_COMPARE(dialog.size(), closedSize);
    QCOMPARE(swatch->colourText(), QStringLiteral("#FF0000"));
    QTest::mouseClick(area, Qt::LeftButton);
    next->click();
    QCOMPARE(swatch->colourText(), QStringLiteral("#0080FF"));
    QTest::mouseClick(area, Qt::LeftButton);
    next->click();
    QCOMPARE(startedFrom, (QList<QColor>{Qt::black, Qt::black, QColor(0, 128, 255)}));

    child<QCheckBox>(&dialog, QStringLiteral("Italic_CheckBox"))->setChecked(true);
    child<QPushButton>(&dialog, QStringLiteral("Paste_Button"))->click();
    QCOMPARE(withCaret(document), QStringLiteral(R"(<i><font color="#0080FF">|</font></i>)"));
    QVERIFY(!dialog.isVisible());
}

// The rule's colour gate, a box without caption, stands right beside the colour button "...".
void TestSmallDialogs::ruleColourGateBesideItsButton()
{
    m_shared->resetWithDocument();
    QRect button;
    QRect gate;
    runDialog("Vodorovnacara", [&](QWidget *modal) {
        const auto placeOf = [modal](QWidget *w) { return QRect(w->mapTo(modal, QPoint()), w->size()); };
        button = placeOf(modal->findChild<QPushButton *>(QStringLiteral("Barva_Button")));
        gate = placeOf(modal->findChild<QCheckBox *>(QStringLiteral("UkazBarvu_CheckBox")));
        dismiss(modal);
    });
    QVERIFY2(gate.left() > button.right() && gate.left() - button.right() <= 12,
             qPrintable(QStringLiteral("button ends at %1, the box starts at %2").arg(button.right()).arg(gate.left())));
    QVERIFY(gate.center().y() >= button.top() && gate.center().y() <= button.bottom());
}

void TestSmallDialogs::fontSizeTakesDigitsOnly()
{
    TBasefontForm dialog(nullptr, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *size = child<QComboBox>(&dialog, QStringLiteral("Size_ComboBox"));
    QCOMPARE(size->count(), 22);
    QCOMPARE(size->itemText(15), QStringLiteral("+1"));
    QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("BaseFont_ComboBox"))->itemText(6), QStringLiteral("Verdena"));
    QVERIFY(!child<QCheckBox>(&dialog, QStringLiteral("Bold_CheckBox")));
    size->setFocus();
    QTest::keyClicks(size, "-2+"); // where typing arrives first
    QCOMPARE(size->currentText(), QStringLiteral("2"));
    size->setCurrentIndex(size->findText(QStringLiteral("-2")));
    QCOMPARE(size->currentText(), QStringLiteral("-2"));
}

void TestSmallDialogs::fontGroup()
{
    TFontForm dialog(nullptr, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *face = child<QComboBox>(&dialog, QStringLiteral("Font_ComboBox"));
    face->setEditText(QStringLiteral("Verdena"));
    QStringList offered;
    QStringList listed;
    ModalSteps steps({[&offered, &listed](QWidget *modal) {
        auto *group = modal->findChild<QListWidget *>(QStringLiteral("Skupina_ListBox"));
        auto *faces = modal->findChild<QListWidget *>(QStringLiteral("Pisma_ListBox"));
        for (int i = 0; i < faces->count(); ++i)
            listed << faces->item(i)->text();
        for (int i = 0; i < faces->count() && offered.size() < 2; ++i)
            offered << faces->item(i)->text();
        for (const QString &name : offered)
            faces->findItems(name, Qt::MatchExactly).first()->setSelected(true);
        modal->findChild<QPushButton *>(QStringLiteral("Pridat_Button"))->click();
        // Moved, not copied.
        if (!faces->findItems(offered.value(0), Qt::MatchExactly).isEmpty())
            offered.clear();
        group->item(0)->setSelected(true);
        modal->findChild<QPushButton *>(QStringLiteral("OK_Button"))->click();
    }});
    child<QPushButton>(&dialog, QStringLiteral("Loading_Button"))->click();
    QCOMPARE(offered.size(), 2); // the installed families, at least two of them
    QCOMPARE(listed, installedFontFamilies()); // by their plain names
    QCOMPARE(face->currentText(), QStringLiteral("Verdena, ") + offered.join(QStringLiteral(", ")));
}

// A family that several foundries provide is listed once, by the name a page can use.
void TestSmallDialogs::plainFamilies_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QStringList>("plain");

    QTest::newRow("plain names unchanged") << QStringList{"Arial", "DejaVu Sans", "Liberation Serif"}
                                           << QStringList{"Arial", "DejaVu Sans", "Liberation Serif"};
    QTest::newRow("two foundries") << QStringList{"Bitstream", "C059 [UKWN]", "C059 [urw]", "Cantarell"}
                                   << QStringList{"Bitstream", "C059", "Cantarell"};
    QTest::newRow("tagged beside the plain name") << QStringList{"Nimbus [urw]", "Nimbus", "nimbus mono"}
                                                  << QStringList{"Nimbus", "nimbus mono"};
    QTest::newRow("sorted again without the tag") << QStringList{"Foo Bar", "Foo [a]", "Foo [b]", "foo sans"}
                                                  << QStringList{"Foo", "Foo Bar", "foo sans"};
    QTest::newRow("brackets inside the name kept") << QStringList{"Odd [x] Font"} << QStringList{"Odd [x] Font"};
}

void TestSmallDialogs::plainFamilies()
{
    QFETCH(QStringList, families);
    QFETCH(QStringList, plain);
    QCOMPARE(plainFontFamilies(families), plain);
}

void TestSmallDialogs::generators_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("document");

    const Rgb red{255, 0, 0};

    QTest::newRow("font, nothing filled in") << fontEdit({}) << "<font>|</font>";
    QTest::newRow("font, face, size, red, bold")
        << fontEdit(styled(coloured(font("Arial", "+2"), true, red), "b"))
        << R"(<b><font face="Arial" size="+2" color="#FF0000">|</font></b>)";
    QTest::newRow("font, only Kurzíva") << fontEdit(styled({}, "i")) << "<i><font>|</font></i>";
    QTest::newRow("font, all four styles nest s, u, i, b")
        << fontEdit(styled(font("", "", "x"), "suib")) << R"(<s><u><i><b><font title="x">|</font></b></i></u></s>)";
    QTest::newRow("font, colour chosen but not ticked") << fontEdit(coloured({}, false, red)) << "<font>|</font>";
    QTest::newRow("font, swatch clicked, no colour chosen")
        << fontEdit(coloured({}, true)) << R"(<font color="#FFFFFF">|</font>)";
    QTest::newRow("font, values as they stand")
        << fontEdit(font(" ", "7", "a \"b\"")) << R"(<font face=" " size="7" title="a "b"">|</font>)";
    QTest::newRow("base font, a face only") << baseFontEdit(font("Arial")) << R"(<font face="Arial">|</font>)";
    QTest::newRow("base font writes no style pairs") << baseFontEdit(styled(font("Arial"), "suib"))
                                                     << R"(<font face="Arial">|</font>)";
    QTest::newRow("base font, a group of faces and a colour")
        << baseFontEdit(coloured(font("Courier New, MS Sans Serif", "-1"), true, {0, 128, 255}))
        << R"(<font face="Courier New, MS Sans Serif" size="-1" color="#0080FF">|</font>)";

    QTest::newRow("p, defaults") << paragraphEdit({}) << "<p>|</p>";
    QTest::newRow("p, without the end tag") << paragraphEdit({{}, {}, false, false}) << "<p>|";
    QTest::newRow("p, align, clear and NoWrap") << paragraphEdit({"center", "all", true, true})
                                                << R"(<p align="center" clear="all" NoWrap>|</p>)";
    QTest::newRow("p, NoWrap without end tag") << paragraphEdit({{}, "left", true, false}) << R"(<p clear="left" NoWrap>|)";

    QTest::newRow("q, empty") << quotationEdit({}) << R"(<q cite="">|</q>)";
    QTest::newRow("q") << quotationEdit(u8("Čapek")) << u8(R"(<q cite="Čapek">|</q>)");
    QTest::newRow("label, empty") << formLabelEdit({}) << R"(<label text="">|</label>)";
    QTest::newRow("option, empty") << listOptionEdit({}) << R"(<option value="">|</option>)";
    QTest::newRow("option") << listOptionEdit("cz") << R"(<option value="cz">|</option>)";
    QTest::newRow("param, empty") << objectParameterEdit({}, {}) << "<param>|";
    QTest::newRow("param, a name only") << objectParameterEdit("autostart", {}) << R"(<param name="autostart">|)";
    QTest::newRow("param") << objectParameterEdit("src", "a.swf") << R"(<param name="src" value="a.swf">|)";

    QTest::newRow("meta, empty") << metaEdit({}) << "<meta>|";
    QTest::newRow("meta, name and content") << metaEdit({"robots", "noindex", {}})
                                            << R"(<meta name="robots" content="noindex">|)";
    QTest::newRow("meta, order name, content, http-equiv")
        << metaEdit({"x", "5", "refresh"}) << R"(<meta name="x" content="5" http-equiv="refresh">|)";

    QTest::newRow("script, empty") << scriptEdit({}) << "<script>\n|\n</script>";
    QTest::newRow("script, language only") << scriptEdit({"javascript", {}, {}, {}})
                                           << "<script language=\"javascript\">\n|\n</script>";
    QTest::newRow("script, all four") << scriptEdit({"vbs", "t", "onload", "window"})
                                      << "<script language=\"vbs\" title=\"t\" event=\"onload\" for=\"window\">\n|\n</script>";

    HorizontalRuleFields noShade;
    noShade.shade = false;
    noShade.colourShown = true;
    QTest::newRow("hr, empty") << horizontalRuleEdit({}) << "<hr |>";
    QTest::newRow("hr, boxes ignored while the lists are empty") << horizontalRuleEdit(noShade) << "<hr |>";
    HorizontalRuleFields wide = rule("75%", "", "");
    wide.shade = false;
    QTest::newRow("hr, width and noshade") << horizontalRuleEdit(wide) << R"(<hr width="75%" noshade>|)";
    HorizontalRuleFields gated = rule("", "2", "");
    gated.colourShown = true;
    QTest::newRow("hr, gate ticked, no colour chosen") << horizontalRuleEdit(gated) << R"(<hr size="2" color="#FFFFFF">|)";
    HorizontalRuleFields full = rule("800", "10", "center");
    full.colour = {10, 11, 12};
    full.colourShown = true;
    QTest::newRow("hr, all pieces in order") << horizontalRuleEdit(full)
                                             << R"(<hr width="800" size="10" align="center" color="#0A0B0C">|)";
    HorizontalRuleFields hidden = rule("", "", "left");
    hidden.colour = {1, 2, 3};
    QTest::newRow("hr, colour without its gate") << horizontalRuleEdit(hidden) << R"(<hr align="left">|)";
}

void TestSmallDialogs::generators()
{
    QFETCH(Edit, edit);
    QFETCH(QString, document);
    QCOMPARE(appliedToEmptyDocument(edit), document);
}

void TestSmallDialogs::styledFontReplacesTheSelection()
{
    // The first style pair replaces the selection; the rest nest inside it.
    LineBuffer document(QStringList{QStringLiteral("abc selected xyz")});
    document.select({1, 5}, {1, 13});
    apply(fontEdit(styled(font("Arial"), "ub")), document);
    QCOMPARE(withCaret(document), QStringLiteral(R"(abc <u><b><font face="Arial">|</font></b></u> xyz)"));
    document.undo();
    QCOMPARE(document.line(0), QStringLiteral("abc selected xyz"));
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
