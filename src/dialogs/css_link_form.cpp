#include "dialogs/css_link_form.h"

#include "base/file_filters.h"
#include "dialogs/dialog_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TCSS_LinkForm::TCSS_LinkForm(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TCSS_LinkForm", QStringLiteral("CSS link"))
{
    const CssLinkFields defaults;

    auto *group = new QGroupBox(QStringLiteral("   CSS link   "), this);
    Rel_RadioButton = new QRadioButton(QStringLiteral("Relativně"), group);
    Rel_RadioButton->setObjectName(QStringLiteral("Rel_RadioButton"));
    Rel_RadioButton->setChecked(defaults.form == CssLinkFields::PathForm::Relative);
    setHint(Rel_RadioButton, QStringLiteral("Relativní cesta k souboru css"));
    Abs_RadioButton = new QRadioButton(QStringLiteral("Absolutně"), group);
    Abs_RadioButton->setObjectName(QStringLiteral("Abs_RadioButton"));
    Abs_RadioButton->setChecked(defaults.form == CssLinkFields::PathForm::Absolute);
    setHint(Abs_RadioButton, QStringLiteral("Absolutní cesta k souboru css"));
    Link_Edit = new QLineEdit(defaults.path, group);
    Link_Edit->setObjectName(QStringLiteral("Link_Edit"));
    setHint(Link_Edit, QStringLiteral("Cesta k souboru css"));
    Find_Button = new BrowseButton(Link_Edit, fileFilters(FileFilters::Stylesheets),
                                   QStringLiteral("&Najít ..."), group);
    Find_Button->setObjectName(QStringLiteral("Find_Button"));
    setHint(Find_Button, QStringLiteral("Procházet ..."));

    Ok_Button = dialogButton(this, "Ok_Button", QStringLiteral("&Vložit"), QStringLiteral("Vložit"));
    Zpet_Button = dialogButton(this, "Zpet_Button", QStringLiteral("&Zpět"), QStringLiteral("Zpět"));
    connect(Ok_Button, &QPushButton::clicked, this, &TCSS_LinkForm::Ok_ButtonClick);
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);

    auto *choice = new QHBoxLayout;
    choice->addWidget(Rel_RadioButton);
    choice->addWidget(Abs_RadioButton);
    choice->addStretch();
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(Link_Edit, 1);
    pathRow->addWidget(Find_Button);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(choice);
    groupLayout->addLayout(pathRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Ok_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

CssLinkFields TCSS_LinkForm::fields() const
{
    CssLinkFields f;
    f.form = Abs_RadioButton->isChecked() ? CssLinkFields::PathForm::Absolute : CssLinkFields::PathForm::Relative;
    f.path = Link_Edit->text();
    return f;
}

void TCSS_LinkForm::Ok_ButtonClick()
{
    if (const auto edit = cssLinkEdit(fields()))
        insertAndClose(*edit);
}
