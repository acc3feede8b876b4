#include "files/file_commands.h"

#include "app/child_form.h"
#include "app/command_registry.h"
#include "app/main_form.h"
#include "app/save_question.h"
#include "base/file_filters.h"
#include "base/program_folder.h"
#include "base/velinor_error.h"
#include "editor/syntax_edit.h"
#include "files/file_panel.h"
#include "files/kind_rules.h"
#include "files/select_new_document_form.h"
#include "files/templates.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
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

QMdiSubWindow *windowOf(TChildForm *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

void showMaximised(TMainForm &mainForm, TChildForm *child)
{
    if (QMdiSubWindow *window = windowOf(child)) {
        window->showMaximized();
        mainForm.mdiArea()->setActiveSubWindow(window);
    }
    child->editor()->setFocus();
}

} // namespace

FileCommands::FileCommands(TMainForm &mainForm) : QObject(&mainForm), m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("FileCommands"));
}

QString FileCommands::saveTarget(const QString &caption)
{
    if (QDir::isAbsolutePath(caption))
        return caption;
    return ProgramFolder::file(ProgramFile::ProjectFolder) + QLatin1Char('/') + caption;
}

bool FileCommands::writeDocument(TChildForm *child, const QString &path)
{
    try {
        if (child->editor()->saveFile(path))
            m_mainForm.reportSavedAsUtf8(path);
        return true;
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
        return false;
    }
}

// ---- new documents ----------------------------------------------------------------------------

void FileCommands::NewClick()
{
    const int number = m_mainForm.nextDocumentNumber();
    TChildForm *child = m_mainForm.createChild();
    SyntaxEdit *editor = child->editor();
    editor->setText(QString());
    editor->insert(htmlTemplate());
    editor->setHighlighter(Highlighter::Html);
    child->setWindowTitle(QStringLiteral("Novy%1.html").arg(number));
    showMaximised(m_mainForm, child);
    editor->clearModified();
}

void FileCommands::createNewDocument(int kindIndex)
{
    const auto &kinds = newDocumentKinds();
    if (kindIndex < 0 || kindIndex >= int(kinds.size()))
        return;
    const NewDocumentKind &kind = kinds[size_t(kindIndex)];
    const int number = m_mainForm.nextDocumentNumber();
    TChildForm *child = m_mainForm.createChild();
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
    m_mainForm.setLanguagePanel(languagePanelText(kind.panel), false);
    showMaximised(m_mainForm, child);
}

void FileCommands::NoveClick()
{
    TSelectNewDocumentForm form(&m_mainForm);
    if (form.exec() == QDialog::Accepted)
        createNewDocument(form.selectedKind());
}

void FileCommands::SablonaHTMLClick()
{
    const int number = m_mainForm.nextDocumentNumber();
    TChildForm *child = m_mainForm.createChild();
    child->editor()->setText(QString());
    child->editor()->insert(htmlTemplate());
    child->editor()->setHighlighter(Highlighter::Html);
    child->setWindowTitle(QStringLiteral("Novy%1.html").arg(number));
    showMaximised(m_mainForm, child);
}

void FileCommands::SablonaXMLClick()
{
    const int number = m_mainForm.nextDocumentNumber();
    TChildForm *child = m_mainForm.createChild();
    child->editor()->setText(xmlTemplate());
    child->editor()->setHighlighter(Highlighter::Xml);
    child->setWindowTitle(QStringLiteral("Novy%1.xml").arg(number));
    showMaximised(m_mainForm, child);
}

// ---- opening ----------------------------------------------------------------------------------

void FileCommands::Otevri()
{
    QString filter = m_lastOpenFilter;
    const QString path = QFileDialog::getOpenFileName(&m_mainForm, QString(), m_lastOpenPath,
                                                      fileFilters(FileFilters::Documents), &filter);
    if (path.isEmpty())
        return;
    m_lastOpenPath = path;
    m_lastOpenFilter = filter;
    openFile(path);
}

void FileCommands::openFile(const QString &path)
{
    const std::vector<FileKind> kinds = matchingKinds(path);
    const DocumentLanguage language = kinds.empty() ? DocumentLanguage::Html : languageOf(kinds.back());
    m_mainForm.openDocument(path, path, language);
    if (kinds.empty())
        m_mainForm.setLanguagePanel(QStringLiteral("NEZNÁMÝ SOUBOR"), true);
}

void FileCommands::FileListBoxDblClick(const QString &path)
{
    for (FileKind kind : matchingKinds(path))
        m_mainForm.openDocument(path, QFileInfo(path).fileName(), languageOf(kind));
}

// ---- saving -----------------------------------------------------------------------------------

void FileCommands::UlozitClick()
{
    TChildForm *child = m_mainForm.ActiveChild();
    if (!child || !ProgramFolder::ensureFolder(ProgramFile::ProjectFolder))
        return;
    writeDocument(child, saveTarget(child->windowTitle()));
}

