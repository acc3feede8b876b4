#pragma once

#include "editor/edit.h"

#include <QString>

// The radio groups the frame dialogs share: each always has one button selected, so both pieces
// are always written.
enum class FrameScrolling { Auto, Yes, No };   // Auto_RadioButton, YesScroll_RadioButton, NoScroll_RadioButton
enum class FrameBorder { Yes, No };            // YesBorder_RadioButton, NoBorder_RadioButton

struct FramesetFields
{
    QString columns;                          // Sloupce_ComboBox
    QString rows;                             // Radky_ComboBox
    QString spacing = QStringLiteral("0");    // Mezery_SpinEdit
    bool showSpacing = false;                 // UkazMezery_CheckBox
    FrameScrolling scrolling = FrameScrolling::Auto;
    FrameBorder border = FrameBorder::Yes;
};

// The frame and the inline frame share their fields; they differ in the tag and the default path form.
struct FrameFields
{
    enum class PathForm { None, Relative, Absolute }; // Rel_RadioButton / Abs_RadioButton / neither

    QString path;                             // Cesta_Edit: typed, or the file chosen with "..."
    PathForm form = PathForm::None;
    QString name;                             // Jmeno_Edit
    QString alignment;                        // Zarovnani_ComboBox
    QString marginHeight = QStringLiteral("0"); // Vyska_SpinEdit
    bool showMarginHeight = false;              // UkazVyska_CheckBox
    QString marginWidth = QStringLiteral("0");  // Sirka_SpinEdit
    bool showMarginWidth = false;               // UkazSirka_CheckBox
    FrameScrolling scrolling = FrameScrolling::Auto;
    FrameBorder border = FrameBorder::Yes;
};

// "<frameset ...>", an empty line for the frames and "</frameset>"; the caret on the empty line.
Edit framesetEdit(const FramesetFields &fields);

// "<frame ...>" or "<iframe ...>" (tagName), no end tag, the caret after it. The source is
// written only when the path is not empty and a path form is chosen: "Relativně" writes the file
// name after the path's last "/" or "\", "Absolutně" the path as the field holds it.
Edit frameEdit(const QString &tagName, const FrameFields &fields);
