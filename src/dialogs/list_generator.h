#pragma once

#include "editor/edit.h"

#include <QString>

// The fields of the list builder. The type list and the start value of the other kind of list keep
// their text but are not used.
struct ListFields
{
    enum class Kind { Ordered, Unordered }; // RadioButton_UspSeznam / RadioButton_NeuspSeznam

    Kind kind = Kind::Ordered;
    QString orderedType;   // ComboBox_TypSeznamu_Usp
    QString unorderedType; // ComboBox_TypSeznamu_Neusp
    QString alignment;     // ComboBox_Zarovnani
    QString start;         // Edit_PocHodnota, ordered lists only
};

// Two insertions: "<ol ...>" (or "<ul ...>") with two line breaks, then the end tag; the caret
// ends at the start of the empty line between them.
Edit listEdit(const ListFields &fields);
