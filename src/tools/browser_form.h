#pragma once

#include "tools/preview_window.h"

#include <QDialog>

class PreviewScheme;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTimer;
class QToolButton;
class QWebEngineView;

// The page preview: a browser view with its address, history, reload and stop buttons, three preset
// window sizes, and "Aktuální dokument", which shows the active document's unsaved text and then
// follows it as it is typed and saved.
class TBrowser_Form : public QDialog, public PreviewWindow
{
    Q_OBJECT

public:
    TBrowser_Form(QWidget *parent, ActivePage activePage);
    ~TBrowser_Form() override;

    QDialog *dialog() override { return this; }
    void setDocumentAvailable(bool available) override;
    void activeWindowChanged() override;

    // Navigates to an address exactly as typed; an empty address shows an empty page.
    void navigate(const QString &address);
    // The address "Najít" puts in the edit for a chosen file.
    static QString fileAddress(const QString &path);

    void ToolButton_NajitClick();
    void ToolButton_EnterClick();
    void ToolButton_AktualniClick();
    void ToolButton_640Click();
    void ToolButton_800Click();
    void ToolButton_1024Click();

    // How long typing must pause before the followed document is shown again.
    static constexpr int kRefreshDelayMs = 400;
    // Whether the followed document is due to be shown again once the pause has passed.
    bool refreshPending() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QToolButton *toolButton(const char *name, const QString &caption, const QString &hint, const char *icon);
    // The window's size with the window manager's frame.
    void fitOuterSize(const QSize &outer);
    // A size button's size, named in the caption.
    void setOuterSize(int width, int height);
    // Once, as soon as the frame is known.
    void openAtOuterSize();
    void updateCommandStates();
    void showActiveDocument();
    // Another page is shown: the document's changes no longer pull it back.
    void stopFollowingDocument();

    ActivePage m_activePage;
    bool m_busy = false;
    bool m_followsDocument = false;
    bool m_openedAtOuterSize = false;
    // What "Aktuální dokument" last showed: a pause without a change in the text reloads nothing.
    std::optional<PreviewDocument> m_shownDocument;
    QTimer *m_refreshTimer;
    PreviewScheme *m_scheme;
    QWebEngineView *WebBrowser;
    QToolButton *ToolButton_Stop;
    QToolButton *ToolButton_Refresh;
    QToolButton *ToolButton_Najit;
    QToolButton *ToolButton_Aktualni;
    QToolButton *ToolButton_Previous;
    QToolButton *ToolButton_Next;
    QLabel *Adresa_Label;
    QLineEdit *Adresa_Edit;
    QToolButton *ToolButton_Enter;
    QToolButton *ToolButton_640;
    QToolButton *ToolButton_800;
    QToolButton *ToolButton_1024;
    QStatusBar *StatusBar;
};
