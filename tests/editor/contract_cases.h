#pragma once

#include "editor/edit.h"

#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// Cases that every TextDocument must pass: the document starts with `initial`, the caret at
// `caret` (and the selection, when given), then `edit` runs as one undo step.
struct ContractCase
{
    const char *name;
    QStringList initial;
    TextPosition caret;
    std::optional<std::pair<TextPosition, TextPosition>> selection; // anchor, caret
    Edit edit;
    QStringList expected;
    TextPosition expectedCaret;
    std::optional<QStringList> afterUndo = std::nullopt; // when not `initial`
};

std::vector<ContractCase> contractCases();
