#include "commands/small_element_dialogs.h"

DialogRecord<ParagraphFields> paragraphRecord()
{
    using F = ParagraphFields;
    DialogRecord<F> record{
        "TP_Form", QStringLiteral("Odstavec"),
        {
            comboField("Align_ComboBox", QStringLiteral("Zarovnání"), {"left", "center", "right", "justify", "clear", "none"},
                       &F::align)
                .hint(QStringLiteral("Vyberte ...")),
            comboField("Obtekani_ComboBox", QStringLiteral("Obtékání"), {"", "left", "center", "right", "justify", "all"},
                       &F::clear)
                .hint(QStringLiteral("Vyberte ...")),
            checkField("Nezalamovat_CheckBox", QStringLiteral("Nezalamovat text"), &F::noWrap)
                .hint(QStringLiteral("NoWrap - nezalamuje text")),
            checkField("KoncovyTag_CheckBox", QStringLiteral("Zahrnout koncový tag"), &F::endTag)
                .hint(QStringLiteral("Zahrne koncový tag")),
        },
        [](const F &f) { return paragraphEdit(f); }};
    record.hint = QStringLiteral("Nový odstavec ...");
    record.buttons.insertHint = QStringLiteral("Vloží vygenerovaný kód");
    record.buttons.backHint = QStringLiteral("Vráti se zpět");
    return record;
}

DialogRecord<OneTextFields> quotationRecord()
{
    using F = OneTextFields;
    DialogRecord<F> record{"TQ_Form", QStringLiteral("CITACE"),
                           {textField("Q_Edit", QStringLiteral("Citace"), &F::text).hint(QStringLiteral("Hodnota citace"))},
                           [](const F &f) { return quotationEdit(f.text); }};
    record.buttons.backName = "Button1";
    return record;
}

DialogRecord<OneTextFields> formLabelRecord()
{
    using F = OneTextFields;
    return {"TLabel_Form", QStringLiteral("LABEL"),
            {textField("Text_Edit", QStringLiteral("Text:"), &F::text).entersInsert().takesFocus()},
            [](const F &f) { return formLabelEdit(f.text); }};
}

DialogRecord<OneTextFields> listOptionRecord()
{
    using F = OneTextFields;
    return {"TOption_Form", QStringLiteral("OPTION"),
            {textField("Text_Edit", QStringLiteral("Hodnota:"), &F::text).takesFocus()},
            [](const F &f) { return listOptionEdit(f.text); }};
}

DialogRecord<ParameterFields> objectParameterRecord()
{
    using F = ParameterFields;
    return {"TParam_Form", QStringLiteral("PARAM"),
            {
                textField("Jmeno_Edit", QStringLiteral("Jméno:"), &F::name).entersInsert(),
                textField("Hodnota_Edit", QStringLiteral("Hodnota:"), &F::value).entersInsert(),
            },
            [](const F &f) { return objectParameterEdit(f.name, f.value); }};
}

DialogRecord<MetaFields> metaRecord()
{
    using F = MetaFields;
    const QString group = QStringLiteral("   Atributy tagu META   ");
    DialogRecord<F> record{"TMeta_Form", QStringLiteral("META"),
                           {
                               comboField("Name_ComboBox", QStringLiteral("NAME:"),
                                          {"refresh", "language", "description", "country", "keywords", "owner",
                                           "resource-type", "distribution", "copyright", "author", "robots"},
                                          &F::name)
                                   .inGroup(group),
                               textField("Content_Edit", QStringLiteral("CONTENT:"), &F::content).inGroup(group),
                               textField("Equiv_Edit", QStringLiteral("HTTP-EQUIV:"), &F::httpEquiv).inGroup(group),
                           },
                           [](const F &f) { return metaEdit(f); }};
    record.buttons.insertHint = QStringLiteral("Vložit");
    record.buttons.backHint = QStringLiteral("Zpět");
    return record;
}

DialogRecord<ScriptFields> scriptRecord()
{
    using F = ScriptFields;
    const QStringList events{
        "onabort", "onafterupdate", "onbeforeunload", "onbeforeupdate", "onblur", "onbounce", "onclick",
        "ondataavailable", "ondatasetcomplete", "ondatasetchanged", "ondblclick", "ondragstart", "onerror",
        "onerrorupdate", "onfilterchange", "onfinish", "onfocus", "onhelp", "onchange", "onkeydown", "onkeypress",
        "onkeyup", "onload", "onmousedown", "onmousemove", "onmouseout", "onmouseover", "onmouseup",
        "onreadystatechange", "onreset", "onresize", "onrowenter", "onrowexit", "onscroll", "onselect",
        "onselectstart", "onstart", "onsubmit", "onunload"};
    return {"TSCRIPT_Form", QStringLiteral("SCRIPT"),
            {
                comboField("Jazyk_ComboBox", QStringLiteral("Jazyk:"),
                           {"javascript", "jscript", "livescript", "vbscript", "vbs"}, &F::language),
                textField("Titulek_Edit", QStringLiteral("Titulek:"), &F::title),
                comboField("Udalost_ComboBox", QStringLiteral("Údálost:"), events, &F::event),
                textField("Objekt_Edit", QStringLiteral("Objekt:"), &F::forObject),
            },
            [](const F &f) { return scriptEdit(f); }};
}

DialogRecord<HorizontalRuleFields> horizontalRuleRecord()
{
    using F = HorizontalRuleFields;
    return {"THr_Form", QStringLiteral("Horizontální linka"),
            {
                comboField("Sirka_ComboBox", QStringLiteral("Šířka:"), {"", "95%", "75%", "65%", "800", "640", "480"},
                           &F::width)
                    .digits(),
                comboField("Tloustka_ComboBox", QStringLiteral("Tloušťka:"), {"1", "2", "5", "10", "20"}, &F::size)
                    .digits(),
                comboField("Zarovnani_ComboBox", QStringLiteral("Zarovnání:"), {"left", "center", "right", "none"},
                           &F::align),
                colourField("Barva_Shape", "Barva_Button", QStringLiteral("Barva:"), &F::colour, "UkazBarvu_CheckBox",
                            &F::colourShown, CompanionTicks::Never),
                checkField("UkazStin_CheckBox", QStringLiteral("Stínovat"), &F::shade).captionLeft(),
            },
            [](const F &f) { return horizontalRuleEdit(f); }};
}
