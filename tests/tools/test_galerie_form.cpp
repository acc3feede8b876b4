// The gallery tool as a user drives it: the picture list, its fields and stylesheet controls,
// "&Vytvořit" with its messages and "&Upravit" through the menu command.
#include "app/main_form.h"
#include "app/status_bar.h"
#include "app/child_form.h"
#include "base/program_folder.h"
#include "widgets/folder_browser.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "support/ui_test_support.h"
#include "tools/galerie_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

using namespace testsupport;

namespace {

QStringList shownPictures(TGalerie_Form &form)
{
    QStringList names;
    auto *list = control<QListWidget>(&form, "lb_Snimky");
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

void selectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
}

// Presses a button and returns the message boxes it showed as "caption|text".
QStringList messagesOf(QPushButton *button)
{
    QStringList shown;
    ModalSteps record({[&shown](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            shown << box->windowTitle() + QLatin1Char('|') + box->text();
        dismiss(modal);
    }});
    button->click();
    QApplication::processEvents();
    return shown;
}

} // namespace

class TestGalerieForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pictureList();
    void dropsFromElsewhereAreRefused();
    void numberFieldsTakeDigits();
    void stylesheetControls();
    void create_data();
    void create();
    void editStylesheet();
    void editMissingStylesheet();

private:
    QTemporaryDir m_pictures;
    std::unique_ptr<SharedMainForm> m_shell;
};

void TestGalerieForm::initTestCase()
{
    muteOffscreenPlatformWarnings();
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    for (const char *name : {"b.jpg", "A.gif", "c.BMP", "notes.txt"})
        QVERIFY(writeFile(m_pictures.filePath(QString::fromLatin1(name)), "x"));
    m_shell = std::make_unique<SharedMainForm>();
    QVERIFY(m_shell->isReady());
}

void TestGalerieForm::cleanupTestCase()
{
    m_shell.reset();
}

// Drops take the file list's selection top to bottom, repeats included; after "Seřaď" new names
// land at their sorted place; "Smaž", Delete and "Smaž všechny" remove; the label follows.
void TestGalerieForm::pictureList()
{
    TGalerie_Form form(nullptr, {});
    auto *count = control<QLabel>(&form, "PocetPolozek_Label");
    QCOMPARE(count->text(), QStringLiteral("0 položek"));
    form.browser()->setFolder(m_pictures.path());
    QListWidget *files = form.browser()->fileList();
    QCOMPARE(files->count(), 3); // the picture filter, without regard to case
    QCOMPARE(files->item(0)->text(), QStringLiteral("A.gif"));

    selectRows(files, {2, 0}); // selected bottom first: dropped top to bottom all the same
    form.lb_SnimkyDragDrop();
    selectRows(files, {2});
    form.lb_SnimkyDragDrop();
    QCOMPARE(shownPictures(form), (QStringList{"A.gif", "c.BMP", "c.BMP"}));
    QCOMPARE(count->text(), QStringLiteral("3 položek"));

    control<QAction>(&form, "Serad")->trigger();
    selectRows(files, {1});
    form.lb_SnimkyDragDrop();
    QCOMPARE(shownPictures(form), (QStringList{"A.gif", "b.jpg", "c.BMP", "c.BMP"}));

    auto *pictures = control<QListWidget>(&form, "lb_Snimky");
    selectRows(pictures, {0, 2});
    control<QAction>(&form, "Smaz")->trigger();
    QCOMPARE(shownPictures(form), (QStringList{"b.jpg", "c.BMP"}));
    QCOMPARE(count->text(), QStringLiteral("2 položek"));

    selectRows(pictures, {1});
    QTest::keyClick(pictures, Qt::Key_Delete);
    QCOMPARE(shownPictures(form), QStringList{"b.jpg"});
    QCOMPARE(count->text(), QStringLiteral("1 položek"));

    control<QAction>(&form, "Smaz_vsechny")->trigger();
    QCOMPARE(shownPictures(form), QStringList{});
    QCOMPARE(count->text(), QStringLiteral("0 položek"));
}

// Files dragged in from another program are not taken.
void TestGalerieForm::dropsFromElsewhereAreRefused()
{
    TGalerie_Form form(nullptr, {});
    auto *pictures = control<QListWidget>(&form, "lb_Snimky");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(m_pictures.filePath(QStringLiteral("b.jpg")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pictures->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pictures->viewport(), &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(pictures->count(), 0);
}

void TestGalerieForm::numberFieldsTakeDigits()
{
    TGalerie_Form form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *name : {"Sloupce_Edit", "Edit_Sirka", "Edit_Vyska"}) {
        auto *edit = control<QLineEdit>(&form, name);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "1a-2 .3");
        QCOMPARE(edit->text(), QStringLiteral("123"));
    }
}

void TestGalerieForm::stylesheetControls()
{
    TGalerie_Form form(nullptr, {});
    auto *path = control<QLineEdit>(&form, "Styl_Edit");
    auto *useDefault = control<QCheckBox>(&form, "Styl_CheckBox");
    auto *browse = control<QPushButton>(&form, "Najitstyl_Button");
    auto *edit = control<QPushButton>(&form, "Styl_Upravit_Button");
    auto state = [&] { return QList<bool>{path->isEnabled(), browse->isEnabled(), edit->isEnabled()}; };

    QVERIFY(useDefault->isChecked());
    QCOMPARE(path->text(), ProgramFolder::file(ProgramFile::GalleryFolder) + QStringLiteral("/default.css"));
    QCOMPARE(state(), (QList<bool>{false, false, true}));

    useDefault->click();
    QCOMPARE(state(), (QList<bool>{true, true, true}));
    path->clear();
    QCOMPARE(state(), (QList<bool>{true, true, false}));
    path->setText(QStringLiteral("moje.css"));
    QCOMPARE(state(), (QList<bool>{true, true, true}));

    useDefault->click();
    QCOMPARE(path->text(), defaultGalleryStylesheet());
    QCOMPARE(state(), (QList<bool>{false, false, false}));
}

