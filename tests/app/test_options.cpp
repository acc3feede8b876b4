#include "app/main_form.h"
#include "app/options_form.h"
#include "base/colour.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace testsupport;

namespace {

// The section names of an INI file, in file order.
QStringList sectionsOf(const QByteArray &bytes)
{
    QStringList sections;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.startsWith('[') && t.endsWith(']'))
            sections << QString::fromLatin1(t.mid(1, t.size() - 2));
    }
    return sections;
}

// A step that records a message box's text and presses its default answer.
ModalSteps::Step answerMessage(QString *text)
{
    return [text](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            *text = box->text();
            box->accept();
        } else {
            *text = QStringLiteral("<not a message box: %1>").arg(modal->metaObject()->className());
            modal->close();
        }
    };
}

const char *const kBoxes[] = {"CheckBox_Barvy",     "CheckBox_Nastroje", "CheckBox_Text",      "CheckBox_Format",
                              "CheckBox_Styl",      "CheckBox_Odkazy",   "CheckBox_Seznamy",   "CheckBox_Tabulky",
                              "CheckBox_Multimedia", "CheckBox_Formulare", "CheckBox_Ramce",   "CheckBox_Script",
                              "CheckBox_Dalsi",     "CheckBox_Zdroje",   "CheckBox_RychlaV",   "CheckBox_Pravitko",
                              "CheckBox_NetZnaky",  "CheckBox_Cislovani"};
const char *const kPaletteTabs[] = {"CheckBox_Text",      "CheckBox_Format",    "CheckBox_Styl",
                                    "CheckBox_Odkazy",    "CheckBox_Seznamy",   "CheckBox_Tabulky",
                                    "CheckBox_Multimedia", "CheckBox_Formulare", "CheckBox_Ramce",
                                    "CheckBox_Script",    "CheckBox_Dalsi"};
const char *const kAttributes[] = {"AndAttri",   "ASPAttri",    "CommentAttri", "IdentifierAttri", "KeyAttri",
                                   "SpaceAttri", "SymbolAttri", "TextAttri",    "UndefKeyAttri",   "ValueAttri"};

// The settings file's sections as the dialog writes them.
QStringList expectedSections()
{
    QStringList sections;
    for (const char *box : kBoxes)
        sections << QString::fromLatin1(box);
    for (const char *attribute : kAttributes)
        sections << QStringLiteral("Shape_%1_Back").arg(QLatin1String(attribute))
                 << QStringLiteral("Shape_%1_Fore").arg(QLatin1String(attribute));
    return sections;
}

// Swatch defaults as documented for users; "none" and black are different things.
struct SwatchDefault
{
    const char *section;
    int value;
};
const SwatchDefault kSwatchDefaults[] = {
    {"Shape_AndAttri_Back", kNoColour},  {"Shape_AndAttri_Fore", 65280},  {"Shape_ASPAttri_Back", 65535},
    {"Shape_CommentAttri_Fore", kNoColour}, {"Shape_KeyAttri_Fore", 16711808}, {"Shape_SpaceAttri_Back", 0},
    {"Shape_TextAttri_Fore", 0},         {"Shape_UndefKeyAttri_Back", 0}, {"Shape_UndefKeyAttri_Fore", 255},
    {"Shape_ValueAttri_Fore", 16744448}};

QCheckBox *box(const QWidget &form, const char *name)
{
    return form.findChild<QCheckBox *>(QString::fromLatin1(name));
}

ColourSwatch *swatch(const QWidget &form, const char *name)
{
    return form.findChild<ColourSwatch *>(QString::fromLatin1(name));
}

QPushButton *button(const QWidget &form, const char *name)
{
    return form.findChild<QPushButton *>(QString::fromLatin1(name));
}

// The colour painted in the middle of a swatch, off its diagonals.
QColor swatchInterior(ColourSwatch *swatch)
{
    const QImage image = swatch->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2 - 3);
}

