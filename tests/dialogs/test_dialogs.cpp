#include "app/child_form.h"
#include "app/main_form.h"
#include "files/document_manager.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "base/velinor_error.h"
#include "dialogs/css_link_form.h"
#include "dialogs/counter_generator.h"
#include "dialogs/css_link_generator.h"
#include "widgets/dialog_parts.h"
#include "dialogs/email_addresses.h"
#include "dialogs/email_form.h"
#include "dialogs/email_generator.h"
#include "widgets/field_rules.h"
#include "dialogs/form_dialogs.h"
#include "dialogs/form_http_odkaz.h"
#include "dialogs/frame_dialogs.h"
#include "dialogs/http_link_generator.h"
#include "dialogs/img_form.h"
#include "dialogs/img_generator.h"
#include "dialogs/list_counter_dialogs.h"
#include "dialogs/multimedia_dialogs.h"
#include "widgets/picture_files.h"
#include "dialogs/table_form.h"
#include "dialogs/table_generator.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"
#include "editor/syntax_edit.h"
#include "imaging/picture_decoder.h"
#include "support/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QToolButton>
#include <QtTest>

#include <climits>
#include <functional>
#include <memory>
#include <optional>

Q_DECLARE_METATYPE(TableFields)
Q_DECLARE_METATYPE(ImgFields)
Q_DECLARE_METATYPE(HttpLinkFields)
Q_DECLARE_METATYPE(EmailFields)
Q_DECLARE_METATYPE(CssLinkFields)

using namespace testsupport;

namespace {

using FieldValues = QList<QPair<QString, QString>>;

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// What an edit leaves in a document.
struct Result
{
    QStringList lines;
    TextPosition caret;
    QString error; // empty when the edit ran to its end
};

Result runOn(LineBuffer document, const Edit &edit)
{
    Result result;
    try {
        apply(edit, document);
    } catch (const VelinorError &error) {
        result.error = error.message();
    }
    result.lines = document.lines();
    result.caret = document.caret();
    return result;
}

// The process's current folder for the length of one test (the image dialog's browser starts there).
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString &folder) : m_previous(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

private:
    QString m_previous;
};

// Runs an action and returns the text of the error report it showed (empty when none).
QString reportedBy(const std::function<void()> &action)
{
    QString reported;
    ModalSteps answers({[&reported](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            reported = box->text();
        dismiss(modal);
    }});
    action();
    QApplication::processEvents();
    return reported;
}

// Sets a dialog's fields by objectName; returns the names it could not find.
QStringList setFields(QWidget *dialog, const FieldValues &values)
{
    QStringList missing;
    for (const auto &[name, value] : values) {
        QWidget *control = dialog->findChild<QWidget *>(name);
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(value);
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setEditText(value);
        else if (auto *spin = qobject_cast<SpinField *>(control))
            spin->setValue(value);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
            memo->setPlainText(value);
        else if (auto *box = qobject_cast<QAbstractButton *>(control))
            box->setChecked(value == QLatin1String("1"));
        else
            missing.append(name);
    }
    return missing;
}

QPushButton *buttonCaptioned(QWidget *dialog, const QString &caption)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// "&Vložit", or the list builder's "&Ok".
QPushButton *insertButton(QWidget *dialog)
{
    QPushButton *insert = buttonCaptioned(dialog, u8("&Vložit"));
    return insert ? insert : buttonCaptioned(dialog, u8("&Ok"));
}

// "&Zpět", or the list builder's "&Storno".
QPushButton *backButton(QWidget *dialog)
{
    QPushButton *back = buttonCaptioned(dialog, u8("&Zpět"));
    return back ? back : buttonCaptioned(dialog, u8("&Storno"));
}

// The main window with one empty document window, its program folder a scratch folder.
struct Shell
{
    ScratchProgramFolder folder;
    TMainForm mainForm;
    SyntaxEdit *editor = nullptr;

    bool open(bool withDocument = true)
    {
        if (!showMainForm(mainForm))
            return false;
        if (withDocument) {
            editor = mainForm.documents().createDocument()->editor();
            editor->setText(QString());
        }
        return folder.isValid();
    }

    // Triggers a control's action; `answer` handles the dialog it opens.
    bool run(const QString &control, const ModalSteps::Step &answer)
    {
        QAction *action = mainForm.action(control);
        if (!action || !action->isEnabled())
            return false;
        ModalSteps answers({answer});
        action->trigger();
        return answers.remaining() == 0;
    }
};

QImage fixturePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    return picture;
}

void mouseClickItem(QListWidget *list, QListWidgetItem *item, bool doubleClick)
{
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (doubleClick) { // as the platform delivers it: press, release, double click, release
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    }
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Generators on a plain document.
    void tableGenerator_data();
    void tableGenerator();
    void imgGenerator_data();
    void imgGenerator();
    void httpLinkGenerator_data();
    void httpLinkGenerator();
    void emailGenerator_data();
    void emailGenerator();
    void cssLinkGenerator_data();
    void cssLinkGenerator();

    // Building blocks.
    void digitFilter();
    void upDown_data();
    void upDown();
    void spinFieldSteps_data();
    void spinFieldSteps();
    void spinFieldWidget();
    void colourButton();
    void browseButton();

    // Dialogs driven end to end.
    void openFromControls_data();
    void openFromControls();
    void noActiveDocument_data();
    void noActiveDocument();
    void freshDefaultsEachTime();
    void backButtonAndEscape();
    void tableFailsHalfWay();
    void largeTablesAreOneUndoStep_data();
    void largeTablesAreOneUndoStep();
    void accessKeyField();
    void emailLinkTextBox();
    void emailAddressList();
    void emailWriteFailure();
    void cssLinkBrowse_data();
    void cssLinkBrowse();
    void companionBoxes_data();
    void companionBoxes();
    void marqueeColourCancelled();
    void listKindSwitch();
    void counterHomePage();
    void typedTextKept_data();
    void typedTextKept();
    void pickedFromList();

    // Pictures.
    void pictureMasks_data();
    void pictureMasks();
    void decodePictures_data();
    void decodePictures();
    void pictureFailures_data();
    void pictureFailures();
    void imageBrowser();
    void imageBrowserLargeFolder();
};

void TestDialogs::initTestCase()
{
    muteOffscreenPlatformWarnings();
}

// ---- generators ---------------------------------------------------------------------------------

void TestDialogs::tableGenerator_data()
{
    QTest::addColumn<TableFields>("fields");
    QTest::addColumn<QStringList>("startLines"); // the document before the edit; the caret at its end
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<int>("caretColumn");
    QTest::addColumn<QString>("error");

    const QString defaultStart = u8(R"(<table border="0" cellspacing="0" cellpadding="0" width="1">)");
    const TableFields defaults;
    QTest::newRow("defaults: six lines, values equal to defaults written")
        << defaults << QStringList()
        << QStringList{defaultStart, "  <tr>", "    <td>", "    </td>", "  </tr>", "</table>"} << 6 << 9 << QString();

    TableFields cleared;
    cleared.border = cleared.cellSpacing = cleared.cellPadding = cleared.width = QString();
    QTest::newRow("cleared fields leave their attributes out")
        << cleared << QStringList() << QStringList{"<table>", "  <tr>", "    <td>", "    </td>", "  </tr>", "</table>"}
        << 6 << 9 << QString();

    TableFields everything;
    everything.caption = u8("Ceník");
    everything.border = "2";
    everything.frame = "void";
    everything.cellSpacing = "3";
    everything.cellPadding = "4";
    everything.width = "80";
    everything.widthUnit = TableFields::WidthUnit::Percent;
    everything.rules = "all";
    everything.alignment = TableFields::Alignment::Center;
    everything.noWrap = everything.noFlow = true;
    everything.rows = everything.columns = "0";
    QTest::newRow("attribute order, procenta, střed with both boxes, caption; 0 rows")
        << everything << QStringList()
        << QStringList{u8(R"(<table border="2" frame="void" cellspacing="3" cellpadding="4" width="80%" rules="all")"
                          R"( align="center" nowrap noflow><caption>Ceník</caption>)"),
                       "</table>"}
        << 2 << 9 << QString();

    TableFields pixels;
    pixels.width = "80";
    pixels.alignment = TableFields::Alignment::Left;
    pixels.rows = "2";
    pixels.columns = "0";
    QTest::newRow("pixely width, vlevo, rows without cells")
        << pixels << QStringList()
        << QStringList{u8(R"(<table border="0" cellspacing="0" cellpadding="0" width="80" align="left">)"), "  <tr>",
                       "  </tr>", "  <tr>", "  </tr>", "</table>"}
        << 6 << 9 << QString();

    TableFields threeByTwo;
    threeByTwo.rows = "3";
    threeByTwo.columns = "2";
    threeByTwo.alignment = TableFields::Alignment::Right;
    QStringList threeByTwoLines{u8(R"(<table border="0" cellspacing="0" cellpadding="0" width="1" align="right">)")};
    for (int r = 0; r < 3; ++r)
        threeByTwoLines << "  <tr>" << "    <td>" << "    </td>" << "    <td>" << "    </td>" << "  </tr>";
    threeByTwoLines << "</table>";
    QTest::newRow("three rows of two cells, vpravo") << threeByTwo << QStringList() << threeByTwoLines << 20 << 9 << QString();

    TableFields negative;
    negative.rows = "-3"; // only possible by pasting
    QTest::newRow("a negative count gives no rows") << negative << QStringList() << QStringList{defaultStart, "</table>"}
                                                    << 2 << 9 << QString();

    TableFields quoted;
    quoted.caption = u8(R"(a "b" <c> & d)");
    quoted.rows = "0";
    QTest::newRow("typed text is not escaped")
        << quoted << QStringList()
        << QStringList{defaultStart + u8(R"(<caption>a "b" <c> & d</caption>)"), "</table>"} << 2 << 9 << QString();

    TableFields inLine;
    inLine.border = inLine.cellSpacing = inLine.cellPadding = inLine.width = QString();
    QTest::newRow("in the middle of a line the rest follows the table")
        << inLine << QStringList{"ab"} // caret after "ab"; the rest of the line is typed after
        << QStringList{"ab<table>", "  <tr>", "    <td>", "    </td>", "  </tr>", "</table>"} << 6 << 9 << QString();

    // Failures half-way: the pieces before the failing conversion stay.
    TableFields noRows;
    noRows.rows = QString();
    QTest::newRow("empty row count: only the start line")
        << noRows << QStringList() << QStringList{defaultStart, QString()} << 2 << 1
        << u8("'' is not a valid integer value");
    TableFields pastedRows;
    pastedRows.rows = "12a";
    QTest::newRow("pasted row count: only the start line")
        << pastedRows << QStringList() << QStringList{defaultStart, QString()} << 2 << 1
        << u8("'12a' is not a valid integer value");
    TableFields pastedColumns;
    pastedColumns.rows = "4";
    pastedColumns.columns = "x";
    QTest::newRow("pasted column count: start line and the first row's start")
        << pastedColumns << QStringList() << QStringList{defaultStart, "  <tr>", QString()} << 3 << 1
        << u8("'x' is not a valid integer value");
    TableFields columnsNeverRead;
    columnsNeverRead.rows = "0";
    columnsNeverRead.columns = "x";
    QTest::newRow("no rows: the column count is never read")
        << columnsNeverRead << QStringList() << QStringList{defaultStart, "</table>"} << 2 << 9 << QString();

    TableFields huge;
    huge.rows = "2000000000";
    huge.columns = "100";
    QTest::newRow("a table too large to build is refused before anything is inserted")
        << huge << QStringList() << QStringList() << 1 << 1
        << u8("Tabulka s 2000000000 řádky a 100 sloupci je příliš velká.");
}