void TestGalerieForm::create_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("document");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("inserted"); // the document's first line afterwards; empty: nothing
    const QString invalid = QString::fromUtf8("Neplatná data|Zkontrolujte, prosím, všechna data potřebná\n"
                                              " pro vytvoření obrázkové galerie!\nPočet sloupců nemůže být menší než 1!");
    const QString link = QStringLiteral("<link rel=\"stylesheet\" href=\"s.css\" type=\"text/css\" media=\"screen\" />");
    QTest::newRow("inserted") << "2" << 3 << true << QStringList{} << link;
    QTest::newRow("empty columns") << "" << 3 << true << QStringList{"Velinor 1.0|'' is not a valid integer value"} << "";
    QTest::newRow("zero columns") << "0" << 3 << true << QStringList{invalid} << "";
    QTest::newRow("no pictures") << "2" << 0 << true << QStringList{invalid} << "";
    QTest::newRow("no document") << "2" << 3 << false << QStringList{} << "";
}

// A refused or impossible creation keeps the dialog open and the document as it was.
void TestGalerieForm::create()
{
    QFETCH(QString, columns);
    QFETCH(int, pictures);
    QFETCH(bool, document);
    QFETCH(QStringList, messages);
    QFETCH(QString, inserted);

    LineBuffer buffer;
    TGalerie_Form form(nullptr, [&]() -> TextDocument * { return document ? &buffer : nullptr; });
    form.show();
    form.browser()->setFolder(m_pictures.path());
    selectRows(form.browser()->fileList(), QList<int>{0, 1, 2}.mid(0, pictures));
    if (pictures > 0)
        form.lb_SnimkyDragDrop();
    control<QLineEdit>(&form, "Sloupce_Edit")->setText(columns);
    control<QCheckBox>(&form, "Styl_CheckBox")->click();
    control<QLineEdit>(&form, "Styl_Edit")->setText(QStringLiteral("s.css"));

    QCOMPARE(messagesOf(control<QPushButton>(&form, "Vytvorit_Button")), messages);
    QCOMPARE(buffer.lines().value(0), inserted);
    QCOMPARE(form.isVisible(), inserted.isEmpty());
    if (!inserted.isEmpty()) {
        QCOMPARE(buffer.lines().size(), 14 + 1); // fourteen lines, the caret on the one after
        QCOMPARE(buffer.lines().at(5).left(30), QStringLiteral("      <td><div class=\"nazev\">A"));
    }
}

// "&Upravit" closes the tool and opens the stylesheet maximised in a new CSS window.
void TestGalerieForm::editStylesheet()
{
    m_shell->resetWithDocument();
    DocumentManager &documents = m_shell->mainForm().documents();
    const QString sheet = m_shell->folder().filePath(QStringLiteral("wgal/default.css"));
    QVERIFY(QDir().mkpath(QFileInfo(sheet).path()));
    QVERIFY(writeFile(sheet, ".nazev { color: red; }\r\n"));

    ModalSteps steps({[](QWidget *modal) { control<QPushButton>(modal, "Styl_Upravit_Button")->click(); }});
    m_shell->mainForm().findChild<QAction *>(QStringLiteral("Editorwebgalerie1"))->trigger();
    QCOMPARE(steps.remaining(), 0);
    QCOMPARE(steps.seen(), QStringList{"TGalerie_Form"});

    DocumentWindow *opened = documents.activeWindow();
    QCOMPARE(documents.documents().size(), 2);
    QCOMPARE(opened->windowTitle(), QStringLiteral("default.css"));
    QCOMPARE(opened->editor()->text(), QStringLiteral(".nazev { color: red; }\r\n"));
    QCOMPARE(opened->editor()->highlighter(), Highlighter::Css);
    QVERIFY(opened->parentWidget()->isMaximized());
    QCOMPARE(m_shell->mainForm().statusPanels()->panelText(VelinorStatusBar::Language), QStringLiteral("Css"));
}

// A stylesheet that cannot be read is reported and leaves no window behind.
void TestGalerieForm::editMissingStylesheet()
{
    m_shell->resetWithDocument();
    const QString missing = m_shell->folder().filePath(QStringLiteral("nikde.css"));
    QString report;
    ModalSteps steps({[&missing](QWidget *modal) {
                          control<QCheckBox>(modal, "Styl_CheckBox")->click();
                          control<QLineEdit>(modal, "Styl_Edit")->setText(missing);
                          control<QPushButton>(modal, "Styl_Upravit_Button")->click();
                      },
                      [&report](QWidget *modal) {
                          if (auto *box = qobject_cast<QMessageBox *>(modal))
                              report = box->text();
                          dismiss(modal);
                      }});
    m_shell->mainForm().findChild<QAction *>(QStringLiteral("Editorwebgalerie1"))->trigger();
    QTRY_COMPARE(steps.remaining(), 0);
    QCOMPARE(report, QStringLiteral("Cannot open file %1").arg(missing));
    QCOMPARE(m_shell->mainForm().documents().documents().size(), 1);
}

QTEST_MAIN(TestGalerieForm)
#include "test_galerie_form.moc"
