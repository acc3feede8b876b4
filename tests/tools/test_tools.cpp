#include "editor/line_buffer.h"
#include "support/ui_test_support.h"
#include "tools/about_app_form.h"
#include "tools/calculator.h"
#include "tools/convert_count_form.h"
#include "tools/number_conversion.h"
#include "tools/schranka_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenPlatformWarnings(); }
    void conversion_data();
    void conversion();
    void conversionRefusesTenDigitsAndEnablesByText();
    void conversionWindowFitsItsCaption();
    void conversionInsertsAtCaret();
    void clipboardViewerPastesEachTime();
    void clipboardViewerZoomsAndLaysOut();
    void aboutBoxOpensOnlyOnYes();
    void calculatorIsFoundOnThePath();
};

namespace {

// Presses a button and returns the text of the message box it showed (empty when none).
QString messageOf(QPushButton *button)
{
    QString shown;
    ModalSteps answers({[&shown](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
        dismiss(modal);
    }});
    button->click();
    QApplication::processEvents();
    return shown;
}

} // namespace

void TestTools::conversion_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("padded") << "255" << "4" << "00FF" << "";
    QTest::newRow("no padding") << "255" << "0" << "FF" << "";
    QTest::newRow("wider than asked") << "4096" << "2" << "1000" << "";
    QTest::newRow("nine digits") << "999999999" << "8" << "3B9AC9FF" << "";
    QTest::newRow("leading spaces") << "  16" << "1" << "10" << "";
    QTest::newRow("padding stops at 32") << "1" << "40" << QString(31, QLatin1Char('0')) + "1" << "";
    QTest::newRow("space inside") << "1 2" << "2" << "" << "Velinor 1.0|'1 2' is not a valid integer value";
    QTest::newRow("no digit count") << "12" << "" << "" << "Velinor 1.0|'' is not a valid integer value";
    QTest::newRow("huge digit count") << "12" << "99999999999" << "" << "Velinor 1.0|'99999999999' is not a valid integer value";
}

void TestTools::conversion()
{
    QFETCH(QString, number);
    QFETCH(QString, digits);
    QFETCH(QString, result);
    QFETCH(QString, message);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    TConvertCount_Form form(nullptr, {});
    control<QLineEdit>(&form, "Couts_Edit")->setText(number);
    control<QLineEdit>(&form, "PocetCifer_Edit")->setText(digits);
    control<QLabel>(&form, "Result_Label")->setText(QStringLiteral("before"));
    QCOMPARE(messageOf(control<QPushButton>(&form, "Preved_Button")), message);
    // A failed conversion keeps the previous result.
    QCOMPARE(control<QLabel>(&form, "Result_Label")->text(), message.isEmpty() ? result : QStringLiteral("before"));
}

void TestTools::conversionRefusesTenDigitsAndEnablesByText()
{
    TConvertCount_Form form(nullptr, {});
    auto *number = control<QLineEdit>(&form, "Couts_Edit");
    auto *convert = control<QPushButton>(&form, "Preved_Button");
    auto *insert = control<QPushButton>(&form, "Vloz_Button");
    QVERIFY(convert->isEnabled() && insert->isEnabled()); // before any change, though empty

    form.show();
    number->setFocus();
    QTest::keyClicks(number, "1a2 -x3");
    QCOMPARE(number->text(), QStringLiteral("12 3")); // digits and spaces only

    number->setText(QStringLiteral("1234567890"));
    control<QLineEdit>(&form, "PocetCifer_Edit")->setText(QStringLiteral("2"));
    QCOMPARE(messageOf(convert), QStringLiteral("Pozor!!!|Cifra je příliš velká"));
    QCOMPARE(number->text(), QString());
    QVERIFY(!convert->isEnabled() && !insert->isEnabled());
    number->setText(QStringLiteral("7"));
    QVERIFY(convert->isEnabled() && insert->isEnabled());
}

