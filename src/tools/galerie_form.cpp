#include "tools/galerie_form.h"

#include "core/command_registry.h"
#include "base/program_folder.h"
#include "widgets/dialog_parts.h"
#include "widgets/folder_browser.h"

#include <QAction>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The picture list: takes drops from the file list only, and Delete removes the selection.
class PictureList : public QListWidget
{
public:
    PictureList(QWidget *source, std::function<void()> dropped, std::function<void()> deletePressed, QWidget *parent)
        : QListWidget(parent), m_source(source), m_dropped(std::move(dropped)), m_deletePressed(std::move(deletePressed))
    {
        setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DropOnly);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override { acceptFromSource(event); }
    void dragMoveEvent(QDragMoveEvent *event) override { acceptFromSource(event); }
    void dropEvent(QDropEvent *event) override
    {
        if (!acceptFromSource(event))
            return;
        m_dropped();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Delete) {
            m_deletePressed();
            event->accept();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    bool acceptFromSource(QDropEvent *event)
    {
        if (event->source() != m_source) {
            event->ignore();
            return false;
        }
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return true;
    }

    QWidget *m_source;
    std::function<void()> m_dropped;
    std::function<void()> m_deletePressed;
};

const std::vector<PictureFilter> &galleryFilters()
{
    // "*.*" of the list's texts would miss names without a dot on this system: all files is "*".
    static const std::vector<PictureFilter> filters = {
        {QString::fromUtf8("Obrázkové soubory (*.bmp;*.gif;*.jpg)"), QStringLiteral("*.bmp;*.gif;*.jpg")},
        {QStringLiteral("BMP (*.bmp)"), QStringLiteral("*.bmp")},
        {QStringLiteral("GIF (*.gif)"), QStringLiteral("*.gif")},
        {QStringLiteral("JPG (*.jpg)"), QStringLiteral("*.jpg")},
        {QString::fromUtf8("Všechny soubory (*.*)"), QStringLiteral("*")},
    };
    return filters;
}

QLineEdit *numberField(QWidget *parent, const char *name, const QString &hint, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    setHint(edit, hint);
    installDigitFilter(edit);
    edit->setMaximumWidth(80);
    return edit;
}

// A group box with a grid of labelled fields.
QGroupBox *fieldGroup(QWidget *parent, const QString &title, const std::vector<std::pair<QString, QWidget *>> &rows)
{
    auto *box = new QGroupBox(title, parent);
    auto *grid = new QGridLayout(box);
    int row = 0;
    for (const auto &[label, field] : rows) {
        auto *caption = new QLabel(label, box);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

} // namespace

QString defaultGalleryStylesheet()
{
    return ProgramFolder::file(ProgramFile::GalleryFolder) + QStringLiteral("/default.css");
}

TGalerie_Form::TGalerie_Form(QWidget *parent, DocumentSource documents)
    : ElementDialog(parent, std::move(documents), "TGalerie_Form", QStringLiteral("Tvorba galerie"))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // "  Samostatné obrázky  ": the file browser the pictures are dragged from.
    auto *filesBox = new QGroupBox(QString::fromUtf8("  Samostatné obrázky  "), this);
    m_browser = new FolderBrowser(galleryFilters(), QAbstractItemView::ExtendedSelection, filesBox);
    QListWidget *fileList = m_browser->fileList();
    fileList->setDragEnabled(true);
    fileList->setDragDropMode(QAbstractItemView::DragOnly);
    setHint(fileList, QString::fromUtf8("Přetáhněte vybrané položky do vedlejšího pole"));
    auto *filesLabel = new QLabel(QString::fromUtf8("Jednotlivé soubory:"), filesBox);
    filesLabel->setBuddy(fileList);
    auto *help = new QLabel(QString::fromUtf8("Jednotlive obrázky přesunete pomocí myši (Drag&Drop)!"), filesBox);
    help->setObjectName(QStringLiteral("Help_Label"));
    help->setTextFormat(Qt::PlainText);
    auto *warning = new QLabel(QStringLiteral("!"), filesBox);
    warning->setObjectName(QStringLiteral("Pozor_Label"));
    QFont big = warning->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() * 2);
    warning->setFont(big);
    auto *helpRow = new QHBoxLayout;
    helpRow->addWidget(warning);
    helpRow->addWidget(help, 1);
    auto *filesLayout = new QVBoxLayout(filesBox);
    filesLayout->addWidget(filesLabel);
    filesLayout->addWidget(m_browser, 1);
    filesLayout->addLayout(helpRow);

