#pragma once

#include "editor/document_language.h"

#include <QWidget>

#include <functional>

class SyntaxEdit;

// A document window as the subsystems see it: its editor, its caption (the window title), what it
// reports through its signals, and the close check the document manager gives it. The main window
// makes the windows (TChildForm) and hands the document manager a factory for them.
class DocumentWindow : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual SyntaxEdit *editor() const = 0;

    // The close check: false keeps the window open. Without a check of its own set, it closes.
    bool FormCloseQuery();
    void setCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }
    // The user has already been asked about this window's changes (Close, Close all).
    void setCloseConfirmed() { m_closeConfirmed = true; }
    bool isCloseConfirmed() const { return m_closeConfirmed; }

signals:
    // The caret, the text or the modified state changed (and once when the window is first shown).
    void statusChanged();
    void languageChanged(DocumentLanguage language);
    // The Insert key toggled the editor's insert mode.
    void insertKeyPressed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<bool()> m_closeCheck;
    bool m_closeConfirmed = false;
};
