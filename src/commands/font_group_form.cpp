#include "commands/font_group_form.h"

#include "widgets/dialog_parts.h"
#include "widgets/font_families.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const QString kSeparator = QStringLiteral(", ");

QListWidget *faceList(QWidget *parent, const char *name)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    return list;
}

void addMenuItem(QListWidget *list, const char *caption, const std::function<void()> &run)
{
    auto *item = new QAction(QString::fromUtf8(caption), list);
    QObject::connect(item, &QAction::triggered, list, run);
    list->addAction(item);
}

QStringList texts(const QList<QListWidgetItem *> &items)
{
    QStringList list;
    for (const QListWidgetItem *item : items)
        list << item->text();
    return list;
}

} // namespace

TFontGroupForm::TFontGroupForm(QWidget *parent, const QString &currentFaces) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFontGroupForm"));
    setWindowTitle(QString::fromUtf8("Skupina písem"));
    setModal(true);

    auto *groupBox = new QGroupBox(QStringLiteral(" Skupina "), this);
    Skupina_ListBox = faceList(groupBox, "Skupina_ListBox");
    (new QVBoxLayout(groupBox))->addWidget(Skupina_ListBox);
    auto *facesBox = new QGroupBox(QString::fromUtf8(" Písma "), this);
    Pisma_ListBox = faceList(facesBox, "Pisma_ListBox");
    (new QVBoxLayout(facesBox))->addWidget(Pisma_ListBox);

    Pisma_ListBox->addItems(installedFontFamilies());
    for (const QString &face : currentFaces.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        Skupina_ListBox->addItem(face.trimmed());
        qDeleteAll(Pisma_ListBox->findItems(face.trimmed(), Qt::MatchExactly));
    }

    auto *add = dialogButton(this, "Pridat_Button", QString::fromUtf8("<< Přidat"));
    auto *remove = dialogButton(this, "Odebrat_Button", QString::fromUtf8("Odebrat >>"));
    auto *back = dialogButton(this, "Zpet_Button", QString::fromUtf8("&Zpět"));
    auto *ok = dialogButton(this, "OK_Button", QStringLiteral("&OK"),
                            QString::fromUtf8("Nastaví skupinu fontů a vrátí se na předchozí formulář"));
    connect(add, &QPushButton::clicked, this, &TFontGroupForm::addSelected);
    connect(remove, &QPushButton::clicked, this, &TFontGroupForm::removeSelected);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Pisma_ListBox, &QListWidget::itemDoubleClicked, this, &TFontGroupForm::addSelected);
    connect(Skupina_ListBox, &QListWidget::itemDoubleClicked, this, &TFontGroupForm::removeSelected);

    addMenuItem(Pisma_ListBox, "&Přesuň do skupiny", [this] { addSelected(); });
    addMenuItem(Pisma_ListBox, "Př&esuň všechny", [this] { addAll(); });
    addMenuItem(Skupina_ListBox, "&Odeber", [this] { removeSelected(); });
    addMenuItem(Skupina_ListBox, "O&deber všechny", [this] { removeAll(); });
    addMenuItem(Skupina_ListBox, "&Seřaď od A", [this] { sortGroup(); });
    addMenuItem(Skupina_ListBox, "&Vybrat všechny", [this] { selectWholeGroup(); });

    auto *previewBox = new QGroupBox(QString::fromUtf8(" Náhled "), this);
    Nahled_CheckBox = new QCheckBox(previewBox);
    Nahled_CheckBox->setObjectName(QStringLiteral("Nahled_CheckBox"));
    Nahled_CheckBox->setChecked(true);
    Nahled_Label = new QLabel(QString::fromUtf8("Příšerně žluťoučký kůň úpěl ďábelské ódy "), previewBox);
    Nahled_Label->setObjectName(QStringLiteral("Nahled_Label"));
    auto *previewLayout = new QHBoxLayout(previewBox);
    previewLayout->addWidget(Nahled_CheckBox);
    previewLayout->addWidget(Nahled_Label, 1);
    // The sample shows the face under the cursor of either list while the box is ticked.
    connect(Nahled_CheckBox, &QCheckBox::toggled, this, &TFontGroupForm::showPreview);
    connect(Pisma_ListBox, &QListWidget::currentItemChanged, this, &TFontGroupForm::showPreview);
    connect(Skupina_ListBox, &QListWidget::currentItemChanged, this, &TFontGroupForm::showPreview);

    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch();
    auto *lists = new QHBoxLayout;
    lists->addWidget(groupBox, 1);
    lists->addLayout(middle);
    lists->addWidget(facesBox, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QString::fromUtf8("Tip: Použijte pravé tlačítko"), this));
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(previewBox);
    layout->addLayout(buttons);
    resize(560, 420);
}

QString TFontGroupForm::groupText() const
{
    QStringList faces;
    for (int i = 0; i < Skupina_ListBox->count(); ++i)
        faces << Skupina_ListBox->item(i)->text();
    return faces.join(kSeparator);
}

// Faces move between the lists, so each stands in one of them only.
void TFontGroupForm::addSelected()
{
    const QList<QListWidgetItem *> chosen = Pisma_ListBox->selectedItems();
    Skupina_ListBox->addItems(texts(chosen));
    qDeleteAll(chosen);
}

void TFontGroupForm::addAll()
{
    Pisma_ListBox->selectAll();
    addSelected();
}

void TFontGroupForm::removeSelected()
{
    const QList<QListWidgetItem *> chosen = Skupina_ListBox->selectedItems();
    Pisma_ListBox->addItems(texts(chosen));
    Pisma_ListBox->sortItems();
    qDeleteAll(chosen);
}

void TFontGroupForm::removeAll()
{
    Skupina_ListBox->selectAll();
    removeSelected();
}

void TFontGroupForm::sortGroup()
{
    Skupina_ListBox->sortItems();
}

void TFontGroupForm::selectWholeGroup()
{
    Skupina_ListBox->selectAll();
}

void TFontGroupForm::showPreview()
{
    QListWidget *list = Skupina_ListBox->hasFocus() ? Skupina_ListBox : Pisma_ListBox;
    const QListWidgetItem *item = list->currentItem();
    QFont sample = font();
    if (Nahled_CheckBox->isChecked() && item)
        sample.setFamily(item->text());
    Nahled_Label->setFont(sample);
}
