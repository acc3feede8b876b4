#include "app/child_form.h"

#include "app/completion_list.h"
#include "app/completion_popup.h"
#include "app/layout_records.h"
#include "app/main_form.h"
#include "app/main_window_builder.h"
#include "app/ruler.h"
#include "app/save_question.h"
#include "app/settings.h"
#include "app/startup_document.h"
#include "base/text_file.h"
#include "base/velinor_error.h"
#include "app/command_registry.h"
#include "editor/syntax_edit.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

TChildForm::TChildForm(TMainForm *mainForm, QWidget *parent) : QWidget(parent), m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("TChildForm"));
    setWindowTitle(QStringLiteral("Novy1.html"));
    m_editor = new SyntaxEdit(this);
    m_editor->setObjectName(QStringLiteral("SyntaxEdit"));
    m_ruler = new Ruler(m_editor, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_ruler);
    layout->addWidget(m_editor);

    m_editor->setText(startupDocumentLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    m_editor->clearModified();

    connect(m_editor, &SyntaxEdit::statusChanged, this, &TChildForm::SyntaxEditStatusChange);
    connect(m_editor, &SyntaxEdit::keyPressed, this, [this](QKeyEvent *event) {
        if (event->key() == Qt::Key_Insert)
            m_mainForm->flipModePanel();
    });

    buildPopupMenu();
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->popup(m_editor->mapToGlobal(pos)); });

    // The completion list: Ctrl+Space, or by itself half a second after a "." is typed.
    m_completionTimer = new QTimer(this);
    m_completionTimer->setSingleShot(true);
    m_completionTimer->setInterval(500);
    connect(m_completionTimer, &QTimer::timeout, this, &TChildForm::showCompletionList);
    connect(m_editor, &QsciScintillaBase::SCN_CHARADDED, this, [this](int character) {
        if (character == '.')
            m_completionTimer->start();
    });
    if (QsciCommand *command = m_editor->standardCommands()->boundTo(QKeySequence(Qt::CTRL | Qt::Key_Space)[0].toCombined()))
        command->setKey(0);
    auto *completionShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), m_editor);
    completionShortcut->setContext(Qt::WidgetShortcut);
    connect(completionShortcut, &QShortcut::activated, this, &TChildForm::showCompletionList);
    releaseMenuShortcuts();
}

void TChildForm::releaseMenuShortcuts()
{
    // Where a menu shortcut and a key of the editor coincide, the menu wins.
    for (const QKeySequence &sequence : m_mainForm->menuShortcuts()) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        while (QsciCommand *command = m_editor->standardCommands()->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            if (command->alternateKey() == key)
                command->setAlternateKey(0);
        }
    }
}

void TChildForm::buildPopupMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu_Child"));
    MainWindowBuilder builder(m_mainForm->commands(), this);
    builder.fillMenu(m_popup, documentPopupLayout());
    // The delete item and the language switch act on this window itself.
    if (QAction *remove = m_popup->findChild<QAction *>(QStringLiteral("Smazat_PopUpMenu"))) {
        remove->setEnabled(true);
        disconnect(remove, nullptr, nullptr, nullptr);
        connect(remove, &QAction::triggered, this, [this] { m_editor->insert(QString()); });
    }
    if (QMenu *switchMenu = m_popup->findChild<QMenu *>(QStringLiteral("Zmenasyntaxe_PopUpMenu"))) {
        const QList<QAction *> actions = switchMenu->actions();
        for (int i = 0; i < kDocumentLanguageCount && i < actions.size(); ++i) {
            QAction *action = actions.at(i);
            const auto language = DocumentLanguage(i);
            m_languageActions[size_t(i)] = action;
            action->setCheckable(true);
            action->setChecked(language == DocumentLanguage::Html);
            action->setEnabled(true);
            disconnect(action, nullptr, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, language] { switchLanguage(language); });
        }
    }
}

void TChildForm::switchLanguage(DocumentLanguage language)
{
    for (int i = 0; i < kDocumentLanguageCount; ++i)
        if (QAction *action = m_languageActions[size_t(i)])
            action->setChecked(i == int(language));
    m_editor->setHighlighter(highlighterOf(language));
    m_mainForm->setLanguagePanel(languagePanelText(language), false);
}

void TChildForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TChildForm::FormShow()
{
    if (const auto settings = Settings::open()) {
        m_ruler->setVisible(settings->readBool(Settings::kRuler, true));
        m_editor->setNonPrintableVisible(settings->readBool(Settings::kNonPrintable, true));
        m_editor->setLineNumbersVisible(settings->readBool(Settings::kLineNumbers, true));
        for (int i = 0; i < kHtmlTokenClassCount; ++i) {
            const auto tokenClass = HtmlTokenClass(i);
            m_editor->setHtmlTokenColours(tokenClass, settings->htmlColour(tokenClass, Settings::Side::Background),
                                          settings->htmlColour(tokenClass, Settings::Side::Foreground));
        }
    }
    m_mainForm->AktualizujStavovyRadek(this);
}

void TChildForm::SyntaxEditStatusChange()
{
    m_ruler->update();
    m_mainForm->AktualizujStavovyRadek(this);
}

void TChildForm::showCompletionList()
{
    if (!m_completionPopup) { // made when first needed
        m_completionPopup = new CompletionPopup(m_editor);
        connect(m_completionPopup, &CompletionPopup::chosen, this, &TChildForm::completionChosen);
    }
    if (m_completionPopup->open())
        emit completionListShown();
}

void TChildForm::completionChosen(const QString &row)
{
    const auto insertText = completionInsertText(row);
    if (!insertText)
        return;
    // The typed word is replaced by the entry, as one undo step.
    const int line = m_editor->caretLine();
    const int start = completionReplaceStart(m_editor->line(line - 1), m_editor->caretColumn(), *insertText);
    m_editor->select({line, start}, {line, m_editor->caretColumn()});
    m_editor->insert(*insertText);
}

bool TChildForm::FormCloseQuery()
{
    if (!m_editor->isModified() || m_closeConfirmed)
        return true;
    switch (askToSaveChanges(this, QStringLiteral("Uložit změny provedené v souboru?"))) {
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Keep: return false;
    case SaveAnswer::Save: break;
    }
    const QString path = m_mainForm->askSavePath(QString());
    if (path.isEmpty())
        return false; // the save was cancelled: keep the window and its text
    try {
        if (m_editor->saveFile(path))
            m_mainForm->reportSavedAsUtf8(path);
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
        return false;
    }
    return true;
}

void TChildForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
