// The colour tools: the mixer, the viewer, the eyedropper, the colour dialog command and the
// colour bar.

#include "app/child_form.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "widgets/dialog_parts.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"
#include "tools/barva_form.h"
#include "tools/colour_readings.h"
#include "tools/kapatko_form.h"
#include "tools/prevod_barvy_form.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace testsupport;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QString label(QWidget *window, const char *name)
{
    auto *l = window->findChild<QLabel *>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("(missing)");
}

template <typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// The caption and text of the message box that a click on "&Převést" shows; empty when none.
QStringList viewerMessage(TForm_PrevodBarvy &viewer)
{
    QString caption;
    QString text;
    ModalSteps answers({[&](QWidget *modal) {
        caption = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
        dismiss(modal);
    }});
    child<QPushButton>(&viewer, "Button_Prevest")->click();
    QApplication::processEvents();
    if (caption.isEmpty())
        return {};
    return {caption, text};
}

// The text of the active document, or a marker when there is none.
QString activeText(TMainForm &mainForm)
{
    SyntaxEdit *editor = mainForm.documents().activeEditor();
    return editor ? editor->line(0) : QStringLiteral("(no document)");
}

TKapatko_Form *shownEyedropper()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<TKapatko_Form *>(window); form && form->isVisible())
            return form;
    return nullptr;
}

} // namespace

class TestColourTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenPlatformWarnings(); }
    void mixerLabelsAndInsertedForms();
    void mixerWithoutDocumentStaysOpen();
    void viewer_data();
    void viewer();
    void viewerKeysAndArrows();
    void eyedropperPicksThePixelUnderTheMouse();
    void eyedropperFromTheMenu();
    void colourDialogCommandRemembersItsColour();
    void colourBar();
};

void TestColourTools::mixerLabelsAndInsertedForms()
{
    for (const bool rgbForm : {true, false}) {
        LineBuffer document;
        TBarva_Form mixer(nullptr, [&document]() -> TextDocument * { return &document; });
        QCOMPARE(label(&mixer, "Cervena_Label"), u8("Červená: 255"));
        QCOMPARE(label(&mixer, "Zelena_Label"), u8("Zelená:   255"));
        QCOMPARE(label(&mixer, "Modra_Label"), u8("Modrá:    255"));
        QCOMPARE(label(&mixer, "RGB_Label"), u8("(255, 255, 255)"));
        QCOMPARE(label(&mixer, "HEX_Label"), u8("#FFFFFF"));
        QVERIFY(child<QRadioButton>(&mixer, "HEX_RadioButton")->isChecked());

        QScrollBar *blue = child<QScrollBar>(&mixer, "ScrollBar_modra");
        QCOMPARE(blue->pageStep(), 192);
        QCOMPARE(blue->maximum(), 255);
        blue->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(label(&mixer, "Modra_Label"), u8("Modrá:    63"));
        blue->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(label(&mixer, "Modra_Label"), u8("Modrá:    0"));
        QCOMPARE(label(&mixer, "Cervena_Label"), u8("Červená: 255"));
        QCOMPARE(label(&mixer, "RGB_Label"), u8("(255, 255, 0)"));
        QCOMPARE(label(&mixer, "HEX_Label"), u8("#FFFF00"));
        QCOMPARE(child<ColourSample>(&mixer, "Objekt_Shape")->colour(), (Rgb{255, 255, 0}));

        // A click on the caption selects its form.
        QLabel *caption = child<QLabel>(&mixer, rgbForm ? "RGBLabel" : "HEXLabel");
        if (rgbForm) {
            mixer.show();
            QTest::mouseClick(caption, Qt::LeftButton);
            QVERIFY(child<QRadioButton>(&mixer, "RGB_RadioButton")->isChecked());
        }
        child<QPushButton>(&mixer, "Vlozit_Button")->click();
        QCOMPARE(document.line(0), rgbForm ? u8("(255, 255, 0)") : u8("#FFFF00"));
        QCOMPARE(mixer.result(), int(QDialog::Accepted));
    }
}

void TestColourTools::mixerWithoutDocumentStaysOpen()
{
    TBarva_Form mixer(nullptr, []() -> TextDocument * { return nullptr; });
    mixer.show();
    child<QPushButton>(&mixer, "Vlozit_Button")->click();
    QVERIFY(mixer.isVisible());
}

