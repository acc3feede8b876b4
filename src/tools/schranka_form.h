#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "SchrankaForm": shows the text of the system clipboard. Each "&Prohližet" pastes it again at the
// caret; "&Zvětšit" / "&Zmenšit" maximise the viewer and bring it back.
class TSchrankaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSchrankaForm(QWidget *parent = nullptr);

    void Prohlizet_SchrankaFormClick();
    void Zvetsit_SchrankaFormClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The text area takes the client width less 148 pixels; the buttons stand 22 pixels to its right.
    void layOut();

    QPlainTextEdit *Memo_SchrankaForm;
    QPushButton *Prohlizet_SchrankaForm;
    QPushButton *Zvetsit_SchrankaForm;
    QPushButton *Zavrit_SchrankaForm;
};