void TestDialogs::tableGenerator()
{
    QFETCH(TableFields, fields);
    QFETCH(QStringList, startLines);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    QFETCH(int, caretColumn);
    QFETCH(QString, error);

    LineBuffer document(startLines);
    if (!startLines.isEmpty()) {
        document.setCaretLine(startLines.size());
        document.setCaretColumn(startLines.last().size() + 1);
    }
    const Result result = runOn(document, tableEdit(fields));
    QCOMPARE(result.lines, lines);
    QCOMPARE(result.caret, (TextPosition{caretLine, caretColumn}));
    QCOMPARE(result.error, error);
}

void TestDialogs::imgGenerator_data()
{
    QTest::addColumn<ImgFields>("fields");
    QTest::addColumn<QString>("text");

    QTest::newRow("defaults") << ImgFields() << "<img>";

    ImgFields example;
    example.path = u8(R"(C:\web\foto.jpg)");
    example.height = "120";
    example.showHeight = true;
    example.altText = "Foto";
    QTest::newRow("path, ticked height and alt")
        << example << u8(R"(<img src="C:\web\foto.jpg" height="120" alt="Foto">)");

    ImgFields unticked;
    unticked.height = unticked.width = unticked.vspace = unticked.hspace = unticked.border = "7";
    QTest::newRow("values without their boxes are left out") << unticked << "<img>";

    ImgFields tickedEmpty;
    tickedEmpty.showHeight = tickedEmpty.showWidth = tickedEmpty.showVspace = tickedEmpty.showHspace =
        tickedEmpty.showBorder = true;
    tickedEmpty.height = tickedEmpty.border = QString();
    QTest::newRow("ticked but emptied fields are left out")
        << tickedEmpty << u8(R"(<img width="1" vspace="0" hspace="0">)");

    ImgFields all = tickedEmpty;
    all.path = "a.bmp";
    all.height = "2";
    all.border = "5";
    all.alignment = "left";
    all.altText = u8(R"(say "hi")");
    QTest::newRow("every attribute in order, alignment before alt")
        << all << u8(R"(<img src="a.bmp" height="2" width="1" vspace="0" hspace="0" border="5" align="left" alt="say "hi"">)");
}

void TestDialogs::imgGenerator()
{
    QFETCH(ImgFields, fields);
    QFETCH(QString, text);
    const Result result = runOn(LineBuffer(), imgEdit(fields));
    QCOMPARE(result.lines, QStringList{text});
    QCOMPARE(result.caret, (TextPosition{1, int(text.size()) + 1}));
}

void TestDialogs::httpLinkGenerator_data()
{
    QTest::addColumn<HttpLinkFields>("fields");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << HttpLinkFields() << "<a></a>";
    QTest::newRow("address and target") << HttpLinkFields{"index.html", "_blank", {}, {}}
                                        << u8(R"(<a href="index.html" target="_blank"></a>)");
    QTest::newRow("all four in order") << HttpLinkFields{"a.html", "_top", "5", u8("Úvod")}
                                       << u8(R"(<a href="a.html" target="_top" accesskey="5" title="Úvod"></a>)");
    QTest::newRow("title alone") << HttpLinkFields{{}, {}, {}, "t"} << u8(R"(<a title="t"></a>)");
}

void TestDialogs::httpLinkGenerator()
{
    QFETCH(HttpLinkFields, fields);
    QFETCH(QString, text);
    const Result result = runOn(LineBuffer(), httpLinkEdit(fields));
    QCOMPARE(result.lines, QStringList{text});
    QCOMPARE(result.caret, (TextPosition{1, int(text.size()) - 3})); // between the tags
}

void TestDialogs::emailGenerator_data()
{
    QTest::addColumn<EmailFields>("fields");
    QTest::addColumn<QStringList>("lines"); // empty: nothing is inserted, the dialog stays open
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<int>("caretColumn");

    const QString a = "jan@example.cz";
    QTest::newRow("address, box ticked: caret between the tags")
        << EmailFields{a, {}, {}, true, {}} << QStringList{u8(R"(<a href="mailto:jan@example.cz"></a>)")} << 1 << 33;
    QTest::newRow("subject and own link text: caret after the link")
        << EmailFields{a, "Dotaz", {}, false, u8("Napište mi")}
        << QStringList{u8(R"(<a href="mailto:jan@example.cz?subject=Dotaz">Napište mi</a>)")} << 1 << 61;
    QTest::newRow("subject and body")
        << EmailFields{a, "S", "B", true, {}} << QStringList{u8(R"(<a href="mailto:jan@example.cz?subject=S&body=B"></a>)")}
        << 1 << 50;
    QTest::newRow("a two-line body: the break stands inside the href")
        << EmailFields{a, {}, "Dobry den\nPavel", true, {}}
        << QStringList{u8(R"(<a href="mailto:jan@example.cz?body=Dobry den)"), u8(R"(Pavel"></a>)")} << 2 << 8;
    QTest::newRow("empty address, nothing else") << EmailFields() << QStringList{"<a ></a>"} << 1 << 5;
    QTest::newRow("empty address with a subject: the href is still closed")
        << EmailFields{{}, "Dotaz", {}, true, {}} << QStringList{u8(R"(<a href="mailto:?subject=Dotaz"></a>)")} << 1 << 33;
    QTest::newRow("own link text ignored while the box is ticked")
        << EmailFields{a, {}, {}, true, "text"} << QStringList{u8(R"(<a href="mailto:jan@example.cz"></a>)")} << 1 << 33;
    QTest::newRow("box unticked, no link text: nothing") << EmailFields{a, "S", {}, false, {}} << QStringList() << 1 << 1;
}

void TestDialogs::emailGenerator()
{
    QFETCH(EmailFields, fields);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    QFETCH(int, caretColumn);
    const std::optional<Edit> edit = emailEdit(fields);
    QCOMPARE(edit.has_value(), !lines.isEmpty());
    if (!edit)
        return;
    const Result result = runOn(LineBuffer(), *edit);
    QCOMPARE(result.lines, lines);
    QCOMPARE(result.caret, (TextPosition{caretLine, caretColumn}));
}

void TestDialogs::cssLinkGenerator_data()
{
    using Form = CssLinkFields::PathForm;
    QTest::addColumn<CssLinkFields>("fields");
    QTest::addColumn<QString>("href"); // null: nothing inserted

    QTest::newRow("relative keeps the file name") << CssLinkFields{Form::Relative, u8(R"(C:\web\css\styl.css)")} << "styl.css";
    QTest::newRow("absolute keeps the path") << CssLinkFields{Form::Absolute, u8(R"(C:\web\css\styl.css)")}
                                             << u8(R"(C:\web\css\styl.css)");
    QTest::newRow("relative, a path with slashes") << CssLinkFields{Form::Relative, "/home/jan/web/hlavni.css"} << "hlavni.css";
    QTest::newRow("typed path written as typed") << CssLinkFields{Form::Absolute, "css/styl.css"} << "css/styl.css";
    QTest::newRow("a bare file name") << CssLinkFields{Form::Relative, "styl.css"} << "styl.css";
    QTest::newRow("empty path: nothing") << CssLinkFields{Form::Relative, {}} << QString();
}

void TestDialogs::cssLinkGenerator()
{
    QFETCH(CssLinkFields, fields);
    QFETCH(QString, href);
    const std::optional<Edit> edit = cssLinkEdit(fields);
    QCOMPARE(edit.has_value(), !href.isNull());
    if (!edit)
        return;
    const QString text = u8(R"(<link rel=stylesheet type="text/css" href=")") + href + u8(R"(">)");
    const Result result = runOn(LineBuffer(), *edit);
    QCOMPARE(result.lines, QStringList{text});
    QCOMPARE(result.caret, (TextPosition{1, int(text.size()) + 1}));
}

// ---- building blocks ----------------------------------------------------------------------------

void TestDialogs::digitFilter()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    installDigitFilter(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    QTest::keyClicks(edit, "1-2 %.a+3");
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, u8("č"), Qt::NoModifier);
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Backspace); // control keys pass
    QCOMPARE(edit->text(), QStringLiteral("12"));
    // Letters composed with a dead key, the compose key or an input method are filtered too.
    for (const char *committed : {"š", "é4"}) {
        QInputMethodEvent composed;
        composed.setCommitString(u8(committed));
        QApplication::sendEvent(edit, &composed);
    }
    QCOMPARE(edit->text(), QStringLiteral("124"));

    // Pasting is not filtered.
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    edit->clear();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("12a"));
}

