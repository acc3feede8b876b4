#include "editor/line_end_marks.h"

#include <Qsci/qsciscintillabase.h>

#include <QPainter>
#include <QPainterPath>

QString lineEndMark(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CR:
        return QStringLiteral("CR");
    case LineBreak::LF:
        return QStringLiteral("LF");
    case LineBreak::CRLF:
        break;
    }
    return QStringLiteral("CR LF");
}

void paintLineEndMarks(QsciScintillaBase &editor, QPainter &painter, const QString &mark)
{
    using Sci = QsciScintillaBase;
    const long lines = editor.SendScintilla(Sci::SCI_GETLINECOUNT);
    const long first = editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long last = std::min(lines - 2, first + editor.SendScintilla(Sci::SCI_LINESONSCREEN) + 1);
    if (last < first)
        return;
    long margins = 0;
    for (unsigned long margin = 0; margin < 5; ++margin)
        margins += editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, margin);
    const QRect textArea = editor.viewport()->rect().adjusted(int(margins), 0, 0, 0);

    const long style = Sci::STYLE_DEFAULT;
    const auto colour = [](long bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); };
    const QColor ink = colour(editor.SendScintilla(Sci::SCI_STYLEGETFORE, static_cast<unsigned long>(style)));
    const QColor paper = colour(editor.SendScintilla(Sci::SCI_STYLEGETBACK, static_cast<unsigned long>(style)));
    const int lineHeight = int(editor.SendScintilla(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(first)));
    const int textWidth = painter.fontMetrics().horizontalAdvance(mark);

    painter.save();
    painter.setClipRect(textArea, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (long line = first; line <= last; ++line) {
        const long end = editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        const int x = int(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, end));
        const int y = int(editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, end));
        // Two pixels after the last character, so the caret standing there stays visible.
        const QRectF block(x + 2, y + 1, textWidth + 4, lineHeight - 2);
        if (block.right() < textArea.left() || block.left() > textArea.right())
            continue;
        QPainterPath shape;
        shape.addRoundedRect(block, 2, 2);
        painter.fillPath(shape, ink);
        painter.setPen(paper);
        painter.drawText(block, Qt::AlignCenter, mark);
    }
    painter.restore();
}
