#pragma once

class CommandRegistry;

// The colour tools of the main window: the colour dialog command (its dialog remembers the last
// colour while the program runs), the mixer, the viewer and the eyedropper. Each inserts
// "#RRGGBB" (the mixer also "(r, g, b)") into the active document and does nothing without one.
void registerColourTools(CommandRegistry &registry);