// Every colour painted inside a swatch's frame.
QSet<QRgb> interiorColours(ColourSwatch *swatch)
{
    const QImage image = swatch->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// A click on a check box's indicator, where a user clicks.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Clicks a colour label and answers the colour dialog with `colour`, confirming or cancelling.
struct ColourPick
{
    QColorDialog *dialog = nullptr;
    QColor startColour;
};

ColourPick clickColourLabel(QLabel *label, const QColor &colour, bool confirm)
{
    ColourPick pick;
    ModalSteps steps({[&](QWidget *modal) {
        pick.dialog = qobject_cast<QColorDialog *>(modal);
        if (!pick.dialog) {
            modal->close();
            return;
        }
        pick.startColour = pick.dialog->currentColor();
        pick.dialog->setCurrentColor(colour);
        confirm ? pick.dialog->accept() : pick.dialog->reject();
    }});
    QTest::mouseClick(label, Qt::LeftButton);
    return pick;
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noFileShowsDefaults();
    void saveWritesEverySectionInOrder();
    void saveKeepsOtherSections();
    void storedValues_data();
    void storedValues();
    void paletteOffInFile();
    void paletteClickRule();
    void closingWithoutSaving_data();
    void closingWithoutSaving();
    void unwritableFile_data();
    void unwritableFile();
    void defaultButton();
    void colourLabels();
    void pageButtons();
    void openedFromMenu();
    void helpButton();
};

void TestOptions::initTestCase()
{
    muteOffscreenPlatformWarnings();
}

void TestOptions::noFileShowsDefaults()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TOptionsForm form(nullptr, {});
    QCOMPARE(form.windowTitle(), QString::fromUtf8("Nastavení"));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("setup"))).isDir());
    QVERIFY(!QFileInfo::exists(folder.setupPath())); // reading creates nothing

    for (const char *name : kBoxes) {
        QCheckBox *b = box(form, name);
        QVERIFY2(b && b->isChecked() && b->isEnabled(), name);
    }
    for (const SwatchDefault &expected : kSwatchDefaults) {
        ColourSwatch *s = swatch(form, expected.section);
        QVERIFY2(s, expected.section);
        QCOMPARE(s->value(), expected.value);
    }

    // "None" looks different from any colour: the window colour, crossed.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.findChild<QPushButton *>(QStringLiteral("Button_Zvyrazeni")));
    button(form, "Button_Zvyrazeni")->click();
    const QColor window = form.palette().color(QPalette::Window);
    const QSet<QRgb> none = interiorColours(swatch(form, "Shape_AndAttri_Back"));
    QVERIFY(none.contains(window.rgb()));
    QVERIFY(none.size() > 1);
    QCOMPARE(interiorColours(swatch(form, "Shape_SpaceAttri_Back")), QSet<QRgb>{QColor(Qt::black).rgb()});
}

void TestOptions::saveWritesEverySectionInOrder()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TOptionsForm form(nullptr, {});
    form.show();
    box(form, "CheckBox_Barvy")->click();
    box(form, "CheckBox_Pravitko")->click();

    QString message;
    ModalSteps steps({answerMessage(&message)});
    button(form, "OKButton_OptionsForm")->click();
    QCOMPARE(steps.remaining(), 0);
    QCOMPARE(steps.unexpected(), 0);
    QCOMPARE(message, QString::fromUtf8("Nastavení programu Velinor se projeví až při příštím spuštění programu."));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));

    const QByteArray bytes = readFile(folder.setupPath());
    QCOMPARE(sectionsOf(bytes), expectedSections());
    const IniFile ini(folder.setupPath());
    for (const QString &section : expectedSections()) {
        const QString key = section.startsWith(QLatin1String("Shape_")) ? QStringLiteral("Color") : QStringLiteral("Checked");
        QCOMPARE(ini.keys(section), QStringList{key});
    }
    QCOMPARE(ini.readString(QStringLiteral("CheckBox_Barvy"), QStringLiteral("Checked")), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("CheckBox_Nastroje"), QStringLiteral("Checked")), QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("CheckBox_Pravitko"), QStringLiteral("Checked")), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("CheckBox_Cislovani"), QStringLiteral("Checked")), QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("Shape_AndAttri_Back"), QStringLiteral("Color")), QStringLiteral("536870911"));
    QCOMPARE(ini.readString(QStringLiteral("Shape_KeyAttri_Fore"), QStringLiteral("Color")), QStringLiteral("16711808"));
    QCOMPARE(ini.readString(QStringLiteral("Shape_SymbolAttri_Back"), QStringLiteral("Color")), QStringLiteral("0"));
    QVERIFY(bytes.endsWith("\r\n"));
}