void FileCommands::Ulozit_jakoClick()
{
    TChildForm *child = m_mainForm.ActiveChild();
    if (!child)
        return;
    const QString path = m_mainForm.askSavePath(child->windowTitle());
    if (!path.isEmpty())
        writeDocument(child, path);
}

void FileCommands::UlozitvseClick()
{
    if (!ProgramFolder::ensureFolder(ProgramFile::ProjectFolder))
        return;
    for (QMdiSubWindow *window : m_mainForm.mdiArea()->subWindowList())
        if (auto *child = qobject_cast<TChildForm *>(window->widget()))
            if (!writeDocument(child, saveTarget(child->windowTitle())))
                return; // the first failure stops the command
}

// ---- closing ----------------------------------------------------------------------------------

bool FileCommands::confirmClose(TChildForm *child, const QString &question)
{
    if (!child->editor()->isModified())
        return true;
    const SaveAnswer answer = askToSaveChanges(&m_mainForm, question);
    if (answer == SaveAnswer::Keep)
        return false;
    if (answer == SaveAnswer::Save) {
        const QString path = m_mainForm.askSavePath(QString());
        // A cancelled save dialog keeps the window and its text; so does a failed write.
        if (path.isEmpty() || !writeDocument(child, path))
            return false;
    }
    child->setCloseConfirmed(); // asked once: the window's own close check does not ask again
    return true;
}

void FileCommands::ZavritClick()
{
    TChildForm *child = m_mainForm.ActiveChild();
    if (child && confirmClose(child, QStringLiteral("Uložit změny provedené v souboru?")))
        windowOf(child)->close();
}

bool FileCommands::ZavritvseClick()
{
    for (QMdiSubWindow *window : m_mainForm.mdiArea()->subWindowList()) {
        auto *child = qobject_cast<TChildForm *>(window->widget());
        if (!child)
            continue;
        const QString question = QStringLiteral("Chcete uložit změny provedené v souboru\n%1?").arg(child->windowTitle());
        if (!confirmClose(child, question))
            return false;
        window->close();
    }
    return m_mainForm.mdiArea()->subWindowList().isEmpty();
}

// ---- printing ---------------------------------------------------------------------------------

void FileCommands::TiskClick()
{
    TChildForm *child = m_mainForm.ActiveChild();
    if (!child)
        return;
    if (m_printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox::information(&m_mainForm, m_mainForm.windowTitle(), QStringLiteral("Není k dispozici žádná tiskárna."));
        return;
    }
    // The window as drawn on the screen, scaled from screen to printer resolution, on one page.
    const QPixmap image = windowOf(child) ? windowOf(child)->grab() : child->grab();
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        showErrorReport(QStringLiteral("Tisk se nepodařilo zahájit."));
        return;
    }
    const double scale = double(m_printer.resolution()) / std::max(1, m_mainForm.logicalDpiX());
    painter.scale(scale, scale);
    painter.drawPixmap(0, 0, image);
    painter.end();
}

void FileCommands::Nastaveni_tiskarnyClick()
{
    QPrintDialog dialog(&m_printer, &m_mainForm);
    dialog.exec();
}

// ---- registration -----------------------------------------------------------------------------

void registerFileCommands(TMainForm &mainForm, CommandRegistry &registry)
{
    auto *files = new FileCommands(mainForm);
    auto add = [&registry](const char *name, std::function<void()> handler) {
        registry.add(QString::fromLatin1(name), std::move(handler));
    };
    add("NewClick", [files] { files->NewClick(); });
    add("OtevritClick", [files] { files->Otevri(); });
    add("OpenClick", [files] { files->Otevri(); });
    add("UlozitClick", [files] { files->UlozitClick(); });
    add("Ulozit_jakoClick", [files] { files->Ulozit_jakoClick(); });
    add("UlozitvseClick", [files] { files->UlozitvseClick(); });
    add("ZavritClick", [files] { files->ZavritClick(); });
    add("ZavritvseClick", [files] { files->ZavritvseClick(); });
    add("TiskClick", [files] { files->TiskClick(); });
    add("Nastaveni_tiskarnyClick", [files] { files->Nastaveni_tiskarnyClick(); });
    add("NoveClick", [files] { files->NoveClick(); });
    add("SablonaHTMLClick", [files] { files->SablonaHTMLClick(); });
    add("SablonaXMLClick", [files] { files->SablonaXMLClick(); });
    // Exit first closes every document as "Zavřít vše" does, then the main window.
    add("KonecClick", [files, &mainForm] {
        if (files->ZavritvseClick())
            mainForm.close();
    });
}

QWidget *createFilePanel(TMainForm &mainForm, QWidget *parent)
{
    auto *files = mainForm.findChild<FileCommands *>(QStringLiteral("FileCommands"));
    return new FilePanel(
        [files](const QString &path) {
            if (files)
                runReportingErrors([&] { files->FileListBoxDblClick(path); });
        },
        parent);
}
