#include "files/file_commands.h"

#include "core/command_registry.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "files/file_panel.h"
#include "files/kind_rules.h"
#include "files/select_new_document_form.h"
#include "files/templates.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

DocumentLanguage languageOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Html: return DocumentLanguage::Html;
    case FileKind::Css: return DocumentLanguage::Css;
    case FileKind::JavaScript: return DocumentLanguage::JavaScript;
    case FileKind::Php: return DocumentLanguage::Php;
    case FileKind::Sql: return DocumentLanguage::Sql;
    case FileKind::Xml: return DocumentLanguage::Xml;
    }
    return DocumentLanguage::Html;
}

} // namespace

FileCommands::FileCommands(DocumentManager &documents, QWidget *dialogParent)
    : QObject(dialogParent), m_documents(documents), m_dialogParent(dialogParent)
{
    setObjectName(QStringLiteral("FileCommands"));
}

// ---- new documents ----------------------------------------------------------------------------

void FileCommands::NewClick()
{
    const int number = m_documents.nextDocumentNumber();
    DocumentWindow *child = m_documents.createDocument();
    SyntaxEdit *editor = child->editor();
    editor->setText(QString());
    editor->insert(htmlTemplate());
    editor->setHighlighter(Highlighter::Html);
    child->setWindowTitle(QStringLiteral("Novy%1.html").arg(number));
    m_documents.showMaximised(child);
    editor->clearModified();
}

void FileCommands::createNewDocument(int kindIndex)
{
    const auto &kinds = newDocumentKinds();
    if (kindIndex < 0 || kindIndex >= int(kinds.size()))
        return;
    const NewDocumentKind &kind = kinds[size_t(kindIndex)];
    const int number = m_documents.nextDocumentNumber();
    DocumentWindow *child = m_documents.createDocument();
    SyntaxEdit *editor = child->editor();
    if (kind.placement == TemplatePlacement::Replace) {
        editor->setText(kind.text());
    } else {
        editor->setText(QString());
        editor->insert(kind.text());
    }
    if (kind.highlighter)
        editor->setHighlighter(highlighterOf(*kind.highlighter));
    child->setWindowTitle(QStringLiteral("Novy%1%2").arg(number).arg(QString::fromLatin1(kind.extension)));
    m_documents.showLanguage(kind.panel);
    m_documents.showMaximised(child);
}

void FileCommands::NoveClick()
{
    TSelectNewDocumentForm form(m_dialogParent);
    if (form.exec() == QDialog::Accepted)
        createNewDocument(form.selectedKind());
}

void FileCommands::SablonaHTMLClick()
{
    const int number = m_documents.nextDocumentNumber();
    DocumentWindow *child = m_documents.createDocument();
    child->editor()->setText(QString());
    child->editor()->insert(htmlTemplate());
    child->editor()->setHighlighter(Highlighter::Html);
    child->setWindowTitle(QStringLiteral("Novy%1.html").arg(number));
    m_documents.showMaximised(child);
}

void FileCommands::SablonaXMLClick()
{
    const int number = m_documents.nextDocumentNumber();
    DocumentWindow *child = m_documents.createDocument();
    child->editor()->setText(xmlTemplate());
    child->editor()->setHighlighter(Highlighter::Xml);
    child->setWindowTitle(QStringLiteral("Novy%1.xml").arg(number));
    m_documents.showMaximised(child);
}

// ---- opening ----------------------------------------------------------------------------------

void FileCommands::Otevri()
{
    const QString path = m_documents.askOpenPath();
    if (!path.isEmpty())
        openFile(path);
}

void FileCommands::openFile(const QString &path)
{
    openAsOpenDialog(m_documents, path);
}

void openAsOpenDialog(DocumentManager &documents, const QString &path)
{
    const std::vector<FileKind> kinds = matchingKinds(path);
    const DocumentLanguage language = kinds.empty() ? DocumentLanguage::Html : languageOf(kinds.back());
    documents.openDocument(path, path, language);
    if (kinds.empty())
        documents.showUnknownLanguage();
}

void FileCommands::FileListBoxDblClick(const QString &path)
{
    openByKindRules(m_documents, path);
}

void openByKindRules(DocumentManager &documents, const QString &path)
{
    for (FileKind kind : matchingKinds(path))
        documents.openDocument(path, QFileInfo(path).fileName(), languageOf(kind));
}

// ---- printing ---------------------------------------------------------------------------------

void FileCommands::TiskClick(DocumentWindow *child)
{
    if (m_printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox::information(m_dialogParent, m_dialogParent->window()->windowTitle(), QStringLiteral("Není k dispozici žádná tiskárna."));
        return;
    }
    // The window as drawn on the screen, scaled from screen to printer resolution, on one page.
    QWidget *frame = child->parentWidget() ? child->parentWidget() : child;
    const QPixmap image = frame->grab();
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        showErrorReport(QStringLiteral("Tisk se nepodařilo zahájit."));
        return;
    }
    const double scale = double(m_printer.resolution()) / std::max(1, m_dialogParent->logicalDpiX());
    painter.scale(scale, scale);
    painter.drawPixmap(0, 0, image);
    painter.end();
}

void FileCommands::Nastaveni_tiskarnyClick()
{
    QPrintDialog dialog(&m_printer, m_dialogParent);
    dialog.exec();
}

// ---- registration -----------------------------------------------------------------------------

void registerFileCommands(CommandRegistry &registry, DocumentManager &documents, QWidget *owner)
{
    using Target = CommandRegistry::Target;
    auto *files = new FileCommands(documents, owner);
    DocumentManager *manager = &documents;
    auto add = [&registry](const char *name, Target target, CommandRegistry::Handler handler) {
        registry.add(QString::fromLatin1(name), target, std::move(handler));
    };
    add("NewClick", Target::Optional, [files](const CommandContext &) { files->NewClick(); });
    add("OtevritClick", Target::Optional, [files](const CommandContext &) { files->Otevri(); });
    add("OpenClick", Target::Optional, [files](const CommandContext &) { files->Otevri(); });
    add("UlozitClick", Target::Document, [manager](const CommandContext &c) { manager->save(c.window); });
    add("Ulozit_jakoClick", Target::Document, [manager](const CommandContext &c) { manager->saveAs(c.window); });
    add("UlozitvseClick", Target::Optional, [manager](const CommandContext &) { manager->saveAll(); });
    add("ZavritClick", Target::Document, [manager](const CommandContext &c) { manager->close(c.window); });
    add("ZavritvseClick", Target::Optional, [manager](const CommandContext &) { manager->closeAll(); });
    add("TiskClick", Target::Document, [files](const CommandContext &c) { files->TiskClick(c.window); });
    add("Nastaveni_tiskarnyClick", Target::Optional, [files](const CommandContext &) { files->Nastaveni_tiskarnyClick(); });
    add("NoveClick", Target::Optional, [files](const CommandContext &) { files->NoveClick(); });
    add("SablonaHTMLClick", Target::Optional, [files](const CommandContext &) { files->SablonaHTMLClick(); });
    add("SablonaXMLClick", Target::Optional, [files](const CommandContext &) { files->SablonaXMLClick(); });
    // Exit first closes every document as "Zavřít vše" does, then the main window.
    add("KonecClick", Target::Optional, [manager](const CommandContext &c) {
        if (manager->closeAll() && c.parent)
            c.parent->window()->close();
    });
}

QWidget *createFilePanel(DocumentManager &documents, QWidget *parent)
{
    DocumentManager *manager = &documents;
    return new FilePanel(
        [manager](const QString &path) { runReportingErrors([&] { openByKindRules(*manager, path); }); }, parent);
}
