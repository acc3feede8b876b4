#pragma once

#include "editor/document_language.h"

#include <QWidget>

#include <array>

class CompletionPopup;
class QAction;
class QMenu;
class QTimer;
class Ruler;
class SyntaxEdit;
class TMainForm;

// A document window: the ruler above the editor, its pop-up menu with the language switch, the
// tag-completion list, and the close check.
class TChildForm : public QWidget
{
    Q_OBJECT

public:
    explicit TChildForm(TMainForm *mainForm, QWidget *parent = nullptr);

    SyntaxEdit *editor() const { return m_editor; }
    Ruler *ruler() const { return m_ruler; }
    QMenu *popupMenu() const { return m_popup; }

    // Applies the settings of setup/setup.ini (ruler, non-printable characters, line numbers,
    // HTML colours) and rewrites the status bar; run once when the window is first shown.
    void FormShow();

    // The language switch of the pop-up menu.
    void switchLanguage(DocumentLanguage language);
    QAction *languageAction(DocumentLanguage language) const { return m_languageActions[size_t(language)]; }

    // Opens the tag-completion list for the word before the caret.
    void showCompletionList();
    CompletionPopup *completionPopup() const { return m_completionPopup; }

    // The close check: false keeps the window open.
    bool FormCloseQuery();
    // The user has already been asked about this window's changes (Close, Close all).
    void setCloseConfirmed() { m_closeConfirmed = true; }

signals:
    void completionListShown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void SyntaxEditStatusChange();
    void buildPopupMenu();
    void completionChosen(const QString &row);
    void releaseMenuShortcuts();

    TMainForm *m_mainForm;
    SyntaxEdit *m_editor;
    Ruler *m_ruler;
    QMenu *m_popup = nullptr;
    QTimer *m_completionTimer;
    CompletionPopup *m_completionPopup = nullptr;
    std::array<QAction *, kDocumentLanguageCount> m_languageActions{};
    bool m_shown = false;
    bool m_closeConfirmed = false;
};
