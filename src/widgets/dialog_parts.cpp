#include "widgets/dialog_parts.h"

#include "base/qt_colour.h"
#include "core/command_registry.h"
#include "base/hint_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

void setHint(QWidget *control, const QString &hint)
{
    if (hint.isEmpty())
        return;
    const HintParts parts = splitHint(hint);
    control->setToolTip(parts.shortText);
    control->setStatusTip(parts.longText);
}

QPushButton *dialogButton(QWidget *parent, const char *objectName, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false); // Enter does not press it
    setHint(button, hint);
    return button;
}

QComboBox *listComboBox(QWidget *parent, const char *objectName, const QStringList &items, const QString &text)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(objectName));
    combo->setEditable(true);
    // The text stays as typed, however the box is left: Qt's default completer would complete a
    // typed prefix inline and, on leaving, swap a text equal to an item but for case for the item.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    return combo;
}

NumberEdit numberEdit(QWidget *parent, const char *editName, const char *upDownName, const QString &text,
                      int minimum, int maximum)
{
    auto *row = new QWidget(parent);
    auto *edit = new QLineEdit(text, row);
    edit->setObjectName(QString::fromUtf8(editName));
    edit->setMaximumWidth(70);
    installDigitFilter(edit);
    auto *upDown = new UpDown(edit, minimum, maximum, row);
    upDown->setObjectName(QString::fromUtf8(upDownName));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit);
    layout->addWidget(upDown);
    layout->addStretch();
    return {edit, upDown, row};
}

// ---- digit filter -------------------------------------------------------------------------------

namespace {

// Ctrl+V and the like: control characters, whatever text the platform attaches to the event.
bool isShortcutChord(const QKeyEvent *key)
{
    return key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
}

// The characters of `text` that `accepts` lets through.
QString acceptedPart(const QString &text, const std::function<bool(QChar)> &accepts)
{
    QString kept;
    for (const QChar c : text)
        if (accepts(c))
            kept += c;
    return kept;
}

// Drops typed and composed characters that a rule refuses, without a message.
class KeyFilter : public QObject
{
public:
    KeyFilter(QObject *parent, CharacterRule accepts) : QObject(parent), m_accepts(accepts) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!isShortcutChord(key) && !key->text().isEmpty() && !m_accepts(key->text().at(0)))
                return true;
        } else if (event->type() == QEvent::InputMethod) {
            const auto *input = static_cast<QInputMethodEvent *>(event);
            const QString kept = acceptedPart(input->commitString(), m_accepts);
            if (kept != input->commitString()) {
                // Letters made with a dead key, the compose key or an input method arrive here
                // rather than as key presses.
                QInputMethodEvent filtered(input->preeditString(), input->attributes());
                filtered.setCommitString(kept, input->replacementStart(), input->replacementLength());
                QCoreApplication::sendEvent(watched, &filtered);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CharacterRule m_accepts;
};

} // namespace

void installKeyFilter(QLineEdit *edit, CharacterRule accepts)
{
    edit->installEventFilter(new KeyFilter(edit, accepts));
}

void installDigitFilter(QLineEdit *edit, FilterSpace space)
{
    if (space == FilterSpace::Accepted)
        installKeyFilter(edit, [](QChar typed) { return digitFilterAccepts(typed, FilterSpace::Accepted); });
    else
        installKeyFilter(edit, [](QChar typed) { return digitFilterAccepts(typed); });
}

void installDigitFilter(QComboBox *combo)
{
    installDigitFilter(combo->lineEdit());
    combo->installEventFilter(new KeyFilter(combo, [](QChar typed) { return digitFilterAccepts(typed); }));
}

// ---- up-down ------------------------------------------------------------------------------------

UpDown::UpDown(QLineEdit *edit, int minimum, int maximum, QWidget *parent)
    : QWidget(parent), m_edit(edit), m_minimum(minimum), m_maximum(maximum)
{
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setFixedSize(16, 11);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);

    connect(m_up, &QToolButton::clicked, this, [this] { stepReportingErrors(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepReportingErrors(-1); });
    m_edit->installEventFilter(this);
}

void UpDown::stepBy(int steps)
{
    m_edit->setText(upDownStep(m_edit->text(), steps, m_minimum, m_maximum));
}

