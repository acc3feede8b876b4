#include "app/options_form.h"

#include "base/qt_colour.h"
#include "app/layout_records.h"
#include "core/command_registry.h"
#include "app/main_form.h"
#include "app/settings.h"
#include "base/colour.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "base/velinor_error.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The palette-tab boxes fill the left column first.
constexpr int kPaletteTabsLeft = 6;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The white bold underlined heading on a medium-grey strip at the top of each page.
QLabel *headerStrip(const QString &caption, const char *name, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(text(name));
    label->setStyleSheet(QStringLiteral(
        "QLabel { background-color: #808080; color: white; font-weight: bold; text-decoration: underline;"
        " padding: 3px 6px; }"));
    return label;
}

QLabel *boldLabel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

// ---- swatch and clickable label -------------------------------------------------------------------

ColourSwatch::ColourSwatch(QWidget *parent) : ColourSample(parent), m_value(kNoColour)
{
    setFixedSize(28, 16);
    clearColour();
}

void ColourSwatch::setValue(int value)
{
    m_value = value;
    if (const auto colour = settingsColourToRgb(value))
        setColour(*colour);
    else
        clearColour();
}

ClickableLabel::ClickableLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && onClick) {
        event->accept();
        onClick();
        return;
    }
    QLabel::mousePressEvent(event);
}

// ---- the dialog ------------------------------------------------------------------------------------

