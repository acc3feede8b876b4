#include "dialogs/form_http_odkaz.h"

#include "dialogs/dialog_parts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TFormHTTPOdkaz::TFormHTTPOdkaz(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TFormHTTPOdkaz", QStringLiteral("Vložit odkaz"))
{
    const HttpLinkFields defaults;

    FormHTTPOdkaz_Edit_Adresa = new QLineEdit(defaults.address, this);
    FormHTTPOdkaz_Edit_Adresa->setObjectName(QStringLiteral("FormHTTPOdkaz_Edit_Adresa"));
    FormHTTPOdkaz_Hledat = new BrowseButton(FormHTTPOdkaz_Edit_Adresa, QString(), QStringLiteral("..."), this);
    FormHTTPOdkaz_Hledat->setObjectName(QStringLiteral("FormHTTPOdkaz_Hledat"));
    FormHTTPOdkaz_ComboBox = listComboBox(this, "FormHTTPOdkaz_ComboBox",
                                          {QString(), QStringLiteral("_top"), QStringLiteral("_self"),
                                           QStringLiteral("_parent"), QStringLiteral("_blank")},
                                          defaults.target);
    FormHTTPOdkaz_Edit_KlaZkratka = new QLineEdit(defaults.accessKey, this);
    FormHTTPOdkaz_Edit_KlaZkratka->setObjectName(QStringLiteral("FormHTTPOdkaz_Edit_KlaZkratka"));
    FormHTTPOdkaz_Edit_KlaZkratka->setMaxLength(1);
    FormHTTPOdkaz_Edit_KlaZkratka->setMaximumWidth(40);
    installDigitFilter(FormHTTPOdkaz_Edit_KlaZkratka);
    FormHTTPOdkaz_Edit_Titulek = new QLineEdit(defaults.title, this);
    FormHTTPOdkaz_Edit_Titulek->setObjectName(QStringLiteral("FormHTTPOdkaz_Edit_Titulek"));

    FormHTTPOdkaz_Vlozit = dialogButton(this, "FormHTTPOdkaz_Vlozit", QStringLiteral("&Vložit"));
    FormHTTPOdkaz_Zpet = dialogButton(this, "FormHTTPOdkaz_Zpet", QStringLiteral("&Zpět"));
    connect(FormHTTPOdkaz_Vlozit, &QPushButton::clicked, this, &TFormHTTPOdkaz::FormHTTPOdkaz_VlozitClick);
    connect(FormHTTPOdkaz_Zpet, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Adresa:"), this), 0, 0);
    grid->addWidget(FormHTTPOdkaz_Edit_Adresa, 0, 1, 1, 2);
    grid->addWidget(FormHTTPOdkaz_Hledat, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Rámec:"), this), 1, 0);
    grid->addWidget(FormHTTPOdkaz_ComboBox, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Klávesová zkratka:"), this), 2, 0);
    grid->addWidget(FormHTTPOdkaz_Edit_KlaZkratka, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("+ALT"), this), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Titulek"), this), 3, 0);
    grid->addWidget(FormHTTPOdkaz_Edit_Titulek, 3, 1, 1, 3);
    grid->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FormHTTPOdkaz_Vlozit);
    buttons->addWidget(FormHTTPOdkaz_Zpet);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

HttpLinkFields TFormHTTPOdkaz::fields() const
{
    HttpLinkFields f;
    f.address = FormHTTPOdkaz_Edit_Adresa->text();
    f.target = FormHTTPOdkaz_ComboBox->currentText();
    f.accessKey = FormHTTPOdkaz_Edit_KlaZkratka->text();
    f.title = FormHTTPOdkaz_Edit_Titulek->text();
    return f;
}

void TFormHTTPOdkaz::FormHTTPOdkaz_VlozitClick()
{
    insertAndClose(httpLinkEdit(fields()));
}