void TestOptions::saveKeepsOtherSections()
{
    // The exit sections and anything else in the file stay; a colour the dialog cannot show whole
    // (bits above blue) is written back as it was when the user left it alone.
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(folder.writeSetup("[Panel_nastroju]\r\nChecked=0\r\n[Shape_TextAttri_Back]\r\nColor=-2147483633\r\n"
                              "[CheckBox_Styl]\r\nChecked=0\r\n"));
    TOptionsForm form(nullptr, {});
    form.show();
    QString message;
    ModalSteps steps({answerMessage(&message)});
    button(form, "OKButton_OptionsForm")->click();
    QCOMPARE(steps.remaining(), 0);
    QVERIFY(!form.isVisible());

    const IniFile ini(folder.setupPath());
    QCOMPARE(ini.readString(QStringLiteral("Panel_nastroju"), QStringLiteral("Checked")), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("Shape_TextAttri_Back"), QStringLiteral("Color")), QStringLiteral("-2147483633"));
    QCOMPARE(ini.readString(QStringLiteral("CheckBox_Styl"), QStringLiteral("Checked")), QStringLiteral("0"));
    const QStringList sections = sectionsOf(readFile(folder.setupPath()));
    QCOMPARE(sections.size(), 39);
    for (const QString &section : expectedSections())
        QCOMPARE(sections.count(section), 1);
}

void TestOptions::storedValues_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("shown"); // a box: 0 or 1; a swatch: its colour integer

    QTest::newRow("boolean abc is the default") << QByteArray("CheckBox_Zdroje") << QByteArray("abc") << 1;
    QTest::newRow("boolean 0") << QByteArray("CheckBox_Zdroje") << QByteArray("0") << 0;
    QTest::newRow("boolean 7") << QByteArray("CheckBox_Cislovani") << QByteArray("7") << 1;
    QTest::newRow("boolean $0") << QByteArray("CheckBox_Barvy") << QByteArray("$0") << 0;
    QTest::newRow("boolean empty") << QByteArray("CheckBox_Barvy") << QByteArray("") << 1;
    QTest::newRow("colour 0x0000FF is red") << QByteArray("Shape_TextAttri_Fore") << QByteArray("0x0000FF") << 255;
    QTest::newRow("colour $FF0000 is blue") << QByteArray("Shape_ASPAttri_Back") << QByteArray("$FF0000") << 16711680;
    QTest::newRow("colour decimal") << QByteArray("Shape_CommentAttri_Fore") << QByteArray("32768") << 32768;
    QTest::newRow("colour abc is the default") << QByteArray("Shape_KeyAttri_Fore") << QByteArray("abc") << 16711808;
    QTest::newRow("colour 12x is the default") << QByteArray("Shape_SpaceAttri_Back") << QByteArray("12x") << 0;
}

void TestOptions::storedValues()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, stored);
    QFETCH(int, shown);

    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    const QByteArray key = section.startsWith("Shape_") ? "Color" : "Checked";
    // Section and key spelled in another case: names match regardless of it.
    QVERIFY(folder.writeSetup("[" + section.toLower() + "]\r\n" + key.toUpper() + "=" + stored + "\r\n"));
    TOptionsForm form(nullptr, {});

    if (!section.startsWith("Shape_")) {
        QCheckBox *b = box(form, section.constData());
        QVERIFY(b);
        QCOMPARE(b->isChecked(), shown != 0);
        return;
    }
    ColourSwatch *s = swatch(form, section.constData());
    QVERIFY(s);
    QCOMPARE(s->value(), shown);
    form.show();
    button(form, "Button_Zvyrazeni")->click();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const Rgb rgb = *settingsColourToRgb(shown);
    QCOMPARE(swatchInterior(s), QColor(rgb.red, rgb.green, rgb.blue));
}

