// SyntaxEdit: the keys. The editor's own key table (editor_keys.h) in place of the component's
// stock editing keys, bookmarks, block indenting, trimming the spaces a key leaves at a line end,
// and paste.
#include "editor/syntax_edit.h"

#include "editor/syntax_edit_private.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

namespace {

constexpr int kBlockIndent = 2;

// The component's commands that change the text. Their stock keys are removed: the editor's own
// key table gives the keys that edit.
bool changesText(QsciCommand::Command command)
{
    switch (command) {
    case QsciCommand::LineDelete: case QsciCommand::LineCut: case QsciCommand::LineTranspose:
    case QsciCommand::LineDuplicate: case QsciCommand::SelectionDuplicate:
    case QsciCommand::SelectionLowerCase: case QsciCommand::SelectionUpperCase:
    case QsciCommand::DeleteWordLeft: case QsciCommand::DeleteWordRight: case QsciCommand::DeleteWordRightEnd:
    case QsciCommand::DeleteLineLeft: case QsciCommand::DeleteLineRight: case QsciCommand::SelectionCut:
    case QsciCommand::Paste: case QsciCommand::Undo: case QsciCommand::Redo: case QsciCommand::Delete:
    case QsciCommand::DeleteBack: case QsciCommand::DeleteBackNotLine: case QsciCommand::Tab:
    case QsciCommand::Backtab: case QsciCommand::Newline: case QsciCommand::Formfeed:
    case QsciCommand::MoveSelectedLinesUp: case QsciCommand::MoveSelectedLinesDown: case QsciCommand::ReverseLines:
        return true;
    default:
        return false;
    }
}

} // namespace

void SyntaxEdit::removeTextChangingStockKeys()
{
    for (QsciCommand *command : standardCommands()->commands()) {
        if (changesText(command->command())) {
            command->setKey(0);
            command->setAlternateKey(0);
        }
    }
}

void SyntaxEdit::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event);
    if (const EditorKeyBinding *binding = editorKeyBinding(*event)) {
        performKeyAction(*binding);
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int combined = event->keyCombination().toCombined() & ~int(Qt::KeypadModifier);
    if (chord && !event->text().isEmpty() && !standardCommands()->boundTo(combined)) {
        event->ignore(); // Ctrl+1 and the like type nothing
        return;
    }
    // A space typed at the end of a line is not stored: the caret moves into the free space after
    // the text, and a character typed there brings the spaces with it.
    if (event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::ShiftModifier) && !hasSelectedText()
        && !isListActive()) {
        const TextPosition at = caret();
        if (at.column > lineLengthInCharacters(at.line - 1)) {
            setCaretColumn(at.column + 1);
            event->accept();
            return;
        }
    }
    if (!chord && typeOnLongLine(*event)) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

