#pragma once

#include "base/colour.h"
#include "widgets/field_rules.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// Element dialogs declared as data: one record per field, bound to its member of the dialog's
// fields struct. The builder (record_dialog.h) makes the widgets, lays them out, applies the
// defaults and reads the fields back.

enum class FieldKind {
    Text,   // one-line edit, optionally with a browse button
    Memo,   // several lines
    Combo,  // editable list
    Number, // a number edit with the digit filter and its up-down
    Spin,   // a spin field
    Check,  // a check box with its caption
    Radios, // radio buttons standing for an enum's values
    Colour, // a colour sample with its button "..."
    ColourPanel, // a colour sample whose click area opens the colour panel below it
};

// When a value field ticks its companion box (a box without caption beside it).
enum class CompanionTicks {
    Never,           // the user ticks it
    OnChangeOrClick, // a typed or stepped change, or a click into the field
    OnClick,         // a click into the field (for a colour: pressing its button, even if cancelled)
};

// What a button beside a field does: offers the field's text in a dialog of its own and gives the
// new text, or nothing when the user leaves it.
using ValueChooser = std::function<std::optional<QString>(QWidget *dialog, const QString &current)>;

struct RadioChoice
{
    const char *objectName;
    QString caption;
    QString hint;
    int value; // the enum value the button stands for
};

// What the builder needs to make one field's widgets, independent of the fields struct.
struct FieldShape
{
    FieldKind kind = FieldKind::Text;
    const char *objectName = nullptr; // the control; for a radio group the group box (may be null)
    QString label;                    // label before the control; a check box's caption; a group's title
    QString hint;                     // "short|long"
    QStringList items;                // combo box list
    bool digitFilter = false;         // combo box or spin field with the digit filter
    SpinRange range;                  // spin field
    const char *companionName = nullptr;
    QString companionCaption;         // not shown: the companion box's accessible name
    CompanionTicks ticks = CompanionTicks::Never;
    QString suffix;                   // text after the control ("ms", "+ALT")
    const char *upDownName = nullptr; // a number edit's up-down
    const char *browseName = nullptr; // text edit with a browse button
    QString browseCaption = QStringLiteral("...");
    QString browseFilter;             // Qt form, empty for none
    QString browseHint;
    int maxLength = 0;                // a text edit's most characters; 0 for no limit
    const char *colourButtonName = nullptr;
    const char *clickAreaName = nullptr; // the click area over a colour panel's sample
    const char *chooserName = nullptr;   // a combo box's button "..." beside it
    ValueChooser choose;
    std::vector<RadioChoice> choices;
    bool sharesPreviousRow = false;   // shown in the place of the field before it (one visible at a time)
    QString group;                    // the title of the group box holding it; consecutive fields share one
    bool captionLeft = false;         // a check box with its caption before the box
    bool entersInsert = false;        // Enter typed in the field presses the insert button
    bool takesFocus = false;          // has the keyboard focus when the dialog appears
};

// A field record: how the field looks and the members it reads and writes.
template <typename Fields>
struct FieldRecord
{
    FieldShape shape;
    QString Fields::*text = nullptr;
    QStringList Fields::*lines = nullptr;
    bool Fields::*checked = nullptr; // a check box, or the companion box of a value
    Rgb Fields::*colour = nullptr;
    std::function<int(const Fields &)> selected;  // radio group: the value of the selected button
    std::function<void(Fields &, int)> select;

    FieldRecord &hint(const QString &text) { shape.hint = text; return *this; }
    FieldRecord &digits() { shape.digitFilter = true; return *this; }
    FieldRecord &inPlaceOfPrevious() { shape.sharesPreviousRow = true; return *this; }
    FieldRecord &inGroup(const QString &title) { shape.group = title; return *this; }
    FieldRecord &captionLeft() { shape.captionLeft = true; return *this; }
    FieldRecord &entersInsert() { shape.entersInsert = true; return *this; }
    FieldRecord &takesFocus() { shape.takesFocus = true; return *this; }
    FieldRecord &maxLength(int characters) { shape.maxLength = characters; return *this; }
    FieldRecord &suffix(const QString &text) { shape.suffix = text; return *this; }
    // A button "..." beside a combo box that sets its text by a dialog of its own.
    FieldRecord &chosenWith(const char *buttonName, ValueChooser choose)
    {
        shape.chooserName = buttonName;
        shape.choose = std::move(choose);
        return *this;
    }
    // A companion box beside the field that the user ticks to have its value written.
    FieldRecord &gatedBy(const char *companionName, bool Fields::*shown)
    {
        shape.companionName = companionName;
        checked = shown;
        return *this;
    }
};

template <typename F>
FieldRecord<F> textField(const char *name, const QString &label, QString F::*member)
{
    FieldRecord<F> r;
    r.shape.objectName = name;
    r.shape.label = label;
    r.text = member;
    return r;
}

// A text edit for a path with its browse button "...".
template <typename F>
FieldRecord<F> pathField(const char *name, const QString &label, QString F::*member, const char *browseName,
                         const QString &filter = {})
{
    FieldRecord<F> r = textField(name, label, member);
    r.shape.browseName = browseName;
    r.shape.browseFilter = filter;
    return r;
}