void TestDialogs::upDown_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("presses"); // u/d arrow buttons, U/D arrow keys in the edit
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("report");

    QTest::newRow("up twice") << "1" << 1 << 100 << "uu" << "3" << QString();
    QTest::newRow("keys step too") << "10" << 0 << 100 << "UUD" << "11" << QString();
    QTest::newRow("stops at the maximum") << "99" << 1 << 100 << "uuu" << "100" << QString();
    QTest::newRow("stops at the minimum") << "1" << 1 << 100 << "dD" << "1" << QString();
    QTest::newRow("wider range") << "999" << 1 << 1000 << "uu" << "1000" << QString();
    QTest::newRow("a typed value above the range comes back into it") << "500" << 0 << 100 << "d" << "100" << QString();
    QTest::newRow("pasted text: reported and kept") << "12a" << 1 << 100 << "u" << "12a"
                                                    << u8("'12a' is not a valid integer value");
    QTest::newRow("empty field: reported") << "" << 0 << 100 << "D" << "" << u8("'' is not a valid integer value");
}

void TestDialogs::upDown()
{
    QFETCH(QString, start);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, presses);
    QFETCH(QString, expected);
    QFETCH(QString, report);

    QWidget window;
    auto *edit = new QLineEdit(start, &window);
    auto *upDown = new UpDown(edit, minimum, maximum, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    const QString reported = reportedBy([&] {
        for (QChar press : presses) {
            if (press == 'u' || press == 'd')
                (press == 'u' ? upDown->upButton() : upDown->downButton())->click();
            else
                QTest::keyClick(edit, press == 'U' ? Qt::Key_Up : Qt::Key_Down);
        }
    });
    QCOMPARE(edit->text(), expected);
    QCOMPARE(reported, report);
}

void TestDialogs::spinFieldSteps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("stepped");
    QTest::addColumn<QString>("value"); // what the field gives, and shows once it loses the focus

    QTest::newRow("unbounded goes below zero") << "0" << 0 << 0 << -1 << "-1" << "0";
    QTest::newRow("unbounded keeps any integer") << "99999" << 0 << 0 << 1 << "100000" << "99999";
    QTest::newRow("unbounded at the int limit") << QString::number(INT_MAX) << 0 << 0 << 1 << QString::number(INT_MAX)
                                                << QString::number(INT_MAX);
    QTest::newRow("bounded stops at the maximum") << "10" << 1 << 10 << 1 << "10" << "10";
    QTest::newRow("bounded: above the range reads as the maximum") << "50" << 1 << 10 << -1 << "10" << "10";
    QTest::newRow("bounded: below the range reads as the minimum") << "-5" << 1 << 10 << 1 << "1" << "1";
    QTest::newRow("not an integer: steps from the minimum, reads as typed") << "abc" << 5 << 10 << 1 << "6" << "abc";
    QTest::newRow("not an integer, unbounded") << "" << 0 << 0 << -1 << "-1" << "";
}

void TestDialogs::spinFieldSteps()
{
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, steps);
    QFETCH(QString, stepped);
    QFETCH(QString, value);
    const SpinRange range{minimum, maximum};
    QCOMPARE(spinStep(text, steps, range), stepped);
    QCOMPARE(spinFieldValue(text, range), value);
}

void TestDialogs::spinFieldWidget()
{
    QWidget window;
    auto *bounded = new SpinField(SpinRange{1, 10}, SpinFilter::Digits, &window);
    auto *companion = new QCheckBox(&window);
    bounded->setCompanion(companion);
    auto *numeric = new SpinField(SpinRange{}, SpinFilter::Numeric, &window);
    auto *other = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(bounded);
    layout->addWidget(companion);
    layout->addWidget(numeric);
    layout->addWidget(other);
    bounded->setValue("5");
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window)); // focus changes reach the fields
    QVERIFY(!companion->isChecked()); // setting the default does not tick it

    // The digit filter drops signs and letters.
    bounded->setFocus();
    QTest::keyClick(bounded, Qt::Key_End);
    QTest::keyClicks(bounded, "-+a0");
    QCOMPARE(bounded->text(), QStringLiteral("50"));
    QCOMPARE(bounded->value(), QStringLiteral("10")); // read within 1..10 while the field has the focus
    QVERIFY(companion->isChecked()); // a typed change ticks the companion

    // Leaving the field shows the value it gives.
    other->setFocus();
    QTRY_COMPARE(bounded->text(), QStringLiteral("10"));

    // Stepping ticks the companion again after the user unticked it, and stays in range.
    companion->setChecked(false);
    bounded->setFocus();
    QTest::keyClick(bounded, Qt::Key_Up);
    QCOMPARE(bounded->value(), QStringLiteral("10"));
    QVERIFY(companion->isChecked());
    QTest::keyClick(bounded, Qt::Key_Down);
    QCOMPARE(bounded->value(), QStringLiteral("9"));

    // A click into the field ticks it too.
    companion->setChecked(false);
    QTest::mouseClick(bounded->findChild<QLineEdit *>(), Qt::LeftButton);
    QVERIFY(companion->isChecked());

    // Without the digit filter, signs pass and letters do not; unbounded below zero.
    numeric->setFocus();
    numeric->setValue(QString());
    QTest::keyClicks(numeric, "-x7");
    QCOMPARE(numeric->value(), QStringLiteral("-7"));
    QTest::keyClick(numeric, Qt::Key_Down);
    QCOMPARE(numeric->value(), QStringLiteral("-8"));
    for (SpinField *field : {bounded, numeric}) { // composed letters are dropped as typed ones are
        QInputMethodEvent composed;
        composed.setCommitString(u8("ř1"));
        QApplication::sendEvent(field, &composed);
    }
    QCOMPARE(numeric->value(), QStringLiteral("-81"));
    QCOMPARE(bounded->text(), QStringLiteral("91"));

    const QChar separator = QLocale().decimalPoint().at(0);
    QCOMPARE(spinKeyVerdict(separator, SpinFilter::Numeric, separator), KeyVerdict::Accept);
    QCOMPARE(spinKeyVerdict(separator, SpinFilter::Digits, separator), KeyVerdict::Drop);
    QCOMPARE(spinKeyVerdict('a', SpinFilter::Numeric, separator), KeyVerdict::DropWithBeep);
    QCOMPARE(spinKeyVerdict('\r', SpinFilter::Numeric, separator), KeyVerdict::DropWithBeep);
    QCOMPARE(spinKeyVerdict('\b', SpinFilter::Digits, separator), KeyVerdict::Accept);
}

void TestDialogs::colourButton()
{
    QWidget window;
    auto *sample = new ColourSample(&window);
    auto *button = new ColourButton(sample, &window);
    QCOMPARE(sample->colourText(), QStringLiteral("#FFFFFF")); // never given a colour

    QSignalSpy chosen(button, &ColourButton::colourChosen);
    ModalSteps confirm({[](QWidget *modal) {
        if (auto *dialog = qobject_cast<QColorDialog *>(modal)) {
            dialog->setCurrentColor(QColor(255, 128, 10));
            dialog->accept();
        } else {
            dismiss(modal);
        }
    }});
    button->click();
    QCOMPARE(sample->colourText(), QStringLiteral("#FF800A"));
    QCOMPARE(chosen.count(), 1);

    ModalSteps cancel({[](QWidget *modal) {
        if (auto *dialog = qobject_cast<QColorDialog *>(modal))
            dialog->setCurrentColor(QColor(0, 0, 0));
        dismiss(modal);
    }});
    button->click();
    QCOMPARE(sample->colourText(), QStringLiteral("#FF800A"));
    QCOMPARE(chosen.count(), 1);
}

void TestDialogs::browseButton()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("styl.css"));
    QVERIFY(writeFile(file, "p {}"));

    QWidget window;
    auto *field = new QLineEdit(QStringLiteral("typed.css"), &window);
    auto *button = new BrowseButton(field, QStringLiteral("CSS soubory (*.css)"), QStringLiteral("..."), &window);
    {
        ModalSteps cancel({[&](QWidget *modal) { dismiss(modal); }});
        button->click();
    }
    QCOMPARE(field->text(), QStringLiteral("typed.css"));

    QString filters;
    ModalSteps choose({[&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            filters = dialog->nameFilters().join(QLatin1Char('|'));
            chooseFile(dialog, file);
        } else {
            dismiss(modal);
        }
    }});
    button->click();
    QCOMPARE(filters, QStringLiteral("CSS soubory (*.css)"));
    QCOMPARE(field->text(), file); // the full path, nothing appended
}

// ---- dialogs end to end -------------------------------------------------------------------------

