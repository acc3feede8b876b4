#include "tools/schranka_form.h"

#include "tools/outer_size.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kButtonColumnWidth = 148;
constexpr int kButtonGap = 22;
constexpr int kMargin = 8;
const QString kZvetsit = QStringLiteral("&Zvětšit");
const QString kZmensit = QStringLiteral("&Zmenšit");
} // namespace

TSchrankaForm::TSchrankaForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSchrankaForm"));
    setWindowTitle(QStringLiteral("SchrankaForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Memo_SchrankaForm = new QPlainTextEdit(this);
    Memo_SchrankaForm->setObjectName(QStringLiteral("Memo_SchrankaForm"));
    Memo_SchrankaForm->setReadOnly(true);
    Memo_SchrankaForm->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_SchrankaForm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_SchrankaForm->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Prohlizet_SchrankaForm = new QPushButton(QStringLiteral("&Prohližet"), this);
    Prohlizet_SchrankaForm->setObjectName(QStringLiteral("Prohlizet_SchrankaForm"));
    Zvetsit_SchrankaForm = new QPushButton(kZvetsit, this);
    Zvetsit_SchrankaForm->setObjectName(QStringLiteral("Zvetsit_SchrankaForm"));
    Zavrit_SchrankaForm = new QPushButton(QStringLiteral("Z&avřít"), this);
    Zavrit_SchrankaForm->setObjectName(QStringLiteral("Zavrit_SchrankaForm"));

    connect(Prohlizet_SchrankaForm, &QPushButton::clicked, this, [this] { Prohlizet_SchrankaFormClick(); });
    connect(Zvetsit_SchrankaForm, &QPushButton::clicked, this, [this] { Zvetsit_SchrankaFormClick(); });
    connect(Zavrit_SchrankaForm, &QPushButton::clicked, this, &QDialog::accept);

    setOuterSize(this, QSize(429, 178));
}

void TSchrankaForm::Prohlizet_SchrankaFormClick()
{
    // A paste into the text area, as the user would make it: at the caret, over the selection.
    Memo_SchrankaForm->setReadOnly(false);
    Memo_SchrankaForm->paste();
    Memo_SchrankaForm->setReadOnly(true);
}

void TSchrankaForm::Zvetsit_SchrankaFormClick()
{
    if (Zvetsit_SchrankaForm->text() == kZvetsit) {
        showMaximized();
        Zvetsit_SchrankaForm->setText(kZmensit);
    } else {
        showNormal();
        Zvetsit_SchrankaForm->setText(kZvetsit);
    }
    layOut();
}

void TSchrankaForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void TSchrankaForm::layOut()
{
    const int memoWidth = width() - kButtonColumnWidth;
    Memo_SchrankaForm->setGeometry(0, 0, memoWidth, height());
    int top = kMargin;
    for (QPushButton *button : {Prohlizet_SchrankaForm, Zvetsit_SchrankaForm, Zavrit_SchrankaForm}) {
        button->setGeometry(memoWidth + kButtonGap, top, kButtonColumnWidth - 2 * kButtonGap, button->sizeHint().height());
        top += button->height() + kMargin;
    }
}