TOptionsForm::TOptionsForm(QWidget *parent, std::function<void()> environmentHelp)
    : QDialog(parent), m_environmentHelp(std::move(environmentHelp))
{
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(text("Nastavení"));
    setWindowFlags(Qt::Dialog | Qt::Tool | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // Page buttons.
    GroupBox_Polozky = new QGroupBox(text(" Nastavení ... "), this);
    GroupBox_Polozky->setObjectName(QStringLiteral("GroupBox_Polozky"));
    Button_Vzhled = new QPushButton(QStringLiteral("&Vzhled"), GroupBox_Polozky);
    Button_Vzhled->setObjectName(QStringLiteral("Button_Vzhled"));
    Button_Vzhled->setToolTip(text("Nastavení vzhledu programu"));
    Button_Zvyrazeni = new QPushButton(text("&Zvýraznění"), GroupBox_Polozky);
    Button_Zvyrazeni->setObjectName(QStringLiteral("Button_Zvyrazeni"));
    Button_Zvyrazeni->setToolTip(text("Nastavení zvýraznění HTML"));
    for (QPushButton *button : {Button_Vzhled, Button_Zvyrazeni})
        button->setAutoDefault(false);
    auto *pages = new QVBoxLayout(GroupBox_Polozky);
    pages->addWidget(Button_Vzhled);
    pages->addWidget(Button_Zvyrazeni);
    pages->addStretch();

    buildVzhledPage();
    buildZvyrazneniPage();

    // Both pages take the same place; the larger sets its size so that switching moves nothing.
    const QSize pageSize = GroupBox_Vzhled->sizeHint().expandedTo(GroupBox_Zvyrazneni->sizeHint());
    GroupBox_Vzhled->setMinimumSize(pageSize);
    GroupBox_Zvyrazneni->setMinimumSize(pageSize);
    auto *pageArea = new QGridLayout;
    pageArea->setContentsMargins(0, 0, 0, 0);
    pageArea->addWidget(GroupBox_Vzhled, 0, 0);
    pageArea->addWidget(GroupBox_Zvyrazneni, 0, 0);

    // Buttons along the bottom.
    auto makeButton = [this](const QString &caption, const char *name, const QString &hint) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(text(name));
        button->setToolTip(hint);
        button->setAutoDefault(false);
        return button;
    };
    HelpButton_OptionsForm = makeButton(text("&Nápověda"), "HelpButton_OptionsForm", text("Otevře nápovědu"));
    Button_Default = makeButton(QStringLiteral("&Default"), "Button_Default", text("Základní nastavení"));
    OKButton_OptionsForm = makeButton(text("&Uložit"), "OKButton_OptionsForm", text("Uloží nastavení"));
    StornoButton_OptionsForm = makeButton(QStringLiteral("&Storno"), "StornoButton_OptionsForm",
                                          text("Uzavře formulář bez uloženého nastavení"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton_OptionsForm);
    buttons->addWidget(Button_Default);
    buttons->addStretch();
    buttons->addWidget(OKButton_OptionsForm);
    buttons->addWidget(StornoButton_OptionsForm);

    auto *top = new QHBoxLayout;
    top->addWidget(GroupBox_Polozky);
    top->addLayout(pageArea, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ColorDialog = new QColorDialog(this);
    ColorDialog->setObjectName(QStringLiteral("ColorDialog"));

    connect(Button_Vzhled, &QPushButton::clicked, this, [this] { showPage(true); });
    connect(Button_Zvyrazeni, &QPushButton::clicked, this, [this] { showPage(false); });
    connect(CheckBox_Nastroje, &QCheckBox::toggled, this, &TOptionsForm::CheckBox_NastrojeClick);
    connect(HelpButton_OptionsForm, &QPushButton::clicked, this, &TOptionsForm::HelpButton_OptionsFormClick);
    connect(Button_Default, &QPushButton::clicked, this, &TOptionsForm::Button_DefaultClick);
    connect(OKButton_OptionsForm, &QPushButton::clicked, this, &TOptionsForm::OKButton_OptionsFormClick);
    connect(StornoButton_OptionsForm, &QPushButton::clicked, this, &QDialog::reject);

    showPage(true);
    FormCreate();
}

void TOptionsForm::buildVzhledPage()
{
    GroupBox_Vzhled = new QGroupBox(QStringLiteral(" Vzhled "), this);
    GroupBox_Vzhled->setObjectName(QStringLiteral("GroupBox_Vzhled"));
    auto addBox = [this](const BoolSetting &setting, const QString &caption, QWidget *parent) {
        auto *box = new QCheckBox(caption, parent);
        box->setObjectName(text(setting.section));
        m_boxes.insert(text(setting.section), box);
        return box;
    };

    auto *page = new QVBoxLayout(GroupBox_Vzhled);
    page->setSpacing(4);
    page->addWidget(headerStrip(QStringLiteral("Vzhled"), "Label_Vzhled", GroupBox_Vzhled));
    page->addWidget(boldLabel(QStringLiteral("Zobrazit panel:"), GroupBox_Vzhled));
    page->addWidget(addBox(Setting::ColourBar, QStringLiteral("Panel &barev"), GroupBox_Vzhled));
    CheckBox_Nastroje = addBox(Setting::Palette, text("Panel &nástrojů"), GroupBox_Vzhled);
    page->addWidget(CheckBox_Nastroje);

    auto *tabs = new QGridLayout;
    tabs->setContentsMargins(24, 0, 0, 4);
    tabs->setHorizontalSpacing(24);
    tabs->setVerticalSpacing(2);
    for (int i = 0; i < int(paletteLayout().size()); ++i) {
        const PaletteTab &tab = paletteLayout()[size_t(i)];
        QCheckBox *box = addBox(Setting::paletteTab(tab), text(tab.caption), GroupBox_Vzhled);
        QFont italic = box->font();
        italic.setItalic(true);
        box->setFont(italic);
        m_paletteTabs.append(box);
        const bool left = i < kPaletteTabsLeft;
        tabs->addWidget(box, left ? i : i - kPaletteTabsLeft, left ? 0 : 1);
    }
    tabs->setColumnStretch(2, 1);
    page->addLayout(tabs);

    page->addWidget(addBox(Setting::FilePanel, text("Panel &zdrojů"), GroupBox_Vzhled));
    page->addWidget(addBox(Setting::QuickInsert, text("&Rychlá volba"), GroupBox_Vzhled));
    page->addSpacing(6);
    page->addWidget(boldLabel(QStringLiteral("Zobrazit:"), GroupBox_Vzhled));
    page->addWidget(addBox(Setting::LineNumbers, text("Čí&slování řádků"), GroupBox_Vzhled));
    page->addWidget(addBox(Setting::NonPrintable, text("&Netisknutelné znaky"), GroupBox_Vzhled));
    page->addWidget(addBox(Setting::Ruler, text("&Pravítko"), GroupBox_Vzhled));
    page->addStretch();
}

void TOptionsForm::buildZvyrazneniPage()
{
    GroupBox_Zvyrazneni = new QGroupBox(text(" Zvýraznění "), this);
    GroupBox_Zvyrazneni->setObjectName(QStringLiteral("GroupBox_Zvyrazneni"));

    auto *page = new QVBoxLayout(GroupBox_Zvyrazneni);
    page->setSpacing(4);
    page->addWidget(headerStrip(text("Zvýraznění"), "Label_Zvyrazneni", GroupBox_Zvyrazneni));
    page->addWidget(boldLabel(QStringLiteral("HTML:"), GroupBox_Zvyrazneni));

    auto *blocks = new QGridLayout;
    blocks->setContentsMargins(8, 0, 0, 0);
    blocks->setHorizontalSpacing(28);
    blocks->setVerticalSpacing(2);
    constexpr int kLeftColumn = kHtmlTokenClassCount / 2;
    for (int i = 0; i < kHtmlTokenClassCount; ++i) {
        const auto tokenClass = HtmlTokenClass(i);
        const QString name = htmlTokenClassName(tokenClass);
        const int row = (i < kLeftColumn ? i : i - kLeftColumn) * 2;
        const int column = i < kLeftColumn ? 0 : 1;

        auto *title = new QLabel(name, GroupBox_Zvyrazneni);
        title->setObjectName(QStringLiteral("Label_") + name);
        QFont underlined = title->font();
        underlined.setUnderline(true);
        title->setFont(underlined);
        blocks->addWidget(title, row, column);

        auto *colours = new QHBoxLayout;
        colours->setContentsMargins(8, 0, 0, 6);
        colours->setSpacing(4);
        for (const auto side : {ColourSide::Background, ColourSide::Foreground}) {
            const ColourSetting setting = Setting::htmlColour(tokenClass, side);
            const QString section = setting.section;
            const QString sideName = side == ColourSide::Background ? QStringLiteral("Background")
                                                                        : QStringLiteral("Foreground");
            auto *label = new ClickableLabel(sideName, GroupBox_Zvyrazneni);
            label->setObjectName(QString(section).replace(QStringLiteral("Shape_"), QStringLiteral("Label_")));
            label->setToolTip(text("Kliknutím zobrazíte dialog pro zvolení barvy"));
            label->onClick = [this, section] { pickColour(section); };
            auto *swatch = new ColourSwatch(GroupBox_Zvyrazneni);
            swatch->setObjectName(section);
            swatch->setToolTip(text("Kliknutím na příslušnou položku \"%1\" zobrazíte dialog barev").arg(sideName));
            swatch->setValue(setting.defaultValue); // the designed colour
            m_swatches.insert(section, swatch);
            colours->addWidget(label);
            colours->addWidget(swatch);
            if (side == ColourSide::Background)
                colours->addSpacing(10);
        }
        colours->addStretch();
        blocks->addLayout(colours, row + 1, column);
    }
    page->addLayout(blocks);
    page->addStretch();
}

void TOptionsForm::FormCreate()
{
    // Without the settings folder every box stays unchecked and the swatches keep their designed
    // colours; "&Uložit" still tries to write.
    auto settings = Settings::open();
    if (!settings)
        return;
    showValues(readOptionValues(settings->file()));
}

void TOptionsForm::showValues(const OptionValues &values)
{
    const auto &table = optionSettings();
    // In table order: checking "Panel &nástrojů" checks all tab boxes, the tab boxes that follow
    // then take their own values.
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].form == OptionSetting::Form::Boolean)
            m_boxes.value(table[i].section())->setChecked(values[i] != 0);
    }
    if (!CheckBox_Nastroje->isChecked())
        for (QCheckBox *box : std::as_const(m_paletteTabs))
            box->setEnabled(false);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].form == OptionSetting::Form::Colour)
            m_swatches.value(table[i].section())->setValue(values[i]);
    }
}

