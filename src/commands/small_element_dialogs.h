#pragma once

#include "commands/small_element_generators.h"
#include "dialogs/record_dialog.h"

// The eight small element dialogs as records: paragraph, quotation, form label, list option,
// object parameter, meta data, script block and horizontal rule.

DialogRecord<ParagraphFields> paragraphRecord();
using TP_Form = DeclaredDialog<ParagraphFields, paragraphRecord>;

DialogRecord<OneTextFields> quotationRecord();
using TQ_Form = DeclaredDialog<OneTextFields, quotationRecord>;

// Enter in the text field inserts.
DialogRecord<OneTextFields> formLabelRecord();
using TLabel_Form = DeclaredDialog<OneTextFields, formLabelRecord>;

DialogRecord<OneTextFields> listOptionRecord();
using TOption_Form = DeclaredDialog<OneTextFields, listOptionRecord>;

// Enter in either field inserts.
DialogRecord<ParameterFields> objectParameterRecord();
using TParam_Form = DeclaredDialog<ParameterFields, objectParameterRecord>;

DialogRecord<MetaFields> metaRecord();
using TMeta_Form = DeclaredDialog<MetaFields, metaRecord>;

DialogRecord<ScriptFields> scriptRecord();
using TSCRIPT_Form = DeclaredDialog<ScriptFields, scriptRecord>;

DialogRecord<HorizontalRuleFields> horizontalRuleRecord();
using THr_Form = DeclaredDialog<HorizontalRuleFields, horizontalRuleRecord>;
