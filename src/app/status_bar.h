#pragma once

#include <QStatusBar>

#include <array>

// The main window's status bar: five panels (position, state, language, mode, hint) drawn by the
// bar itself. Bold panels are drawn in the bar's font made bold.
// The panel widths come from kStatusPanelWidths (status_texts.h).
class VelinorStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    enum Panel { Position = 0, State = 1, Language = 2, Mode = 3, Hint = 4 };

    explicit VelinorStatusBar(QWidget *parent = nullptr);

    void setPanel(Panel panel, const QString &text, bool bold = false);
    QString panelText(Panel panel) const { return m_texts[panel]; }
    bool isPanelBold(Panel panel) const { return m_bold[panel]; }
    QRect panelRect(Panel panel) const;

signals:
    // A press on the mode panel: the owner toggles the insert mode.
    void modePanelPressed();
    // The long part of the hint for the position under the mouse (empty: none).
    void hintChanged(const QString &longHint);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    std::array<QString, 5> m_texts;
    std::array<bool, 5> m_bold{};
    int m_hintPanel = -2;
};