    // The picture list with its pop-up menu and count.
    lb_Snimky = new PictureList(fileList, [this] { lb_SnimkyDragDrop(); }, [this] { Smaz(); }, this);
    lb_Snimky->setObjectName(QStringLiteral("lb_Snimky"));
    lb_Snimky->setMinimumWidth(170);
    lb_Snimky->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *popup = new QMenu(lb_Snimky);
    popup->setObjectName(QStringLiteral("PopupMenu_JednotliveSnimky_ListBox"));
    const struct { const char *name; const char *caption; void (TGalerie_Form::*handler)(); } items[] = {
        {"Serad", "Seřaď", &TGalerie_Form::Serad},
        {"Smaz", "Smaž", &TGalerie_Form::Smaz},
        {"Smaz_vsechny", "Smaž všechny", &TGalerie_Form::Smaz_vsechny},
    };
    for (const auto &item : items) {
        QAction *action = popup->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }
    connect(lb_Snimky, &QWidget::customContextMenuRequested, popup,
            [this, popup](const QPoint &at) { popup->popup(lb_Snimky->viewport()->mapToGlobal(at)); });
    PocetPolozek_Label = new QLabel(this);
    PocetPolozek_Label->setObjectName(QStringLiteral("PocetPolozek_Label"));

    // The settings of the table and its stylesheet.
    Sloupce_Edit = numberField(this, "Sloupce_Edit", QString::fromUtf8("Počet sloupců"), QStringLiteral("1"));
    Edit_Sirka = numberField(this, "Edit_Sirka", QString::fromUtf8("Šířka obrázku"), {});
    Edit_Vyska = numberField(this, "Edit_Vyska", QString::fromUtf8("Výška obrázku"), {});

    Styl_Edit = new QLineEdit(this);
    Styl_Edit->setObjectName(QStringLiteral("Styl_Edit"));
    Styl_CheckBox = new QCheckBox(QString::fromUtf8("Použít již vytvořený"), this);
    Styl_CheckBox->setObjectName(QStringLiteral("Styl_CheckBox"));
    Najitstyl_Button = new BrowseButton(Styl_Edit, QStringLiteral("CSS soubory (*.css)"), QStringLiteral("..."), this);
    Najitstyl_Button->setObjectName(QStringLiteral("Najitstyl_Button"));
    Styl_Upravit_Button = dialogButton(this, "Styl_Upravit_Button", QStringLiteral("&Upravit"),
                                       QStringLiteral("Upravit tento styl ..."));
    connect(Styl_Edit, &QLineEdit::textChanged, this, &TGalerie_Form::Styl_EditChange);
    connect(Styl_CheckBox, &QCheckBox::clicked, this, &TGalerie_Form::Styl_CheckBoxClick);
    connect(Styl_Upravit_Button, &QPushButton::clicked, this, &TGalerie_Form::Styl_Upravit_ButtonClick);
    // At start the box is checked: the default path, fixed, yet "&Upravit" offered for it.
    Styl_CheckBox->setChecked(true);
    Styl_Edit->setText(defaultGalleryStylesheet());
    Styl_Edit->setEnabled(false);
    Najitstyl_Button->setEnabled(false);

    auto *styleBox = new QGroupBox(QStringLiteral("  Vzhled  "), this);
    auto *styleGrid = new QGridLayout(styleBox);
    auto *styleLabel = new QLabel(QStringLiteral("CSS styl:"), styleBox);
    styleLabel->setBuddy(Styl_Edit);
    styleGrid->addWidget(styleLabel, 0, 0);
    styleGrid->addWidget(Styl_Edit, 0, 1);
    styleGrid->addWidget(Najitstyl_Button, 0, 2);
    styleGrid->addWidget(Styl_CheckBox, 1, 1);
    styleGrid->addWidget(Styl_Upravit_Button, 1, 2);