void TestColourTools::viewer_data()
{
    QTest::addColumn<bool>("hexa");
    QTest::addColumn<QStringList>("fields"); // Edit_Hexa, or the red, green and blue edits
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("swatch");

    const QString length = u8("Pole pro hodnotu barvy v hexadecimálním\ntvaru musí mít 6 platných znaků. Tedy 0..9 a a..f !");
    const QString empty = u8("Pole pro hodnoty barvy v rgb tvaru musí\nmít alespoň 1 platný znak. Tedy 0..9!");
    const QString range = u8("Pole pro hodnoty barvy v rgb tvaru musí\nmít být v rozmezí 0..255!");
    QTest::newRow("hexa, lower case") << true << QStringList{"ff0000"} << QString() << "#FF0000";
    QTest::newRow("hexa, mixed") << true << QStringList{"0a0B0c"} << QString() << "#0A0B0C";
    QTest::newRow("hexa, four digits") << true << QStringList{"FF00"} << length << "#FFFFFF";
    QTest::newRow("hexa, empty") << true << QStringList{""} << length << "#FFFFFF";
    QTest::newRow("rgb, red") << false << QStringList{"255", "0", "0"} << QString() << "#FF0000";
    QTest::newRow("rgb, an empty field") << false << QStringList{"1", "", "2"} << empty << "#FFFFFF";
    QTest::newRow("rgb, 256 in blue") << false << QStringList{"1", "2", "256"} << range << "#FFFFFF";
    QTest::newRow("rgb, 256 in red") << false << QStringList{"256", "0", "0"} << range << "#FFFFFF";
}

void TestColourTools::viewer()
{
    QFETCH(bool, hexa);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, swatch);

    TForm_PrevodBarvy viewer(nullptr);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    if (hexa) {
        child<QLineEdit>(&viewer, "Edit_Hexa")->setText(fields[0]);
    } else {
        child<QRadioButton>(&viewer, "RadioButton_RGB")->setChecked(true);
        const char *names[] = {"Edit_Cervena", "Edit_Zelena", "Edit_Modra"};
        for (int i = 0; i < 3; ++i)
            child<QLineEdit>(&viewer, names[i])->setText(fields[i]);
    }
    const QStringList expected = message.isEmpty() ? QStringList() : QStringList({u8("Pozor - neplatné zadání čísla"), message});
    QCOMPARE(viewerMessage(viewer), expected);
    QCOMPARE(child<ColourSample>(&viewer, "Shape_Vysledek")->colourText(), swatch);
    QVERIFY(viewer.isVisible()); // only "&Zrušit" closes it
}

void TestColourTools::viewerKeysAndArrows()
{
    TForm_PrevodBarvy viewer(nullptr);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto *hexaEdit = child<QLineEdit>(&viewer, "Edit_Hexa");
    auto *red = child<QLineEdit>(&viewer, "Edit_Cervena");
    QVERIFY(hexaEdit->isEnabled());
    QVERIFY(!red->isEnabled());

    hexaEdit->setFocus();
    QTest::keyClicks(hexaEdit, "#1g2Ab-c3d");
    QCOMPARE(hexaEdit->text(), QStringLiteral("12Abc3")); // six at most, hexadecimal only

    child<QRadioButton>(&viewer, "RadioButton_RGB")->click();
    QVERIFY(!hexaEdit->isEnabled());
    QVERIFY(red->isEnabled());
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, "2x5-59");
    QCOMPARE(red->text(), QStringLiteral("255"));
    auto *upDown = child<UpDown>(&viewer, "UpDown_Cervena");
    upDown->downButton()->click();
    QCOMPARE(red->text(), QStringLiteral("254"));
    upDown->upButton()->click();
    upDown->upButton()->click();
    QCOMPARE(red->text(), QStringLiteral("255"));
}

void TestColourTools::eyedropperPicksThePixelUnderTheMouse()
{
    QImage screen(200, 100, QImage::Format_RGB32);
    screen.fill(Qt::white);
    screen.setPixel(40, 30, qRgb(0x12, 0x34, 0x56));
    LineBuffer document;
    auto *eyedropper = new TKapatko_Form(screen, [&document]() -> TextDocument * { return &document; });
    QPointer<TKapatko_Form> alive(eyedropper);
    QSignalSpy closed(eyedropper, &TKapatko_Form::closed);
    eyedropper->resize(200, 100);
    eyedropper->show();
    QVERIFY(QTest::qWaitForWindowExposed(eyedropper));
    QCOMPARE(eyedropper->cursor().shape(), Qt::CrossCursor);

    auto *swatch = child<ColourSample>(eyedropper, "Shape_AktBarva");
    QCOMPARE(swatch->size(), QSize(25, 25));
    QTest::mouseMove(eyedropper, QPoint(40, 30));
    QTRY_COMPARE(swatch->colourText(), QStringLiteral("#123456"));
    QCOMPARE(swatch->pos(), QPoint(45, 35));
    QTest::mouseMove(eyedropper, QPoint(10, 10));
    QTRY_COMPARE(swatch->colourText(), QStringLiteral("#FFFFFF"));

    QTest::mouseClick(eyedropper, Qt::LeftButton, {}, QPoint(40, 30));
    QCOMPARE(document.line(0), QStringLiteral("#123456"));
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(alive.isNull()); // closed and gone
}

