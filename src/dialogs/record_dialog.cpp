#include "dialogs/record_dialog.h"

#include "widgets/dialog_parts.h"
#include "dialogs/attribute_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString nameOf(const char *objectName)
{
    return QString::fromUtf8(objectName);
}

// A companion box: no caption of its own, it gates the value beside it.
QCheckBox *companionBox(QWidget *parent, const char *objectName)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(nameOf(objectName));
    return box;
}

// A control with what follows it on its row (a browse button, a unit), as one cell. A control of
// fixed size (a colour sample) keeps its button and box beside it.
enum class Widen { Control, Nothing };
QWidget *rowOf(QWidget *parent, QWidget *control, std::initializer_list<QWidget *> after, Widen widen = Widen::Control)
{
    auto *row = new QWidget(parent);
    control->setParent(row);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control, widen == Widen::Control ? 1 : 0);
    for (QWidget *widget : after) {
        widget->setParent(row);
        layout->addWidget(widget);
    }
    if (widen == Widen::Nothing)
        layout->addStretch();
    return row;
}

// A panel in a window's layout that the window grows to make room for while it shows: when it
// hides again, the window gets back the size it had before.
class RoomForPanel : public QObject
{
public:
    explicit RoomForPanel(QWidget *panel) : QObject(panel), m_panel(panel) { panel->installEventFilter(this); }