void TestDialogs::openFromControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<FieldValues>("values");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<int>("caretColumn");

    QTest::newRow("TABLE... with its defaults")
        << "ToolButton_Tabulky_TABLES" << "TTable_Form" << "Tabulka" << FieldValues()
        << QStringList{u8(R"(<table border="0" cellspacing="0" cellpadding="0" width="1">)"), "  <tr>", "    <td>",
                       "    </td>", "  </tr>", "</table>"}
        << 6 << 9;
    QTest::newRow("Editor Tabulky: two columns, procenta, caption")
        << "EditorTabulky1" << "TTable_Form" << "Tabulka"
        << FieldValues{{"Sloupce_Edit", "2"}, {"SirkaP_Edit", "50"}, {"procenta_RadioButton", "1"},
                       {"Nadpis_Edit", u8("Ceník")}, {"TypOhRULES_ComboBox", "rows"}, {"Sirka_Edit", ""}}
        << QStringList{u8(R"(<table cellspacing="0" cellpadding="0" width="50%" rules="rows"><caption>Ceník</caption>)"),
                       "  <tr>", "    <td>", "    </td>", "    <td>", "    </td>", "  </tr>", "</table>"}
        << 8 << 9;
    QTest::newRow("IMG") << "ToolButton_Multimedia_IMG" << "TIMG_Form" << u8("Obrázek")
                         << FieldValues{{"Cesta_Edit", "foto.jpg"}, {"Vyska_Edit", "120"}, {"UkazatVyska_CheckBox", "1"},
                                        {"Sirka_Edit", "99"}, {"AltText_Edit", "Foto"}, {"Zarovnani_ComboBox", "top"}}
                         << QStringList{u8(R"(<img src="foto.jpg" height="120" align="top" alt="Foto">)")} << 1 << 57;
    QTest::newRow("Obrázek from the menu") << "Obrazek" << "TIMG_Form" << u8("Obrázek") << FieldValues()
                                           << QStringList{"<img>"} << 1 << 6;
    QTest::newRow("A") << "ToolButton_Odkazy_A" << "TFormHTTPOdkaz" << u8("Vložit odkaz")
                       << FieldValues{{"FormHTTPOdkaz_Edit_Adresa", "index.html"}, {"FormHTTPOdkaz_ComboBox", "_blank"}}
                       << QStringList{u8(R"(<a href="index.html" target="_blank"></a>)")} << 1 << 38;
    QTest::newRow("w") << "ToolButton_FastPaste_w" << "TFormHTTPOdkaz" << u8("Vložit odkaz")
                       << FieldValues{{"FormHTTPOdkaz_Edit_Titulek", u8("Nápověda")}}
                       << QStringList{u8(R"(<a title="Nápověda"></a>)")} << 1 << 21;
    QTest::newRow("Odkaz from the menu") << "Odkaz1" << "TFormHTTPOdkaz" << u8("Vložit odkaz") << FieldValues()
                                         << QStringList{"<a></a>"} << 1 << 4;
    QTest::newRow("@") << "ToolButton_FastPaste_MailTo" << "TEMail_Form" << u8("Em@ilová adresa")
                       << FieldValues{{"EMail_ComboBox", "jan@example.cz"}, {"Subject_Edit", "Dotaz"},
                                      {"OdkazText_CheckBox", "0"}, {"OdkazText_Edit", u8("Napište mi")}}
                       << QStringList{u8(R"(<a href="mailto:jan@example.cz?subject=Dotaz">Napište mi</a>)")} << 1 << 61;
    QTest::newRow("E-Mail from the menu, two-line body")
        << "EMail" << "TEMail_Form" << u8("Em@ilová adresa")
        << FieldValues{{"EMail_ComboBox", "jan@example.cz"}, {"Body_Memo", "A\nB"}}
        << QStringList{u8(R"(<a href="mailto:jan@example.cz?body=A)"), u8(R"(B"></a>)")} << 2 << 4;
    QTest::newRow("LINK with a typed path") << "ToolButton_Styl_LINK" << "TCSS_LinkForm" << "CSS link"
                                            << FieldValues{{"Abs_RadioButton", "1"}, {"Link_Edit", "css/styl.css"}}
                                            << QStringList{u8(R"(<link rel=stylesheet type="text/css" href="css/styl.css">)")}
                                            << 1 << 58;
    QTest::newRow("FORM") << "ToolButton_Formulare_FORM" << "TForm_Form" << u8("Formulář")
                          << FieldValues{{"Akce_Edit", "send.php"}, {"Metoda_ComboBox", "post"}}
                          << QStringList{u8(R"(<form action="send.php" method="post">)"), "", "</form>"} << 2 << 1;
    QTest::newRow("INPUT") << "ToolButton_Formulare_INPUT" << "TElForm_Form" << u8("Element formuláře")
                           << FieldValues{{"Typ_ComboBox", "text"}, {"Jmeno_Edit", "jmeno"}, {"Velikost_SpinEdit", "20"},
                                          {"UkazVelikost_CheckBox", "1"}, {"UkazPouzeCteni_CheckBox", "1"}}
                           << QStringList{u8(R"(<input type="text" name="jmeno" size="20" readonly>)")} << 1 << 52;
    QTest::newRow("SELECT") << "ToolButton_Formulare_SELECT" << "TSelect_Form" << "SELECT"
                            << FieldValues{{"Jmeno_Edit", "barva"}, {"UkazAktivni_CheckBox", "0"}, {"UkazListBox_CheckBox", "1"}}
                            << QStringList{u8(R"(<select name="barva" disable multiple>)"), "", "</select>"} << 2 << 1;
    QTest::newRow("TEXTAREA") << "ToolButton_Formulare_TEXAREA" << "TTextarea_Form" << "TEXTAREA"
                              << FieldValues{{"Zarovnani_ComboBox", "left"}}
                              << QStringList{u8(R"(<textarea align="left">)"), "", "</textarea>"} << 2 << 1;
    QTest::newRow("FRAMESET") << "ToolButton_Ramce_FRAMESET" << "TFrame_Form" << u8("Rámce")
                              << FieldValues{{"Sloupce_ComboBox", "2"}, {"Radky_ComboBox", "*"}}
                              << QStringList{u8(R"(<frameset cols="2" rows="*" scrolling="auto" frameborder="yes">)"), "",
                                             "</frameset>"}
                              << 2 << 1;
    QTest::newRow("Frameset from the menu, no scroll bars")
        << "Frameset" << "TFrame_Form" << u8("Rámce") << FieldValues{{"NoScroll_RadioButton", "1"}}
        << QStringList{u8(R"(<frameset scrolling="no" frameborder="yes">)"), "", "</frameset>"} << 2 << 1;
    QTest::newRow("FRAME: a path but no path form")
        << "ToolButton_Ramce_FRAME" << "TDefFrame_Form" << u8("Jednotlivý rámec")
        << FieldValues{{"Cesta_Edit", "obsah.html"}, {"NoBorder_RadioButton", "1"}}
        << QStringList{u8(R"(<frame scrolling="auto" frameborder="no">)")} << 1 << 42;
    QTest::newRow("Frame from the menu, relative path typed by hand")
        << "Frame" << "TDefFrame_Form" << u8("Jednotlivý rámec")
        << FieldValues{{"Cesta_Edit", "web/obsah.html"}, {"Rel_RadioButton", "1"}}
        << QStringList{u8(R"(<frame src="obsah.html" scrolling="auto" frameborder="yes">)")} << 1 << 60;
    QTest::newRow("IFRAME") << "ToolButton_Ramce_IFRAME" << "TIFRAME_Form" << "IFRAME"
                            << FieldValues{{"Cesta_Edit", u8(R"(C:\web\menu.html)")}, {"Jmeno_Edit", "menu"}}
                            << QStringList{u8(R"(<iframe src="menu.html" name="menu" scrolling="auto" frameborder="yes">)")}
                            << 1 << 72;
    QTest::newRow("IFrame from the menu, absolute")
        << "IFrame" << "TIFRAME_Form" << "IFRAME"
        << FieldValues{{"Cesta_Edit", u8(R"(C:\web\menu.html)")}, {"Abs_RadioButton", "1"}}
        << QStringList{u8(R"(<iframe src="C:\web\menu.html" scrolling="auto" frameborder="yes">)")} << 1 << 67;
    QTest::newRow("MARQUEE") << "ToolButton_Multimedia_MARQUEE" << "TMARQUEE_Form" << "MARQUEE"
                             << FieldValues{{"Pohybtextu_ComboBox", "alternate"}, {"Smer_ComboBox", "right"},
                                            {"Opakovani_ComboBox", "infinite"}, {"Pauza_SpinEdit", "100"},
                                            {"UkazPauza_CheckBox", "1"}}
                             << QStringList{u8(R"(<marquee behavior="alternate" direction="right" loop="infinite" scrooldelay="100"></marquee>)")}
                             << 1 << 83;
    QTest::newRow("EMBED") << "ToolButton_Multimedia_EMBED" << "TEMBED_Form" << "EMBED"
                           << FieldValues{{"Cesta_Edit", "film.swf"}, {"Parametry_Memo", "quality=high\nloop=false"}}
                           << QStringList{u8(R"(<embed src="film.swf" quality=high loop=false></embed>)")} << 1 << 47;
    QTest::newRow("BGSOUND") << "ToolButton_Multimedia_BGSOUND" << "TSound_Form" << "Zvuk"
                             << FieldValues{{"Cesta_Edit", "zvuk.mid"}, {"Opak_ComboBox", "infinite"}}
                             << QStringList{u8(R"(<bgsound dynsrc="zvuk.mid" loop="infinite">)")} << 1 << 44;
    QTest::newRow("BGSound from the menu, no file: the skeleton")
        << "BGSound" << "TSound_Form" << "Zvuk" << FieldValues() << QStringList{"<bgsound >"} << 1 << 10;
    QTest::newRow("VIDEO") << "ToolButton_Multimedia_VIDEO" << "TVideo_Form" << "VIDEO"
                           << FieldValues{{"Cesta_Edit", "film.avi"}, {"UkazOpak_CheckBox", "1"}}
                           << QStringList{u8(R"(<img dynsrc="film.avi" loop="0">)")} << 1 << 33;
    QTest::newRow("SEZNAM ...") << "ToolButton_Seznamy_SEZNAM" << "TSeznamyForm" << "Seznamy"
                                << FieldValues{{"ComboBox_TypSeznamu_Usp", "I"}, {"ComboBox_Zarovnani", "justify"},
                                               {"Edit_PocHodnota", "4"}}
                                << QStringList{u8(R"(<ol type="I" align="justify" start="4">)"), "", "</ol>"} << 2 << 1;
    const QString counterStart = u8(R"(<a href=")") + ::counterHomePage() + u8(R"("><img src=")")
                                 + QLatin1String(kCounterServiceBase) + "/bin/counter.gif/link=";
    QTest::newRow("Počítadlo") << "Pocitadlo" << "TPocitadlo_Form" << u8("Počítadlo")
                               << FieldValues{{"Identifikator_Edit", "mojestranka"}, {"PocetCifer_SpinEdit", "6"},
                                              {"ZnakovaSada_ComboBox", "Rainbow"}}
                               << QStringList{counterStart + u8(R"(mojestranka&width=6&set=Rainbow" border=0></a>)")} << 1
                               << int(counterStart.size()) + 43;
}

void TestDialogs::openFromControls()
{
    QFETCH(QString, control);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(FieldValues, values);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    QFETCH(int, caretColumn);

    Shell shell;
    QVERIFY(shell.open());
    struct Seen
    {
        QString objectName;
        QString title;
        QStringList missing;
        bool hasInsert = false;
        bool closed = false;
    } seen;
    QPointer<QWidget> opened;
    QVERIFY(shell.run(control, [&](QWidget *modal) {
        opened = modal;
        seen.objectName = modal->objectName();
        seen.title = modal->windowTitle();
        seen.missing = setFields(modal, values);
        QPushButton *insert = insertButton(modal);
        seen.hasInsert = insert;
        if (insert)
            insert->click();
        seen.closed = !modal->isVisible();
        if (!seen.closed)
            dismiss(modal);
    }));
    QCOMPARE(seen.objectName, dialog);
    QCOMPARE(seen.title, caption);
    QCOMPARE(seen.missing, QStringList());
    QVERIFY(seen.hasInsert);
    QVERIFY(seen.closed);
    QVERIFY(!opened); // released once closed
    QCOMPARE(shell.editor->lines(), lines);
    QCOMPARE(shell.editor->caret(), (TextPosition{caretLine, caretColumn}));
    QVERIFY(shell.editor->isModified());
}

