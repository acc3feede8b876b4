#include "files/select_new_document_form.h"

#include "files/templates.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TSelectNewDocumentForm::TSelectNewDocumentForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSelectNewDocumentForm"));
    setWindowTitle(QStringLiteral("Nový..."));
    setWindowFlags(Qt::Dialog | Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    PageBox = new QTabWidget(this);
    PageBox->setObjectName(QStringLiteral("PageBox"));
    ListBoxNewFile = new QListWidget(PageBox);
    ListBoxNewFile->setObjectName(QStringLiteral("ListBoxNewFile"));
    for (const NewDocumentKind &kind : newDocumentKinds())
        ListBoxNewFile->addItem(QString::fromUtf8(kind.listItem));
    ListBoxNewFile->setCurrentRow(-1);
    ListBoxNewFile->clearSelection();
    ListBoxTemplate = new QListWidget(PageBox);
    ListBoxTemplate->setObjectName(QStringLiteral("ListBoxTemplate"));
    PageBox->addTab(ListBoxNewFile, QStringLiteral("Nový soubor"));
    PageBox->addTab(ListBoxTemplate, QStringLiteral("Šablony"));

    OKSelectNewDocumentForm = new QPushButton(QStringLiteral("&OK"), this);
    OKSelectNewDocumentForm->setObjectName(QStringLiteral("OKSelectNewDocumentForm"));
    OKSelectNewDocumentForm->setAutoDefault(false);
    StornoSelectNewDocumentForm = new QPushButton(QStringLiteral("&Storno"), this);
    StornoSelectNewDocumentForm->setObjectName(QStringLiteral("StornoSelectNewDocumentForm"));
    StornoSelectNewDocumentForm->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKSelectNewDocumentForm);
    buttons->addWidget(StornoSelectNewDocumentForm);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageBox);
    layout->addLayout(buttons);
    resize(300, 260);

    // OK with nothing selected does nothing; the dialog stays open.
    connect(OKSelectNewDocumentForm, &QPushButton::clicked, this, [this] {
        if (selectedKind() >= 0)
            accept();
    });
    connect(StornoSelectNewDocumentForm, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBoxNewFile, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

int TSelectNewDocumentForm::selectedKind() const
{
    const QList<QListWidgetItem *> selected = ListBoxNewFile->selectedItems();
    return selected.isEmpty() ? -1 : ListBoxNewFile->row(selected.first());
}
