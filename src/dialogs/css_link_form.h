#pragma once

#include "dialogs/css_link_generator.h"
#include "dialogs/element_dialog.h"

class BrowseButton;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "CSS link": a link element attaching a stylesheet; the path is written as the field holds it
// (typed, or the full path of the file chosen with "&Najít ..."), shortened to the file name with
// "Relativně". Stays open while the path is empty.
class TCSS_LinkForm : public ElementDialog
{
    Q_OBJECT

public:
    TCSS_LinkForm(QWidget *parent, DocumentSource documents);

    CssLinkFields fields() const;

private:
    void Ok_ButtonClick();

    QRadioButton *Rel_RadioButton;
    QRadioButton *Abs_RadioButton;
    QLineEdit *Link_Edit;
    BrowseButton *Find_Button;
    QPushButton *Ok_Button;
    QPushButton *Zpet_Button;
};