    QPushButton *create = dialogButton(this, "Vytvorit_Button", QString::fromUtf8("&Vytvořit"), QStringLiteral("Vytvořit galeii"));
    QPushButton *close = dialogButton(this, "Zavrit_Button", QString::fromUtf8("&Zavřít"), QString::fromUtf8("Zavřít"));
    connect(create, &QPushButton::clicked, this, &TGalerie_Form::Vytvorit_ButtonClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *settings = new QVBoxLayout;
    settings->addWidget(fieldGroup(this, QString::fromUtf8("  Uspořádání náhledů  "), {{QString::fromUtf8("Sloupců:"), Sloupce_Edit}}));
    settings->addWidget(fieldGroup(this, QStringLiteral("  Náhledy  "),
                                   {{QString::fromUtf8("Šířka:"), Edit_Sirka}, {QString::fromUtf8("Výška:"), Edit_Vyska}}));
    settings->addWidget(styleBox);
    settings->addStretch();

    auto *pictures = new QVBoxLayout;
    pictures->addWidget(lb_Snimky, 1);
    pictures->addWidget(PocetPolozek_Label);

    auto *columns = new QHBoxLayout;
    columns->addWidget(filesBox, 3);
    columns->addLayout(pictures, 2);
    columns->addLayout(settings, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(960, 480);

    showPictures();
}

GalleryFields TGalerie_Form::fields() const
{
    GalleryFields f;
    f.pictures = m_pictures;
    f.columns = Sloupce_Edit->text();
    f.width = Edit_Sirka->text();
    f.height = Edit_Vyska->text();
    f.stylesheet = Styl_Edit->text();
    return f;
}

void TGalerie_Form::lb_SnimkyDragDrop()
{
    for (const QString &name : m_browser->selectedNames())
        addGalleryPicture(m_pictures, name, m_sorted);
    showPictures();
}

void TGalerie_Form::Serad()
{
    m_sorted = true;
    sortGalleryPictures(m_pictures);
    showPictures();
}

void TGalerie_Form::Smaz()
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : lb_Snimky->selectedItems())
        rows.push_back(lb_Snimky->row(item));
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows)
        m_pictures.removeAt(row);
    showPictures();
}

void TGalerie_Form::Smaz_vsechny()
{
    m_pictures.clear();
    showPictures();
}

void TGalerie_Form::showPictures()
{
    lb_Snimky->clear();
    lb_Snimky->addItems(m_pictures);
    PocetPolozek_Label->setText(QString::fromUtf8("%1 položek").arg(m_pictures.size()));
}

void TGalerie_Form::Styl_CheckBoxClick(bool checked)
{
    if (checked)
        Styl_Edit->setText(defaultGalleryStylesheet());
    Styl_Edit->setEnabled(!checked); // the platform's disabled look: grey text on grey
    Najitstyl_Button->setEnabled(!checked);
    Styl_Upravit_Button->setEnabled(!checked && !Styl_Edit->text().isEmpty());
}

void TGalerie_Form::Styl_EditChange(const QString &path)
{
    Styl_Upravit_Button->setEnabled(!path.isEmpty());
}

void TGalerie_Form::Vytvorit_ButtonClick()
{
    runReportingErrors([this] {
        const std::optional<Edit> edit = galleryEdit(fields());
        if (!edit) {
            QMessageBox box(QMessageBox::Warning, galleryInvalidDataCaption(), galleryInvalidDataText(), QMessageBox::Ok, this);
            box.exec();
            return;
        }
        insertAndClose(*edit);
    });
}

void TGalerie_Form::Styl_Upravit_ButtonClick()
{
    m_stylesheetToEdit = Styl_Edit->text();
    reject(); // nothing is inserted
}
