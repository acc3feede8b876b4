#include "editor/editor_keys.h"

#include <QKeyEvent>

namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;

std::vector<EditorKeyBinding> buildBindings()
{
    using A = EditorAction;
    std::vector<EditorKeyBinding> table = {
        {QKeyCombination(Qt::Key_Delete), A::DeleteCharacter},
        {QKeyCombination(Qt::Key_Backspace), A::DeleteLastCharacter},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Backspace), A::DeleteLastCharacter},
        {QKeyCombination(kCtrl, Qt::Key_Y), A::DeleteLine},
        {QKeyCombination(kShiftCtrl, Qt::Key_Y), A::DeleteToLineEnd},
        {QKeyCombination(kCtrl, Qt::Key_T), A::DeleteWord},
        {QKeyCombination(kCtrl, Qt::Key_Backspace), A::DeleteLastWord},
        {QKeyCombination(kCtrl, Qt::Key_N), A::InsertLine},
        {QKeyCombination(kCtrl, Qt::Key_M), A::LineBreak},
        {QKeyCombination(Qt::Key_Return), A::LineBreak},
        {QKeyCombination(Qt::Key_Enter), A::LineBreak},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Return), A::LineBreak},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Enter), A::LineBreak},
        {QKeyCombination(Qt::Key_Tab), A::Tab},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab), A::BackTab},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Tab), A::BackTab},
        {QKeyCombination(kShiftCtrl, Qt::Key_I), A::BlockIndent},
        {QKeyCombination(kShiftCtrl, Qt::Key_U), A::BlockUnindent},
        {QKeyCombination(kShiftCtrl, Qt::Key_N), A::NormalSelection},
        {QKeyCombination(kShiftCtrl, Qt::Key_C), A::ColumnSelection},
        {QKeyCombination(kShiftCtrl, Qt::Key_L), A::LineSelection},
        {QKeyCombination(kShiftCtrl, Qt::Key_B), A::MatchingBracket},
        {QKeyCombination(kCtrl, Qt::Key_Z), A::Undo},
        {QKeyCombination(Qt::AltModifier, Qt::Key_Backspace), A::Undo},
        {QKeyCombination(kShiftCtrl, Qt::Key_Z), A::Redo},
        {QKeyCombination(Qt::ShiftModifier | Qt::AltModifier, Qt::Key_Backspace), A::Redo},
        {QKeyCombination(kCtrl, Qt::Key_X), A::Cut},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete), A::Cut},
        {QKeyCombination(kCtrl, Qt::Key_V), A::Paste},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert), A::Paste},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        const auto key = Qt::Key(Qt::Key_0 + digit);
        table.push_back({QKeyCombination(kCtrl, key), A::GoToBookmark, digit});
        table.push_back({QKeyCombination(kShiftCtrl, key), A::SetBookmark, digit});
    }
    return table;
}

// X11 key codes of the digit row, 1 to 9 and then 0.
int digitOfScanCode(quint32 scanCode)
{
    if (scanCode >= 10 && scanCode <= 19)
        return scanCode == 19 ? 0 : int(scanCode) - 9;
    return -1;
}

} // namespace

const std::vector<EditorKeyBinding> &editorKeyBindings()
{
    static const std::vector<EditorKeyBinding> table = buildBindings();
    return table;
}

const EditorKeyBinding *editorKeyBinding(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    int key = event.key();
    if (modifiers & Qt::ControlModifier) {
        const int digit = digitOfScanCode(event.nativeScanCode());
        if (digit >= 0)
            key = Qt::Key_0 + digit;
    }
    const QKeyCombination pressed(modifiers, Qt::Key(key));
    for (const EditorKeyBinding &binding : editorKeyBindings())
        if (binding.key == pressed)
            return &binding;
    return nullptr;
}
