#pragma once

#include <QString>

// The filters of Velinor's file dialogs, one table for every dialog that offers them, in Qt's form
// ("Name (*.x *.y)" entries separated by ";;").
enum class FileFilters {
    Documents,   // the open and save dialogs of documents
    Stylesheets, // "&Najít ..." of the stylesheet link dialog
    Pages,       // "Najít" of the page preview
};

QString fileFilters(FileFilters which);
