#include "dialogs/table_form.h"

DialogRecord<TableFields> tableRecord()
{
    using F = TableFields;
    using Alignment = F::Alignment;
    const QString parameters = QStringLiteral("   Parametry tabulky   ");
    const QString properties = QStringLiteral("   Vlastnosti tabulky   ");
    DialogRecord<F> record{
        "TTable_Form", QStringLiteral("Tabulka"),
        {
            textField("Nadpis_Edit", QStringLiteral("Nadpis:"), &F::caption)
                .hint(QStringLiteral("Nadpis tabulky - hodnota caption")),
            numberField("Radky_Edit", QStringLiteral("Řádky:"), &F::rows, "Radky_UpDown", 1, 100)
                .hint(QStringLiteral("Počet řádků tabulky"))
                .inGroup(parameters),
            numberField("Sloupce_Edit", QStringLiteral("Sloupce:"), &F::columns, "Sloupce_UpDown", 1, 100)
                .hint(QStringLiteral("Počet sloupců tabulky"))
                .inGroup(parameters),
            numberField("CellSpacing_Edit", QStringLiteral("CellSpacing:"), &F::cellSpacing, "CellSpacing_UpDown", 0, 100)
                .hint(QStringLiteral("Vzdálenost od vnějšího okraje tabulky k jednotlivých buňkám. Hodnotou je "
                                     "číslo v pixelech | Neprojevi se pri nulove hodnote atributu border!"))
                .inGroup(properties),
            numberField("CellPading_Edit", QStringLiteral("CellPading:"), &F::cellPadding, "CellPading_UpDown", 0, 100)
                .hint(QStringLiteral("Vzdálenost mezi obsahem buňky a jejími okraji. Hodnotou je číslo v pixelech | "
                                     "Neprojevi se pri nulove hodnote atributu border!"))
                .inGroup(properties),
            numberField("Sirka_Edit", QStringLiteral("Šířka okraje v pixelech:"), &F::border, "Sirka_UpDown", 0, 100)
                .hint(QStringLiteral("Určuje tloušťku okrajů tabulky. | Hodnotou je celé číslo v pixelech"))
                .inGroup(properties),
            numberField("SirkaP_Edit", QStringLiteral("Šířka tabulky:"), &F::width, "SirkaP_UpDown", 1, 1000)
                .hint(QStringLiteral("Šířka tabulky | V pixelech nebo procentech"))
                .inGroup(properties),
            radioGroup(nullptr, QString(),
                       {{"pixely_RadioButton", QStringLiteral("pixely"), {}, int(F::WidthUnit::Pixels)},
                        {"procenta_RadioButton", QStringLiteral("procenta"), {}, int(F::WidthUnit::Percent)}},
                       &F::widthUnit)
                .inGroup(properties),
            comboField("TypOhFRAME_ComboBox", QStringLiteral("Typ ohraničení tabulky (FRAME)"),
                       {"", "void", "above", "below", "vsides", "lhs", "rhs"}, &F::frame)
                .hint(QStringLiteral("Používá se pro definování linek, které budou vykresleny okolo tabulky"))
                .inGroup(properties),
            comboField("TypOhRULES_ComboBox", QStringLiteral("Typ ohraničení tabulky (RULES)"),
                       {"", "none", "groups", "rows", "cols", "all"}, &F::rules)
                .hint(QStringLiteral("Používá se pro definování linek, které budou vykresleny mezi buňkami"))
                .inGroup(properties),
            radioGroup(nullptr, QStringLiteral("   Zarovnání tabulky   "),
                       {{"ZarovnaniNo_RadioButton", QStringLiteral("žádné"), {}, int(Alignment::None)},
                        {"ZarovnaniLeft_RadioButton", QStringLiteral("vlevo"), {}, int(Alignment::Left)},
                        {"ZarovnaniCenter_RadioButton", QStringLiteral("střed"), {}, int(Alignment::Center)},
                        {"ZarovnaniRight_RadioButton", QStringLiteral("vpravo"), {}, int(Alignment::Right)}},
                       &F::alignment),
            checkField("NoWrap_CheckBox", QStringLiteral("NoWrap"), &F::noWrap),
            checkField("NoFlow_CheckBox", QStringLiteral("NoFlow"), &F::noFlow),
        },
        [](const F &f) { return tableEdit(f); }};
    record.buttons.insertHint = QStringLiteral("Vloží vygenerovanou tabulku");
    record.buttons.backHint = QStringLiteral("Zavře formulář s tabulkou");
    return record;
}
