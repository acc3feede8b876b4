#include "app/go_to_line_form.h"

#include "base/int_conversion.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TGoToLineNumberForm::TGoToLineNumberForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TGoToLineNumberForm"));
    setWindowTitle(QStringLiteral("Jdi na číslo řádku"));
    setWindowFlags(Qt::Dialog | Qt::Tool | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Label_Radky = new QLabel(QStringLiteral("&Vlož číslo řádku"), this);
    Label_Radky->setObjectName(QStringLiteral("Label_Radky"));
    Edit_LineNumber = new QLineEdit(this);
    Edit_LineNumber->setObjectName(QStringLiteral("Edit_LineNumber"));
    Label_Radky->setBuddy(Edit_LineNumber);
    OK_button = new QPushButton(QStringLiteral("&OK"), this);
    OK_button->setObjectName(QStringLiteral("OK_button"));
    OK_button->setDefault(true);
    OK_button->setEnabled(false);
    Cancel_button = new QPushButton(QStringLiteral("&CANCEL"), this);
    Cancel_button->setObjectName(QStringLiteral("Cancel_button"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_button);
    buttons->addWidget(Cancel_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label_Radky);
    layout->addWidget(Edit_LineNumber);
    layout->addLayout(buttons);

    // Wide enough for the whole caption beside the title bar's icon and buttons, which a window manager
    // draws in a bold font of about the dialog's size.
    QFont captionFont = font();
    captionFont.setBold(true);
    setMinimumWidth(QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + 150);

    Edit_LineNumber->installEventFilter(this);
    connect(Edit_LineNumber, &QLineEdit::textChanged, this,
            [this](const QString &text) { OK_button->setEnabled(!text.isEmpty()); });
    connect(OK_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    Edit_LineNumber->setFocus();
}

int TGoToLineNumberForm::lineNumber() const
{
    return parseInteger(Edit_LineNumber->text(), Hex::NotAllowed).value_or(1);
}

bool TGoToLineNumberForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit_LineNumber && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.at(0).unicode() >= 32 && !(typed.at(0) >= QLatin1Char('0') && typed.at(0) <= QLatin1Char('9')))
            return true; // not a digit: discarded
    }
    return QDialog::eventFilter(watched, event);
}
