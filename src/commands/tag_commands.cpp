#include "commands/tag_commands.h"

#include "core/command_registry.h"
#include "editor/document_language.h"
#include "files/document_manager.h"
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

// A file delivered beside the program is missing: say so, then close the main window as its own
// close command does (documents with unsaved changes still ask first).
void reportMissingAndClose(const CommandContext &context, const char *message)
{
    QWidget *mainWindow = context.parent->window();
    QMessageBox::information(mainWindow, mainWindow->windowTitle(), QString::fromUtf8(message));
    mainWindow->close();
}

void openExamplePage(const CommandContext &context, const ExamplePage &page)
{
    const QString path = ProgramFolder::file(ProgramFile::ExampleFolder) + QLatin1Char('/') + QString::fromUtf8(page.file);
    if (!QFileInfo(path).isFile()) {
        reportMissingAndClose(context, page.missing);
        return;
    }
    context.documents->openDocument(path, QString::fromUtf8(page.caption), page.language);
}

void openTagHelp(const CommandContext &context)
{
    const QString path = ProgramFolder::file(ProgramFile::TagHelp);
    if (!QFileInfo(path).isFile()) {
        reportMissingAndClose(context, "Soubor \"napoveda_tagy.html\" s nápovědou k tagům\nnebyl nalzen!");
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void insertTimeStamp(const CommandContext &context, TimeStamp stamp)
{
    apply(timeStampEdit(stamp, QLocale::system(), QDateTime::currentDateTime()), *context.editor());
}

// "LOCAL" and "NAME": insert the link or anchor, remember the name, reload the list, clear the
// field. When the file cannot be written the error report shows it and the field keeps its text.
void runLocalLink(const CommandContext &context, Edit (*linkEdit)(const QString &))
{
    auto *field = context.parent->window()->findChild<QComboBox *>(QStringLiteral("Link_ComboBox"));
    if (!field)
        return;
    const QString name = field->currentText();
    if (SyntaxEdit *editor = context.editor())
        apply(linkEdit(name), *editor);
    if (!name.isEmpty()) {
        IniFile file(ProgramFolder::file(ProgramFile::LocalLinkFile));
        const QStringList names = rememberLinkName(file, name);
        field->clear();
        field->addItems(names);
    }
    field->clearEditText();
}

} // namespace

void registerTagCommands(CommandRegistry &registry)
{
    using Target = CommandRegistry::Target;
    for (const DirectCommand &entry : directCommandCatalogue()) {
        const Edit *edit = &entry.edit;
        registry.add(QString::fromLatin1(entry.command), Target::Document,
                     [edit](const CommandContext &context) { apply(*edit, *context.editor()); });
    }

    const std::pair<const char *, TimeStamp> stamps[] = {{"CasClick", TimeStamp::Time},
                                                          {"DatumClick", TimeStamp::Date},
                                                          {"Datum_CasClick", TimeStamp::DateThenTime},
                                                          {"Cas_DatumClick", TimeStamp::TimeThenDate}};
    for (const auto &[command, stamp] : stamps)
        registry.add(QString::fromLatin1(command), Target::Document,
                     [stamp = stamp](const CommandContext &context) { insertTimeStamp(context, stamp); });

    for (const ExamplePage &page : kExamplePages) {
        const ExamplePage *record = &page;
        registry.add(QString::fromLatin1(page.command), Target::Optional,
                     [record](const CommandContext &context) { openExamplePage(context, *record); });
    }
    registry.add(QStringLiteral("Napoveda_k_taguClick"), Target::Optional, &openTagHelp);

    // The list of names is kept also without a document.
    registry.add(QStringLiteral("ToolButton_Odkazy_LOCALClick"), Target::Optional,
                 [](const CommandContext &context) { runLocalLink(context, &localLinkEdit); });
    registry.add(QStringLiteral("ToolButton_Odkazy_NAMEClick"), Target::Optional,
                 [](const CommandContext &context) { runLocalLink(context, &anchorEdit); });
}