void TestColourTools::eyedropperFromTheMenu()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    // A window of a known colour elsewhere on the screen, to be captured with it.
    QWidget marker(nullptr, Qt::FramelessWindowHint);
    marker.setAutoFillBackground(true);
    QPalette palette = marker.palette();
    palette.setColor(QPalette::Window, QColor(0x20, 0xA0, 0x60));
    marker.setPalette(palette);
    marker.setGeometry(600, 600, 100, 100);
    marker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marker));

    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    editor->setText(QString());
    mainForm.action(QStringLiteral("Kapatko"))->trigger();
    QVERIFY(!mainForm.isVisible());
    TKapatko_Form *eyedropper = nullptr;
    QTRY_VERIFY((eyedropper = shownEyedropper()) != nullptr);
    QVERIFY(eyedropper->windowFlags() & Qt::FramelessWindowHint);
    const QPoint inMarker = eyedropper->mapFromGlobal(QPoint(650, 650));
    QCOMPARE(colourText(eyedropper->colourAt(inMarker)), QStringLiteral("#20A060"));
    QTest::mouseClick(eyedropper, Qt::LeftButton, {}, inMarker);
    QCOMPARE(activeText(mainForm), QStringLiteral("#20A060"));
    QCOMPARE(mainForm.documents().activeEditor(), editor);
    QTRY_VERIFY(mainForm.isVisible());

    // Closed without a click: nothing inserted, and the main window comes back all the same.
    mainForm.action(QStringLiteral("Kapatko"))->trigger();
    QVERIFY(!mainForm.isVisible());
    QTRY_VERIFY((eyedropper = shownEyedropper()) != nullptr);
    eyedropper->close();
    QTRY_VERIFY(mainForm.isVisible());
    QCOMPARE(activeText(mainForm), QStringLiteral("#20A060"));
}

void TestColourTools::colourDialogCommandRemembersItsColour()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    editor->setText(QString());
    QAction *command = mainForm.action(QStringLiteral("Vbrbarvy1"));
    QCOMPARE(command->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));

    QColor openedWith;
    auto choose = [&openedWith](const QColor &colour, bool confirm) {
        return [&openedWith, colour, confirm](QWidget *modal) {
            if (auto *dialog = qobject_cast<QColorDialog *>(modal)) {
                openedWith = dialog->currentColor();
                dialog->setCurrentColor(colour);
                if (confirm) {
                    dialog->accept();
                    return;
                }
            }
            dismiss(modal);
        };
    };
    ModalSteps first({choose(QColor(0, 128, 255), true)});
    command->trigger();
    QCOMPARE(editor->line(0), QStringLiteral("#0080FF"));
    QCOMPARE(openedWith, QColor(Qt::black));

    ModalSteps cancelled({choose(QColor(1, 2, 3), false)});
    command->trigger();
    QCOMPARE(openedWith, QColor(0, 128, 255)); // the last colour chosen
    QCOMPARE(editor->line(0), QStringLiteral("#0080FF"));
}

void TestColourTools::colourBar()
{
    ScratchProgramFolder folder;
    QVERIFY(folder.isValid());
    TMainForm mainForm;
    QVERIFY(showMainForm(mainForm));
    auto *bar = mainForm.findChild<QToolBar *>(QStringLiteral("ToolBar_PanelBarev"));
    QVERIFY(bar);
    const QList<QAction *> items = bar->actions();
    QCOMPARE(items.size(), 17);
    QCOMPARE(items[0]->objectName(), QStringLiteral("TBItem_VybratBarvu"));
    QCOMPARE(qobject_cast<QToolButton *>(bar->widgetForAction(items[0]))->text(), QStringLiteral("..."));
    QCOMPARE(items[2]->statusTip(), QStringLiteral("[Maroon : #800000"));
    QVERIFY(items[2]->toolTip().isEmpty() || items[2]->toolTip() == items[2]->text());

    // Each named item shows its colour and inserts its name in place of the selection.
    SyntaxEdit *editor = mainForm.documents().createDocument()->editor();
    editor->setText(QString());
    const QList<NamedColour> colours(namedColours().begin(), namedColours().end());
    for (int i = 0; i < colours.size(); ++i) {
        QAction *item = items[i + 1];
        const QString name = QLatin1String(colours[i].name);
        QCOMPARE(item->objectName(), QStringLiteral("TBItem_") + name);
        QVERIFY(item->isEnabled());
        const QImage icon = item->icon().pixmap(16, 16).toImage();
        const Rgb colour = colours[i].colour;
        QCOMPARE(QColor(icon.pixel(8, 8)), QColor(colour.red, colour.green, colour.blue));
        QCOMPARE(item->statusTip().section(QStringLiteral(" : "), 1), colourText(colour));
        editor->setText(QStringLiteral("a b c"));
        editor->select({1, 3}, {1, 4});
        item->trigger();
        QCOMPARE(editor->line(0), QStringLiteral("a ") + name + QStringLiteral(" c"));
    }

    // "..." opens the mixer.
    QString opened;
    ModalSteps mixer({[&opened](QWidget *modal) {
        opened = modal->objectName();
        dismiss(modal);
    }});
    items[0]->trigger();
    QCOMPARE(opened, QStringLiteral("TBarva_Form"));
}

QTEST_MAIN(TestColourTools)
#include "test_colour_tools.moc"
