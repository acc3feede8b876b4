#pragma once

#include "base/colour.h"
#include "dialogs/element_dialog.h"
#include "editor/edit.h"

#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// The eight small element dialogs (paragraph, quotation, form label, list option, object
// parameter, meta data, script block, horizontal rule) are records of fields; one form builds any
// of them, reads its fields back and hands them to the dialog's generator.

struct SmallField
{
    enum class Kind {
        Edit,        // one-line text
        Combo,       // editable list
        DigitCombo,  // editable list whose typing is limited to digits
        Check,       // check box with its caption to the right
        CheckLeft,   // check box with its caption to the left
        Colour,      // colour sample with its "..." button (objectName: the sample; `items[0]`: the button)
    };
    Kind kind;
    const char *objectName;
    const char *label;  // the label before the control, or a check box's caption
    QStringList items = {};
    const char *hint = "";
    bool checked = false; // check boxes
    bool entersInsert = false; // Enter typed in this field presses "&Vložit"
};

// What the generator reads: field texts and check states by object name.
class SmallFieldValues
{
public:
    explicit SmallFieldValues(const QWidget *form) : m_form(form) {}
    QString text(const char *objectName) const;
    bool checked(const char *objectName) const;
    Rgb colour(const char *objectName) const;

private:
    const QWidget *m_form;
};

struct SmallDialogRecord
{
    const char *className = "";   // "TP_Form"
    const char *caption = "";     // "Odstavec"
    const char *hint = "";   // the window's own hint
    const char *group = "";  // the group box holding the fields, if any
    std::vector<SmallField> fields;
    const char *backButton = "Zpet_Button";
    const char *insertHint = "";
    const char *backHint = "";
    const char *focusField = ""; // takes the keyboard focus when the dialog appears
    std::function<Edit(const SmallFieldValues &)> generate;
};

// The records of the eight dialogs, by class name; null for another name.
const SmallDialogRecord *smallDialogRecord(const QString &className);

class SmallElementForm : public ElementDialog
{
    Q_OBJECT

public:
    SmallElementForm(QWidget *parent, DocumentSource documents, const SmallDialogRecord &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Vlozit_ButtonClick();

    const SmallDialogRecord &m_record;
};
