#include "dialogs/css_link_form.h"

#include "base/file_filters.h"

DialogRecord<CssLinkFields> cssLinkRecord()
{
    using F = CssLinkFields;
    using Form = F::PathForm;
    const QString group = QStringLiteral("   CSS link   ");
    DialogRecord<F> record{
        "TCSS_LinkForm", QStringLiteral("CSS link"),
        {
            radioGroup(nullptr, QString(),
                       {{"Rel_RadioButton", QStringLiteral("Relativně"), QStringLiteral("Relativní cesta k souboru css"),
                         int(Form::Relative)},
                        {"Abs_RadioButton", QStringLiteral("Absolutně"), QStringLiteral("Absolutní cesta k souboru css"),
                         int(Form::Absolute)}},
                       &F::form)
                .inGroup(group),
            pathField("Link_Edit", QString(), &F::path, "Find_Button", fileFilters(FileFilters::Stylesheets),
                      QStringLiteral("&Najít ..."), QStringLiteral("Procházet ..."))
                .hint(QStringLiteral("Cesta k souboru css"))
                .inGroup(group),
        },
        [](const F &f) { return cssLinkEdit(f); }};
    record.buttons.insertName = "Ok_Button";
    record.buttons.insertHint = QStringLiteral("Vložit");
    record.buttons.backHint = QStringLiteral("Zpět");
    return record;
}
