#include "base/file_filters.h"

QString fileFilters(FileFilters which)
{
    switch (which) {
    case FileFilters::Documents:
        return QString::fromUtf8(
            "HTML Dokument (*.html *.htm *.shtml *.hhc);;Javascript files (*.java);;"
            "PHP files (*.php *php3 *.php4 *phtml *.inc);;CSS files (*.css);;SQL files (*.sql);;"
            "XHTML Dokument (*.html *.htm *.xhtml);;XML Document (*.xml *.xsd *.xsl *.xslt *.vxml *.dtd);;"
            "Všechny soubory (*)");
    case FileFilters::Stylesheets:
        return QString::fromUtf8("CSS soubory (*.css);;Všechny soubory (*)");
    case FileFilters::Pages:
        return QString::fromUtf8("HTML soubory (*.htm *.html);;Všechny soubory (*)");
    }
    return {};
}
