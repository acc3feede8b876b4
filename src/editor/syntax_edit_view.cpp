// SyntaxEdit: highlighting and the view (gutter, font, columns, right margin, non-printable marks).
#include "editor/syntax_edit.h"

#include "editor/line_end_marks.h"
#include "editor/syntax_edit_private.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kGutterWidthWithoutNumbers = 16;
} // namespace

// ---- highlighting -------------------------------------------------------------------------------

void SyntaxEdit::setHighlighter(Highlighter highlighter)
{
    m_highlighter = highlighter;
    // Setting a lexer styles the whole text at once; the one already set styles text as it shows.
    if (lexer() != m_lexers[int(highlighter)])
        setLexer(m_lexers[int(highlighter)]);
    updateGutter();
}

void SyntaxEdit::setHtmlTokenColours(HtmlTokenClass tokenClass, const std::optional<Rgb> &background,
                                     const std::optional<Rgb> &foreground)
{
    ::setHtmlTokenColours(m_lexers[int(Highlighter::Html)], tokenClass, background, foreground);
}

// ---- view ---------------------------------------------------------------------------------------

void SyntaxEdit::setNonPrintableVisible(bool visible)
{
    m_nonPrintableVisible = visible;
    setWhitespaceVisibility(visible ? WsVisible : WsInvisible);
    // The component's own line-end marks would say "LF" for every document: paintEvent marks the
    // document's own line break instead.
    setEolVisibility(false);
    viewport()->update();
    emit statusChanged();
}

void SyntaxEdit::setLineNumbersVisible(bool visible)
{
    m_lineNumbersVisible = visible;
    updateGutter();
}

void SyntaxEdit::setGutterVisible(bool visible)
{
    m_gutterVisible = visible;
    updateGutter();
}

void SyntaxEdit::updateGutter()
{
    setMarginWidth(kBookmarkMargin, m_gutterVisible && hasBookmarks() ? kGutterWidthWithoutNumbers : 0);
    if (!m_gutterVisible) {
        setMarginWidth(kLineNumberMargin, 0);
        return;
    }
    setMarginType(kLineNumberMargin, m_lineNumbersVisible ? NumberMargin : SymbolMargin);
    const int width = m_lineNumbersVisible
                          ? int(SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_LINENUMBER), "00000"))
                          : kGutterWidthWithoutNumbers;
    setMarginWidth(kLineNumberMargin, width);
}

int SyntaxEdit::gutterWidth() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    int width = 0;
    for (int margin = 0; margin < 5; ++margin)
        width += int(self->SendScintilla(SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
    return width;
}

void SyntaxEdit::setEditorFont(const QFont &requested)
{
    // The component sizes fonts by points only.
    QFont font = requested;
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / std::max(1, logicalDpiY()));
    m_font = font;
    setFont(font);
    for (int i = 0; i < kHighlighterCount; ++i)
        applyHighlighterFont(m_lexers[i], static_cast<Highlighter>(i), font);
    if (lexer())
        setLexer(lexer()); // re-applies the styles of the current highlighter
    updateGutter();
}

double SyntaxEdit::characterWidth() const
{
    // A single character's width is rounded down; a long run gives the true advance.
    static const QByteArray run(100, 'M');
    auto *self = const_cast<SyntaxEdit *>(this);
    const long width = self->SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_DEFAULT), run.constData());
    return std::max(1.0, double(width) / run.size());
}

int SyntaxEdit::firstVisibleColumn() const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    return int(std::lround(double(self->SendScintilla(SCI_GETXOFFSET)) / characterWidth())) + 1;
}

int SyntaxEdit::visibleColumns() const
{
    const int textWidth = viewport()->width() - gutterWidth() - kTextMargin;
    return std::max(0, int(textWidth / characterWidth()));
}

int SyntaxEdit::columnAtX(int x) const
{
    auto *self = const_cast<SyntaxEdit *>(this);
    const double fromTextStart = x - gutterWidth() - kTextMargin + double(self->SendScintilla(SCI_GETXOFFSET));
    return std::max(1, int(std::lround(fromTextStart / characterWidth())) + 1);
}

void SyntaxEdit::setRightMargin(int column)
{
    setEdgeColumn(column);
}

int SyntaxEdit::rightMargin() const
{
    return edgeColumn();
}

bool SyntaxEdit::isOverwriteMode() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_GETOVERTYPE) != 0;
}

void SyntaxEdit::paintEvent(QPaintEvent *event)
{
    QsciScintilla::paintEvent(event);
    if (!m_nonPrintableVisible)
        return;
    QPainter painter(viewport());
    painter.setFont(m_font);
    paintLineEndMarks(*this, painter, lineEndMark(m_lineBreak));
}
