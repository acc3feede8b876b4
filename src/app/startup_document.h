#pragma once

#include <QStringList>

// The text of the document window that Velinor opens at start-up.
QStringList startupDocumentLines();
