#pragma once

#include <QKeyCombination>

#include <vector>

class QKeyEvent;

// What the editor's own keys do. Keys not in the table keep the component's behaviour only when it
// does not change the text (caret movement, selection, scrolling, copying).
enum class EditorAction {
    DeleteCharacter,
    DeleteLastCharacter,
    DeleteLine,
    DeleteToLineEnd,
    DeleteWord,
    DeleteLastWord,
    InsertLine, // a line break after the caret; the caret stays
    LineBreak,
    Tab,
    BackTab,
    BlockIndent,
    BlockUnindent,
    GoToBookmark,
    SetBookmark,
    NormalSelection,
    ColumnSelection,
    LineSelection,
    MatchingBracket,
    Undo,
    Redo,
    Cut,
    Paste,
};

struct EditorKeyBinding
{
    QKeyCombination key;
    EditorAction action;
    int bookmark = -1; // 0 to 9 for the bookmark keys
};

// The editor's key bindings, one row per key.
const std::vector<EditorKeyBinding> &editorKeyBindings();

// The binding a key press stands for, or none. Ctrl with a digit key counts by the key's position,
// so Shift+Ctrl+1 is bookmark 1 whatever the keyboard layout makes of Shift+1.
const EditorKeyBinding *editorKeyBinding(const QKeyEvent &event);
