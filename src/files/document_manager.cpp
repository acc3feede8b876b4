#include "files/document_manager.h"

#include "base/file_filters.h"
#include "base/program_folder.h"
#include "base/velinor_error.h"
#include "core/command_registry.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"
#include "files/save_question.h"
#include "files/save_target.h"

#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

QMdiSubWindow *frameOf(DocumentWindow *document)
{
    return qobject_cast<QMdiSubWindow *>(document->parentWidget());
}

DocumentWindow *documentIn(QMdiSubWindow *window)
{
    return window ? qobject_cast<DocumentWindow *>(window->widget()) : nullptr;
}

// The question of a window's own close check, of "Z&avřít" and of closing the main window.
const QString kSaveQuestion = QStringLiteral("Uložit změny provedené v souboru?");

// The frame's placement puts a new window where it overlaps the others least, which can be partly
// outside the area: move it back in, to the top-left corner when it is larger than the area.
void keepInsideArea(QWidget *window, const QRect &area)
{
    QRect frame = window->geometry();
    if (area.contains(frame))
        return;
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    window->move(frame.topLeft());
}

// Runs a file dialog from `start` with the document filters, `filter` chosen; the filter shown
// when the dialog closes is kept in `filter` even when it was cancelled. Empty when cancelled.
QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &start, QString *filter)
{
    QFileDialog dialog(parent, QString(), start, fileFilters(FileFilters::Documents));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!filter->isEmpty())
        dialog.selectNameFilter(*filter);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    *filter = dialog.selectedNameFilter();
    return accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

DocumentManager::DocumentManager(QMdiArea *area, WindowFactory makeWindow, QWidget *dialogParent)
    : QObject(area), m_area(area), m_makeWindow(std::move(makeWindow)), m_dialogParent(dialogParent)
{
    setObjectName(QStringLiteral("DocumentManager"));
    connect(m_area, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow *window) { emit activeWindowChanged(documentIn(window)); });
}

DocumentWindow *DocumentManager::activeWindow() const
{
    QMdiSubWindow *window = m_area->activeSubWindow();
    if (!window && !m_area->subWindowList().isEmpty())
        window = m_area->currentSubWindow();
    return documentIn(window);
}

SyntaxEdit *DocumentManager::activeEditor() const
{
    DocumentWindow *document = activeWindow();
    return document ? document->editor() : nullptr;
}

QList<DocumentWindow *> DocumentManager::documents() const
{
    QList<DocumentWindow *> list;
    for (QMdiSubWindow *window : m_area->subWindowList())
        if (DocumentWindow *document = documentIn(window))
            list.append(document);
    return list;
}

// ---- creating and opening ---------------------------------------------------------------------

DocumentWindow *DocumentManager::createDocument()
{
    DocumentWindow *document = m_makeWindow();
    document->setCloseCheck([this, document] {
        return confirmClose(document, kSaveQuestion);
    });
    connect(document, &DocumentWindow::statusChanged, this, [this, document] { emit documentStatusChanged(document); });
    connect(document->editor(), &SyntaxEdit::textEdited, this, [this, document] { emit documentEdited(document); });
    connect(document, &DocumentWindow::languageChanged, this, &DocumentManager::showLanguage);
    connect(document, &DocumentWindow::insertKeyPressed, this, &DocumentManager::insertKeyPressed);
    connect(document, &QObject::destroyed, this, [this, document] { emit documentClosed(document); });

    QMdiSubWindow *window = m_area->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(document->windowTitle());
    connect(document, &QWidget::windowTitleChanged, window, &QWidget::setWindowTitle);
    // The frame's default size: most of the free area, from its top-left corner.
    const QSize free = m_area->viewport()->size();
    window->resize(std::max(480, free.width() * 3 / 4), std::max(320, free.height() * 3 / 4));
    window->show();
    keepInsideArea(window, m_area->viewport()->rect());
    m_area->setActiveSubWindow(window);
    return document;
}

void DocumentManager::showMaximised(DocumentWindow *document)
{
    if (QMdiSubWindow *window = frameOf(document)) {
        window->showMaximized();
        m_area->setActiveSubWindow(window);
    }
    document->editor()->setFocus();
}

