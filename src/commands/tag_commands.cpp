#include "commands/tag_commands.h"

#include "app/command_registry.h"
#include "editor/document_language.h"
#include "app/main_form.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "commands/date_time.h"
#include "commands/local_links.h"
#include "commands/tag_catalogue.h"
#include "editor/syntax_edit.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace {

struct ExamplePage
{
    const char *command;
    const char *file;     // below the example folder
    const char *caption;  // the new document's name
    DocumentLanguage language;
    const char *missing;  // the message when the file is not there
};

const ExamplePage kExamplePages[] = {
    {"Ak_CasClick", "javascript/ak_cas.htm", "ak_cas.htm", DocumentLanguage::Html,
     "Soubor \"ak_cas.htm\" k zobrazení aktuálního\ndatumu a času ve stavovém řádku nebyl nalzen!"},
    {"Cas_na_stranceClick", "javascript/delka_pobytu.htm", "delka_pobytu.htm", DocumentLanguage::Html,
     "Soubor \"delka_pobytu.htm\" k měření dělky\npobytu na stránce nebyl nalzen!"},
    {"stinovani_textuClick", "javascript/stinovani.htm", "stinovani.htm", DocumentLanguage::Html,
     "Soubor \"stinovani.htm\" k vypisování textu\npísmeno po písmenu nebyl nalzen!"},
    {"Galerie_PhpClick", "php/galerie.php", "galerie.php", DocumentLanguage::Php,
     "Soubor \"galerie.php\" s ukázkou galerie přes PHP\nnebyl nalezen!"},
};

void runOnActiveDocument(TMainForm &mainForm, const Edit &edit)
{
    if (SyntaxEdit *editor = mainForm.ActiveEditor())
        apply(edit, *editor);
}

// A file delivered beside the program is missing: say so, then close the main window as its own
// close command does (documents with unsaved changes still ask first).
void reportMissingAndClose(TMainForm &mainForm, const char *message)
{
    QMessageBox::information(&mainForm, mainForm.windowTitle(), QString::fromUtf8(message));
    mainForm.close();
}

void openExamplePage(TMainForm &mainForm, const ExamplePage &page)
{
    const QString path = ProgramFolder::file(ProgramFile::ExampleFolder) + QLatin1Char('/') + QString::fromUtf8(page.file);
    if (!QFileInfo(path).isFile()) {
        reportMissingAndClose(mainForm, page.missing);
        return;
    }
    mainForm.openDocument(path, QString::fromUtf8(page.caption), page.language);
}

void openTagHelp(TMainForm &mainForm)
{
    const QString path = ProgramFolder::file(ProgramFile::TagHelp);
    if (!QFileInfo(path).isFile()) {
        reportMissingAndClose(mainForm, "Soubor \"napoveda_tagy.html\" s nápovědou k tagům\nnebyl nalzen!");
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void insertTimeStamp(TMainForm &mainForm, TimeStamp stamp)
{
    if (SyntaxEdit *editor = mainForm.ActiveEditor())
        apply(timeStampEdit(stamp, QLocale::system(), QDateTime::currentDateTime()), *editor);
}

// "LOCAL" and "NAME": insert the link or anchor, remember the name, reload the list, clear the
// field. When the file cannot be written the error report shows it and the field keeps its text.
void runLocalLink(TMainForm &mainForm, Edit (*linkEdit)(const QString &))
{
    auto *field = mainForm.findChild<QComboBox *>(QStringLiteral("Link_ComboBox"));
    if (!field)
        return;
    const QString name = field->currentText();
    runOnActiveDocument(mainForm, linkEdit(name));
    if (!name.isEmpty()) {
        IniFile file(ProgramFolder::file(ProgramFile::LocalLinkFile));
        const QStringList names = rememberLinkName(file, name);
        field->clear();
        field->addItems(names);
    }
    field->clearEditText();
}

} // namespace

void registerTagCommands(TMainForm &mainForm, CommandRegistry &registry)
{
    TMainForm *form = &mainForm;
    for (const DirectCommand &entry : directCommandCatalogue()) {
        const Edit *edit = &entry.edit;
        registry.add(QString::fromLatin1(entry.command), [form, edit] { runOnActiveDocument(*form, *edit); });
    }

    registry.add(QStringLiteral("CasClick"), [form] { insertTimeStamp(*form, TimeStamp::Time); });
    registry.add(QStringLiteral("DatumClick"), [form] { insertTimeStamp(*form, TimeStamp::Date); });
    registry.add(QStringLiteral("Datum_CasClick"), [form] { insertTimeStamp(*form, TimeStamp::DateThenTime); });
    registry.add(QStringLiteral("Cas_DatumClick"), [form] { insertTimeStamp(*form, TimeStamp::TimeThenDate); });

    for (const ExamplePage &page : kExamplePages) {
        const ExamplePage *record = &page;
        registry.add(QString::fromLatin1(page.command), [form, record] { openExamplePage(*form, *record); });
    }
    registry.add(QStringLiteral("Napoveda_k_taguClick"), [form] { openTagHelp(*form); });

    registry.add(QStringLiteral("ToolButton_Odkazy_LOCALClick"), [form] { runLocalLink(*form, &localLinkEdit); });
    registry.add(QStringLiteral("ToolButton_Odkazy_NAMEClick"), [form] { runLocalLink(*form, &anchorEdit); });
}