// A path field whose browse button has a caption of its own.
template <typename F>
FieldRecord<F> pathField(const char *name, const QString &label, QString F::*member, const char *browseName,
                         const QString &filter, const QString &browseCaption, const QString &browseHint)
{
    FieldRecord<F> r = pathField(name, label, member, browseName, filter);
    r.shape.browseCaption = browseCaption;
    r.shape.browseHint = browseHint;
    return r;
}

// A memo read as its lines, or (bound to a string) as its text with the line breaks typed.
template <typename F>
FieldRecord<F> memoField(const char *name, const QString &label, QStringList F::*member)
{
    FieldRecord<F> r;
    r.shape.kind = FieldKind::Memo;
    r.shape.objectName = name;
    r.shape.label = label;
    r.lines = member;
    return r;
}

template <typename F>
FieldRecord<F> memoField(const char *name, const QString &label, QString F::*member)
{
    FieldRecord<F> r = textField(name, label, member);
    r.shape.kind = FieldKind::Memo;
    return r;
}

// A number edit with the digit filter and its up-down stepping within [minimum, maximum].
template <typename F>
FieldRecord<F> numberField(const char *name, const QString &label, QString F::*member, const char *upDownName,
                           int minimum, int maximum)
{
    FieldRecord<F> r = textField(name, label, member);
    r.shape.kind = FieldKind::Number;
    r.shape.upDownName = upDownName;
    r.shape.range = SpinRange{minimum, maximum};
    return r;
}

template <typename F>
FieldRecord<F> comboField(const char *name, const QString &label, const QStringList &items, QString F::*member)
{
    FieldRecord<F> r = textField(name, label, member);
    r.shape.kind = FieldKind::Combo;
    r.shape.items = items;
    return r;
}

// A spin field with its companion box; unbounded unless a range is given.
template <typename F>
FieldRecord<F> spinField(const char *name, const QString &label, QString F::*value, const char *companionName,
                         bool F::*shown, CompanionTicks ticks, SpinRange range = {}, const QString &suffix = {})
{
    FieldRecord<F> r = textField(name, label, value);
    r.shape.kind = FieldKind::Spin;
    r.shape.companionName = companionName;
    r.shape.ticks = ticks;
    r.shape.range = range;
    r.shape.suffix = suffix;
    r.checked = shown;
    return r;
}

template <typename F>
FieldRecord<F> checkField(const char *name, const QString &caption, bool F::*member)
{
    FieldRecord<F> r;
    r.shape.kind = FieldKind::Check;
    r.shape.objectName = name;
    r.shape.label = caption;
    r.checked = member;
    return r;
}

// A group of radio buttons standing for the values of an enum member; a value no button stands
// for leaves every button unselected. Without a title the buttons stand in a row of their own.
template <typename F, typename E>
FieldRecord<F> radioGroup(const char *groupName, const QString &title, std::vector<RadioChoice> choices, E F::*member)
{
    FieldRecord<F> r;
    r.shape.kind = FieldKind::Radios;
    r.shape.objectName = groupName;
    r.shape.label = title;
    r.shape.choices = std::move(choices);
    r.selected = [member](const F &f) { return static_cast<int>(f.*member); };
    r.select = [member](F &f, int value) { f.*member = static_cast<E>(value); };
    return r;
}

// What every colour field shares: the sample, its label, the colour it binds and its companion box.
template <typename F>
FieldRecord<F> colourSampleField(FieldKind kind, const char *sampleName, const QString &label, Rgb F::*colour,
                                 const char *companionName, bool F::*shown)
{
    FieldRecord<F> r;
    r.shape.kind = kind;
    r.shape.objectName = sampleName;
    r.shape.label = label;
    r.shape.companionName = companionName;
    r.colour = colour;
    r.checked = shown;
    return r;
}

// A colour sample with its button "..." and companion box.
template <typename F>
FieldRecord<F> colourField(const char *sampleName, const char *buttonName, const QString &label, Rgb F::*colour,
                           const char *companionName, bool F::*shown, CompanionTicks ticks)
{
    FieldRecord<F> r = colourSampleField(FieldKind::Colour, sampleName, label, colour, companionName, shown);
    r.shape.colourButtonName = buttonName;
    r.shape.ticks = ticks;
    return r;
}

// A colour sample with a click area lying over it, the colour panel (dialog_parts.h) below it and
// the companion box beside it: a click on the sample opens the panel; it and a cell of the panel
// tick the box, a colour of the colour dialog only fills the sample.
template <typename F>
FieldRecord<F> colourPanelField(const char *sampleName, const char *areaName, const QString &label, Rgb F::*colour,
                                const char *companionName, const QString &companionCaption, bool F::*shown)
{
    FieldRecord<F> r = colourSampleField(FieldKind::ColourPanel, sampleName, label, colour, companionName, shown);
    r.shape.clickAreaName = areaName;
    r.shape.companionCaption = companionCaption;
    return r;
}