DocumentWindow *DocumentManager::openDocument(const QString &path, const QString &caption, DocumentLanguage language)
{
    DocumentWindow *document = createDocument();
    // The highlighter goes on before the text: setting one styles the whole text there and then
    // (seconds for a large file), where text loaded under it is styled as it comes into view.
    document->editor()->setHighlighter(highlighterOf(language));
    try {
        document->editor()->loadFile(path);
    } catch (...) {
        // Nothing half-made stays behind: a window showing other text under the file's name could
        // later overwrite the real file.
        if (QMdiSubWindow *window = frameOf(document))
            window->close();
        throw;
    }
    document->setWindowTitle(caption);
    showLanguage(language);
    showMaximised(document);
    emit documentStatusChanged(document);
    emit documentOpened(document, path);
    if (document->editor()->loadedNulBytes() > 0)
        warnAboutNulBytes(caption);
    if (document->editor()->loadedMalformed() > 0)
        warnAboutMalformedCharacters(caption);
    return document;
}

DocumentWindow *DocumentManager::windowSavingTo(const QString &caption) const
{
    const QString target = QDir::cleanPath(captionPath(caption));
    for (DocumentWindow *document : documents()) {
        const QMdiSubWindow *window = frameOf(document);
        if ((!window || !window->isHidden()) && QDir::cleanPath(captionPath(document->windowTitle())) == target)
            return document;
    }
    return nullptr;
}

QString DocumentManager::freeCaption(const QString &caption)
{
    // A new document's name takes the next number, as a new document would.
    static const QRegularExpression newDocumentName(QStringLiteral("^Novy\\d+(\\..*)?$"));
    if (const QRegularExpressionMatch match = newDocumentName.match(caption); match.hasMatch()) {
        QString free;
        do
            free = QStringLiteral("Novy%1%2").arg(nextDocumentNumber()).arg(match.captured(1));
        while (windowSavingTo(free));
        return free;
    }
    // Any other name gets a number before its extension: "stranka.html" -> "stranka-2.html".
    const qsizetype slash = caption.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        dot = caption.size();
    QString free;
    for (int n = 2; free.isEmpty() || windowSavingTo(free); ++n)
        free = caption.left(dot) + QLatin1Char('-') + QString::number(n) + caption.mid(dot);
    return free;
}

DocumentWindow *DocumentManager::restoreDocument(const QString &recoveredCaption, const SplitText &text, Highlighter highlighter)
{
    // A new document must not take a restored one's name (and later overwrite its file).
    static const QRegularExpression newDocumentName(QStringLiteral("^Novy(\\d+)\\."));
    if (const QRegularExpressionMatch match = newDocumentName.match(recoveredCaption); match.hasMatch())
        m_newDocumentCounter = std::max(m_newDocumentCounter, match.captured(1).toInt());
    // Nor may two windows save to one file: an untouched window there (the start-up page) gives its
    // place to the restored text; beside changed text the restored document takes a free name.
    QString caption = recoveredCaption;
    if (DocumentWindow *there = windowSavingTo(caption)) {
        if (there->editor()->isModified())
            caption = freeCaption(caption);
        else if (QMdiSubWindow *window = frameOf(there))
            window->close();
    }
    DocumentWindow *document = createDocument();
    document->editor()->setHighlighter(highlighter); // before the text, as when opening a file
    document->editor()->setRecoveredText(text);
    document->setWindowTitle(caption);
    showLanguage(plainLanguageOf(highlighter));
    showMaximised(document);
    emit documentStatusChanged(document);
    return document;
}

void DocumentManager::showLanguage(DocumentLanguage language)
{
    emit languageShown(languagePanelText(language), false);
}

void DocumentManager::showUnknownLanguage()
{
    emit languageShown(QStringLiteral("NEZNÁMÝ SOUBOR"), true);
}

// ---- saving -----------------------------------------------------------------------------------

QString DocumentManager::saveTarget(const QString &caption)
{
    return saveTargetFor(caption, ProgramFolder::file(ProgramFile::ProjectFolder));
}

QString DocumentManager::captionPath(const QString &caption)
{
    return ::captionPath(caption, ProgramFolder::file(ProgramFile::ProjectFolder));
}

std::optional<QString> DocumentManager::checkedSaveTarget(DocumentWindow *document)
{
    try {
        return saveTarget(document->windowTitle());
    } catch (const VelinorError &error) {
        showErrorReport(error.message()); // nothing is written; the document stays as it is
        return std::nullopt;
    }
}

bool DocumentManager::writeDocument(DocumentWindow *document, const QString &path)
{
    try {
        if (document->editor()->saveFile(path))
            reportSavedAsUtf8(path);
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
        return false;
    }
    emit documentSaved(document, path);
    return true;
}

bool DocumentManager::save(DocumentWindow *document)
{
    const std::optional<QString> target = checkedSaveTarget(document);
    if (!target || !ProgramFolder::ensureFolder(ProgramFile::ProjectFolder))
        return false;
    return writeDocument(document, *target);
}

