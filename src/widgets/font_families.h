#pragma once

#include <QStringList>

// The font families installed on the system, each once by its plain name ("C059", never
// "C059 [urw]"), in alphabetical order ignoring case: what every list of fonts offers, since a
// page names a font by its family alone.
QStringList installedFontFamilies();

// The plain names of a font database's family list: Qt tags a family that several foundries
// provide with the foundry ("Family [Foundry]"); the tag is dropped and each family kept once.
QStringList plainFontFamilies(const QStringList &families);
