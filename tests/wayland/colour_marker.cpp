// A window filled with one colour, for the eyedropper to find on a real desktop. Arguments: the
// window's title (the compositor's rules place it by its title) and the colour ("#RRGGBB").

#include <QApplication>
#include <QColor>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QWidget marker;
    marker.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    QPalette palette = marker.palette();
    palette.setColor(QPalette::Window, QColor(QString::fromLatin1(argv[2])));
    marker.setPalette(palette);
    marker.setAutoFillBackground(true);
    marker.resize(200, 150);
    marker.show();
    return app.exec();
}
