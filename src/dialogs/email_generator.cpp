#include "dialogs/email_generator.h"

std::optional<Edit> emailEdit(const EmailFields &f)
{
    if (!f.textIsAddress && f.linkText.isEmpty())
        return std::nullopt;

    QString query;
    if (!f.subject.isEmpty() && !f.body.isEmpty())
        query = QStringLiteral("?subject=") + f.subject + QStringLiteral("&body=") + f.body + QLatin1Char('"');
    else if (!f.subject.isEmpty())
        query = QStringLiteral("?subject=") + f.subject + QLatin1Char('"');
    else if (!f.body.isEmpty())
        query = QStringLiteral("?body=") + f.body + QLatin1Char('"');

    QString text = QStringLiteral("<a");
    if (!f.address.isEmpty())
        text += QStringLiteral(" href=\"mailto:") + f.address + (query.isEmpty() ? QStringLiteral("\"") : query);
    else if (!query.isEmpty())
        text += QStringLiteral(" href=\"mailto:") + query; // the query's closing quotation mark needs its opening one
    else
        text += QLatin1Char(' ');

    if (f.textIsAddress)
        return Edit().insert(text + QStringLiteral("></a>")).left(4);
    return Edit().insert(text + QLatin1Char('>') + f.linkText + QStringLiteral("</a>"));
}