void TestDialogs::noActiveDocument_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<FieldValues>("values");

    QTest::newRow("table") << "ToolButton_Tabulky_TABLES" << FieldValues();
    QTest::newRow("image") << "ToolButton_Multimedia_IMG" << FieldValues{{"Cesta_Edit", "a.jpg"}};
    QTest::newRow("hyperlink") << "ToolButton_Odkazy_A" << FieldValues{{"FormHTTPOdkaz_Edit_Adresa", "a.html"}};
    QTest::newRow("e-mail") << "ToolButton_FastPaste_MailTo" << FieldValues{{"EMail_ComboBox", "eva@example.cz"}};
    QTest::newRow("stylesheet link") << "ToolButton_Styl_LINK" << FieldValues{{"Link_Edit", "styl.css"}};
    QTest::newRow("form") << "ToolButton_Formulare_FORM" << FieldValues{{"Akce_Edit", "send.php"}, {"Metoda_ComboBox", "post"}};
    QTest::newRow("list builder") << "ToolButton_Seznamy_SEZNAM" << FieldValues{{"Edit_PocHodnota", "4"}};
    QTest::newRow("inline frame") << "ToolButton_Ramce_IFRAME" << FieldValues{{"Cesta_Edit", "menu.html"}};
}

void TestDialogs::noActiveDocument()
{
    QFETCH(QString, control);
    QFETCH(FieldValues, values);

    Shell shell;
    QVERIFY(shell.open(false));
    QVERIFY(!shell.mainForm.documents().activeEditor());
    struct Seen
    {
        bool openAfterInsert = false;
        FieldValues kept;
        bool reported = false;
        bool hasButtons = false;
    } seen;
    QVERIFY(shell.run(control, [&](QWidget *modal) {
        setFields(modal, values);
        seen.hasButtons = insertButton(modal) && backButton(modal);
        seen.reported = !reportedBy([modal] {
                             if (QPushButton *insert = insertButton(modal))
                                 insert->click();
                         }).isEmpty();
        seen.openAfterInsert = modal->isVisible();
        for (const auto &[name, value] : values) {
            QWidget *control = modal->findChild<QWidget *>(name);
            if (auto *edit = qobject_cast<QLineEdit *>(control))
                seen.kept.append({name, edit->text()});
            else if (auto *combo = qobject_cast<QComboBox *>(control))
                seen.kept.append({name, combo->currentText()});
        }
        if (QPushButton *back = backButton(modal))
            back->click();
    }));
    QVERIFY(seen.hasButtons);
    QVERIFY(seen.openAfterInsert);
    QVERIFY(!seen.reported); // no message
    QCOMPARE(seen.kept, values);
    QVERIFY(!shell.mainForm.documents().activeEditor());
    if (control == QLatin1String("ToolButton_FastPaste_MailTo")) // remembered without a document too
        QCOMPARE(IniFile(shell.folder.filePath("setup/email.ini")).keys("E_mail"), QStringList{"eva@example.cz"});
}

void TestDialogs::freshDefaultsEachTime()
{
    Shell shell;
    QVERIFY(shell.open());
    QVERIFY(shell.run("ToolButton_Tabulky_TABLES", [](QWidget *modal) {
        setFields(modal, {{"Radky_Edit", "7"}, {"Nadpis_Edit", "x"}, {"ZarovnaniRight_RadioButton", "1"}});
        backButton(modal)->click();
    }));
    QString rows, caption;
    bool noAlignment = false;
    QVERIFY(shell.run("EditorTabulky1", [&](QWidget *modal) {
        rows = modal->findChild<QLineEdit *>("Radky_Edit")->text();
        caption = modal->findChild<QLineEdit *>("Nadpis_Edit")->text();
        noAlignment = modal->findChild<QRadioButton *>("ZarovnaniNo_RadioButton")->isChecked();
        backButton(modal)->click();
    }));
    QCOMPARE(rows, QStringLiteral("1"));
    QCOMPARE(caption, QString());
    QVERIFY(noAlignment);
    QCOMPARE(shell.editor->lineCount(), 0); // the back button inserted nothing
}

void TestDialogs::backButtonAndEscape()
{
    LineBuffer document;
    TFormHTTPOdkaz dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *address = dialog.findChild<QLineEdit *>("FormHTTPOdkaz_Edit_Adresa");
    address->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(address, Qt::Key_Return);
    QVERIFY(dialog.isVisible()); // neither key stands for a button
    QCOMPARE(document.lineCount(), 0);
    backButton(&dialog)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(document.lineCount(), 0);
}

void TestDialogs::tableFailsHalfWay()
{
    LineBuffer document;
    TTable_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setFields(&dialog, {{"Radky_Edit", "2"}, {"Sloupce_Edit", "1x"}, {"Sirka_Edit", ""}});
    const QString reported = reportedBy([&] { insertButton(&dialog)->click(); });
    QCOMPARE(reported, u8("'1x' is not a valid integer value"));
    QVERIFY(dialog.isVisible()); // stays open for a correction
    QCOMPARE(document.lines(), (QStringList{u8(R"(<table cellspacing="0" cellpadding="0" width="1">)"), "  <tr>", ""}));
    document.undo(); // the pieces inserted before the failure are one step
    QCOMPARE(document.lines(), QStringList{QString()});

    // Corrected, the same dialog inserts the whole table and closes.
    setFields(&dialog, {{"Sloupce_Edit", "1"}});
    insertButton(&dialog)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(document.lineCount(), 1 + 2 * 4 + 1);
}

void TestDialogs::largeTablesAreOneUndoStep_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("columns");
    QTest::newRow("100 x 100 (the up-downs' maximum)") << "100" << "100";
    QTest::newRow("a pasted count of 300 rows") << "300" << "1";
}

void TestDialogs::largeTablesAreOneUndoStep()
{
    QFETCH(QString, rows);
    QFETCH(QString, columns);

    Shell shell;
    QVERIFY(shell.open());
    shell.editor->setText("<body>\r\n</body>");
    shell.editor->setCaretLine(2);
    shell.editor->setCaretColumn(1);
    const QString before = shell.editor->text();

    qint64 insertNs = -1;
    QVERIFY(shell.run("ToolButton_Tabulky_TABLES", [&](QWidget *modal) {
        setFields(modal, {{"Radky_Edit", rows}, {"Sloupce_Edit", columns}});
        QElapsedTimer timer;
        timer.start();
        insertButton(modal)->click();
        insertNs = timer.nsecsElapsed();
        if (modal->isVisible())
            dismiss(modal);
    }));
    const int r = rows.toInt();
    const int c = columns.toInt();
    const int tableRowLines = r * (2 + 2 * c);
    QCOMPARE(shell.editor->lineCount(), 3 + tableRowLines); // "<body>", the start line, the rows, "</table></body>"
    QCOMPARE(shell.editor->line(2 + tableRowLines), QStringLiteral("</table></body>"));
    QCOMPARE(shell.editor->caret(), (TextPosition{3 + tableRowLines, 9}));
    qInfo("table of %d x %d (%d pieces) inserted through the dialog in %.1f ms", r, c, 2 + r * (2 + c),
          insertNs / 1e6);

    shell.editor->undo();
    QCOMPARE(shell.editor->text(), before);
}

void TestDialogs::accessKeyField()
{
    LineBuffer document;
    TFormHTTPOdkaz dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *key = dialog.findChild<QLineEdit *>("FormHTTPOdkaz_Edit_KlaZkratka");
    QVERIFY(key);
    key->setFocus();
    QTest::keyClicks(key, "a");
    QCOMPARE(key->text(), QString());
    QTest::keyClicks(key, "57");
    QCOMPARE(key->text(), QStringLiteral("5")); // one character at most
    insertButton(&dialog)->click();
    QCOMPARE(document.lines(), QStringList{u8(R"(<a accesskey="5"></a>)")});
}

void TestDialogs::emailLinkTextBox()
{
    ScratchProgramFolder folder;
    LineBuffer document;
    TEMail_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = dialog.findChild<QCheckBox *>("OdkazText_CheckBox");
    auto *text = dialog.findChild<QLineEdit *>("OdkazText_Edit");
    QVERIFY(box && text);
    const QColor silver(192, 192, 192);
    QVERIFY(box->isChecked());
    QVERIFY(!text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Base), silver);

    box->click();
    QVERIFY(text->isEnabled());
    QVERIFY(text->palette().color(QPalette::Base) != silver);

    // Unticked without a link text: nothing is inserted, no message, the dialog stays open.
    setFields(&dialog, {{"EMail_ComboBox", "a@b.cz"}});
    const QString reported = reportedBy([&] { insertButton(&dialog)->click(); });
    QCOMPARE(reported, QString());
    QVERIFY(dialog.isVisible());
    QCOMPARE(document.lineCount(), 0);

    box->click();
    QVERIFY(!text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Base), silver);
}

void TestDialogs::emailAddressList()
{
    ScratchProgramFolder folder;
    QVERIFY(!QFileInfo::exists(folder.filePath("setup")));
    QCOMPARE(rememberedEmailAddresses(), QStringList()); // no file: an empty list
    QVERIFY(QFileInfo(folder.filePath("setup")).isDir()); // the folder is made on the way

    rememberEmailAddress("eva@example.cz");
    rememberEmailAddress("jan@example.cz");
    rememberEmailAddress("EVA@Example.cz"); // the same address in other case
    rememberEmailAddress("a=b@example.cz"); // would read back as another address
    rememberEmailAddress(QString::fromUtf16(u"a\0b@example.cz", 14)); // a NUL would end the line
    rememberEmailAddress(QString());
    rememberEmailAddress("   ");
    rememberEmailAddress(" jan@example.cz "); // known already once trimmed
    rememberEmailAddress("  ota@example.cz\t");
    QCOMPARE(rememberedEmailAddresses(), (QStringList{"eva@example.cz", "jan@example.cz", "ota@example.cz"}));
    const QByteArray file = readFile(folder.filePath("setup/email.ini"));
    QCOMPARE(file.count("eva@example.cz="), 1);
    QVERIFY(file.startsWith("[E_mail]\r\n"));

    // The dialog offers them in that order with an empty field; using one again adds nothing.
    LineBuffer document;
    TEMail_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    auto *combo = dialog.findChild<QComboBox *>("EMail_ComboBox");
    QVERIFY(combo);
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemText(i);
    QCOMPARE(offered, (QStringList{"eva@example.cz", "jan@example.cz", "ota@example.cz"}));
    QCOMPARE(combo->currentText(), QString());
    combo->setCurrentIndex(1);
    insertButton(&dialog)->click();
    QCOMPARE(document.lines(), QStringList{u8(R"(<a href="mailto:jan@example.cz"></a>)")});
    QCOMPARE(rememberedEmailAddresses(), (QStringList{"eva@example.cz", "jan@example.cz", "ota@example.cz"}));

    // A new address goes to the end of the list.
    TEMail_Form second(nullptr, [&document]() -> TextDocument * { return &document; });
    setFields(&second, {{"EMail_ComboBox", "petr@example.cz"}});
    insertButton(&second)->click();
    QCOMPARE(rememberedEmailAddresses(),
             (QStringList{"eva@example.cz", "jan@example.cz", "ota@example.cz", "petr@example.cz"}));
}

