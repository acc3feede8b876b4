#pragma once

#include "editor/edit.h"

#include <QString>

// The fields of the four form element dialogs, with their defaults. A spin field writes its
// attribute only while its companion box is ticked and its text is not empty.

struct FormFields
{
    QString name;      // Jmeno_Edit
    QString action;    // Akce_Edit
    QString method;    // Metoda_ComboBox
    QString title;     // Titulek_Edit
    QString target;    // Ramec_ComboBox
};

struct InputFields
{
    QString type;      // Typ_ComboBox
    QString source;    // Zdroj_Edit
    QString altText;   // Alt_Edit
    QString value;     // Hodnota_Edit
    QString title;     // Titulek_Edit
    QString name;      // Jmeno_Edit
    QString alignment; // Zarovnani_ComboBox
    QString tabIndex = QStringLiteral("0");  // TabIndex_SpinEdit
    bool showTabIndex = false;               // UkazTabIndex_CheckBox
    QString maxLength = QStringLiteral("0"); // MaxDelka_SpinEdit
    bool showMaxLength = false;              // UkazMaxDelka_CheckBox
    QString size = QStringLiteral("0");      // Velikost_SpinEdit
    bool showSize = false;                   // UkazVelikost_CheckBox
    bool active = true;                      // UkazAktivni_CheckBox: " disable" while unticked
    bool readOnly = false;                   // UkazPouzeCteni_CheckBox
};

struct SelectFields
{
    QString name;      // Jmeno_Edit
    QString alignment; // Zarovnani_ComboBox
    QString tabIndex = QStringLiteral("0"); // TabIndex_SpinEdit
    bool showTabIndex = false;              // UkazTabIndex_CheckBox
    QString size = QStringLiteral("0");     // Velikost_SpinEdit
    bool showSize = false;                  // UkazVelikost_CheckBox
    bool active = true;                     // UkazAktivni_CheckBox: " disable" while unticked
    bool listBox = false;                   // UkazListBox_CheckBox: " multiple"
};

struct TextareaFields
{
    QString name;      // Jmeno_Edit
    QString alignment; // Zarovnani_ComboBox
    QString columns = QStringLiteral("0");  // Sloupce_SpinEdit
    bool showColumns = false;               // UkazSloupce_CheckBox
    QString rows = QStringLiteral("0");     // Radky_SpinEdit
    bool showRows = false;                  // UkazRadky_CheckBox
    QString tabIndex = QStringLiteral("0"); // TabIndex_SpinEdit
    bool showTabIndex = false;              // UkazTabIndex_CheckBox
    bool readOnly = false;                  // UkazPouzeCteni_CheckBox
};

// "<form ...>", an empty line and "</form>"; the caret at the start of the empty line.
Edit formEdit(const FormFields &fields);

// "<input ...>" on its own: no end tag, the caret after it.
Edit inputEdit(const InputFields &fields);

// "<select ...>", an empty line for the options and "</select>"; the caret on the empty line.
Edit selectEdit(const SelectFields &fields);

// "<textarea ...>", an empty line for the text and "</textarea>"; the caret on the empty line.
Edit textareaEdit(const TextareaFields &fields);
