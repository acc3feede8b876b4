#include "app/child_form.h"

#include "app/completion_list.h"
#include "app/completion_popup.h"
#include "app/layout_records.h"
#include "app/main_window_builder.h"
#include "app/ruler.h"
#include "app/settings.h"
#include "app/startup_document.h"
#include "core/command_registry.h"
#include "editor/syntax_edit.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

TChildForm::TChildForm(const CommandRegistry &commands, const QList<QKeySequence> &menuShortcuts, QWidget *parent)
    : DocumentWindow(parent), m_commands(commands)
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
            emit insertKeyPressed();
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
    releaseMenuShortcuts(menuShortcuts);
}

void TChildForm::releaseMenuShortcuts(const QList<QKeySequence> &menuShortcuts)
{
    // Where a menu shortcut and a key of the editor coincide, the menu wins.
    for (const QKeySequence &sequence : menuShortcuts) {
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
    // Its items act on this window, whichever document is active.
    MainWindowBuilder builder(m_commands, this, [this] {
        CommandContext context = m_commands.currentContext();
        context.window = this;
        return context;
    });
    builder.fillMenu(m_popup, documentPopupLayout());
    // "&Smazat" deletes the selection: without one there is nothing for it to do.
    for (QAction *remove : m_popup->actions())
        if (remove->objectName() == QLatin1String("Smazat_PopUpMenu"))
            connect(m_popup, &QMenu::aboutToShow, remove, [this, remove] { remove->setEnabled(m_editor->hasSelection()); });
    if (QMenu *switchMenu = m_popup->findChild<QMenu *>(QStringLiteral("Zmenasyntaxe_PopUpMenu"))) {
        const QList<QAction *> actions = switchMenu->actions();
        for (int i = 0; i < kDocumentLanguageCount && i < actions.size(); ++i)
            m_languageActions[size_t(i)] = actions.at(i);
    }
}

void TChildForm::switchLanguage(DocumentLanguage language)
{
    for (int i = 0; i < kDocumentLanguageCount; ++i)
        if (QAction *action = m_languageActions[size_t(i)])
            action->setChecked(i == int(language));
    m_editor->setHighlighter(highlighterOf(language));
    emit languageChanged(language);
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
        setRulerShown(settings->read(Setting::Ruler));
        setNonPrintableShown(settings->read(Setting::NonPrintable));
        setLineNumbersShown(settings->read(Setting::LineNumbers));
        for (int i = 0; i < kHtmlTokenClassCount; ++i) {
            const auto tokenClass = HtmlTokenClass(i);
            m_editor->setHtmlTokenColours(tokenClass, settings->htmlColour(tokenClass, ColourSide::Background),
                                          settings->htmlColour(tokenClass, ColourSide::Foreground));
        }
    }
    emit statusChanged();
}

bool TChildForm::lineNumbersShown() const
{
    return m_editor->lineNumbersVisible();
}

void TChildForm::setLineNumbersShown(bool shown)
{
    m_editor->setLineNumbersVisible(shown);
    m_ruler->update(); // the gutter's width moves the ruler's ticks
    emit viewChanged();
}

bool TChildForm::rulerShown() const
{
    return !m_ruler->isHidden();
}

void TChildForm::setRulerShown(bool shown)
{
    m_ruler->setVisible(shown);
    emit viewChanged();
}

bool TChildForm::nonPrintableShown() const
{
    return m_editor->nonPrintableVisible();
}

void TChildForm::setNonPrintableShown(bool shown)
{
    m_editor->setNonPrintableVisible(shown);
    emit viewChanged();
}

void TChildForm::SyntaxEditStatusChange()
{
    m_ruler->update();
    emit statusChanged();
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

