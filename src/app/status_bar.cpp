#include "app/status_bar.h"

#include "base/hint_text.h"
#include "app/status_texts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

VelinorStatusBar::VelinorStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    setMouseTracking(true);
    // Small enough that the longest texts ("NEZMĚNĚNO", "OVERWRITE") fit their fixed-width panels.
    QFont small = font();
    small.setPointSize(8);
    small.setStretch(QFont::SemiCondensed);
    setFont(small);
    m_texts = {QStringLiteral("0:0/0:0"), QString::fromUtf8(kStateUnmodified), QStringLiteral("HTML dokument"),
               QString::fromUtf8(kModeInsert), QString()};
    m_bold = {false, false, false, false, true};
    setMinimumHeight(fontMetrics().height() + 8);
}

void VelinorStatusBar::setPanel(Panel panel, const QString &text, bool bold)
{
    if (m_texts[panel] == text && m_bold[panel] == bold)
        return;
    m_texts[panel] = text;
    m_bold[panel] = bold;
    update(panelRect(panel));
}

QRect VelinorStatusBar::panelRect(Panel panel) const
{
    const int left = statusPanelLeft(panel);
    const int width = panel == Hint ? std::max(0, this->width() - left) : kStatusPanelWidths[size_t(panel)];
    return QRect(left, 0, width, height());
}

void VelinorStatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    for (int i = Position; i <= Hint; ++i) {
        const QRect rect = panelRect(Panel(i)).adjusted(0, 1, -2, -1);
        qDrawShadePanel(&painter, rect, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        if (m_bold[size_t(i)]) {
            // Owner-drawn panels: bold, 2 px right of and 4 px below the panel's corner.
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(rect.adjusted(2, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_texts[size_t(i)]);
        } else {
            painter.setFont(font());
            const Qt::Alignment align = (i == State || i == Hint) ? Qt::AlignLeft : Qt::AlignHCenter;
            painter.drawText(rect.adjusted(2, 0, -2, 0), align | Qt::AlignVCenter, m_texts[size_t(i)]);
        }
    }
}

void VelinorStatusBar::mouseMoveEvent(QMouseEvent *event)
{
    const QString texts[4] = {m_texts[0], m_texts[1], m_texts[2], m_texts[3]};
    const StatusBarHint hint = statusBarHintAt(int(event->position().x()), texts);
    const HintParts parts = splitHint(hint.hint);
    setToolTip(parts.shortText); // assigned directly, without showing the tool tip again
    emit hintChanged(parts.longText);
    QStatusBar::mouseMoveEvent(event);
}

void VelinorStatusBar::leaveEvent(QEvent *event)
{
    emit hintChanged(QString());
    QStatusBar::leaveEvent(event);
}

void VelinorStatusBar::mousePressEvent(QMouseEvent *event)
{
    if (statusBarPressTogglesMode(int(event->position().x())))
        emit modePanelPressed();
    QStatusBar::mousePressEvent(event);
}
