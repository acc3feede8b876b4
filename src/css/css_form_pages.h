#pragma once

#include "css/css_style_generator.h"

#include <QStringList>

#include <vector>

// The CSS editor's eight pages as data: each control with its name, label, hint, list and the
// member of CssStyleFields it fills.
struct CssControl
{
    enum class Kind {
        Combo,       // an editable drop-down writing `text`
        Edit,        // a plain edit writing `text`
        Length,      // a drop-down (or, with plainEdit, an edit) with its units combo writing `length`
        Picture,     // an edit with "..." that fills it with a file:// address
        Colour,      // a check box "Barva" showing a swatch, writing `colour`
        Decorations, // the group "  Dekorace  " of five boxes
    };

    Kind kind = Kind::Combo;
    const char *name = nullptr;
    QString label;
    QString hint;
    QStringList items;
    QString CssStyleFields::*text = nullptr;
    CssLength CssStyleFields::*length = nullptr;
    CssColour CssStyleFields::*colour = nullptr;
    const char *unitsName = nullptr;  // Length
    QString unitsLabel = QStringLiteral("Jednotky:");
    QString unitsHint = QStringLiteral("Jednotky");
    bool plainEdit = false;           // Length typed into an edit
    const char *partnerName = nullptr; // Picture: its "..." button; Colour: its swatch
    QString group;                    // a group box the control stands in
};

struct CssPage
{
    const char *name;
    QString caption;
    std::vector<CssControl> controls;
};

const std::vector<CssPage> &cssEditorPages();

// The page the editor opens on.
constexpr const char *kCssFirstPage = "TabSheet_Box";

// The nine units every length offers.
QStringList cssUnits();