OptionValues TOptionsForm::shownValues() const
{
    OptionValues values;
    for (const OptionSetting &setting : optionSettings()) {
        if (setting.form == OptionSetting::Form::Boolean)
            values.push_back(m_boxes.value(setting.section())->isChecked() ? 1 : 0);
        else
            values.push_back(m_swatches.value(setting.section())->value());
    }
    return values;
}

void TOptionsForm::showPage(bool vzhled)
{
    GroupBox_Vzhled->setVisible(vzhled);
    GroupBox_Zvyrazneni->setVisible(!vzhled);
    setBold(Button_Vzhled, vzhled);
    setBold(Button_Zvyrazeni, !vzhled);
}

void TOptionsForm::CheckBox_NastrojeClick(bool checked)
{
    for (QCheckBox *box : std::as_const(m_paletteTabs)) {
        box->setEnabled(checked);
        box->setChecked(checked);
    }
}

void TOptionsForm::pickColour(const QString &section)
{
    ColorDialog->setCurrentColor(m_lastChosenColour);
    if (ColorDialog->exec() != QDialog::Accepted)
        return;
    m_lastChosenColour = ColorDialog->selectedColor();
    const Rgb chosen = rgbOf(m_lastChosenColour);
    m_swatches.value(section)->setValue(rgbToSettingsColour(chosen));
}

void TOptionsForm::Button_DefaultClick()
{
    showValues(defaultOptionValues());
}

void TOptionsForm::OKButton_OptionsFormClick()
{
    ProgramFolder::ensureFolder(ProgramFile::SetupFolder); // when it cannot be made, the write says so
    IniFile file(ProgramFolder::file(ProgramFile::SettingsFile));
    try {
        writeOptionValues(file, shownValues());
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
        return; // the dialog stays open
    }
    QMessageBox::information(this, QApplication::applicationName(),
                             text("Nastavení programu Velinor se projeví až při příštím spuštění programu."));
    accept();
}

void TOptionsForm::HelpButton_OptionsFormClick()
{
    if (m_environmentHelp)
        m_environmentHelp();
    // Without its help file the main window closes; a settings dialog left over it would be orphaned.
    if (parentWidget() && !parentWidget()->isVisible())
        reject();
}

void registerOptionsCommand(TMainForm &mainForm, CommandRegistry &registry)
{
    registry.add(QStringLiteral("Nastavenprogramu1Click"), CommandRegistry::Target::Optional, [&mainForm](const CommandContext &) {
        TOptionsForm form(&mainForm, [&mainForm] { mainForm.NapovedakprostrediClick(); });
        form.exec();
    });
}