void TestOptions::paletteOffInFile()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(folder.writeSetup("[CheckBox_Nastroje]\r\nChecked=0\r\n[CheckBox_Text]\r\nChecked=0\r\n"
                              "[CheckBox_Styl]\r\nChecked=1\r\n[CheckBox_Dalsi]\r\nChecked=0\r\n"));
    TOptionsForm form(nullptr, {});
    QVERIFY(!box(form, "CheckBox_Nastroje")->isChecked());
    QVERIFY(box(form, "CheckBox_Nastroje")->isEnabled());
    for (const char *name : kPaletteTabs) {
        QCheckBox *b = box(form, name);
        QVERIFY2(!b->isEnabled(), name);
        const bool storedOff = qstrcmp(name, "CheckBox_Text") == 0 || qstrcmp(name, "CheckBox_Dalsi") == 0;
        QVERIFY2(b->isChecked() == !storedOff, name); // its own stored state, default on
    }
    QVERIFY(box(form, "CheckBox_Barvy")->isChecked() && box(form, "CheckBox_Barvy")->isEnabled());
}

void TestOptions::paletteClickRule()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(folder.writeSetup("[CheckBox_Format]\r\nChecked=0\r\n[CheckBox_Ramce]\r\nChecked=0\r\n"));
    TOptionsForm form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCheckBox *palette = box(form, "CheckBox_Nastroje");
    QVERIFY(palette->isChecked());
    QVERIFY(!box(form, "CheckBox_Format")->isChecked() && box(form, "CheckBox_Format")->isEnabled());

    clickBox(palette);
    QVERIFY(!palette->isChecked());
    for (const char *name : kPaletteTabs)
        QVERIFY2(!box(form, name)->isChecked() && !box(form, name)->isEnabled(), name);

    clickBox(palette);
    QVERIFY(palette->isChecked());
    for (const char *name : kPaletteTabs)
        QVERIFY2(box(form, name)->isChecked() && box(form, name)->isEnabled(), name);
    // The boxes outside the palette are not touched by the rule.
    QVERIFY(box(form, "CheckBox_Zdroje")->isChecked());
}

void TestOptions::closingWithoutSaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Storno") << false;
    QTest::newRow("close box") << true;
}

void TestOptions::closingWithoutSaving()
{
    QFETCH(bool, closeBox);
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    const QByteArray original = "; mine\n[CheckBox_Barvy]\nChecked=abc\n[Shape_KeyAttri_Fore]\nColor=$FF\n";
    QVERIFY(folder.writeSetup(original));

    TOptionsForm form(nullptr, {});
    form.show();
    box(form, "CheckBox_Barvy")->click();
    box(form, "CheckBox_Nastroje")->click();
    button(form, "Button_Default")->click();
    box(form, "CheckBox_Pravitko")->click();
    ModalSteps steps;
    if (closeBox)
        form.close();
    else
        button(form, "StornoButton_OptionsForm")->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(steps.unexpected(), 0);
    QCOMPARE(readFile(folder.setupPath()), original);
}

void TestOptions::unwritableFile_data()
{
    QTest::addColumn<QString>("blocker"); // what stands where a folder or file is needed
    QTest::addColumn<bool>("boxesChecked");
    // The settings file is a folder: nothing to read (defaults), nothing can be written.
    QTest::newRow("setup.ini is a folder") << QStringLiteral("setup/setup.ini") << true;
    // The settings folder cannot be made: every box unchecked, designed swatch colours.
    QTest::newRow("setup is a file") << QStringLiteral("setup") << false;
}

