#pragma once

#include "editor/edit.h"

#include <QString>

#include <optional>

// The fields of the stylesheet link dialog.
struct CssLinkFields
{
    enum class PathForm { Relative, Absolute };

    PathForm form = PathForm::Relative; // Rel_RadioButton / Abs_RadioButton
    QString path;                       // Link_Edit: typed, or the file chosen with "&Najít ..."
};

// "<link rel=stylesheet type=\"text/css\" href=\"PATH\">" with the caret after it. "Relativně"
// keeps the part of the path after its last "/" or "\", "Absolutně" the whole path. Nothing (the
// dialog stays open) while the path is empty.
std::optional<Edit> cssLinkEdit(const CssLinkFields &fields);