void TestDialogs::emailWriteFailure()
{
    ScratchProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.filePath("setup/email.ini"))); // a folder where the file should be
    LineBuffer document;
    TEMail_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setFields(&dialog, {{"EMail_ComboBox", "eva@example.cz"}});
    const QString reported = reportedBy([&] { insertButton(&dialog)->click(); });
    QCOMPARE(reported, QStringLiteral("Unable to write to %1").arg(ProgramFolder::file("setup/email.ini")));
    QCOMPARE(document.lines(), QStringList{u8(R"(<a href="mailto:eva@example.cz"></a>)")}); // the link stays
}

void TestDialogs::cssLinkBrowse_data()
{
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("edited"); // the chosen path changed by hand afterwards
    QTest::newRow("Relativně") << false << false;
    QTest::newRow("Absolutně") << true << false;
    QTest::newRow("Absolutně, path edited after browsing") << true << true;
}

void TestDialogs::cssLinkBrowse()
{
    QFETCH(bool, absolute);
    QFETCH(bool, edited);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("css"));
    const QString file = dir.filePath("css/styl.css");
    QVERIFY(writeFile(file, "p {}"));

    LineBuffer document;
    TCSS_LinkForm dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setFields(&dialog, {{absolute ? "Abs_RadioButton" : "Rel_RadioButton", "1"}});

    // An empty path inserts nothing and keeps the dialog open.
    insertButton(&dialog)->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(document.lineCount(), 0);

    {
        ModalSteps choose({[&](QWidget *modal) {
            if (auto *fileDialog = qobject_cast<QFileDialog *>(modal))
                chooseFile(fileDialog, file);
            else
                dismiss(modal);
        }});
        dialog.findChild<QPushButton *>("Find_Button")->click();
    }
    auto *field = dialog.findChild<QLineEdit *>("Link_Edit");
    QCOMPARE(field->text(), file); // the full path, without a line break
    QString expected = absolute ? file : QStringLiteral("styl.css");
    if (edited) {
        field->setText(dir.filePath("jiny.css"));
        expected = dir.filePath("jiny.css");
    }
    insertButton(&dialog)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(document.lines(), QStringList{u8(R"(<link rel=stylesheet type="text/css" href=")") + expected + u8(R"(">)")});
}

// ---- spin fields and their boxes in the built dialogs --------------------------------------------

namespace {

// The dialogs whose spin fields the table below drives, made over a plain document.
std::unique_ptr<QDialog> makeDialog(const QString &name, LineBuffer &document)
{
    const DocumentSource source = [&document]() -> TextDocument * { return &document; };
    if (name == "input")
        return std::make_unique<TElForm_Form>(nullptr, source);
    if (name == "textarea")
        return std::make_unique<TTextarea_Form>(nullptr, source);
    if (name == "frameset")
        return std::make_unique<TFrame_Form>(nullptr, source);
    if (name == "iframe")
        return std::make_unique<TIFRAME_Form>(nullptr, source);
    if (name == "marquee")
        return std::make_unique<TMARQUEE_Form>(nullptr, source);
    if (name == "embed")
        return std::make_unique<TEMBED_Form>(nullptr, source);
    if (name == "video")
        return std::make_unique<TVideo_Form>(nullptr, source);
    return nullptr;
}

} // namespace

void TestDialogs::companionBoxes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<FieldValues>("values");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("gesture"); // "up", "down", "click", or text typed at the end
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("inserted"); // the document's first line after "&Vložit"

    QTest::newRow("input: stepped below zero ticks the box")
        << "input" << FieldValues() << "Velikost_SpinEdit" << "UkazVelikost_CheckBox" << "down" << "-1" << true
        << u8(R"(<input size="-1">)");
    QTest::newRow("input: stepped up once") << "input" << FieldValues() << "TabIndex_SpinEdit" << "UkazTabIndex_CheckBox"
                                            << "up" << "1" << true << u8(R"(<input tabindex="1">)");
    QTest::newRow("input: a click into the field ticks the box")
        << "input" << FieldValues() << "Velikost_SpinEdit" << "UkazVelikost_CheckBox" << "click" << "0" << true
        << u8(R"(<input size="0">)");
    QTest::newRow("input: the digit filter drops a typed sign")
        << "input" << FieldValues() << "MaxDelka_SpinEdit" << "UkazMaxDelka_CheckBox" << "-5" << "05" << true
        << u8(R"(<input maxlength="05">)");
    QTest::newRow("textarea: typed rows") << "textarea" << FieldValues() << "Radky_SpinEdit" << "UkazRadky_CheckBox"
                                          << "3" << "03" << true << u8(R"(<textarea rows="03">)");
    QTest::newRow("frameset: stepping does not tick the spacing box")
        << "frameset" << FieldValues() << "Mezery_SpinEdit" << "UkazMezery_CheckBox" << "down" << "-1" << false
        << u8(R"(<frameset scrolling="auto" frameborder="yes">)");
    QTest::newRow("frameset: a click does") << "frameset" << FieldValues() << "Mezery_SpinEdit" << "UkazMezery_CheckBox"
                                            << "click" << "0" << true
                                            << u8(R"(<frameset framespacing="0" scrolling="auto" frameborder="yes">)");
    QTest::newRow("iframe: a margin stepped below zero")
        << "iframe" << FieldValues() << "Vyska_SpinEdit" << "UkazVyska_CheckBox" << "down" << "-1" << true
        << u8(R"(<iframe marginheight="-1" scrolling="auto" frameborder="yes">)");
    QTest::newRow("marquee: a stepped pause ticks its box")
        << "marquee" << FieldValues{{"Smer_ComboBox", "left"}} << "Pauza_SpinEdit" << "UkazPauza_CheckBox" << "up"
        << "1" << true << u8(R"(<marquee direction="left" scrooldelay="1"></marquee>)");
    QTest::newRow("embed: the user ticks the boxes himself")
        << "embed" << FieldValues{{"Cesta_Edit", "a.swf"}} << "Vyska_SpinEdit" << "UkazVyska_CheckBox" << "up" << "1"
        << false << u8(R"(<embed src="a.swf"></embed>)");
    QTest::newRow("video: the repetition can be stepped; the box decides")
        << "video" << FieldValues{{"Cesta_Edit", "a.avi"}, {"UkazOpak_CheckBox", "1"}} << "Opak_SpinEdit"
        << "UkazOpak_CheckBox" << "up" << "1" << true << u8(R"(<img dynsrc="a.avi" loop="1">)");
}

void TestDialogs::companionBoxes()
{
    QFETCH(QString, dialog);
    QFETCH(FieldValues, values);
    QFETCH(QString, spin);
    QFETCH(QString, box);
    QFETCH(QString, gesture);
    QFETCH(QString, value);
    QFETCH(bool, ticked);
    QFETCH(QString, inserted);

    LineBuffer document;
    const std::unique_ptr<QDialog> window = makeDialog(dialog, document);
    QVERIFY(window);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(setFields(window.get(), values), QStringList());
    auto *field = window->findChild<SpinField *>(spin);
    auto *companion = window->findChild<QCheckBox *>(box);
    QVERIFY(field && companion);
    QCOMPARE(companion->isChecked(), values.contains({box, "1"})); // opening ticks nothing

    field->setFocus();
    QLineEdit *edit = field->findChild<QLineEdit *>();
    if (gesture == "up" || gesture == "down") {
        QTest::keyClick(field, gesture == "up" ? Qt::Key_Up : Qt::Key_Down);
    } else if (gesture == "click") {
        QTest::mouseClick(edit, Qt::LeftButton);
    } else {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, gesture);
    }
    QCOMPARE(field->value(), value);
    QCOMPARE(companion->isChecked(), ticked);

    insertButton(window.get())->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(document.line(0), inserted);
}

