#pragma once

#include "base/colour.h"
#include "editor/edit.h"

#include <QString>

// The small element dialogs: each turns its fields into one element. Attribute values are written
// as they stand (not trimmed, not escaped); optional ones are left out while empty.

struct ParagraphFields
{
    QString align;          // Align_ComboBox
    QString clear;          // Obtekani_ComboBox
    bool noWrap = false;    // Nezalamovat_CheckBox
    bool endTag = true;     // KoncovyTag_CheckBox
};
// "<p align clear NoWrap>" and, with the end tag, "</p>" with the caret between the tags.
Edit paragraphEdit(const ParagraphFields &fields);

// The dialogs of one text field (quotation, form label, list option) and the parameter's two.
struct OneTextFields
{
    QString text; // Q_Edit, Text_Edit
};
struct ParameterFields
{
    QString name;   // Jmeno_Edit
    QString value;  // Hodnota_Edit
};

// "<q cite=\"…\"></q>", the cite attribute written even when empty; caret between the tags.
Edit quotationEdit(const QString &cite);
// "<label text=\"…\"></label>", the text attribute written even when empty; caret between the tags.
Edit formLabelEdit(const QString &text);
// "<option value=\"…\"></option>", the value written even when empty; caret between the tags.
Edit listOptionEdit(const QString &value);
// "<param name value>", no end tag; caret after it.
Edit objectParameterEdit(const QString &name, const QString &value);

struct MetaFields
{
    QString name;       // Name_ComboBox
    QString content;    // Content_Edit
    QString httpEquiv;  // Equiv_Edit
};
// "<meta name content http-equiv>", no end tag; caret after it.
Edit metaEdit(const MetaFields &fields);

struct ScriptFields
{
    QString language;   // Jazyk_ComboBox
    QString title;      // Titulek_Edit
    QString event;      // Udalost_ComboBox
    QString forObject;  // Objekt_Edit
};
// "<script language title event for>", an empty line, "</script>"; the caret on the empty line.
Edit scriptEdit(const ScriptFields &fields);

struct HorizontalRuleFields
{
    QString width;           // Sirka_ComboBox
    QString size;            // Tloustka_ComboBox
    QString align;           // Zarovnani_ComboBox
    Rgb colour;              // Barva_Shape, white until a colour is chosen
    bool colourShown = false; // UkazBarvu_CheckBox
    bool shade = true;       // UkazStin_CheckBox
};
// With width, size and align all empty: "<hr >" with the caret before ">", whatever the boxes say.
// Otherwise "<hr width size align color noshade>" with the caret after it.
Edit horizontalRuleEdit(const HorizontalRuleFields &fields);