bool DocumentManager::saveAs(DocumentWindow *document)
{
    const QString path = askSavePath(document->windowTitle());
    return !path.isEmpty() && writeDocument(document, path);
}

bool DocumentManager::saveAll()
{
    if (!ProgramFolder::ensureFolder(ProgramFile::ProjectFolder))
        return false;
    for (DocumentWindow *document : documents()) {
        const std::optional<QString> target = checkedSaveTarget(document);
        if (!target || !writeDocument(document, *target))
            return false; // the first failure stops the command
    }
    return true;
}

void DocumentManager::warnAboutNulBytes(const QString &caption)
{
    // A text file holds no NUL bytes; a binary or UTF-16 file without a byte-order mark does, and
    // a plain save would change every one of them.
    QMessageBox::warning(m_dialogParent, m_dialogParent->window()->windowTitle(),
                         QStringLiteral("Soubor %1 obsahuje nulové bajty (NUL), které textový soubor nemá "
                                        "(binární soubor nebo jiné kódování).\n"
                                        "Každý z nich ukončuje řádek; uložením se nahradí konci řádků.").arg(caption));
}

void DocumentManager::warnAboutMalformedCharacters(const QString &caption)
{
    // A lone half of a surrogate pair or a byte left over cannot be held by the text: told now, not
    // found out after a save has replaced it.
    QMessageBox::warning(m_dialogParent, m_dialogParent->window()->windowTitle(),
                         QStringLiteral("Soubor %1 obsahuje bajty, které v jeho kódování (UTF-16 nebo UTF-32) "
                                        "netvoří platné znaky.\n"
                                        "Každé takové místo je zobrazeno jako znak \uFFFD; uložením se jím nahradí.")
                             .arg(caption));
}

void DocumentManager::reportSavedAsUtf8(const QString &path)
{
    QMessageBox::information(m_dialogParent, m_dialogParent->window()->windowTitle(),
                             QStringLiteral("Dokument obsahuje znaky, které kódování windows-1250 neumí zapsat.\n"
                                            "Soubor %1 byl proto uložen v kódování UTF-8.").arg(path));
}

// ---- closing ----------------------------------------------------------------------------------

bool DocumentManager::confirmClose(DocumentWindow *document, const QString &question)
{
    if (!document->editor()->isModified() || document->isCloseConfirmed())
        return true;
    switch (askToSaveChanges(m_dialogParent, question)) {
    case SaveAnswer::Keep:
        return false;
    case SaveAnswer::Save: {
        const QString path = askSavePath(QString());
        // A cancelled save dialog keeps the window and its text; so does a failed write.
        if (path.isEmpty() || !writeDocument(document, path))
            return false;
        break;
    }
    case SaveAnswer::Discard:
        break;
    }
    document->setCloseConfirmed();
    return true;
}

bool DocumentManager::close(DocumentWindow *document)
{
    if (!confirmClose(document, kSaveQuestion))
        return false;
    if (QMdiSubWindow *window = frameOf(document))
        window->close();
    return true;
}

bool DocumentManager::closeInOrder(const std::function<QString(const DocumentWindow *)> &questionFor)
{
    for (DocumentWindow *document : documents()) {
        if (!confirmClose(document, questionFor(document)))
            return false;
        if (QMdiSubWindow *window = frameOf(document))
            window->close();
    }
    return m_area->subWindowList().isEmpty();
}

bool DocumentManager::closeAll()
{
    return closeInOrder([](const DocumentWindow *document) {
        return QStringLiteral("Chcete uložit změny provedené v souboru\n%1?").arg(document->windowTitle());
    });
}

bool DocumentManager::closeAllForExit()
{
    return closeInOrder([](const DocumentWindow *) { return kSaveQuestion; });
}

// ---- file dialogs -----------------------------------------------------------------------------

QString DocumentManager::askOpenPath()
{
    const QString path = runFileDialog(m_dialogParent, QFileDialog::AcceptOpen, m_lastOpenPath, &m_lastOpenFilter);
    if (!path.isEmpty())
        m_lastOpenPath = path;
    return path;
}

QString DocumentManager::askSavePath(const QString &suggestedName)
{
    const QString start = suggestedName.isEmpty() ? m_lastSavePath : suggestedName;
    const QString path = runFileDialog(m_dialogParent, QFileDialog::AcceptSave, start, &m_lastSaveFilter);
    if (!path.isEmpty())
        m_lastSavePath = path;
    return path;
}
