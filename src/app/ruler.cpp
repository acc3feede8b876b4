#include "app/ruler.h"

#include "editor/ruler_ticks.h"
#include "editor/syntax_edit.h"

#include <QMouseEvent>
#include <QPainter>

Ruler::Ruler(SyntaxEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("RullerBar"));
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(11);
    setFont(font);
}

int Ruler::textLeft() const
{
    // The ruler and the editor share their left edge.
    return m_editor->viewport()->x() + m_editor->gutterWidth() + SyntaxEdit::kTextMargin;
}

void Ruler::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setFont(font());
    const int bottom = height() - 1;
    const QFontMetrics metrics(font());
    for (const RulerTick &tick : rulerTicks(textLeft(), m_editor->characterWidth(), m_editor->firstVisibleColumn(),
                                            m_editor->visibleColumns())) {
        if (tick.numbered) {
            const QString label = QString::number(tick.n);
            painter.drawText(rulerLabelLeft(tick.x, metrics.horizontalAdvance(label)), metrics.ascent(), label);
        }
        painter.drawLine(tick.x, bottom - tick.length, tick.x, bottom - 1);
    }
}

void Ruler::mousePressEvent(QMouseEvent *event)
{
    const int x = int(event->position().x()) - m_editor->viewport()->x();
    m_editor->setRightMargin(rightMarginForClick(m_editor->columnAtX(x)));
    m_editor->viewport()->update();
}
