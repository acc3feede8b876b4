#pragma once

#include "dialogs/counter_generator.h"
#include "dialogs/list_generator.h"
#include "dialogs/record_dialog.h"

// "Seznamy": an empty ordered or unordered list. The fields of the other kind of list are hidden,
// keeping their text.
class TSeznamyForm : public RecordDialog<ListFields>
{
public:
    TSeznamyForm(QWidget *parent, DocumentSource documents);

private:
    void showFieldsOfKind();
};

// "Počítadlo": markup for a hit counter drawn by an external web service, and a button that opens
// the service's home page in the desktop's web browser.
class TPocitadlo_Form : public RecordDialog<CounterFields>
{
public:
    TPocitadlo_Form(QWidget *parent, DocumentSource documents);

    QPushButton *HP_Button;
};
