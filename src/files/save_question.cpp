#include "files/save_question.h"

#include <QPushButton>
#include <QMessageBox>

SaveAnswer askToSaveChanges(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potvrzení"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // With Yes and No alone the box makes No its escape button, so Escape and the close box would
    // throw the text away. A hidden Cancel takes that role instead.
    QAbstractButton *keep = box.addButton(QMessageBox::Cancel);
    keep->hide();
    box.setEscapeButton(keep);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked && clicked == box.button(QMessageBox::Yes))
        return SaveAnswer::Save;
    if (clicked && clicked == box.button(QMessageBox::No))
        return SaveAnswer::Discard;
    return SaveAnswer::Keep;
}
