#pragma once

class QToolBar;

// The colour bar "Panel barev", once built from its layout table: gives its named items icons in
// their colours.
void paintColourBarIcons(QToolBar *colourBar);
