#include "dialogs/table_form.h"

#include "dialogs/dialog_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *radio(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setChecked(checked);
    return button;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(checked);
    return box;
}

} // namespace

TTable_Form::TTable_Form(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TTable_Form", QStringLiteral("Tabulka"))
{
    const TableFields defaults;

    Nadpis_Edit = new QLineEdit(defaults.caption, this);
    Nadpis_Edit->setObjectName(QStringLiteral("Nadpis_Edit"));
    setHint(Nadpis_Edit, QStringLiteral("Nadpis tabulky - hodnota caption"));

    auto *parameters = new QGroupBox(QStringLiteral("   Parametry tabulky   "), this);
    const NumberEdit rows = numberEdit(parameters, "Radky_Edit", "Radky_UpDown", defaults.rows, 1, 100);
    Radky_Edit = rows.edit;
    Radky_UpDown = rows.upDown;
    setHint(Radky_Edit, QStringLiteral("Počet řádků tabulky"));
    const NumberEdit columns = numberEdit(parameters, "Sloupce_Edit", "Sloupce_UpDown", defaults.columns, 1, 100);
    Sloupce_Edit = columns.edit;
    Sloupce_UpDown = columns.upDown;
    setHint(Sloupce_Edit, QStringLiteral("Počet sloupců tabulky"));
    auto *parametersLayout = new QFormLayout(parameters);
    parametersLayout->addRow(QStringLiteral("Řádky:"), rows.row);
    parametersLayout->addRow(QStringLiteral("Sloupce:"), columns.row);

    auto *properties = new QGroupBox(QStringLiteral("   Vlastnosti tabulky   "), this);
    const NumberEdit spacing = numberEdit(properties, "CellSpacing_Edit", "CellSpacing_UpDown", defaults.cellSpacing, 0, 100);
    CellSpacing_Edit = spacing.edit;
    CellSpacing_UpDown = spacing.upDown;
    setHint(CellSpacing_Edit, QStringLiteral("Vzdálenost od vnějšího okraje tabulky k jednotlivých buňkám. Hodnotou je "
                                             "číslo v pixelech | Neprojevi se pri nulove hodnote atributu border!"));
    const NumberEdit padding = numberEdit(properties, "CellPading_Edit", "CellPading_UpDown", defaults.cellPadding, 0, 100);
    CellPading_Edit = padding.edit;
    CellPading_UpDown = padding.upDown;
    setHint(CellPading_Edit, QStringLiteral("Vzdálenost mezi obsahem buňky a jejími okraji. Hodnotou je číslo v pixelech | "
                                            "Neprojevi se pri nulove hodnote atributu border!"));
    const NumberEdit border = numberEdit(properties, "Sirka_Edit", "Sirka_UpDown", defaults.border, 0, 100);
    Sirka_Edit = border.edit;
    Sirka_UpDown = border.upDown;
    setHint(Sirka_Edit, QStringLiteral("Určuje tloušťku okrajů tabulky. | Hodnotou je celé číslo v pixelech"));
    const NumberEdit width = numberEdit(properties, "SirkaP_Edit", "SirkaP_UpDown", defaults.width, 1, 1000);
    SirkaP_Edit = width.edit;
    SirkaP_UpDown = width.upDown;
    setHint(SirkaP_Edit, QStringLiteral("Šířka tabulky | V pixelech nebo procentech"));
    auto *unitBox = new QWidget(properties);
    pixely_RadioButton = radio(unitBox, "pixely_RadioButton", QStringLiteral("pixely"),
                               defaults.widthUnit == TableFields::WidthUnit::Pixels);
    procenta_RadioButton = radio(unitBox, "procenta_RadioButton", QStringLiteral("procenta"),
                                 defaults.widthUnit == TableFields::WidthUnit::Percent);
    auto *unitLayout = new QHBoxLayout(unitBox);
    unitLayout->setContentsMargins(0, 0, 0, 0);
    unitLayout->addWidget(width.row);
    unitLayout->addWidget(pixely_RadioButton);
    unitLayout->addWidget(procenta_RadioButton);
    TypOhFRAME_ComboBox = listComboBox(properties, "TypOhFRAME_ComboBox",
                                       {QString(), QStringLiteral("void"), QStringLiteral("above"), QStringLiteral("below"),
                                        QStringLiteral("vsides"), QStringLiteral("lhs"), QStringLiteral("rhs")},
                                       defaults.frame);
    setHint(TypOhFRAME_ComboBox, QStringLiteral("Používá se pro definování linek, které budou vykresleny okolo tabulky"));
    TypOhRULES_ComboBox = listComboBox(properties, "TypOhRULES_ComboBox",
                                       {QString(), QStringLiteral("none"), QStringLiteral("groups"), QStringLiteral("rows"),
                                        QStringLiteral("cols"), QStringLiteral("all")},
                                       defaults.rules);
    setHint(TypOhRULES_ComboBox, QStringLiteral("Používá se pro definování linek, které budou vykresleny mezi buňkami"));
    auto *propertiesLayout = new QFormLayout(properties);
    propertiesLayout->addRow(QStringLiteral("CellSpacing:"), spacing.row);
    propertiesLayout->addRow(QStringLiteral("CellPading:"), padding.row);
    propertiesLayout->addRow(QStringLiteral("Šířka okraje v pixelech:"), border.row);
    propertiesLayout->addRow(QStringLiteral("Šířka tabulky:"), unitBox);
    propertiesLayout->addRow(QStringLiteral("Typ ohraničení tabulky (FRAME)"), TypOhFRAME_ComboBox);
    propertiesLayout->addRow(QStringLiteral("Typ ohraničení tabulky (RULES)"), TypOhRULES_ComboBox);

    auto *alignment = new QGroupBox(QStringLiteral("   Zarovnání tabulky   "), this);
    using Alignment = TableFields::Alignment;
    ZarovnaniNo_RadioButton = radio(alignment, "ZarovnaniNo_RadioButton", QStringLiteral("žádné"),
                                    defaults.alignment == Alignment::None);
    ZarovnaniLeft_RadioButton = radio(alignment, "ZarovnaniLeft_RadioButton", QStringLiteral("vlevo"),
                                      defaults.alignment == Alignment::Left);
    ZarovnaniCenter_RadioButton = radio(alignment, "ZarovnaniCenter_RadioButton", QStringLiteral("střed"),
                                        defaults.alignment == Alignment::Center);
    ZarovnaniRight_RadioButton = radio(alignment, "ZarovnaniRight_RadioButton", QStringLiteral("vpravo"),
                                       defaults.alignment == Alignment::Right);
    auto *alignmentLayout = new QHBoxLayout(alignment);
    for (QRadioButton *button : {ZarovnaniNo_RadioButton, ZarovnaniLeft_RadioButton, ZarovnaniCenter_RadioButton,
                                 ZarovnaniRight_RadioButton})
        alignmentLayout->addWidget(button);

    NoWrap_CheckBox = checkBox(this, "NoWrap_CheckBox", QStringLiteral("NoWrap"), defaults.noWrap);
    NoFlow_CheckBox = checkBox(this, "NoFlow_CheckBox", QStringLiteral("NoFlow"), defaults.noFlow);

    Vlozit_Button = dialogButton(this, "Vlozit_Button", QStringLiteral("&Vložit"), QStringLiteral("Vloží vygenerovanou tabulku"));
    Zpet_Button = dialogButton(this, "Zpet_Button", QStringLiteral("&Zpět"), QStringLiteral("Zavře formulář s tabulkou"));
    connect(Vlozit_Button, &QPushButton::clicked, this, &TTable_Form::Vlozit_ButtonClick);
    connect(Zpet_Button, &QPushButton::clicked, this, &QDialog::reject);

    auto *captionRow = new QFormLayout;
    captionRow->addRow(QStringLiteral("Nadpis:"), Nadpis_Edit);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(NoWrap_CheckBox);
    boxes->addWidget(NoFlow_CheckBox);
    boxes->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Vlozit_Button);
    buttons->addWidget(Zpet_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(captionRow);
    layout->addWidget(parameters);
    layout->addWidget(properties);
    layout->addWidget(alignment);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
}

TableFields TTable_Form::fields() const
{
    TableFields f;
    f.caption = Nadpis_Edit->text();
    f.rows = Radky_Edit->text();
    f.columns = Sloupce_Edit->text();
    f.cellSpacing = CellSpacing_Edit->text();
    f.cellPadding = CellPading_Edit->text();
    f.border = Sirka_Edit->text();
    f.width = SirkaP_Edit->text();
    f.widthUnit = procenta_RadioButton->isChecked() ? TableFields::WidthUnit::Percent : TableFields::WidthUnit::Pixels;
    f.frame = TypOhFRAME_ComboBox->currentText();
    f.rules = TypOhRULES_ComboBox->currentText();
    f.alignment = ZarovnaniLeft_RadioButton->isChecked()     ? TableFields::Alignment::Left
                  : ZarovnaniCenter_RadioButton->isChecked() ? TableFields::Alignment::Center
                  : ZarovnaniRight_RadioButton->isChecked()  ? TableFields::Alignment::Right
                                                             : TableFields::Alignment::None;
    f.noWrap = NoWrap_CheckBox->isChecked();
    f.noFlow = NoFlow_CheckBox->isChecked();
    return f;
}

void TTable_Form::Vlozit_ButtonClick()
{
    insertAndClose(tableEdit(fields()));
}
