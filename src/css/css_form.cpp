#include "css/css_form.h"

#include "base/program_folder.h"
#include "base/qt_colour.h"
#include "base/velinor_error.h"
#include "core/command_registry.h"
#include "core/document_window.h"
#include "css/css_form_pages.h"
#include "widgets/dialog_parts.h"
#include "widgets/font_families.h"
#include "editor/document_language.h"
#include "editor/edit.h"
#include "editor/highlighter_kinds.h"
#include "editor/syntax_edit.h"
#include "files/document_manager.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString nameOf(const char *objectName)
{
    return QString::fromUtf8(objectName);
}

// Clicking a swatch runs the colour dialog for it.
class SwatchClicks : public QObject
{
public:
    SwatchClicks(ColourSample *swatch, std::function<void()> onClick)
        : QObject(swatch), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            m_onClick();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

TCSS_Form::TCSS_Form(QWidget *parent, DocumentManager &documents)
    : QDialog(parent), m_documents(documents)
{
    setObjectName(QStringLiteral("TCSS_Form"));
    setWindowTitle(QStringLiteral("CSS editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_colourDialog = new QColorDialog(this);
    m_colourDialog->setObjectName(QStringLiteral("ColorDialog_CssEditor"));

    auto *layout = new QVBoxLayout(this);
    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(QString::fromUtf8("Název stylu"), this);
    nameLabel->setObjectName(QStringLiteral("L_NazevStylu"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("E_NazevStylu"));
    nameLabel->setBuddy(m_name);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    layout->addLayout(nameRow);
    auto *help = new QLabel(QString::fromUtf8("Vygenerovaný styl se uloží do složky projekty ve složce s programem"), this);
    help->setObjectName(QStringLiteral("L_Help"));
    layout->addWidget(help);

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl_CSS"));
    buildPages(pages);
    layout->addWidget(pages, 1);

    m_openAfter = new QCheckBox(QString::fromUtf8("Po vygenerování otevřít tento styl"), this);
    m_openAfter->setObjectName(QStringLiteral("ChB_Otevrene"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_openAfter);
    buttons->addStretch();
    QPushButton *generate = dialogButton(this, "Button_vygenerovat", QStringLiteral("&Vygenerovat"), QStringLiteral("Vygenerovat"));
    QPushButton *back = dialogButton(this, "Button_Zpet", QString::fromUtf8("&Zpět"), QString::fromUtf8("Přerušit"));
    buttons->addWidget(generate);
    buttons->addWidget(back);
    layout->addLayout(buttons);
    connect(generate, &QPushButton::clicked, this, [this] { runReportingErrors([this] { Button_vygenerovatClick(); }); });
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
}

void TCSS_Form::buildPages(QTabWidget *pages)
{
    for (const CssPage &page : cssEditorPages()) {
        auto *sheet = new QWidget(pages);
        sheet->setObjectName(nameOf(page.name));
        auto *outer = new QVBoxLayout(sheet);
        QGridLayout *grid = nullptr;
        QString currentGroup;
        auto gridFor = [&](const QString &group) {
            if (grid && group == currentGroup)
                return grid;
            currentGroup = group;
            if (group.isEmpty()) {
                grid = new QGridLayout;
                outer->addLayout(grid);
            } else {
                auto *box = new QGroupBox(group, sheet);
                grid = new QGridLayout(box);
                outer->addWidget(box);
            }
            grid->setColumnStretch(1, 1);
            return grid;
        };

        for (const CssControl &c : page.controls) {
            QGridLayout *g = gridFor(c.group);
            const int row = g->rowCount();
            QWidget *field = nullptr;
            switch (c.kind) {
            case CssControl::Kind::Combo:
            case CssControl::Kind::Edit: {
                QComboBox *combo = listComboBox(sheet, c.name, c.items);
                if (qstrcmp(c.name, "CB_font") == 0)
                    combo->addItems(installedFontFamilies());
                combo->setCurrentIndex(-1);
                combo->setEditText(QString());
                setHint(combo, c.hint);
                const auto member = c.text;
                m_readers.push_back([combo, member](CssStyleFields &f) { f.*member = combo->currentText(); });
                field = combo;
                break;
            }
            case CssControl::Kind::Length: {
                QWidget *value;
                std::function<QString()> valueText;
                if (c.plainEdit) {
                    auto *edit = new QLineEdit(sheet);
                    edit->setObjectName(nameOf(c.name));
                    valueText = [edit] { return edit->text(); };
                    value = edit;
                } else {
                    QComboBox *combo = listComboBox(sheet, c.name, c.items);
                    valueText = [combo] { return combo->currentText(); };
                    value = combo;
                }
                setHint(value, c.hint);
                QComboBox *units = listComboBox(sheet, c.unitsName, cssUnits());
                setHint(units, c.unitsHint);
                auto *unitsLabel = new QLabel(c.unitsLabel, sheet);
                unitsLabel->setBuddy(units);
                g->addWidget(unitsLabel, row, 2);
                g->addWidget(units, row, 3);
                const auto member = c.length;
                m_readers.push_back([valueText, units, member](CssStyleFields &f) {
                    f.*member = {valueText(), units->currentText()};
                });
                field = value;
                break;
            }
            case CssControl::Kind::Picture: {
                auto *edit = new QLineEdit(sheet);
                edit->setObjectName(nameOf(c.name));
                setHint(edit, c.hint);
                auto *browse = new QPushButton(QStringLiteral("..."), sheet);
                browse->setObjectName(nameOf(c.partnerName));
                setHint(browse, QString::fromUtf8("Najít obrázek"));
                connect(browse, &QPushButton::clicked, this, [this, edit] { pickPicture(edit); });
                g->addWidget(browse, row, 2);
                const auto member = c.text;
                m_readers.push_back([edit, member](CssStyleFields &f) { f.*member = edit->text(); });
                field = edit;
                break;
            }
            case CssControl::Kind::Colour:
                g->addWidget(colourRow(sheet, c.name, c.label, c.hint, c.partnerName, c.colour), row, 0, 1, 2);
                continue;
            case CssControl::Kind::Decorations: {
                auto *box = new QGroupBox(c.label, sheet);
                box->setObjectName(nameOf(c.name));
                auto *boxLayout = new QHBoxLayout(box);
                const struct { const char *name, *caption, *hint; bool CssStyleFields::*member; } boxes[] = {
                    {"ChB_Underline", "Underline", "Underlin - podtržený", &CssStyleFields::underline},
                    {"ChB_OverLine", "Overline", "Overline - přeškrtnutý", &CssStyleFields::overline},
                    {"ChB_Linethrough", "Line-through", "Line-through", &CssStyleFields::lineThrough},
                    {"ChB_Blink", "Blink", "Blink - blikajíci text", &CssStyleFields::blink},
                    {"ChB_None", "None", "None - žádný", &CssStyleFields::noDecoration},
                };
                for (const auto &b : boxes) {
                    auto *check = new QCheckBox(QString::fromUtf8(b.caption), box);
                    check->setObjectName(nameOf(b.name));
                    setHint(check, QString::fromUtf8(b.hint));
                    boxLayout->addWidget(check);
                    const auto member = b.member;
                    m_readers.push_back([check, member](CssStyleFields &f) { f.*member = check->isChecked(); });
                    if (member == &CssStyleFields::noDecoration)
                        connect(check, &QCheckBox::clicked, this, &TCSS_Form::ChB_NoneClick);
                    else
                        m_decorations.push_back(check);
                }
                g->addWidget(box, row, 0, 1, 4);
                continue;
            }
            }
            auto *label = new QLabel(c.label, sheet);
            label->setBuddy(field);
            g->addWidget(label, row, 0);
            g->addWidget(field, row, 1);
        }
        outer->addStretch();
        pages->addTab(sheet, page.caption);
        if (qstrcmp(page.name, kCssFirstPage) == 0)
            pages->setCurrentWidget(sheet);
    }
}

// A check box and its swatch: the box shows or hides the swatch, which keeps its colour.
QWidget *TCSS_Form::colourRow(QWidget *page, const char *boxName, const QString &caption, const QString &hint,
                              const char *swatchName, CssColour CssStyleFields::*member)
{
    auto *row = new QWidget(page);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *box = new QCheckBox(caption, row);
    box->setObjectName(nameOf(boxName));
    setHint(box, hint);
    auto *swatch = new ColourSample(row);
    swatch->setObjectName(nameOf(swatchName));
    swatch->setFixedSize(40, 18);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setVisible(false);
    swatch->installEventFilter(new SwatchClicks(swatch, [this, swatch] { chooseSwatchColour(swatch); }));
    connect(box, &QCheckBox::toggled, swatch, &QWidget::setVisible);
    layout->addWidget(box);
    layout->addWidget(swatch);
    layout->addStretch();
    m_readers.push_back([box, swatch, member](CssStyleFields &f) { f.*member = {box->isChecked(), swatch->colour()}; });
    return row;
}

// One colour dialog for every swatch: it opens on the colour last chosen in it.
void TCSS_Form::chooseSwatchColour(ColourSample *swatch)
{
    if (m_colourDialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = m_colourDialog->selectedColor();
    swatch->setColour(rgbOf(chosen));
}

// The chosen file as a file:// address, so that "url(...)" holds a valid URL.
void TCSS_Form::pickPicture(QLineEdit *target)
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog_Obrazek"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromUtf8("Obrázkové soubory (*.bmp *.gif *.jpg)"), QStringLiteral("BMP (*.bmp)"),
                           QStringLiteral("GIF (*.gif)"), QStringLiteral("JPG (*.jpg)"),
                           QString::fromUtf8("Všechny soubory (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    target->setText(QUrl::fromLocalFile(dialog.selectedFiles().first()).toString(QUrl::FullyEncoded));
}

void TCSS_Form::ChB_NoneClick(bool checked)
{
    for (QCheckBox *box : m_decorations) {
        if (checked)
            box->setChecked(false);
        box->setEnabled(!checked);
    }
}

CssStyleFields TCSS_Form::fields() const
{
    CssStyleFields f;
    f.name = m_name->text();
    for (const auto &read : m_readers)
        read(f);
    return f;
}

void TCSS_Form::Button_vygenerovatClick()
{
    const CssStyleFields f = fields();
    if (f.name.isEmpty()) {
        QMessageBox::warning(this, QString::fromUtf8("Neplatné jmnéno souboru"), QString::fromUtf8("Není zadaný název stylu!"),
                             QMessageBox::Ok);
        return;
    }
    // A full path as the name would caption the window like a file opened from disk, which saves to
    // where its caption points: such a name is refused before any window is made.
    if (QDir::isAbsolutePath(f.name))
        cssStyleFilePath(ProgramFolder::file(ProgramFile::ProjectFolder), f.name); // raises the refusal
    DocumentWindow *child = m_documents.createDocument();
    SyntaxEdit *editor = child->editor();
    editor->setText(QString());
    editor->setHighlighter(Highlighter::Css);
    child->setWindowTitle(f.name + QStringLiteral(".css"));
    apply(Edit().insert(cssStyleText(f)), *editor);

    // A name that would leave projekty is refused like any name that cannot be a file name: the
    // error is reported, the window stays open and so does the dialog.
    const QString path = cssStyleFilePath(ProgramFolder::file(ProgramFile::ProjectFolder), f.name);
    if (ProgramFolder::ensureFolder(ProgramFile::ProjectFolder))
        editor->saveFile(path); // the new window's line break: CR LF

    if (!m_openAfter->isChecked()) {
        if (QWidget *window = child->parentWidget())
            window->close();
    } else {
        m_documents.showLanguage(DocumentLanguage::Css);
    }
    accept();
}
