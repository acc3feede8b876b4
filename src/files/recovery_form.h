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

    RecoveryForm(const QList<FoundCopy> &copies, QWidget *parent = nullptr);

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
// delete them, or leave them for the next start.
RecoveryForm::Choice offerRecovery(RecoveryKeeper &keeper, std::shared_ptr<OrphanedCopies> found, QWidget *parent);
