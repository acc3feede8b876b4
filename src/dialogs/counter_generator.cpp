#include "dialogs/counter_generator.h"

QString counterHomePage()
{
    return QLatin1String(kCounterServiceBase) + QStringLiteral("/counter/");
}

Edit counterEdit(const CounterFields &f)
{
    const QString linkStart = QStringLiteral("<a href=\"") + counterHomePage() + QStringLiteral("\"><img");
    const QString sourceStart = QStringLiteral(" src=\"") + QLatin1String(kCounterServiceBase)
                                + QStringLiteral("/bin/counter.gif/link=");
    const QString tail = QStringLiteral("\" border=0></a>");

    if (f.identifier.isEmpty() && f.style.isEmpty())
        return Edit().insert(linkStart + sourceStart + tail).left(14);
    const QString query = f.identifier + QStringLiteral("&width=") + f.digits + QStringLiteral("&set=") + f.style;
    // Without a style the caret waits just after "&set=" and its quotation mark, for the style.
    return Edit().insert(linkStart + sourceStart + query + tail).left(f.style.isEmpty() ? 14 : 4);
}
