#include "app/status_bar_observer.h"

#include "app/status_bar.h"
#include "app/status_texts.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"

void observeDocuments(VelinorStatusBar *bar, DocumentManager *documents)
{
    QObject::connect(documents, &DocumentManager::documentStatusChanged, bar, [bar](DocumentWindow *document) {
        const SyntaxEdit *editor = document->editor();
        bar->setPanel(VelinorStatusBar::Position,
                      statusPositionText(editor->caret(), editor->lineCount(), editor->statusLength()));
        if (editor->isModified())
            bar->setPanel(VelinorStatusBar::State, QString::fromUtf8(kStateModified), true);
        else
            bar->setPanel(VelinorStatusBar::State, QString::fromUtf8(kStateUnmodified), false);
    });
    QObject::connect(documents, &DocumentManager::languageShown, bar, [bar](const QString &text, bool unknownKind) {
        bar->setPanel(VelinorStatusBar::Language, text, unknownKind);
    });
    QObject::connect(documents, &DocumentManager::insertKeyPressed, bar, [bar] {
        const bool insert = bar->panelText(VelinorStatusBar::Mode) == QString::fromUtf8(kModeInsert);
        bar->setPanel(VelinorStatusBar::Mode, QString::fromUtf8(insert ? kModeOverwrite : kModeInsert));
    });
}
