#pragma once

#include "base/colour.h"
#include "editor/edit.h"

#include <QString>
#include <QStringList>

// The fields of the multimedia dialogs, with their defaults. Here a gated attribute is written
// while its box is ticked whatever its field holds: an emptied field gives an empty value.

struct MarqueeFields
{
    QString behavior;   // Pohybtextu_ComboBox
    QString alignment;  // Zarovnani_ComboBox
    QString direction;  // Smer_ComboBox
    QString loop;       // Opakovani_ComboBox
    Rgb colour;         // Barva_Shape, white until a colour is chosen
    bool showColour = false;                   // UkazBarvu_CheckBox
    QString hspace = QStringLiteral("0");      // HMezera_SpinEdit
    bool showHspace = false;                   // UkazHMezera_CheckBox
    QString vspace = QStringLiteral("0");      // VMezera_SpinEdit
    bool showVspace = false;                   // UkazVMezera_CheckBox
    QString width = QStringLiteral("0");       // Sirka_SpinEdit
    bool showWidth = false;                    // UkazSirka_CheckBox
    QString height = QStringLiteral("0");      // Vyska_SpinEdit
    bool showHeight = false;                   // UkazVyska_CheckBox
    QString delay = QStringLiteral("0");       // Pauza_SpinEdit
    bool showDelay = false;                    // UkazPauza_CheckBox
    QString amount = QStringLiteral("0");      // VelikostP_SpinEdit
    bool showAmount = false;                   // UkazVelikostP_CheckBox
};

struct EmbedFields
{
    QString path;       // Cesta_Edit
    QString palette;    // Paleta_ComboBox
    QString height = QStringLiteral("0");      // Vyska_SpinEdit
    bool showHeight = false;                   // UkazVyska_CheckBox
    QString width = QStringLiteral("0");       // Sirka_SpinEdit
    bool showWidth = false;                    // UkazSirka_CheckBox
    QStringList parameters;                    // Parametry_Memo, one entry per line
};

struct SoundFields
{
    QString path;       // Cesta_Edit
    QString loop;       // Opak_ComboBox
};

struct VideoFields
{
    QString path;       // Cesta_Edit
    QString loop = QStringLiteral("0");        // Opak_SpinEdit
    bool showLoop = false;                     // UkazOpak_CheckBox
    QString start;      // start_ComboBox
    bool controls = false;                     // UkazOvlP_CheckBox
};

// "<marquee ...></marquee>" with the caret between the tags. While the four lists are all empty
// the bare skeleton is written; the colour and the spin fields are then not used.
Edit marqueeEdit(const MarqueeFields &fields);

// "<embed ...></embed>" with the caret between the tags; every parameter line follows the
// attributes after one space, unchanged. Without a path, the bare skeleton.
Edit embedEdit(const EmbedFields &fields);

// "<bgsound dynsrc=... loop=...>" with the caret after it; without a path "<bgsound >" with the
// caret on the space.
Edit soundEdit(const SoundFields &fields);

// "<img dynsrc=... loop=... start=... controls>" with the caret after it; without a path "<img >"
// with the caret on the space.
Edit videoEdit(const VideoFields &fields);

