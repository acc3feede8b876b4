#pragma once

#include "dialogs/element_dialog.h"
#include "dialogs/http_link_generator.h"

class BrowseButton;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Vložit odkaz": a hyperlink with address, target frame, access key and title; the caret ends
// between the tags.
class TFormHTTPOdkaz : public ElementDialog
{
    Q_OBJECT

public:
    TFormHTTPOdkaz(QWidget *parent, DocumentSource documents);

    HttpLinkFields fields() const;

private:
    void FormHTTPOdkaz_VlozitClick();

    QLineEdit *FormHTTPOdkaz_Edit_Adresa;
    BrowseButton *FormHTTPOdkaz_Hledat;
    QComboBox *FormHTTPOdkaz_ComboBox;
    QLineEdit *FormHTTPOdkaz_Edit_KlaZkratka;
    QLineEdit *FormHTTPOdkaz_Edit_Titulek;
    QPushButton *FormHTTPOdkaz_Vlozit;
    QPushButton *FormHTTPOdkaz_Zpet;
};