void TestTools::conversionWindowFitsItsCaption()
{
    TConvertCount_Form form(nullptr, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QFont bold = form.font();
    bold.setBold(true);
    QVERIFY(form.width() > QFontMetrics(bold).horizontalAdvance(form.windowTitle()));
}

void TestTools::conversionInsertsAtCaret()
{
    LineBuffer document;
    document.insert(QStringLiteral("<b></b>"));
    document.setCaretColumn(4);
    TConvertCount_Form form(nullptr, [&document]() -> TextDocument * { return &document; });
    control<QLineEdit>(&form, "Couts_Edit")->setText(QStringLiteral("255"));
    control<QLineEdit>(&form, "PocetCifer_Edit")->setText(QStringLiteral("4"));
    QCOMPARE(messageOf(control<QPushButton>(&form, "Vloz_Button")), QString());
    QCOMPARE(document.text(), QStringLiteral("<b>00FF</b>\r\n"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestTools::clipboardViewerPastesEachTime()
{
    QApplication::clipboard()->setText(QStringLiteral("kopie"));
    TSchrankaForm viewer;
    auto *memo = control<QPlainTextEdit>(&viewer, "Memo_SchrankaForm");
    auto *browse = control<QPushButton>(&viewer, "Prohlizet_SchrankaForm");
    QVERIFY(memo->toPlainText().isEmpty());
    browse->click();
    browse->click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("kopiekopie"));
    QVERIFY(memo->isReadOnly());

    QApplication::clipboard()->clear();
    browse->click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("kopiekopie")); // nothing to add
}

void TestTools::clipboardViewerZoomsAndLaysOut()
{
    TSchrankaForm viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QSize normal = viewer.size();
    auto *zoom = control<QPushButton>(&viewer, "Zvetsit_SchrankaForm");
    auto *memo = control<QPlainTextEdit>(&viewer, "Memo_SchrankaForm");

    zoom->click();
    QCOMPARE(zoom->text(), QStringLiteral("&Zmenšit"));
    QTRY_VERIFY(viewer.isMaximized());
    QTRY_VERIFY(viewer.width() > normal.width());
    QTRY_COMPARE(memo->width(), viewer.width() - 148);
    for (const char *name : {"Prohlizet_SchrankaForm", "Zvetsit_SchrankaForm", "Zavrit_SchrankaForm"})
        QCOMPARE(control<QPushButton>(&viewer, name)->x(), memo->width() + 22);

    zoom->click();
    QCOMPARE(zoom->text(), QStringLiteral("&Zvětšit"));
    QTRY_COMPARE(viewer.size(), normal);
    QTRY_COMPARE(memo->width(), normal.width() - 148);
}

void TestTools::aboutBoxOpensOnlyOnYes()
{
    QList<QUrl> opened;
    TFormAboutApp about(nullptr, [&opened](const QUrl &url) { opened.append(url); });
    QVERIFY(about.findChild<QPushButton *>(QStringLiteral("AboutAppOk")));

    QStringList asked;
    const auto answer = [&asked](QMessageBox::StandardButton button) {
        return [&asked, button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            asked.append(box->text());
            box->button(button)->click();
        };
    };
    {
        ModalSteps steps({answer(QMessageBox::No), answer(QMessageBox::No)});
        about.AboutAppE_MailClick();
        about.AboutAppPageClick();
    }
    QVERIFY(opened.isEmpty());
    {
        ModalSteps steps({answer(QMessageBox::Yes), answer(QMessageBox::Yes)});
        about.AboutAppE_MailClick();
        about.AboutAppPageClick();
    }
    QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:") + kAboutEmail), QUrl(QString::fromUtf8(kAboutWeb))}));
    QCOMPARE(asked.size(), 4);
    QVERIFY(asked.at(0).endsWith(QStringLiteral("\nCílová e-mailová adresa je: ") + kAboutEmail));
    QVERIFY(asked.at(1).endsWith(QStringLiteral("\nCílová internetová adresa je: ") + kAboutWeb));
}

void TestTools::calculatorIsFoundOnThePath()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    QCOMPARE(findDesktopCalculator({first.path()}), QString());

    // Both installed: the one earlier in the preference order wins, wherever it lies.
    const auto install = [](const QString &folder, const QString &name) {
        QFile program(folder + QLatin1Char('/') + name);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    };
    install(first.path(), QStringLiteral("xcalc"));
    install(second.path(), QStringLiteral("kcalc"));
    QCOMPARE(findDesktopCalculator({first.path(), second.path()}), second.path() + QStringLiteral("/kcalc"));
    // A file that cannot be run is no calculator.
    QFile::setPermissions(second.path() + QStringLiteral("/kcalc"), QFileDevice::ReadOwner);
    QCOMPARE(findDesktopCalculator({first.path(), second.path()}), first.path() + QStringLiteral("/xcalc"));
}

QTEST_MAIN(TestTools)
#include "test_tools.moc"