void UpDown::stepReportingErrors(int steps)
{
    runReportingErrors([this, steps] { stepBy(steps); });
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepReportingErrors(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- spin field ---------------------------------------------------------------------------------

SpinField::SpinField(SpinRange range, SpinFilter filter, QWidget *parent)
    : QAbstractSpinBox(parent), m_range(range), m_filter(filter)
{
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinField::changed);
}

QString SpinField::value() const
{
    // Kept in range when read, not only when the field is left: an access key presses the insert
    // button with the focus still here.
    return spinFieldValue(lineEdit()->text(), m_range);
}

void SpinField::setValue(const QString &text)
{
    lineEdit()->setText(text);
}

void SpinField::stepBy(int steps)
{
    setValue(spinStep(value(), steps, m_range));
    changed();
}

void SpinField::changed()
{
    if (m_ticksOnChange)
        tickCompanion();
    emit valueEdited();
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled; // the step itself keeps the value in range
}

QValidator::State SpinField::validate(QString &, int &) const
{
    return QValidator::Acceptable; // the key filter decides what can be typed; pasting is free
}

void SpinField::fixup(QString &) const
{
}

void SpinField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && !isShortcutChord(event)) {
        switch (spinKeyVerdict(typed.at(0), m_filter, QLocale().decimalPoint().at(0))) {
        case KeyVerdict::Accept:
            break;
        case KeyVerdict::Drop:
            event->accept();
            return;
        case KeyVerdict::DropWithBeep:
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

bool SpinField::event(QEvent *event)
{
    // The spin box hands composed text straight to its line edit, past inputMethodEvent.
    if (event->type() == QEvent::InputMethod)
        return filterComposedText(static_cast<QInputMethodEvent *>(event));
    return QAbstractSpinBox::event(event);
}

bool SpinField::filterComposedText(QInputMethodEvent *event)
{
    bool beep = false;
    const QChar separator = QLocale().decimalPoint().at(0);
    const QString kept = acceptedPart(event->commitString(), [&](QChar typed) {
        const KeyVerdict verdict = spinKeyVerdict(typed, m_filter, separator);
        beep = beep || verdict == KeyVerdict::DropWithBeep;
        return verdict == KeyVerdict::Accept;
    });
    if (beep)
        QApplication::beep();
    if (kept == event->commitString())
        return QAbstractSpinBox::event(event);
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QAbstractSpinBox::event(&filtered);
    event->accept();
    return true;
}

void SpinField::focusOutEvent(QFocusEvent *event)
{
    if (value() != lineEdit()->text())
        setValue(value()); // the field shows the value it gives
    QAbstractSpinBox::focusOutEvent(event);
}

bool SpinField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        tickCompanion();
    return QAbstractSpinBox::eventFilter(watched, event);
}

void SpinField::tickCompanion()
{
    if (m_companion)
        m_companion->setChecked(true);
}

// ---- colour sample and button -------------------------------------------------------------------

ColourSample::ColourSample(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFixedSize(32, 20);
    setBackgroundRole(QPalette::Window); // inside a button too, where the role would be the button's
    setAutoFillBackground(true);
    setColour(Rgb{});
}

void ColourSample::setColour(const Rgb &colour)
{
    m_colour = colour;
    m_hasColour = true;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
}

void ColourSample::clearColour()
{
    m_hasColour = false;
    setPalette(QPalette()); // the window colour of the application
    update();
}

void ColourSample::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_hasColour)
        return;
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
}

QString ColourSample::colourText() const
{
    return ::colourText(m_colour);
}

ColourButton::ColourButton(ColourSample *sample, QWidget *parent)
    : QPushButton(QStringLiteral("..."), parent), m_sample(sample)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColourButton::chooseColour);
}

void ColourButton::chooseColour()
{
    const Rgb current = m_sample->colour();
    const QColor chosen = QColorDialog::getColor(toQColor(current), window());
    if (!chosen.isValid())
        return; // cancelled
    const Rgb colour = rgbOf(chosen);
    m_sample->setColour(colour);
    emit colourChosen(colour);
}

// ---- click area and colour panel ---------------------------------------------------------------

ClickArea::ClickArea(QWidget *over) : QWidget(over)
{
    setGeometry(over->rect());
    setCursor(Qt::PointingHandCursor);
    over->installEventFilter(this); // keeps lying exactly over it
}

void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->pos()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

bool ClickArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

namespace {

// The panel's cells, row by row: the named colours with silver before gray.
const char *const kPanelColours[] = {"Black", "Maroon", "Green", "Olive", "Navy",   "Purple",  "Teal", "Silver",
                                     "Gray",  "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

// A cell: a button showing the shared swatch, so it takes the focus and Space like any button.
QToolButton *colourCell(QWidget *parent, int index, const Rgb &colour)
{
    auto *cell = new QToolButton(parent);
    cell->setObjectName(QStringLiteral("ColorGrid_%1").arg(index));
    cell->setFixedSize(18, 18);
    auto *sample = new ColourSample(cell);
    sample->setFixedSize(12, 12);
    sample->move(3, 3);
    sample->setColour(colour);
    sample->setAttribute(Qt::WA_TransparentForMouseEvents);
    return cell;
}

} // namespace

ColourPanel::ColourPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Color_Panel"));
    setFrameShape(QFrame::StyledPanel);
    auto *grid = new QWidget(this);
    grid->setObjectName(QStringLiteral("ColorGrid"));
    auto *cells = new QGridLayout(grid);
    cells->setSpacing(1);
    cells->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 16; ++i) {
        const Rgb colour = namedColour(QLatin1String(kPanelColours[i]));
        QToolButton *cell = colourCell(grid, i, colour);
        connect(cell, &QToolButton::clicked, this, [this, colour] {
            hide();
            emit cellChosen(colour);
        });
        cells->addWidget(cell, i / 4, i % 4);
    }
    QPushButton *next = dialogButton(this, "NextColor_Button", QString::fromUtf8("Další ..."));
    connect(next, &QPushButton::clicked, this, &ColourPanel::chooseInDialog);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid, 0, Qt::AlignLeft);
    layout->addWidget(next);
    hide();
}

void ColourPanel::chooseInDialog()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_lastDialogColour), window());
    hide();
    if (chosen.isValid()) {
        m_lastDialogColour = rgbOf(chosen);
        emit dialogColourChosen(m_lastDialogColour);
    }
}

// ---- browse button ------------------------------------------------------------------------------

BrowseButton::BrowseButton(QLineEdit *field, const QString &filter, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), m_field(field), m_filter(filter)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &BrowseButton::browse);
}

void BrowseButton::browse()
{
    const QString path = QFileDialog::getOpenFileName(window(), QString(), QString(), m_filter);
    if (path.isEmpty())
        return; // cancelled
    m_field->setText(path);
    emit fileChosen(path);
}
