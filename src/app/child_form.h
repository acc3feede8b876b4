#pragma once

#include "core/document_window.h"

#include <QKeySequence>
#include <QList>

#include <array>

class CompletionPopup;
class QAction;
class QMenu;
class QTimer;
class Ruler;
class CommandRegistry;
class SyntaxEdit;

// The main window's document window: the ruler above the editor, its pop-up menu with the language
// switch, and the tag-completion list. It reports what changed through its signals; the document
// manager decides what closing it means.
class TChildForm : public DocumentWindow
{
    Q_OBJECT

public:
    // The pop-up menu runs the registry's commands with this window as their target. Where a menu
    // shortcut and a key of the editor coincide, the menu wins.
    TChildForm(const CommandRegistry &commands, const QList<QKeySequence> &menuShortcuts, QWidget *parent = nullptr);

    SyntaxEdit *editor() const override { return m_editor; }
    Ruler *ruler() const { return m_ruler; }
    QMenu *popupMenu() const { return m_popup; }

    // Applies the settings of setup/setup.ini (ruler, non-printable characters, line numbers,
    // HTML colours) and reports its status; run once when the window is first shown.
    void FormShow();

    // The view switches of the window; each change is reported by viewChanged.
    bool lineNumbersShown() const;
    void setLineNumbersShown(bool shown);
    bool rulerShown() const;
    void setRulerShown(bool shown);
    bool nonPrintableShown() const;
    void setNonPrintableShown(bool shown);

    // The language switch of the pop-up menu.
    void switchLanguage(DocumentLanguage language);
    QAction *languageAction(DocumentLanguage language) const { return m_languageActions[size_t(language)]; }

    // Opens the tag-completion list for the word before the caret.
    void showCompletionList();
    CompletionPopup *completionPopup() const { return m_completionPopup; }

signals:
    void completionListShown();
    void viewChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SyntaxEditStatusChange();
    void buildPopupMenu();
    void completionChosen(const QString &row);
    void releaseMenuShortcuts(const QList<QKeySequence> &menuShortcuts);

    const CommandRegistry &m_commands;
    SyntaxEdit *m_editor;
    Ruler *m_ruler;
    QMenu *m_popup = nullptr;
    QTimer *m_completionTimer;
    CompletionPopup *m_completionPopup = nullptr;
    std::array<QAction *, kDocumentLanguageCount> m_languageActions{};
    bool m_shown = false;
};
