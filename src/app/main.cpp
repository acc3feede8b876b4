#include "app/startup_document.h"
#include "editor/syntax_edit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));

    SyntaxEdit editor;
    editor.setWindowTitle(QStringLiteral("Velinor 1.0 - Novy1.html"));
    editor.setText(startupDocumentLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    editor.resize(900, 600);
    editor.show();
    return app.exec();
}