void SyntaxEdit::performKeyAction(const EditorKeyBinding &binding)
{
    // Keys that write a line leave no spaces at its end, as typing does not.
    const auto trimCaretLine = [this] { trimTrailingSpaces(caret().line - 1); };
    // Undo and redo step through the history; everything else is one step of it.
    if (binding.action == EditorAction::Undo || binding.action == EditorAction::Redo) {
        binding.action == EditorAction::Undo ? undo() : redo();
        emit statusChanged();
        return;
    }
    beginUndoGroup();
    switch (binding.action) {
    case EditorAction::DeleteCharacter: SendScintilla(SCI_CLEAR); trimCaretLine(); break;
    case EditorAction::DeleteLastCharacter: SendScintilla(SCI_DELETEBACK); trimCaretLine(); break;
    case EditorAction::DeleteLine: SendScintilla(SCI_LINEDELETE); break;
    case EditorAction::DeleteToLineEnd: SendScintilla(SCI_DELLINERIGHT); trimCaretLine(); break;
    case EditorAction::DeleteWord: SendScintilla(SCI_DELWORDRIGHT); trimCaretLine(); break;
    case EditorAction::DeleteLastWord: SendScintilla(SCI_DELWORDLEFT); trimCaretLine(); break;
    case EditorAction::InsertLine:
        SendScintilla(SCI_INSERTTEXT, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)), "\n");
        trimCaretLine();
        break;
    case EditorAction::LineBreak:
        SendScintilla(SCI_NEWLINE);
        // The line left behind, and the new one when it holds only its indentation: the caret
        // then stands indented in the free space.
        trimTrailingSpaces(caret().line - 2);
        trimCaretLine();
        break;
    case EditorAction::Tab: SendScintilla(SCI_TAB); trimCaretLine(); break;
    case EditorAction::BackTab: SendScintilla(SCI_BACKTAB); break;
    case EditorAction::BlockIndent: indentSelectedLines(kBlockIndent); break;
    case EditorAction::BlockUnindent: indentSelectedLines(-kBlockIndent); break;
    case EditorAction::GoToBookmark: goToBookmark(binding.bookmark); break;
    case EditorAction::SetBookmark: setBookmark(binding.bookmark); break;
    case EditorAction::NormalSelection:
        SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_STREAM));
        SendScintilla(SCI_CANCEL); // caret keys move again instead of extending the selection
        break;
    case EditorAction::ColumnSelection:
        SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_RECTANGLE));
        break;
    case EditorAction::LineSelection: SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_LINES)); break;
    case EditorAction::MatchingBracket: {
        const long position = SendScintilla(SCI_GETCURRENTPOS);
        long match = SendScintilla(SCI_BRACEMATCH, static_cast<unsigned long>(position), 0L);
        if (match < 0 && position > 0)
            match = SendScintilla(SCI_BRACEMATCH, static_cast<unsigned long>(position - 1), 0L);
        if (match >= 0)
            SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(match));
        break;
    }
    case EditorAction::Undo:
    case EditorAction::Redo:
        break; // above
    case EditorAction::Cut: cut(); break;
    case EditorAction::Paste: paste(); break;
    }
    endUndoGroup();
    emit statusChanged();
}

void SyntaxEdit::trimTrailingSpaces(int line)
{
    if (line < 0 || line >= int(SendScintilla(SCI_GETLINECOUNT)))
        return;
    const QByteArray bytes = lineBytes(line);
    qsizetype kept = bytes.size();
    while (kept > 0 && bytes.at(kept - 1) == ' ')
        --kept;
    if (kept == bytes.size())
        return;
    const TextPosition at = caret();
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start + kept), static_cast<long>(start + bytes.size()));
    SendScintilla(SCI_REPLACETARGET, 0UL, "");
    if (at.line == line + 1)
        placeCaret(at.line, at.column);
}

void SyntaxEdit::indentSelectedLines(int columns)
{
    const long anchor = SendScintilla(SCI_GETANCHOR);
    const long current = SendScintilla(SCI_GETCURRENTPOS);
    const long first = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::min(anchor, current)));
    long last = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max(anchor, current)));
    // A selection that ends at the start of a line does not take that line along.
    if (last > first && SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(last)) == std::max(anchor, current))
        --last;
    beginUndoGroup();
    for (long line = first; line <= last; ++line) {
        if (lineBytes(int(line)).trimmed().isEmpty())
            continue; // indenting an empty line would only store spaces at its end
        const long indent = SendScintilla(SCI_GETLINEINDENTATION, static_cast<unsigned long>(line));
        SendScintilla(SCI_SETLINEINDENTATION, static_cast<unsigned long>(line), std::max(0L, indent + columns));
    }
    endUndoGroup();
}

bool SyntaxEdit::hasBookmarks() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_MARKERNEXT, 0UL, static_cast<long>(kBookmarkMask)) >= 0;
}

void SyntaxEdit::setBookmark(int bookmark)
{
    // Set on the line that already holds it, a bookmark is taken away.
    const unsigned long line = static_cast<unsigned long>(caret().line - 1);
    const bool here = SendScintilla(SCI_MARKERGET, line) & (1 << bookmark);
    SendScintilla(SCI_MARKERDELETEALL, static_cast<unsigned long>(bookmark));
    if (!here)
        SendScintilla(SCI_MARKERADD, line, static_cast<long>(bookmark));
    updateGutter();
}

void SyntaxEdit::goToBookmark(int bookmark)
{
    const long line = SendScintilla(SCI_MARKERNEXT, 0UL, static_cast<long>(1 << bookmark));
    if (line >= 0)
        setCaretLine(int(line) + 1);
}

void SyntaxEdit::paste()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    if (data->hasFormat(QStringLiteral("text/x-qscintilla-rectangular"))) {
        QsciScintilla::paste();
        return;
    }
    insert(data->text());
}
