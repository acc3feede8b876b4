// The CSS editor as a user drives it: its pages, the decoration interlock, the swatches, and
// generation into a new window and the projekty folder.
#include "app/child_form.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "css/css_form.h"
#include "widgets/dialog_parts.h"
#include "widgets/font_families.h"
#include "editor/syntax_edit.h"
#include "support/ui_test_support.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

using namespace testsupport;

class TestCssForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pagesAndDefaults();
    void decorationInterlock();
    void swatchShownByItsBox();
    void generationWritesFileAndWindow();
    void emptyNameIsRefused();
    void nameLeavingTheFolderIsRefused();
    void fullPathNameMakesNoWindow();
    void nameWithDotsStaysInside();

private:
    TChildForm *onlyWindow() const
    {
        const auto windows = m_shell->mainForm().mdiArea()->subWindowList();
        return windows.size() == 1 ? qobject_cast<TChildForm *>(windows.first()->widget()) : nullptr;
    }
    int windowCount() const { return int(m_shell->mainForm().mdiArea()->subWindowList().size()); }

    std::unique_ptr<SharedMainForm> m_shell;
};

namespace {

template <typename T>
T *child(QWidget *form, const char *name)
{
    T *found = form->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("missing %s", name);
    return found;
}

void setText(QWidget *form, const char *name, const QString &text)
{
    if (auto *combo = form->findChild<QComboBox *>(QString::fromLatin1(name)))
        combo->setEditText(text);
    else if (auto *edit = form->findChild<QLineEdit *>(QString::fromLatin1(name)))
        edit->setText(text);
    else
        QFAIL(name);
}

// Clicks "&Vygenerovat" and returns the text of the message box it showed, if any.
QString generateReporting(TCSS_Form &form)
{
    QString reported;
    ModalSteps answers({[&reported](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            reported = box->windowTitle() + QLatin1Char('|') + box->text();
        dismiss(modal);
    }});
    child<QPushButton>(&form, "Button_vygenerovat")->click();
    QApplication::processEvents();
    return reported;
}

} // namespace

void TestCssForm::initTestCase()
{
    muteOffscreenPlatformWarnings();
    m_shell = std::make_unique<SharedMainForm>();
    QVERIFY(m_shell->isReady());
}

void TestCssForm::cleanupTestCase()
{
    m_shell.reset();
}

void TestCssForm::pagesAndDefaults()
{
    m_shell->reset();
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    auto *pages = child<QTabWidget>(&form, "PageControl_CSS");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 8);
    QCOMPARE(pages->currentWidget()->objectName(), "TabSheet_Box");
    QCOMPARE(pages->tabText(0), QString::fromUtf8("&Písmo"));
    // The installed fonts, each family once by its plain name (this machine's fonts may come from
    // several foundries, which the font database tags as "Family [foundry]").
    auto *fonts = child<QComboBox>(&form, "CB_font");
    QStringList families;
    for (int i = 0; i < fonts->count(); ++i)
        families << fonts->itemText(i);
    QVERIFY(!families.isEmpty());
    QCOMPARE(families, installedFontFamilies());
    QCOMPARE(families.filter(QRegularExpression("\\[.*\\]$")), QStringList());
    QCOMPARE(child<QComboBox>(&form, "CB_JednotkyVelikosti")->count(), 9);
    QCOMPARE(child<QComboBox>(&form, "CB_Velikost")->currentText(), QString());
    // Every field empty and every box clear: the rule alone.
    QCOMPARE(cssStyleText(form.fields()), "body {\r\r\r}");
}

void TestCssForm::decorationInterlock()
{
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    auto *underline = child<QCheckBox>(&form, "ChB_Underline");
    auto *none = child<QCheckBox>(&form, "ChB_None");
    underline->setChecked(true);
    none->click();
    QVERIFY(!underline->isChecked());
    QVERIFY(!underline->isEnabled());
    QVERIFY(form.fields().noDecoration && !form.fields().underline);
    none->click();
    QVERIFY(underline->isEnabled());
    QVERIFY(!underline->isChecked());
}

void TestCssForm::swatchShownByItsBox()
{
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    form.show();
    auto *box = child<QCheckBox>(&form, "ChB_Levy");
    auto *swatch = child<ColourSample>(&form, "Shape_Levy");
    QVERIFY(swatch->isHidden());
    box->click();
    QVERIFY(!swatch->isHidden());
    QCOMPARE(form.fields().borderLeftColour.colour, (Rgb{255, 255, 255})); // never set: white

    ModalSteps pick({[](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        if (dialog) {
            dialog->setCurrentColor(QColor(0, 128, 255));
            dialog->accept();
        } else {
            dismiss(modal);
        }
    }});
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(swatch->colourText(), "#0080FF");
    box->click(); // hidden, colour kept
    QVERIFY(swatch->isHidden());
    QCOMPARE(swatch->colourText(), "#0080FF");
    QVERIFY(!form.fields().borderLeftColour.checked);
}

