#pragma once

#include "dialogs/record_dialog.h"
#include "dialogs/table_generator.h"

// "Tabulka": rows, columns and attributes of a table skeleton.
DialogRecord<TableFields> tableRecord();
using TTable_Form = DeclaredDialog<TableFields, tableRecord>;
