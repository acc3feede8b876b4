#include "app/colour_bar.h"

#include "base/colour.h"
#include "base/qt_colour.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

namespace {

QIcon colourIcon(const Rgb &colour)
{
    QPixmap picture(16, 16);
    picture.fill(toQColor(colour));
    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(picture);
}

} // namespace

void paintColourBarIcons(QToolBar *colourBar)
{
    for (const NamedColour &entry : namedColours()) {
        const QString name = QStringLiteral("TBItem_") + QLatin1String(entry.name);
        for (QAction *action : colourBar->actions())
            if (action->objectName() == name)
                action->setIcon(colourIcon(entry.colour));
    }
}
