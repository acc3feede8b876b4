#pragma once

#include "editor/edit.h"

#include <QString>

// The hit-counter web service the counter markup points at: scheme and host, without a final
// "/". This is the one place to change it; the home page and the counter image are built from it.
inline constexpr char kCounterServiceBase[] = "https://counter.example.net";

// The service's home page: the base followed by "/counter/".
QString counterHomePage();

// The fields of the counter dialog, with its defaults.
struct CounterFields
{
    QString style;                          // ZnakovaSada_ComboBox: the digit style, "set"
    QString identifier;                     // Identifikator_Edit: the counter, "link"
    QString digits = QStringLiteral("1");   // PocetCifer_SpinEdit: "width"
};

// A link to the service's home page around the image the service draws for the counter, all on
// one line, the values copied as typed. The caret ends where the missing part belongs: after the
// source's closing quotation mark when the style is empty, otherwise before "</a>".
Edit counterEdit(const CounterFields &fields);
