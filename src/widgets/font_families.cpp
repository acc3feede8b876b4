#include "widgets/font_families.h"

#include <QFontDatabase>
#include <QRegularExpression>

#include <algorithm>

QStringList installedFontFamilies()
{
    return plainFontFamilies(QFontDatabase::families());
}

QStringList plainFontFamilies(const QStringList &families)
{
    static const QRegularExpression foundryTag(QStringLiteral("\\s*\\[[^\\[\\]]*\\]$"));
    QStringList plain;
    plain.reserve(families.size());
    for (QString family : families) {
        family.remove(foundryTag);
        if (!family.isEmpty())
            plain << family;
    }
    // Without its tag a name may sort elsewhere ("Foo [a]" came after "Foo Bar").
    std::stable_sort(plain.begin(), plain.end(),
                     [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    plain.erase(std::unique(plain.begin(), plain.end()), plain.end());
    return plain;
}
