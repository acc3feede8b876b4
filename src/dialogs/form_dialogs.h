#pragma once

#include "dialogs/form_generators.h"
#include "dialogs/record_dialog.h"

// "Formulář": a form element with an empty line for its content.
DialogRecord<FormFields> formRecord();
using TForm_Form = DeclaredDialog<FormFields, formRecord>;

// "Element formuláře": an input element of a chosen type.
DialogRecord<InputFields> inputRecord();
using TElForm_Form = DeclaredDialog<InputFields, inputRecord>;

// "SELECT": a select element with an empty line for its options.
DialogRecord<SelectFields> selectRecord();
using TSelect_Form = DeclaredDialog<SelectFields, selectRecord>;

// "TEXTAREA": a textarea element with an empty line for its text.
DialogRecord<TextareaFields> textareaRecord();
using TTextarea_Form = DeclaredDialog<TextareaFields, textareaRecord>;
