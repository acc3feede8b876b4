#pragma once
#include <QString>
#include <vector>
// One row of the tag-completion list: what the list shows and what choosing it inserts.
struct CompletionEntry { QString description; QString tagName; QString insertText; };
const std::vector<CompletionEntry> &completionEntries(); // the 219 entries in list order
