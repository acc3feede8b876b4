#include "app/main_form.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor 1.0"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velinor 1.0"));

    TMainForm mainForm;
    // Maximised; without a window manager (a bare X server) the screen's size does it.
    mainForm.setGeometry(mainForm.screen()->availableGeometry());
    mainForm.showMaximized();
    mainForm.createChild(); // "Novy1.html", the start-up document, not maximised
    return app.exec();
}