    void show()
    {
        if (m_panel->isHidden())
            m_sizeBefore = m_panel->window()->size();
        m_panel->show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::HideToParent && m_sizeBefore.isValid()) {
            // The layouts from the panel up give up its room first; the window may then shrink.
            for (QWidget *w = m_panel->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
                if (w->layout())
                    w->layout()->activate();
            m_panel->window()->resize(m_sizeBefore);
            m_sizeBefore = QSize();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_panel;
    QSize m_sizeBefore;
};

} // namespace

RecordDialogBase::RecordDialogBase(QWidget *parent, DocumentSource documents, const char *objectName,
                                   const QString &caption)
    : ElementDialog(parent, std::move(documents), objectName, caption)
{
    auto *layout = new QVBoxLayout(this);
    m_columns = new QHBoxLayout;
    m_fields = new QVBoxLayout;
    m_columns->addLayout(m_fields);
    layout->addLayout(m_columns, 1);
    m_extraButtons = new QHBoxLayout;
    layout->addLayout(m_extraButtons);
    gridFor(QString());
}

void RecordDialogBase::setWindowHint(const QString &hint)
{
    setHint(this, hint);
}

// The grid a field of `group` goes into: the current one while the group stays the same, else a
// new one, in a group box of that title unless the title is empty.
QGridLayout *RecordDialogBase::gridFor(const QString &group)
{
    if (m_grid && group == m_group)
        return m_grid;
    m_group = group;
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    m_previousRow = -1;
    if (group.isEmpty()) {
        m_fields->addLayout(m_grid);
    } else {
        auto *box = new QGroupBox(group, this);
        box->setLayout(m_grid);
        m_fields->addWidget(box);
    }
    return m_grid;
}

BuiltField RecordDialogBase::addField(const FieldShape &shape)
{
    QGridLayout *grid = gridFor(shape.group);
    BuiltField built;
    QWidget *control = nullptr; // what stands in the grid's middle column
    QWidget *below = nullptr;   // what stands under it, in the row after
    switch (shape.kind) {
    case FieldKind::Text: {
        built.edit = new QLineEdit(this);
        built.edit->setObjectName(nameOf(shape.objectName));
        if (shape.maxLength > 0) {
            built.edit->setMaxLength(shape.maxLength);
            built.edit->setMaximumWidth(40);
        }
        if (shape.digitFilter)
            installDigitFilter(built.edit);
        setHint(built.edit, shape.hint);
        control = built.edit;
        if (shape.browseName) {
            auto *browse = new BrowseButton(built.edit, shape.browseFilter, shape.browseCaption);
            browse->setObjectName(nameOf(shape.browseName));
            setHint(browse, shape.browseHint);
            control = rowOf(this, built.edit, {browse});
        }
        break;
    }
    case FieldKind::Number: {
        const NumberEdit number = numberEdit(this, shape.objectName, shape.upDownName, QString(),
                                             shape.range.minimum, shape.range.maximum);
        built.edit = number.edit;
        built.upDown = number.upDown;
        setHint(built.edit, shape.hint);
        control = number.row;
        if (shape.companionName)
            built.box = companionBox(this, shape.companionName);
        break;
    }
    case FieldKind::Memo:
        built.memo = new QPlainTextEdit(this);
        built.memo->setObjectName(nameOf(shape.objectName));
        built.memo->setTabChangesFocus(true);
        built.memo->setMinimumHeight(80);
        setHint(built.memo, shape.hint);
        control = built.memo;
        break;
    case FieldKind::Combo: {
        QComboBox *combo = built.combo = listComboBox(this, shape.objectName, shape.items);
        if (shape.digitFilter)
            installDigitFilter(combo);
        setHint(combo, shape.hint);
        control = combo;
        if (shape.chooserName) {
            QPushButton *chooser = dialogButton(this, shape.chooserName, QStringLiteral("..."));
            connect(chooser, &QPushButton::clicked, combo, [this, combo, choose = shape.choose] {
                if (const std::optional<QString> text = choose(this, combo->currentText()))
                    combo->setEditText(*text);
            });
            control = rowOf(this, combo, {chooser});
        }
        break;
    }
    case FieldKind::Spin:
        built.spin = new SpinField(shape.range, shape.digitFilter ? SpinFilter::Digits : SpinFilter::Numeric, this);
        built.spin->setObjectName(nameOf(shape.objectName));
        setHint(built.spin, shape.hint);
        control = built.spin;
        if (shape.companionName) {
            built.box = companionBox(this, shape.companionName);
            if (shape.ticks != CompanionTicks::Never)
                built.spin->setCompanion(built.box, shape.ticks == CompanionTicks::OnChangeOrClick);
        }
        break;
    case FieldKind::Check:
        built.box = new QCheckBox(shape.label, this);
        built.box->setObjectName(nameOf(shape.objectName));
        if (shape.captionLeft)
            built.box->setLayoutDirection(Qt::RightToLeft);
        setHint(built.box, shape.hint);
        control = built.box;
        break;
    case FieldKind::Radios: {
        QWidget *group = shape.label.isEmpty() ? new QWidget(this) : new QGroupBox(shape.label, this);
        if (shape.objectName)
            group->setObjectName(nameOf(shape.objectName));
        setHint(group, shape.hint);
        auto *row = new QHBoxLayout(group);
        if (shape.label.isEmpty())
            row->setContentsMargins(0, 0, 0, 0);
        for (const RadioChoice &choice : shape.choices) {
            auto *button = new QRadioButton(choice.caption, group);
            button->setObjectName(nameOf(choice.objectName));
            setHint(button, choice.hint);
            row->addWidget(button);
            built.radios.push_back(button);
        }
        row->addStretch();
        grid->addWidget(group, grid->rowCount(), shape.label.isEmpty() ? 1 : 0, 1, shape.label.isEmpty() ? 1 : 3);
        return built;
    }
    case FieldKind::Colour: {
        built.sample = new ColourSample(this);
        built.sample->setObjectName(nameOf(shape.objectName));
        auto *button = new ColourButton(built.sample);
        button->setObjectName(nameOf(shape.colourButtonName));
        setHint(button, shape.hint);
        if (shape.companionName) {
            built.box = companionBox(this, shape.companionName);
            QCheckBox *box = built.box;
            if (shape.ticks == CompanionTicks::OnClick) // after the colour dialog closes, whatever its answer
                connect(button, &QPushButton::clicked, box, [box] { box->setChecked(true); });
            else if (shape.ticks == CompanionTicks::OnChangeOrClick)
                connect(button, &ColourButton::colourChosen, box, [box] { box->setChecked(true); });
            control = rowOf(this, built.sample, {button, box}, Widen::Nothing); // the box beside the button
        } else {
            control = rowOf(this, built.sample, {button}, Widen::Nothing);
        }
        break;
    }
    case FieldKind::ColourPanel: {
        ColourSample *sample = built.sample = new ColourSample(this);
        sample->setObjectName(nameOf(shape.objectName));
        setHint(sample, shape.hint);
        auto *area = new ClickArea(sample);
        area->setObjectName(nameOf(shape.clickAreaName));
        setHint(area, shape.hint);
        QCheckBox *box = built.box = companionBox(this, shape.companionName);
        box->setAccessibleName(shape.companionCaption);
        auto *panel = new ColourPanel(this);
        auto *room = new RoomForPanel(panel);
        connect(area, &ClickArea::clicked, panel, [room, box] {
            room->show();
            box->setChecked(true);
        });
        connect(panel, &ColourPanel::cellChosen, sample, [sample, box](const Rgb &colour) {
            sample->setColour(colour);
            box->setChecked(true);
        });
        connect(panel, &ColourPanel::dialogColourChosen, sample, &ColourSample::setColour);
        control = rowOf(this, sample, {box}, Widen::Nothing); // the box right beside the sample
        below = panel;
        break;
    }
    }

    if (!shape.suffix.isEmpty())
        control = rowOf(this, control, {new QLabel(shape.suffix)});
    if (shape.entersInsert)
        (built.edit ? static_cast<QWidget *>(built.edit) : control)->installEventFilter(this);
    if (shape.takesFocus)
        control->setFocus();

    int row = grid->rowCount();
    if (shape.sharesPreviousRow && m_previousRow >= 0) {
        row = m_previousRow; // the same cell; the dialog shows one of the two
    } else if (shape.kind != FieldKind::Check && !shape.label.isEmpty()) {
        auto *label = new QLabel(shape.label, this);
        label->setBuddy(built.memo ? static_cast<QWidget *>(built.memo) : control);
        grid->addWidget(label, row, 0, shape.kind == FieldKind::Memo ? Qt::AlignTop : Qt::Alignment());
    }
    grid->addWidget(control, row, 1);
    if (built.box && shape.kind != FieldKind::Check && shape.kind != FieldKind::Colour
        && shape.kind != FieldKind::ColourPanel)
        grid->addWidget(built.box, row, 2);
    if (below)
        grid->addWidget(below, row + 1, 1);
    m_previousRow = row;
    return built;
}

void RecordDialogBase::addBesideFields(QWidget *panel)
{
    m_fields->addStretch(); // the fields keep to the top
    m_columns->addWidget(panel, 1);
}

bool RecordDialogBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            insertFields(); // only fields that ask for it are watched
            return true;
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void RecordDialogBase::addButtons(const DialogButtons &buttons)
{
    m_insert = dialogButton(this, buttons.insertName, buttons.insertCaption, buttons.insertHint);
    m_back = dialogButton(this, buttons.backName, buttons.backCaption, buttons.backHint);
    connect(m_insert, &QPushButton::clicked, this, [this] { insertFields(); });
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
    m_extraButtons->addStretch();
    m_extraButtons->addWidget(m_insert);
    m_extraButtons->addWidget(m_back);
    setMinimumWidth(360);
}

QString RecordDialogBase::textOf(const BuiltField &field)
{
    if (field.edit)
        return field.edit->text();
    if (field.memo)
        return field.memo->toPlainText();
    if (field.combo)
        return field.combo->currentText();
    if (field.spin)
        return field.spin->value();
    return {};
}

void RecordDialogBase::setTextOf(const BuiltField &field, const QString &text)
{
    if (field.edit)
        field.edit->setText(text);
    else if (field.memo)
        field.memo->setPlainText(text);
    else if (field.combo)
        field.combo->setEditText(text);
    else if (field.spin)
        field.spin->setValue(text);
}

int RecordDialogBase::selectedValue(const BuiltField &field, const FieldShape &shape, int unchanged)
{
    for (std::size_t i = 0; i < field.radios.size(); ++i)
        if (field.radios[i]->isChecked())
            return shape.choices[i].value;
    return unchanged;
}

void RecordDialogBase::selectValue(const BuiltField &field, const FieldShape &shape, int value)
{
    for (std::size_t i = 0; i < field.radios.size(); ++i) {
        field.radios[i]->setAutoExclusive(false); // lets every button be unselected
        field.radios[i]->setChecked(shape.choices[i].value == value);
        field.radios[i]->setAutoExclusive(true);
    }
}

Rgb RecordDialogBase::colourOf(const BuiltField &field)
{
    return field.sample ? field.sample->colour() : Rgb{};
}

void RecordDialogBase::setColourOf(const BuiltField &field, const Rgb &colour)
{
    if (field.sample)
        field.sample->setColour(colour);
}

QStringList RecordDialogBase::linesOf(const BuiltField &field)
{
    return field.memo ? memoLines(field.memo->toPlainText()) : QStringList();
}

void RecordDialogBase::setLinesOf(const BuiltField &field, const QStringList &lines)
{
    if (field.memo)
        field.memo->setPlainText(lines.join(QLatin1Char('\n')));
}

bool RecordDialogBase::checkedOf(const BuiltField &field)
{
    return field.box && field.box->isChecked();
}

void RecordDialogBase::setCheckedOf(const BuiltField &field, bool checked)
{
    if (field.box)
        field.box->setChecked(checked);
}
