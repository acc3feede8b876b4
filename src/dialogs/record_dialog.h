#pragma once

#include "dialogs/element_dialog.h"
#include "dialogs/field_records.h"
#include "editor/edit.h"

#include <functional>
#include <optional>
#include <vector>

class ColourSample;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;
class QPlainTextEdit;
class QRadioButton;
class SpinField;
class UpDown;

// The widgets one field record became.
struct BuiltField
{
    QLineEdit *edit = nullptr; // a text or number edit
    UpDown *upDown = nullptr;
    QPlainTextEdit *memo = nullptr;
    QComboBox *combo = nullptr;
    SpinField *spin = nullptr;
    QCheckBox *box = nullptr; // a check box, or the companion box of a value
    std::vector<QRadioButton *> radios;
    ColourSample *sample = nullptr;
};

// The insert and back buttons: "&Vložit" and "&Zpět" unless a dialog names its own.
struct DialogButtons
{
    const char *insertName = "Vlozit_Button";
    QString insertCaption = QStringLiteral("&Vložit");
    QString insertHint;
    const char *backName = "Zpet_Button";
    QString backCaption = QStringLiteral("&Zpět");
    QString backHint;
};

// A dialog as data: its name and caption, its field records, the defaults and the generator. A
// generator that gives no edit leaves the dialog open.
template <typename Fields>
struct DialogRecord
{
    const char *objectName;
    QString caption;
    std::vector<FieldRecord<Fields>> fields;
    std::function<std::optional<Edit>(const Fields &)> generate;
    Fields defaults{};
    DialogButtons buttons{};
    QString hint{}; // the window's own hint
};

// The widget side of the builder, independent of the fields struct: one grid of label, control and
// companion box per field (fields of one group in their group box), radio groups across the grid,
// the buttons below. A dialog may put a panel of its own beside the fields.
class RecordDialogBase : public ElementDialog
{
    Q_OBJECT

public:
    QPushButton *insertButton() const { return m_insert; }
    QPushButton *backButton() const { return m_back; }

protected:
    RecordDialogBase(QWidget *parent, DocumentSource documents, const char *objectName, const QString &caption);

    void setWindowHint(const QString &hint);
    BuiltField addField(const FieldShape &shape);
    // The buttons row, with room before them for a dialog's own buttons (extraButtons()).
    void addButtons(const DialogButtons &buttons);
    QHBoxLayout *extraButtons() const { return m_extraButtons; }
    // A panel of the dialog's own to the right of the fields, taking the spare width.
    void addBesideFields(QWidget *panel);

    // What the insert button (and Enter in a field that asks for it) does.
    virtual void insertFields() = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

    static QString textOf(const BuiltField &field);
    static void setTextOf(const BuiltField &field, const QString &text);
    static int selectedValue(const BuiltField &field, const FieldShape &shape, int unchanged);
    static void selectValue(const BuiltField &field, const FieldShape &shape, int value);
    static Rgb colourOf(const BuiltField &field);
    static void setColourOf(const BuiltField &field, const Rgb &colour);
    static QStringList linesOf(const BuiltField &field);
    static void setLinesOf(const BuiltField &field, const QStringList &lines);
    static bool checkedOf(const BuiltField &field);
    static void setCheckedOf(const BuiltField &field, bool checked);

private:
    QGridLayout *gridFor(const QString &group);

    QHBoxLayout *m_columns;
    QVBoxLayout *m_fields;
    QGridLayout *m_grid = nullptr;
    QString m_group;
    QHBoxLayout *m_extraButtons;
    QPushButton *m_insert = nullptr;
    QPushButton *m_back = nullptr;
    int m_previousRow = -1;
};

// An element dialog built from its record: fields() reads the widgets into the fields struct, the
// insert button runs the generator on them, inserts and closes.
template <typename Fields>
class RecordDialog : public RecordDialogBase
{
public:
    RecordDialog(QWidget *parent, DocumentSource documents, DialogRecord<Fields> record)
        : RecordDialogBase(parent, std::move(documents), record.objectName, record.caption),
          m_record(std::move(record))
    {
        setWindowHint(m_record.hint);
        for (const FieldRecord<Fields> &field : m_record.fields)
            m_built.push_back(addField(field.shape));
        setFields(m_record.defaults);
        addButtons(m_record.buttons);
    }

    Fields fields() const
    {
        Fields f = m_record.defaults;
        for (std::size_t i = 0; i < m_built.size(); ++i) {
            const FieldRecord<Fields> &r = m_record.fields[i];
            const BuiltField &w = m_built[i];
            if (r.text)
                f.*r.text = textOf(w);
            if (r.lines)
                f.*r.lines = linesOf(w);
            if (r.checked)
                f.*r.checked = checkedOf(w);
            if (r.colour)
                f.*r.colour = colourOf(w);
            if (r.select)
                r.select(f, selectedValue(w, r.shape, r.selected(f)));
        }
        return f;
    }

    void setFields(const Fields &f)
    {
        for (std::size_t i = 0; i < m_built.size(); ++i) {
            const FieldRecord<Fields> &r = m_record.fields[i];
            const BuiltField &w = m_built[i];
            if (r.text)
                setTextOf(w, f.*r.text);
            if (r.lines)
                setLinesOf(w, f.*r.lines);
            if (r.checked)
                setCheckedOf(w, f.*r.checked);
            if (r.colour)
                setColourOf(w, f.*r.colour);
            if (r.selected)
                selectValue(w, r.shape, r.selected(f));
        }
    }

protected:
    // Runs the generator on the fields; inserts and closes when it gives an edit.
    void insertFields() override
    {
        if (const std::optional<Edit> edit = generated())
            insertAndClose(*edit);
    }

    std::optional<Edit> generated() const { return m_record.generate(fields()); }

    const BuiltField &built(const char *objectName) const
    {
        for (std::size_t i = 0; i < m_built.size(); ++i)
            if (qstrcmp(m_record.fields[i].shape.objectName, objectName) == 0)
                return m_built[i];
        Q_ASSERT_X(false, "RecordDialog::built", objectName);
        return m_built.front();
    }

private:
    DialogRecord<Fields> m_record;
    std::vector<BuiltField> m_built;
};

// A dialog that is nothing but its record: `using TForm_Form = DeclaredDialog<FormFields, formRecord>;`
template <typename Fields, DialogRecord<Fields> (*record)()>
class DeclaredDialog : public RecordDialog<Fields>
{
public:
    DeclaredDialog(QWidget *parent, DocumentSource documents)
        : RecordDialog<Fields>(parent, std::move(documents), record())
    {
    }
};
