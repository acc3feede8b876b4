#pragma once

#include "css/css_style_generator.h"

#include <QDialog>

#include <functional>
#include <vector>

class ColourSample;
class QCheckBox;
class QColorDialog;
class QComboBox;
class QLineEdit;
class QTabWidget;
class DocumentManager;

// The CSS editor: eight pages of fields describing the look of "body", and "&Vygenerovat", which
// opens the stylesheet in a new document window and stores it in projekty as the style's name
// plus ".css". The pages are declared as data (css_form_pages.cpp); this class builds them, reads
// them back into CssStyleFields and runs the generation.
class TCSS_Form : public QDialog
{
    Q_OBJECT

public:
    // The new style document opens through the document manager.
    TCSS_Form(QWidget *parent, DocumentManager &documents);

    CssStyleFields fields() const;

    void Button_vygenerovatClick();

private:
    void buildPages(QTabWidget *pages);
    QWidget *colourRow(QWidget *page, const char *boxName, const QString &caption, const QString &hint,
                       const char *swatchName, CssColour CssStyleFields::*member);
    void chooseSwatchColour(ColourSample *swatch);
    void pickPicture(QLineEdit *target);
    void ChB_NoneClick(bool checked);

    DocumentManager &m_documents;
    QLineEdit *m_name;
    QCheckBox *m_openAfter;
    QColorDialog *m_colourDialog;
    // How each control's value reaches the fields struct.
    std::vector<std::function<void(CssStyleFields &)>> m_readers;
    std::vector<QCheckBox *> m_decorations; // underline, overline, line-through, blink
};
