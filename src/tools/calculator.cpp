#include "tools/calculator.h"

#include <QStandardPaths>

QStringList desktopCalculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),       QStringLiteral("mate-calc"),
            QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

QString findDesktopCalculator(const QStringList &searchPaths)
{
    for (const QString &name : desktopCalculators()) {
        const QString path = QStandardPaths::findExecutable(name, searchPaths);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
