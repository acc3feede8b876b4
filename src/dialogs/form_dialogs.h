#pragma once

#include "dialogs/form_generators.h"
#include "dialogs/record_dialog.h"

// "Formulář": a form element with an empty line for its content.
class TForm_Form : public RecordDialog<FormFields>
{
public:
    TForm_Form(QWidget *parent, DocumentSource documents);
};

// "Element formuláře": an input element of a chosen type.
class TElForm_Form : public RecordDialog<InputFields>
{
public:
    TElForm_Form(QWidget *parent, DocumentSource documents);
};

// "SELECT": a select element with an empty line for its options.
class TSelect_Form : public RecordDialog<SelectFields>
{
public:
    TSelect_Form(QWidget *parent, DocumentSource documents);
};

// "TEXTAREA": a textarea element with an empty line for its text.
class TTextarea_Form : public RecordDialog<TextareaFields>
{
public:
    TTextarea_Form(QWidget *parent, DocumentSource documents);
};
