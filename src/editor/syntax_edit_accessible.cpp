#include "editor/syntax_edit_accessible.h"

#include "editor/syntax_edit.h"

#include <QAccessible>

namespace {

constexpr unsigned long kUtf32Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32;

QAccessibleInterface *syntaxEditInterface(const QString &, QObject *object)
{
    if (auto *editor = qobject_cast<SyntaxEdit *>(object))
        return new SyntaxEditAccessible(editor);
    return nullptr;
}

} // namespace

SyntaxEditAccessible::SyntaxEditAccessible(SyntaxEdit *editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{
}

void SyntaxEditAccessible::install()
{
    // Factories installed later are asked first, so this one answers before the component's own.
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(syntaxEditInterface);
        installed = true;
    }
}

SyntaxEdit *SyntaxEditAccessible::editor() const
{
    return static_cast<SyntaxEdit *>(widget());
}

void *SyntaxEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int SyntaxEditAccessible::offsetOf(long position) const
{
    SyntaxEdit *e = editor();
    const long line = e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long lineStart = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long before = e->SendScintilla(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf32Index);
    return int(before + e->SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, static_cast<unsigned long>(lineStart), position));
}

long SyntaxEditAccessible::positionOf(int offset) const
{
    SyntaxEdit *e = editor();
    const int clamped = std::clamp(offset, 0, characterCount());
    const long line = e->SendScintilla(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(clamped), kUtf32Index);
    const long lineStart = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long before = e->SendScintilla(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf32Index);
    return e->SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, static_cast<unsigned long>(lineStart), long(clamped - before));
}

void SyntaxEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !editor()->hasSelectedText())
        return;
    *startOffset = offsetOf(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART));
    *endOffset = offsetOf(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND));
}

int SyntaxEditAccessible::selectionCount() const
{
    return editor()->hasSelectedText() ? 1 : 0;
}

void SyntaxEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void SyntaxEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        editor()->SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION,
                                static_cast<unsigned long>(editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
}

void SyntaxEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        editor()->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(positionOf(startOffset)),
                                positionOf(endOffset));
}

int SyntaxEditAccessible::cursorPosition() const
{
    return offsetOf(editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

void SyntaxEditAccessible::setCursorPosition(int position)
{
    editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(positionOf(position)));
}

QString SyntaxEditAccessible::text(int startOffset, int endOffset) const
{
    const long start = positionOf(startOffset);
    const long end = positionOf(endOffset);
    if (end <= start)
        return {};
    const char *data = reinterpret_cast<const char *>(editor()->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    return QString::fromUtf8(data, end - start);
}

int SyntaxEditAccessible::characterCount() const
{
    SyntaxEdit *e = editor();
    const long lines = e->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    const long lastStart = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lines - 1));
    return int(e->SendScintilla(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(lines - 1), kUtf32Index)
               + e->SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, static_cast<unsigned long>(lastStart),
                                  e->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)));
}

QRect SyntaxEditAccessible::characterRect(int offset) const
{
    SyntaxEdit *e = editor();
    const long position = positionOf(offset);
    const int x = int(e->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position));
    const int y = int(e->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position));
    const int height = int(e->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL));
    QRect rect(x, y, int(e->characterWidth()), height);
    rect.moveTo(e->viewport()->mapToGlobal(rect.topLeft()));
    return rect;
}

int SyntaxEditAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = editor()->viewport()->mapFromGlobal(point);
    const long position = editor()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                                  static_cast<unsigned long>(local.x()), long(local.y()));
    return position < 0 ? -1 : offsetOf(position);
}

void SyntaxEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    editor()->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, static_cast<unsigned long>(positionOf(endIndex)),
                            positionOf(startIndex));
}

QString SyntaxEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

void SyntaxEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void SyntaxEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void SyntaxEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    SyntaxEdit *e = editor();
    const QByteArray utf8 = text.toUtf8();
    e->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(positionOf(startOffset)),
                     positionOf(endOffset));
    e->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
}
