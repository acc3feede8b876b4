#pragma once

#include "base/colour.h"

#include <QString>

// A length with its units combo: "12" and "px". Units alone write nothing.
struct CssLength
{
    QString value;
    QString units;
};

// A colour check box and its swatch; a swatch never clicked is white.
struct CssColour
{
    bool checked = false;
    Rgb colour;
};

// The fields of the CSS editor, page by page; texts are taken as typed, never trimmed.
struct CssStyleFields
{
    QString name; // E_NazevStylu

    // "&Písmo"
    QString fontFamily;     // CB_font
    CssLength fontSize;     // CB_Velikost, CB_JednotkyVelikosti
    QString fontWeight;     // CB_Tloustka
    QString fontStyle;      // CB_Styl
    CssLength lineHeight;   // CB_TloustkaCary, CB_JednotkyTloustkyCary
    QString fontVariant;    // CB_Varianta
    CssColour fontColour;   // ChB_Barva_Pismo, Shape_Barva_Pismo
    QString textTransform;  // CB_Case
    bool underline = false;   // ChB_Underline
    bool overline = false;    // ChB_OverLine
    bool lineThrough = false; // ChB_Linethrough
    bool blink = false;       // ChB_Blink
    bool noDecoration = false; // ChB_None

    // "Po&zadí"
    CssColour backgroundColour;     // ChB_Barva_Pozadi, S_Barva_Pozadi
    QString backgroundImage;        // E_Obrazek
    QString backgroundRepeat;       // CB_Opakovani
    QString backgroundAttachment;   // CB_Prichyceni
    CssLength horizontalPosition;   // CB_VodPozice, CB_JednotkyVod
    CssLength verticalPosition;     // CB_SvisPozice, CB_JednotkySvis

    // "&Blok"
    CssLength wordSpacing;    // CB_MezerySlova
    CssLength letterSpacing;  // CB_MezeryPismena
    CssLength verticalAlign;  // CB_SvisleZarovnani
    QString textAlign;        // CB_Zarovnani
    CssLength textIndent;     // E_Odsazeni
    QString whiteSpace;       // CB_Chovani

    // "B&ox"
    CssLength width, height;                                           // CB_Sirka, CB_Vyska
    CssLength paddingLeft, paddingRight, paddingTop, paddingBottom;    // CB_MezeraZleva ...
    CssLength marginLeft, marginRight, marginTop, marginBottom;        // CB_LevyOkraj ...
    QString floatSide;  // CB_Obtekani
    QString clearSide;  // CB_Clear: kept with the dialog, not written

    // "&Okraj"
    QString borderStyle;                                                       // CB_Styl_Okraj
    CssLength borderLeft, borderRight, borderTop, borderBottom;                // CB_Levy ...
    CssColour borderLeftColour, borderRightColour, borderTopColour, borderBottomColour; // ChB_Levy ...

    // "&List"
    QString listType;     // CB_Typ
    QString listPosition; // CB_Pozice
    QString listImage;    // E_ObrazekList

    // "&Rozšíření"
    QString pageBreakBefore; // CB_Pred
    QString pageBreakAfter;  // CB_Za
    QString cursor;          // CB_Cursor
    QString filter;          // CB_Filtr

    // "&ScrollBar"
    CssColour scrollFace, scrollHighlight, scrollShadow, scroll3dLight, scrollDarkShadow;
    CssColour scrollTrack; // ChB_Track: kept with the dialog, not written
    CssColour scrollArrow;
};

// The stylesheet: one rule for "body", its properties in a fixed order, each line ending in a
// carriage return; "body {", an empty line, the properties, an empty line, "}".
QString cssStyleText(const CssStyleFields &fields);

// Where a style named `name` is stored: "<projectFolder>/<name>.css". A name that would place the
// file outside the folder ("../wgal/default", "/tmp/styl") is refused as the ordinary save refuses
// its caption (files/save_target.h).
QString cssStyleFilePath(const QString &projectFolder, const QString &name);

// The empty rule of the Styl tab's "  CSS >>": the selector, "." and the class when there is one,
// then "{}"; both texts as typed ("p" and "nadpis" give "p.nadpis{}", two empty texts "{}").
QString emptyStyleRule(const QString &selector, const QString &className);
