#include "files/recovery_form.h"

#include "files/recovery_keeper.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

QString setAsideNotice(int count, const QString &folder)
{
    return QStringLiteral("Kopie, které nešlo přečíst (%1), Velinor nesmazal: odložil je do složky %2.")
        .arg(count)
        .arg(QDir::toNativeSeparators(folder));
}

void reportFailedCopy(const QString &caption, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Warning, parent ? parent->window()->windowTitle() : QString(),
                                QStringLiteral("Záložní kopii dokumentu %1 se nepodařilo zapsat (plný disk nebo "
                                               "omezení velikosti souborů?).\nDokud se to nezmění, neuložené změny "
                                               "by pád programu nepřežily: uložte je.")
                                    .arg(caption),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("KopieSelhala_Message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // typing goes on in the document once the box is closed; nothing waits for it
}

RecoveryForm::RecoveryForm(const QList<FoundCopy> &copies, const QStringList &setAside, const QString &setAsideFolder,
                           QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RecoveryForm"));
    setWindowTitle(QStringLiteral("Obnova neuložených dokumentů"));

    auto *question = new QLabel(QStringLiteral("Obnovit neuložené dokumenty?"), this);
    question->setObjectName(QStringLiteral("Otazka_Label"));
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    auto *explanation = new QLabel(QStringLiteral("Velinor nebyl naposledy řádně ukončen. Zůstaly kopie "
                                                  "těchto dokumentů s neuloženými změnami:"),
                                   this);
    explanation->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("Dokumenty_List"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Kopie z")});
    for (const FoundCopy &copy : copies) {
        const QString time = copy.written.toLocalTime().toString(QStringLiteral("d. M. yyyy H:mm:ss"));
        auto *item = new QTreeWidgetItem(m_list, {copy.caption, time});
        item->setToolTip(0, copy.caption);
    }
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    QLabel *setAsideLabel = nullptr;
    if (!setAside.isEmpty()) {
        setAsideLabel = new QLabel(setAsideNotice(int(setAside.size()), setAsideFolder), this);
        setAsideLabel->setObjectName(QStringLiteral("Odlozene_Label"));
        setAsideLabel->setWordWrap(true);
        setAsideLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto *buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(QStringLiteral("&Obnovit"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("Obnovit_Button"));
    m_restore->setToolTip(QStringLiteral("Otevře dokumenty jako změněné pod jejich jmény"));
    m_discard = buttons->addButton(QStringLiteral("&Zahodit"), QDialogButtonBox::DestructiveRole);
    m_discard->setObjectName(QStringLiteral("Zahodit_Button"));
    m_discard->setToolTip(QStringLiteral("Smaže kopie; neuložené změny budou ztraceny"));
    m_later = buttons->addButton(QStringLiteral("&Později"), QDialogButtonBox::RejectRole);
    m_later->setObjectName(QStringLiteral("Pozdeji_Button"));
    m_later->setToolTip(QStringLiteral("Ponechá kopie do příštího spuštění"));
    m_restore->setDefault(true);
    connect(m_restore, &QPushButton::clicked, this, [this] { m_choice = Choice::Restore; accept(); });
    connect(m_discard, &QPushButton::clicked, this, [this] { m_choice = Choice::Discard; accept(); });
    // Escape and the title bar's close box reject as this button does: the copies stay.
    connect(m_later, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(explanation);
    layout->addWidget(m_list);
    if (setAsideLabel)
        layout->addWidget(setAsideLabel);
    layout->addWidget(buttons);
    resize(560, 300);
}

QPushButton *RecoveryForm::button(Choice choice) const
{
    switch (choice) {
    case Choice::Restore: return m_restore;
    case Choice::Discard: return m_discard;
    case Choice::Later: return m_later;
    }
    return nullptr;
}

RecoveryForm::Choice offerRecovery(RecoveryKeeper &keeper, std::shared_ptr<OrphanedCopies> found, QWidget *parent)
{
    const QString title = parent ? parent->window()->windowTitle() : QString();
    const QString setAsideFolder = OrphanedCopies::setAsideFolder(keeper.recoveryFolder());
    if (found->copies().isEmpty()) {
        if (!found->setAsideFiles().isEmpty())
            QMessageBox::warning(parent, title, setAsideNotice(int(found->setAsideFiles().size()), setAsideFolder));
        return RecoveryForm::Choice::Later;
    }
    RecoveryForm form(found->copies(), found->setAsideFiles(), setAsideFolder, parent);
    form.exec();
    switch (form.choice()) {
    case RecoveryForm::Choice::Restore: {
        const QStringList unreadable = keeper.restore(found);
        if (!unreadable.isEmpty())
            QMessageBox::warning(parent, title,
                                 QStringLiteral("Tyto dokumenty se nepodařilo obnovit:\n%1\n\n%2")
                                     .arg(unreadable.join(QLatin1Char('\n')),
                                          setAsideNotice(int(unreadable.size()), setAsideFolder)));
        break;
    }
    case RecoveryForm::Choice::Discard:
        found->discard();
        break;
    case RecoveryForm::Choice::Later:
        break; // the copies stay where they are; the locks go with `found`
    }
    return form.choice();
}
