#pragma once

#include "files/recovery_store.h"

#include <QDialog>

#include <memory>

class QDialogButtonBox;
class QPushButton;
class QTreeWidget;
class RecoveryKeeper;

// The question after a crash: the documents whose copies were found, each with its caption and
// the time of its copy, and what to do with them. Closing the window (Escape) decides nothing: the
// copies wait for the next start.
class RecoveryForm : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { Restore, Discard, Later };

    // `setAside`: copies that could not be read and were moved into `setAsideFolder`.
    RecoveryForm(const QList<FoundCopy> &copies, const QStringList &setAside, const QString &setAsideFolder,
                 QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    QTreeWidget *documentList() const { return m_list; }
    QPushButton *button(Choice choice) const;

private:
    Choice m_choice = Choice::Later;
    QTreeWidget *m_list;
    QPushButton *m_restore;
    QPushButton *m_discard;
    QPushButton *m_later;
};

// Asks about the found copies and does what the user chose: restore them through the keeper,
// delete them, or leave them for the next start. Copies that could not be read are not offered;
// the question says where they were set aside (with no other copy, a message says it).
RecoveryForm::Choice offerRecovery(RecoveryKeeper &keeper, std::shared_ptr<OrphanedCopies> found, QWidget *parent);

// What the user sees when the copies of unsaved work cannot be written; shown once per failure.
void reportFailedCopy(const QString &caption, QWidget *parent);

// The sentence about copies that could not be read and where they were kept.
QString setAsideNotice(int count, const QString &folder);
