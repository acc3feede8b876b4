#include "dialogs/form_http_odkaz.h"

DialogRecord<HttpLinkFields> httpLinkRecord()
{
    using F = HttpLinkFields;
    DialogRecord<F> record{"TFormHTTPOdkaz", QStringLiteral("Vložit odkaz"),
                           {
                               pathField("FormHTTPOdkaz_Edit_Adresa", QStringLiteral("Adresa:"), &F::address,
                                         "FormHTTPOdkaz_Hledat"),
                               comboField("FormHTTPOdkaz_ComboBox", QStringLiteral("Rámec:"),
                                          {"", "_top", "_self", "_parent", "_blank"}, &F::target),
                               textField("FormHTTPOdkaz_Edit_KlaZkratka", QStringLiteral("Klávesová zkratka:"),
                                         &F::accessKey)
                                   .digits()
                                   .maxLength(1)
                                   .suffix(QStringLiteral("+ALT")),
                               textField("FormHTTPOdkaz_Edit_Titulek", QStringLiteral("Titulek"), &F::title),
                           },
                           [](const F &f) { return httpLinkEdit(f); }};
    record.buttons.insertName = "FormHTTPOdkaz_Vlozit";
    record.buttons.backName = "FormHTTPOdkaz_Zpet";
    return record;
}
