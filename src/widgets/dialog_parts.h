#pragma once

#include "base/colour.h"
#include "widgets/field_rules.h"

#include <QAbstractSpinBox>
#include <QFrame>
#include <QPushButton>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class UpDown;

// The controls element dialogs are built from. Each carries its objectName; hints "short|long"
// become tool tip and status tip.

// Sets a control's tool tip (the part before "|") and status tip (the part after it).
void setHint(QWidget *control, const QString &hint);

// An insert or back button: its caption with access key, not bound to Enter or Esc.
QPushButton *dialogButton(QWidget *parent, const char *objectName, const QString &caption, const QString &hint = {});

// An editable combo box with its list (the first item usually the empty choice), starting with
// the given text. Every editable combo box is made here: its text is what the user typed or
// picked, never completed or changed in case by the box itself.
QComboBox *listComboBox(QWidget *parent, const char *objectName, const QStringList &items, const QString &text = {});

// A number edit with the digit filter and its up-down, side by side in `row`.
struct NumberEdit
{
    QLineEdit *edit;
    UpDown *upDown;
    QWidget *row;
};
NumberEdit numberEdit(QWidget *parent, const char *editName, const char *upDownName, const QString &text,
                      int minimum, int maximum);

// The digit filter on a line edit (or an editable combo box's edit): typed characters other than
// digits and control characters are dropped while the field has the focus. Pasting is not filtered.
void installDigitFilter(QLineEdit *edit, FilterSpace space = FilterSpace::Dropped);

// The digit filter on an editable combo box. Typing reaches the box first, which hands the keys to
// its edit directly, past the edit's own filters: the box is filtered too.
void installDigitFilter(QComboBox *combo);

// The same with another rule for the typed characters.
using CharacterRule = bool (*)(QChar typed);
void installKeyFilter(QLineEdit *edit, CharacterRule accepts);

// An up-down bound to a number edit: its arrows and the Up/Down keys in the edit step the edit's
// integer by one within [minimum, maximum]. A text that is not an integer is reported through the
// general error report and left as it is.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    UpDown(QLineEdit *edit, int minimum, int maximum = 100, QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    QLineEdit *edit() const { return m_edit; }
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

    // One step (raises VelinorError when the text is not an integer).
    void stepBy(int steps);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stepReportingErrors(int steps);

    QLineEdit *m_edit;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum;
    int m_maximum;
};

// The spin field: an integer edit with its own arrows. Unbounded when its range is 0..0; otherwise
// the arrows stay within the range, and an integer typed outside it reads as the nearest limit
// (value()), which the field also shows once it loses the focus. A text that is not an integer
// stays as typed, and the arrows then step from the minimum. Enter is refused. With a companion box, a change of the value (typed or
// stepped) or a click into the field ticks the box.
class SpinField : public QAbstractSpinBox
{
    Q_OBJECT

public:
    SpinField(SpinRange range, SpinFilter filter, QWidget *parent = nullptr);

    QString value() const;
    void setValue(const QString &text);
    SpinRange range() const { return m_range; }
    // The box ticked by a click into the field and, unless ticksOnChange is false, by a change.
    void setCompanion(QCheckBox *box, bool ticksOnChange = true)
    {
        m_companion = box;
        m_ticksOnChange = ticksOnChange;
    }

    void stepBy(int steps) override;

signals:
    // The user changed the value by typing or with the arrows.
    void valueEdited();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterComposedText(QInputMethodEvent *event); // drops what the key filter would drop
    void tickCompanion();
    void changed();

    SpinRange m_range;
    SpinFilter m_filter;
    QCheckBox *m_companion = nullptr;
    bool m_ticksOnChange = true;
};

// The colour swatch of every dialog: a small filled rectangle, white until it is given a colour.
// Cleared, it shows no colour of its own: the window colour, crossed.
class ColourSample : public QFrame
{
    Q_OBJECT

public:
    explicit ColourSample(QWidget *parent = nullptr);

    Rgb colour() const { return m_colour; }
    void setColour(const Rgb &colour);
    void clearColour();
    bool hasColour() const { return m_hasColour; }
    // The colour in the form generated text uses ("#RRGGBB").
    QString colourText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Rgb m_colour;
    bool m_hasColour = true;
};

// The colour button "...": the platform's colour dialog; a confirmed colour fills the sample,
// a cancelled dialog changes nothing.
class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(ColourSample *sample, QWidget *parent = nullptr);

signals:
    void colourChosen(const Rgb &colour);

private:
    void chooseColour();

    ColourSample *m_sample;
};

// A transparent area lying over a control (the font dialogs' swatch) that takes its clicks.
class ClickArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClickArea(QWidget *over);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The colour panel of the font dialogs: the sixteen named colours as swatches in four rows of four
// (ColorGrid_0 to ColorGrid_15) and "Další ...", the colour dialog starting from the colour last
// confirmed in it (black at first), not from the swatch. Taking a colour or leaving the colour
// dialog hides the panel.
class ColourPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ColourPanel(QWidget *parent = nullptr);

signals:
    void cellChosen(const Rgb &colour);
    void dialogColourChosen(const Rgb &colour);

private:
    void chooseInDialog();

    Rgb m_lastDialogColour{0, 0, 0};
};

// A browse button: the platform's file-open dialog with the given filter (Qt form, "Name (*.x)"
// entries separated by ";;"; none when empty). A confirmed file's full path replaces the field's
// text; a cancelled dialog changes nothing.
class BrowseButton : public QPushButton
{
    Q_OBJECT

public:
    BrowseButton(QLineEdit *field, const QString &filter, const QString &caption = QStringLiteral("..."),
                 QWidget *parent = nullptr);

signals:
    void fileChosen(const QString &path);

private:
    void browse();

    QLineEdit *m_field;
    QString m_filter;
};
