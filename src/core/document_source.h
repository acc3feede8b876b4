#pragma once

#include <functional>

class TextDocument;

// Where a dialog or tool finds the text it edits: the target window's editor for as long as that
// window lives, none after it closed or without a target. Asked anew at each use, because a dialog
// may outlive the window it was opened for.
using DocumentSource = std::function<TextDocument *()>;