void TestDialogs::marqueeColourCancelled()
{
    LineBuffer document;
    TMARQUEE_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setFields(&dialog, {{"Smer_ComboBox", "up"}, {"Zarovnani_ComboBox", "left"}});
    auto *colourBox = dialog.findChild<QCheckBox *>("UkazBarvu_CheckBox");
    QVERIFY(colourBox && !colourBox->isChecked());
    bool sawColourDialog = false;
    {
        ModalSteps cancel({[&](QWidget *modal) {
            sawColourDialog = qobject_cast<QColorDialog *>(modal);
            dismiss(modal);
        }});
        dialog.findChild<QPushButton *>("NajitBarvu_Button")->click();
    }
    QVERIFY(sawColourDialog);
    QVERIFY(colourBox->isChecked()); // ticked although the colour dialog was cancelled
    insertButton(&dialog)->click();
    QCOMPARE(document.lines(), QStringList{u8(R"(<marquee align="left" direction="up" color="#FFFFFF"></marquee>)")});
    QCOMPARE(document.caret(), (TextPosition{1, 54})); // between the tags
}

void TestDialogs::listKindSwitch()
{
    LineBuffer document(QStringList{"abc"});
    document.setCaretColumn(4);
    TSeznamyForm dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *orderedType = dialog.findChild<QComboBox *>("ComboBox_TypSeznamu_Usp");
    auto *unorderedType = dialog.findChild<QComboBox *>("ComboBox_TypSeznamu_Neusp");
    auto *start = dialog.findChild<QLineEdit *>("Edit_PocHodnota");
    QVERIFY(orderedType && unorderedType && start);
    QVERIFY(dialog.findChild<QRadioButton *>("RadioButton_UspSeznam")->isChecked());
    QVERIFY(orderedType->isVisible() && start->isVisible() && !unorderedType->isVisible());

    setFields(&dialog, {{"ComboBox_TypSeznamu_Usp", "I"}, {"Edit_PocHodnota", "4"}});
    QTest::mouseClick(dialog.findChild<QRadioButton *>("RadioButton_NeuspSeznam"), Qt::LeftButton);
    QVERIFY(!orderedType->isVisible() && !start->isVisible() && unorderedType->isVisible());
    QCOMPARE(start->text(), QStringLiteral("4")); // hidden, kept, not used
    unorderedType->setEditText("square");
    insertButton(&dialog)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(document.lines(), (QStringList{u8(R"(abc<ul type="square">)"), "", "</ul>"}));
    QCOMPARE(document.caret(), (TextPosition{2, 1}));
    document.undo(); // both insertions are one step
    QCOMPARE(document.lines(), QStringList{"abc"});
}

namespace {

// Stands in for the desktop's web browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

void TestDialogs::counterHomePage()
{
    UrlCatcher browser;
    const QString scheme = QUrl(::counterHomePage()).scheme();
    QDesktopServices::setUrlHandler(scheme, &browser, "open");
    LineBuffer document;
    bool haveDocument = false;
    TPocitadlo_Form dialog(nullptr, [&]() -> TextDocument * { return haveDocument ? &document : nullptr; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QPushButton *>("HP_Button")->click();
    QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(::counterHomePage())});
    QVERIFY(dialog.isVisible());

    // Without a document nothing is inserted and the dialog stays open.
    setFields(&dialog, {{"Identifikator_Edit", "moje & stranka"}});
    insertButton(&dialog)->click();
    QVERIFY(dialog.isVisible());

    // A digit count beyond 100 is brought back when the field loses the focus.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *digits = dialog.findChild<SpinField *>("PocetCifer_SpinEdit");
    digits->setFocus();
    digits->setValue("250");
    dialog.findChild<QLineEdit *>("Identifikator_Edit")->setFocus();
    QTRY_COMPARE(digits->text(), QStringLiteral("100"));
    haveDocument = true;
    insertButton(&dialog)->click();
    QVERIFY(!dialog.isVisible());
    const QString expectedEnd = u8("/bin/counter.gif/link=moje & stranka&width=100&set=\" border=0></a>");
    QVERIFY2(document.line(0).endsWith(expectedEnd), qPrintable(document.line(0)));
    QCOMPARE(document.caret().column, int(document.line(0).size()) + 1 - 14);
}

// ---- typed text, whichever way the dialog is left ----------------------------------------------

namespace {

// After typing into a field, the user leaves the dialog by...
enum class Leaving {
    Tab,       // Tab, then a click on the insert button
    Click,     // a click on the insert button straight from the field
    AccessKey, // the insert button's access key, the focus still in the field
};

// The button that inserts or generates.
QPushButton *goButton(QWidget *dialog)
{
    QPushButton *insert = insertButton(dialog);
    return insert ? insert : buttonCaptioned(dialog, u8("&Vygenerovat"));
}

// The key after the caption's "&" (Alt+it presses the button).
Qt::Key accessKeyOf(const QPushButton *button)
{
    const int at = button->text().indexOf(QLatin1Char('&'));
    return Qt::Key(button->text().at(at + 1).toUpper().unicode());
}

// Shows the tab page holding the control, if it is on one.
void bringForward(QWidget *dialog, QWidget *control)
{
    for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
        for (QWidget *w = control; w && w != dialog; w = w->parentWidget())
            if (tabs->indexOf(w) >= 0)
                tabs->setCurrentWidget(w);
}

// Key events as the keyboard sends them to the focused widget: characters (non-ASCII ones as the
// platform delivers a letter it has no key code for) and "{Down}" / "{Up}" for the arrow keys.
void typeKeys(const QString &keys)
{
    for (int i = 0; i < keys.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (keys.mid(i).startsWith(QLatin1String("{Down}")) || keys.mid(i).startsWith(QLatin1String("{Up}"))) {
            const bool down = keys.mid(i).startsWith(QLatin1String("{Down}"));
            QTest::keyClick(focus, down ? Qt::Key_Down : Qt::Key_Up);
            i += down ? 5 : 3;
        } else if (keys.at(i).unicode() < 128) {
            QTest::keyClick(focus, keys.at(i).toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(keys.at(i)), Qt::NoModifier);
        }
    }
}

// Fills the preset fields, types into one field (its text selected first, as a user replacing
// it would) and leaves the dialog one way. Returns what went wrong, empty when nothing did.
QString typeAndLeave(QWidget *dialog, const FieldValues &preset, const QString &field, const QString &keys,
                     Leaving leaving)
{
    const QStringList missing = setFields(dialog, preset);
    if (!missing.isEmpty())
        return QStringLiteral("no field ") + missing.join(QLatin1Char(' '));
    QWidget *control = dialog->findChild<QWidget *>(field);
    QPushButton *go = goButton(dialog);
    if (!control || !go)
        return QStringLiteral("no field or no insert button");
    dialog->activateWindow();
    if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
        return QStringLiteral("the dialog is not active");
    bringForward(dialog, control);
    control->setFocus();
    const bool focused = QTest::qWaitFor([control] {
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == control || control->isAncestorOf(focus));
    });
    if (!focused)
        return QStringLiteral("the field takes no focus");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeKeys(keys);
    switch (leaving) {
    case Leaving::Tab:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::mouseClick(go, Qt::LeftButton);
        break;
    case Leaving::Click:
        QTest::mouseClick(go, Qt::LeftButton);
        break;
    case Leaving::AccessKey:
        QTest::keyClick(QApplication::focusWidget(), accessKeyOf(go), Qt::AltModifier);
        break;
    }
    // An access key presses its button as a click animated for a moment.
    const bool closed = QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 2000);
    return closed ? QString() : QStringLiteral("the dialog stayed open");
}

} // namespace

void TestDialogs::typedTextKept_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<FieldValues>("preset");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("leaving");
    QTest::addColumn<QString>("expected"); // a piece of the active document afterwards

    const std::vector<std::pair<Leaving, const char *>> everyWay{
        {Leaving::Tab, "Tab"}, {Leaving::Click, "click"}, {Leaving::AccessKey, "access key"}};
    auto add = [&](const char *name, const char *control, const FieldValues &preset, const char *field,
                   const QString &keys, const QString &expected,
                   const std::vector<std::pair<Leaving, const char *>> &ways) {
        for (const auto &[leaving, way] : ways)
            QTest::addRow("%s, %s", name, way) << QString::fromLatin1(control) << preset << QString::fromLatin1(field)
                                               << keys << int(leaving) << expected;
    };
    auto row = [&](const char *name, const char *control, const FieldValues &preset, const char *field,
                   const QString &keys, const QString &expected) {
        add(name, control, preset, field, keys, expected, everyWay);
    };
    const FieldValues none;
    const FieldValues counter{{"Identifikator_Edit", "x"}};
    const FieldValues stylesheet{{"E_NazevStylu", "typed"}, {"ChB_Otevrene", "1"}};

    // Combo boxes: the text as typed, not an item that differs in case or extends it.
    row("paragraph: LEFT", "Odstavec", none, "Align_ComboBox", "LEFT", u8(R"(<p align="LEFT")"));
    row("paragraph: Czech text", "Odstavec", none, "Obtekani_ComboBox", u8("žádné Č"), u8(R"(clear="žádné Č")"));
    row("list builder: I", "ToolButton_Seznamy_SEZNAM", none, "ComboBox_TypSeznamu_Usp", "I", u8(R"(<ol type="I")"));
    row("form: POST", "ToolButton_Formulare_FORM", none, "Metoda_ComboBox", "POST", u8(R"(method="POST")"));
    row("form element: Cent", "ToolButton_Formulare_INPUT", none, "Zarovnani_ComboBox", "Cent", u8(R"(align="Cent")"));
    row("counter: rainbow", "Pocitadlo", counter, "ZnakovaSada_ComboBox", "rainbow", u8(R"(&set=rainbow")"));
    row("font: arial", "Font", none, "Font_ComboBox", "arial", u8(R"(face="arial")"));
    row("script: JavaScript", "Script", none, "Jazyk_ComboBox", "JavaScript", u8(R"(language="JavaScript")"));
    row("rule: 6 in the digit-filtered width", "Vodorovnacara", none, "Sirka_ComboBox", "6", u8(R"(width="6")"));
    row("CSS editor: Cent", "EditorCSSstyl1", stylesheet, "CB_Zarovnani", "Cent", u8("text-align: Cent;"));
    // On the font page Alt+V is also "&Velikost:" and "&Varianta:": the key moves the focus there.
    add("CSS editor: 2 in the size", "EditorCSSstyl1", stylesheet, "CB_Velikost", "2", u8("font-size: 2;"),
        {everyWay[0], everyWay[1]});
    // Picking from the list with the keyboard.
    row("form: second item by arrow keys", "ToolButton_Formulare_FORM", none, "Metoda_ComboBox", "{Down}{Down}",
        u8(R"(method="get")"));

    // Spin fields: a bounded one gives its nearest limit, an unbounded one what was typed.
    row("counter: 250 digits", "Pocitadlo", counter, "PocetCifer_SpinEdit", "250", u8("&width=100&"));
    row("counter: 0 digits", "Pocitadlo", counter, "PocetCifer_SpinEdit", "0", u8("&width=1&"));
    row("form element: unbounded tab index", "ToolButton_Formulare_INPUT", none, "TabIndex_SpinEdit", "12345",
        u8(R"(tabindex="12345")"));
}

void TestDialogs::typedTextKept()
{
    QFETCH(QString, control);
    QFETCH(FieldValues, preset);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(int, leaving);
    QFETCH(QString, expected);

    Shell shell;
    QVERIFY(shell.open());
    QString problem = QStringLiteral("no dialog");
    QVERIFY(shell.run(control, [&](QWidget *modal) {
        problem = typeAndLeave(modal, preset, field, keys, Leaving(leaving));
        if (modal->isVisible())
            dismiss(modal);
    }));
    QCOMPARE(problem, QString());
    const QString text = shell.mainForm.documents().activeEditor()->text();
    QVERIFY2(text.contains(expected), qPrintable(text));
}

// Picking an item with the mouse from the opened list.
void TestDialogs::pickedFromList()
{
    LineBuffer document;
    TSeznamyForm dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *type = dialog.findChild<QComboBox *>("ComboBox_TypSeznamu_Usp");
    QVERIFY(type);
    type->setFocus();
    typeKeys("ii");
    QTest::mouseClick(type, Qt::LeftButton, {}, QPoint(type->width() - 5, type->height() / 2)); // the arrow
    QAbstractItemView *list = type->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex upper = type->model()->index(type->findText("I"), 0);
    list->scrollTo(upper);
    // The list ignores a release that comes too soon after it opened: the same click is given until
    // the list takes it and closes.
    QTRY_VERIFY((QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(upper).center()),
                 !list->isVisible()));
    QCOMPARE(type->currentText(), QStringLiteral("I"));
    QTest::mouseClick(insertButton(&dialog), Qt::LeftButton);
    QCOMPARE(document.line(0), u8(R"(<ol type="I">)"));
}

// ---- pictures -----------------------------------------------------------------------------------

void TestDialogs::pictureMasks_data()
{
    QTest::addColumn<QString>("masks");
    QTest::addColumn<QStringList>("split");
    QTest::addColumn<QStringList>("listed"); // from a folder holding the files below

    const QStringList all{"a.bmp", "b.JPG", "c.ico", "d.tif", "e.tiff", "f.dib", "g.rle", "h.gif", "i.txt", "j.jpeg"};
    QTest::newRow("pictures (a mask with a space)")
        << pictureFilters().at(0).masks << QStringList{"*.bmp", "*.jpg", "*.ico", "*.tif", "*.tiff"}
        << QStringList{"a.bmp", "b.JPG", "c.ico", "d.tif", "e.tiff"};
    QTest::newRow("bitmaps (masks separated by commas)") << pictureFilters().at(1).masks
                                                         << QStringList{"*.bmp", "*.rle", "*.dib"}
                                                         << QStringList{"a.bmp", "f.dib", "g.rle"};
    QTest::newRow("TIFF") << pictureFilters().at(4).masks << QStringList{"*.tif", "*.tiff"}
                          << QStringList{"d.tif", "e.tiff"};
    QTest::newRow("empty mask lists nothing") << QString() << QStringList() << QStringList();
}

void TestDialogs::pictureMasks()
{
    QFETCH(QString, masks);
    QFETCH(QStringList, split);
    QFETCH(QStringList, listed);
    QTemporaryDir dir;
    for (const char *name : {"e.tiff", "a.bmp", "h.gif", "b.JPG", "d.tif", "c.ico", "f.dib", "g.rle", "i.txt", "j.jpeg"})
        QVERIFY(writeFile(dir.filePath(name), "x"));
    QVERIFY(QDir(dir.path()).mkpath("k.bmp")); // a folder is not a file
    QCOMPARE(splitMasks(masks), split);
    QCOMPARE(matchingFileNames(dir.path(), masks), listed);

    QCOMPARE(joinFolderAndName("/", "obr.bmp"), QStringLiteral("/obr.bmp"));
    QCOMPARE(joinFolderAndName("/home/jan", "obr.bmp"), QStringLiteral("/home/jan/obr.bmp"));
}

void TestDialogs::decodePictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("writer"); // the format the fixture is written in
    QTest::addColumn<bool>("exactColours");

    QTest::newRow("BMP") << "p.bmp" << QByteArray("BMP") << true;
    QTest::newRow("BMP as .dib, upper case") << "P.DIB" << QByteArray("BMP") << true;
    QTest::newRow("JPEG as .jpg") << "p.jpg" << QByteArray("JPEG") << false;
    QTest::newRow("JPEG as .jpeg") << "p.jpeg" << QByteArray("JPEG") << false;
    QTest::newRow("ICO") << "p.ico" << QByteArray("ICO") << true;
    QTest::newRow("TIFF as .tif") << "p.tif" << QByteArray("TIFF") << true;
    QTest::newRow("TIFF as .tiff") << "p.tiff" << QByteArray("TIFF") << true;
}