void TestCssForm::generationWritesFileAndWindow()
{
    m_shell->reset();
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    setText(&form, "E_NazevStylu", "modry");
    setText(&form, "CB_font", "Arial");
    setText(&form, "CB_Velikost", "12");
    setText(&form, "CB_JednotkyVelikosti", "px");
    child<QCheckBox>(&form, "ChB_Barva_Pismo")->setChecked(true);
    child<ColourSample>(&form, "Shape_Barva_Pismo")->setColour(Rgb{255, 0, 0});
    child<QCheckBox>(&form, "ChB_Underline")->setChecked(true);
    child<QCheckBox>(&form, "ChB_Blink")->setChecked(true);
    child<QCheckBox>(&form, "ChB_Otevrene")->setChecked(true);

    QCOMPARE(generateReporting(form), QString());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    TChildForm *window = onlyWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), "modry.css");
    const QByteArray expected = "body {\r\n\r\nfont-family: Arial;\r\nfont-size: 12px;\r\ncolor: #FF0000;\r\n"
                                "text-decoration: underline blink;\r\n\r\n}\r\n";
    QCOMPARE(window->editor()->text(), QString::fromLatin1(expected));
    QCOMPARE(readFile(m_shell->folder().filePath("projekty/modry.css")), expected);
}

void TestCssForm::emptyNameIsRefused()
{
    m_shell->reset();
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    setText(&form, "CB_font", "Arial");
    QCOMPARE(generateReporting(form), QString::fromUtf8("Neplatné jmnéno souboru|Není zadaný název stylu!"));
    QCOMPARE(windowCount(), 0);
    QCOMPARE(form.result(), int(QDialog::Rejected)); // still open, nothing accepted
    QCOMPARE(form.fields().fontFamily, "Arial");
}

// A name leading outside projekty is refused by the check of every save: the message says so, the
// new window stays open with the stylesheet and so does the editor, and a later "&Uložit" of that
// window writes nothing either. A name that only holds dots stays inside and is written.
void TestCssForm::nameLeavingTheFolderIsRefused()
{
    m_shell->reset();
    QVERIFY(QDir(m_shell->folder().path()).mkpath("wgal"));
    QVERIFY(writeFile(m_shell->folder().filePath("wgal/default.css"), "the program's own"));
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    setText(&form, "E_NazevStylu", "../wgal/default");
    const QString reported = generateReporting(form);
    QVERIFY2(reported.contains(QString::fromUtf8("mimo složku projekty")), qPrintable(reported));
    TChildForm *window = onlyWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), "../wgal/default.css");
    QCOMPARE(form.result(), int(QDialog::Rejected));

    ModalSteps answers({}, ModalSteps::Others::Dismiss);
    QVERIFY(!m_shell->mainForm().documents().save(window));
    QCOMPARE(answers.seen().size(), 1);
    QCOMPARE(readFile(m_shell->folder().filePath("wgal/default.css")), QByteArray("the program's own"));
    QVERIFY(window->editor()->isModified());
}

void TestCssForm::fullPathNameMakesNoWindow()
{
    // A window captioned with a full path would save there on Ctrl+S, like a file opened from disk.
    m_shell->reset();
    const QString outside = m_shell->folder().filePath(QStringLiteral("unik"));
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    setText(&form, "E_NazevStylu", outside);
    const QString reported = generateReporting(form);
    QVERIFY2(reported.contains(QString::fromUtf8("mimo složku projekty")), qPrintable(reported));
    QVERIFY(!onlyWindow());
    QVERIFY(!QFileInfo::exists(outside + QStringLiteral(".css")));
}

void TestCssForm::nameWithDotsStaysInside()
{
    m_shell->reset();
    TCSS_Form form(&m_shell->mainForm(), m_shell->mainForm().documents());
    setText(&form, "E_NazevStylu", "a..b");
    child<QCheckBox>(&form, "ChB_Otevrene")->setChecked(true); // no question on closing the window
    QCOMPARE(generateReporting(form), QString());
    QCOMPARE(readFile(m_shell->folder().filePath("projekty/a..b.css")), QByteArray("body {\r\n\r\n\r\n}\r\n"));
}

QTEST_MAIN(TestCssForm)
#include "test_css_form.moc"
