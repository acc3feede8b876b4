#include "tools/preview_command.h"

#include "core/command_registry.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"
#include "tools/preview_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

// The library is looked for beside the program; once loaded it stays for the program's life.
CreatePreviewWindow previewFactory(QString *error)
{
    static CreatePreviewWindow factory = nullptr;
    if (factory)
        return factory;
    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/libvelinor_preview.so"));
    factory = reinterpret_cast<CreatePreviewWindow>(library.resolve(VELINOR_PREVIEW_FACTORY));
    if (!factory)
        *error = library.errorString();
    return factory;
}

// The active document's text and the file it is saved as (inside projekty/ until it has a path of its own).
std::optional<PreviewDocument> activePage(const DocumentManager *documents)
{
    const DocumentWindow *document = documents ? documents->activeWindow() : nullptr;
    if (!document)
        return std::nullopt;
    return PreviewDocument{document->editor()->text(),
                           QFileInfo(DocumentManager::captionPath(document->windowTitle())).absoluteFilePath()};
}

// Typing, saving, switching and closing documents all reach the preview; it decides what to redo.
void followDocuments(DocumentManager *documents, PreviewWindow *preview)
{
    QDialog *window = preview->dialog(); // every connection ends with the window
    auto changed = [documents, preview] {
        preview->setDocumentAvailable(documents->activeWindow() != nullptr);
        preview->activeWindowChanged();
    };
    // A closing document reports while it is being destroyed, and the frame picks the next active
    // one only afterwards: look again once that is done.
    auto changedLater = [window, changed] { QTimer::singleShot(0, window, changed); };
    QObject::connect(documents, &DocumentManager::documentStatusChanged, window, changed);
    QObject::connect(documents, &DocumentManager::documentSaved, window, changed);
    QObject::connect(documents, &DocumentManager::activeWindowChanged, window, changedLater);
    QObject::connect(documents, &DocumentManager::documentClosed, window, changedLater);
    changed();
}

void NahledHTMLstrankyClick(const CommandContext &context)
{
    QString error;
    CreatePreviewWindow create = previewFactory(&error);
    if (!create) {
        QMessageBox::warning(context.parent, QCoreApplication::applicationName(),
                             QStringLiteral("Náhled stránky nelze otevřít:\n%1").arg(error));
        return;
    }
    const QPointer<DocumentManager> documents = context.documents;
    PreviewWindow *preview = create(context.parent, [documents] { return activePage(documents); });
    if (documents)
        followDocuments(documents, preview);
    preview->dialog()->show();
}

} // namespace

void registerPreviewCommand(CommandRegistry &registry)
{
    registry.add(QStringLiteral("NahledHTMLstrankyClick"), CommandRegistry::Target::Optional, &NahledHTMLstrankyClick);
}