void TestDialogs::decodePictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, writer);
    QFETCH(bool, exactColours);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QImage fixture = fixturePicture(24, 16);
    fixture.setPixel(0, 0, qRgb(0, 0, 255));
    QVERIFY(fixture.save(path, writer.constData()));

    const QImage picture = decodePicture(path);
    QCOMPARE(picture.size(), QSize(24, 16));
    const QColor corner = picture.pixelColor(0, 0);
    const QColor middle = picture.pixelColor(12, 8);
    if (exactColours) {
        QCOMPARE(corner, QColor(0, 0, 255));
        QCOMPARE(middle, QColor(200, 30, 40));
    } else { // lossy: close to the colours written
        QVERIFY(qAbs(middle.red() - 200) < 12 && qAbs(middle.green() - 30) < 12 && qAbs(middle.blue() - 40) < 12);
    }
}

void TestDialogs::pictureFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // empty: the decoder's own message, whatever it says

    QTest::newRow("unknown extension") << "notes.xyz" << QByteArray("x") << "Unknown picture file extension (.xyz)";
    QTest::newRow("no extension") << "picture" << QByteArray("x") << "Unknown picture file extension (.)";
    QTest::newRow("corrupt BMP") << "bad.bmp" << QByteArray("BM\x01\x02garbage", 11) << QString();
    QTest::newRow("not a JPEG") << "bad.jpg" << QByteArray("plain text, not a picture") << QString();
    QTest::newRow("empty TIFF") << "empty.tif" << QByteArray() << QString();
}

void TestDialogs::pictureFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    QString raised;
    try {
        decodePicture(path);
    } catch (const VelinorError &error) {
        raised = error.message();
    }
    if (message.isEmpty()) {
        QVERIFY2(!raised.isEmpty() && !raised.startsWith("Unknown picture file extension"), qPrintable(raised));
        qInfo("%s: %s", qPrintable(name), qPrintable(raised));
    } else {
        QCOMPARE(raised, message);
    }
}

void TestDialogs::imageBrowser()
{
    QTemporaryDir dir;
    QVERIFY(fixturePicture(30, 20).save(dir.filePath("b.bmp"), "BMP"));
    QVERIFY(fixturePicture(12, 40).save(dir.filePath("a.jpg"), "JPEG"));
    QVERIFY(fixturePicture(16, 16).save(dir.filePath("c.ico"), "ICO"));
    QVERIFY(fixturePicture(50, 10).save(dir.filePath("d.tiff"), "TIFF"));
    QVERIFY(fixturePicture(8, 8).save(dir.filePath("e.dib"), "BMP"));
    QVERIFY(writeFile(dir.filePath("f.bmp"), "BM not really"));
    QVERIFY(writeFile(dir.filePath("notes.txt"), "text"));
    CurrentFolder current(dir.path());

    LineBuffer document;
    TIMG_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.resize(900, 600);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QFileInfo(dialog.folder()).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());

    auto *files = dialog.findChild<QListWidget *>("FileListBox");
    auto *sample = dialog.findChild<QLabel *>("SampleImage");
    auto *filter = dialog.findChild<QComboBox *>("FilterComboBox");
    auto *path = dialog.findChild<QLineEdit *>("Cesta_Edit");
    QVERIFY(files && sample && filter && path);
    QVERIFY(dialog.findChild<QWidget *>("DriveComboBox") && dialog.findChild<QWidget *>("DirectoryListBox"));
    QVERIFY(dialog.findChild<QWidget *>("ScrollBox_SampleImage"));
    auto names = [files] {
        QStringList result;
        for (int i = 0; i < files->count(); ++i)
            result << files->item(i)->text();
        return result;
    };
    QCOMPARE(names(), (QStringList{"a.jpg", "b.bmp", "c.ico", "d.tiff", "f.bmp"}));

    // A single click previews at natural size; a broken file keeps the previous picture.
    mouseClickItem(files, files->item(3), false);
    QCOMPARE(sample->pixmap().size(), QSize(50, 10));
    QCOMPARE(sample->size(), QSize(50, 10));
    QCOMPARE(path->text(), QString()); // a single click does not take the path
    const QString reported = reportedBy([&] { mouseClickItem(files, files->item(4), false); });
    QVERIFY(!reported.isEmpty());
    QCOMPARE(sample->pixmap().size(), QSize(50, 10));

    // A double click takes the full path.
    mouseClickItem(files, files->item(0), true);
    QCOMPARE(path->text(), joinFolderAndName(dialog.folder(), "a.jpg"));
    QCOMPARE(sample->pixmap().size(), QSize(12, 40));

    // Another filter: the bitmaps.
    filter->setCurrentIndex(1);
    QCOMPARE(names(), (QStringList{"b.bmp", "e.dib", "f.bmp"}));

    setFields(&dialog, {{"Vyska_Edit", "40"}, {"UkazatVyska_CheckBox", "1"}});
    insertButton(&dialog)->click();
    QCOMPARE(document.lines(), QStringList{u8(R"(<img src=")") + path->text() + u8(R"(" height="40">)")});
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::imageBrowserLargeFolder()
{
    QTemporaryDir dir;
    const QImage small = fixturePicture(4, 4);
    for (int i = 0; i < 400; ++i)
        QVERIFY(small.save(dir.filePath(QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))), "BMP"));
    QVERIFY(fixturePicture(37, 23).save(dir.filePath("p399.bmp"), "BMP"));
    CurrentFolder current(dir.path());

    QElapsedTimer timer;
    timer.start();
    LineBuffer document;
    TIMG_Form dialog(nullptr, [&document]() -> TextDocument * { return &document; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const double openMs = timer.nsecsElapsed() / 1e6;
    auto *files = dialog.findChild<QListWidget *>("FileListBox");
    QCOMPARE(files->count(), 400);

    timer.restart();
    mouseClickItem(files, files->item(399), false);
    const double previewMs = timer.nsecsElapsed() / 1e6;
    QCOMPARE(dialog.findChild<QLabel *>("SampleImage")->pixmap().size(), QSize(37, 23));
    mouseClickItem(files, files->item(398), true);
    QCOMPARE(dialog.findChild<QLineEdit *>("Cesta_Edit")->text(), joinFolderAndName(dialog.folder(), "p398.bmp"));
    qInfo("a folder of 400 pictures: dialog shown in %.1f ms, the last picture previewed in %.1f ms", openMs, previewMs);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