void TestOptions::unwritableFile()
{
    QFETCH(QString, blocker);
    QFETCH(bool, boxesChecked);
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    if (blocker == QLatin1String("setup")) {
        QFile file(folder.filePath(blocker));
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir(folder.filePath(QString())).mkpath(blocker));
    }

    TOptionsForm form(nullptr, {});
    for (const char *name : kBoxes)
        QVERIFY2(box(form, name)->isChecked() == boxesChecked, name);
    for (const char *name : kPaletteTabs)
        QVERIFY2(box(form, name)->isEnabled(), name);
    QCOMPARE(swatch(form, "Shape_UndefKeyAttri_Fore")->value(), 255);
    QCOMPARE(swatch(form, "Shape_AndAttri_Back")->value(), kNoColour);

    form.show();
    QString message;
    ModalSteps steps({answerMessage(&message)});
    button(form, "OKButton_OptionsForm")->click();
    QCOMPARE(steps.remaining(), 0);
    QCOMPARE(message, QStringLiteral("Unable to write to %1").arg(ProgramFolder::file(QStringLiteral("setup\\setup.ini"))));
    QCOMPARE(steps.unexpected(), 0); // no information message after the failure
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), 0);
}

void TestOptions::defaultButton()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    const QByteArray original = "[CheckBox_Barvy]\r\nChecked=0\r\n[CheckBox_Nastroje]\r\nChecked=0\r\n"
                                "[CheckBox_Script]\r\nChecked=0\r\n[CheckBox_NetZnaky]\r\nChecked=0\r\n"
                                "[Shape_AndAttri_Back]\r\nColor=0\r\n[Shape_KeyAttri_Fore]\r\nColor=255\r\n";
    QVERIFY(folder.writeSetup(original));
    TOptionsForm form(nullptr, {});
    form.show();
    QVERIFY(!box(form, "CheckBox_Script")->isEnabled());

    button(form, "Button_Default")->click();
    for (const char *name : kBoxes)
        QVERIFY2(box(form, name)->isChecked() && box(form, name)->isEnabled(), name);
    for (const SwatchDefault &expected : kSwatchDefaults)
        QCOMPARE(swatch(form, expected.section)->value(), expected.value);
    QCOMPARE(readFile(folder.setupPath()), original); // nothing written before "&Uložit"
}

void TestOptions::colourLabels()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TOptionsForm form(nullptr, {});
    form.show();
    button(form, "Button_Zvyrazeni")->click();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *keyLabel = form.findChild<QLabel *>(QStringLiteral("Label_KeyAttri_Fore"));
    auto *textLabel = form.findChild<QLabel *>(QStringLiteral("Label_TextAttri_Back"));
    QVERIFY(keyLabel && textLabel);
    QCOMPARE(keyLabel->text(), QStringLiteral("Foreground"));
    QCOMPARE(textLabel->text(), QStringLiteral("Background"));

    // Confirmed: the swatch takes the colour. The dialog starts black the first time.
    const ColourPick first = clickColourLabel(keyLabel, QColor(0x12, 0x34, 0x56), true);
    QVERIFY(first.dialog);
    QCOMPARE(first.startColour, QColor(Qt::black));
    QCOMPARE(swatch(form, "Shape_KeyAttri_Fore")->value(), 0x563412);
    QCOMPARE(swatchInterior(swatch(form, "Shape_KeyAttri_Fore")), QColor(0x12, 0x34, 0x56));

    // Cancelled: nothing changes. The same dialog starts from the colour last chosen.
    const ColourPick second = clickColourLabel(textLabel, Qt::white, false);
    QCOMPARE(second.dialog, first.dialog);
    QCOMPARE(second.startColour, QColor(0x12, 0x34, 0x56));
    QCOMPARE(swatch(form, "Shape_TextAttri_Back")->value(), 0);

    // A click on a swatch does nothing.
    {
        ModalSteps none;
        QTest::mouseClick(swatch(form, "Shape_TextAttri_Back"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(none.unexpected(), 0);
    }
    QCOMPARE(swatch(form, "Shape_TextAttri_Back")->value(), 0);

    // The chosen colour is what "&Uložit" writes.
    QString message;
    ModalSteps save({answerMessage(&message)});
    button(form, "OKButton_OptionsForm")->click();
    QCOMPARE(save.remaining(), 0);
    const IniFile ini(folder.setupPath());
    QCOMPARE(ini.readInteger(QStringLiteral("Shape_KeyAttri_Fore"), QStringLiteral("Color"), -1), 0x563412);
}

void TestOptions::pageButtons()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TOptionsForm form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *vzhled = form.findChild<QGroupBox *>(QStringLiteral("GroupBox_Vzhled"));
    auto *zvyrazneni = form.findChild<QGroupBox *>(QStringLiteral("GroupBox_Zvyrazneni"));
    QPushButton *vzhledButton = button(form, "Button_Vzhled");
    QPushButton *zvyrazneniButton = button(form, "Button_Zvyrazeni");
    QVERIFY(vzhled && zvyrazneni && vzhledButton && zvyrazneniButton);

    QVERIFY(vzhled->isVisible() && !zvyrazneni->isVisible());
    QVERIFY(vzhledButton->font().bold() && !zvyrazneniButton->font().bold());
    const QRect page = vzhled->geometry();
    const QSize dialogSize = form.size();

    QTest::mouseClick(zvyrazneniButton, Qt::LeftButton);
    QVERIFY(!vzhled->isVisible() && zvyrazneni->isVisible());
    QVERIFY(!vzhledButton->font().bold() && zvyrazneniButton->font().bold());
    QCOMPARE(zvyrazneni->geometry(), page); // the same place
    QCOMPARE(form.size(), dialogSize);

    QTest::mouseClick(vzhledButton, Qt::LeftButton);
    QVERIFY(vzhled->isVisible() && !zvyrazneni->isVisible());
    QVERIFY(vzhledButton->font().bold() && !zvyrazneniButton->font().bold());

    QCOMPARE(swatch(form, "Shape_ValueAttri_Fore")->toolTip(),
             QString::fromUtf8("Kliknutím na příslušnou položku \"Foreground\" zobrazíte dialog barev"));
    QCOMPARE(swatch(form, "Shape_ValueAttri_Back")->toolTip(),
             QString::fromUtf8("Kliknutím na příslušnou položku \"Background\" zobrazíte dialog barev"));
}

