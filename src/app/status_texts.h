#pragma once

#include "editor/text_document.h"

#include <QString>

#include <array>

// Texts of the main window's status bar.

// "line/column : lines/length", e.g. "3/7 : 12/324".
QString statusPositionText(const TextPosition &caret, int lineCount, qint64 statusLength);

inline const char *const kStateModified = "ZMĚNĚNO";
inline const char *const kStateUnmodified = "NEZMĚNĚNO";
inline const char *const kModeInsert = "INSERT";
inline const char *const kModeOverwrite = "OVERWRITE";

// The status bar's geometry: the widths in pixels of the fixed panels (position, state, language,
// mode) from the left edge; the hint panel takes the rest.
inline constexpr std::array<int, 4> kStatusPanelWidths = {100, 70, 180, 80};
// The x where a fixed panel starts (its index 0..3; 4: the hint panel).
int statusPanelLeft(int panel);

// The hint of the status bar at x pixels from its left edge ("short|long"; empty past the panels).
// `panelText` is the text of the panel under the mouse.
struct StatusBarHint
{
    int panel = -1; // -1: none
    QString hint;
};
StatusBarHint statusBarHintAt(int x, const QString panelTexts[4]);

// Whether a mouse press at x toggles the insert mode.
bool statusBarPressTogglesMode(int x);