void TestOptions::openedFromMenu()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QAction *item = mainForm.action(QStringLiteral("Nastavenprogramu1"));
    QVERIFY(item && item->isEnabled());

    // A fresh dialog each time: what the first one showed and dropped is gone from the second.
    bool firstWasOptions = false;
    bool secondShowedChecked = false;
    ModalSteps steps({[&](QWidget *modal) {
                          firstWasOptions = qobject_cast<TOptionsForm *>(modal) && modal->isModal()
                                            && modal->windowTitle() == QString::fromUtf8("Nastavení");
                          if (QCheckBox *b = box(*modal, "CheckBox_Barvy"))
                              b->click();
                          if (QPushButton *storno = button(*modal, "StornoButton_OptionsForm"))
                              storno->click();
                          else
                              modal->close();
                      },
                      [&](QWidget *modal) {
                          QCheckBox *b = box(*modal, "CheckBox_Barvy");
                          secondShowedChecked = b && b->isChecked();
                          modal->close();
                      }});
    item->trigger();
    item->trigger();
    QCOMPARE(steps.remaining(), 0);
    QVERIFY(firstWasOptions);
    QVERIFY(secondShowedChecked);
    QCOMPARE(steps.unexpected(), 0);
}

void TestOptions::helpButton()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    {
        int helpRuns = 0;
        TOptionsForm form(nullptr, [&helpRuns] { ++helpRuns; });
        form.show();
        button(form, "HelpButton_OptionsForm")->click();
        QCOMPARE(helpRuns, 1);
        QVERIFY(form.isVisible());
    }

    // Without a help file the main window reports it and closes; the dialog does not stay behind.
    TMainForm mainForm;
    mainForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainForm));
    QString message;
    ModalSteps steps({[](QWidget *modal) {
                          if (QPushButton *help = button(*modal, "HelpButton_OptionsForm"))
                              QTimer::singleShot(0, help, &QPushButton::click);
                      },
                      answerMessage(&message)});
    mainForm.action(QStringLiteral("Nastavenprogramu1"))->trigger();
    QCOMPARE(steps.remaining(), 0);
    QVERIFY(message.contains(QStringLiteral("napoveda.html")));
    QVERIFY(!mainForm.isVisible());
    QCOMPARE(steps.unexpected(), 0);
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
