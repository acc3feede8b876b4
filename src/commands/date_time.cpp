#include "commands/date_time.h"

#include <vector>

namespace {

struct FormatToken
{
    enum class Kind { Field, Quoted, Other };
    Kind kind;
    QString text; // as written in the format, quotes included
};

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Splits a Qt date-time format into runs of one pattern letter, quoted literals and other text.
std::vector<FormatToken> tokenize(const QString &format)
{
    std::vector<FormatToken> tokens;
    int i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        int end = i + 1;
        FormatToken::Kind kind = FormatToken::Kind::Other;
        if (c == QLatin1Char('\'')) {
            kind = FormatToken::Kind::Quoted;
            while (end < format.size() && format.at(end) != QLatin1Char('\''))
                ++end;
            end = std::min(end + 1, int(format.size())); // the closing quote
        } else if (isAsciiLetter(c)) {
            kind = FormatToken::Kind::Field;
            while (end < format.size() && format.at(end) == c)
                ++end;
        } else {
            while (end < format.size() && format.at(end) != QLatin1Char('\'') && !isAsciiLetter(format.at(end)))
                ++end;
        }
        tokens.push_back({kind, format.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

bool isZoneField(const FormatToken &token)
{
    return token.kind == FormatToken::Kind::Field && token.text.startsWith(QLatin1Char('t'));
}

bool isFiller(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',');
}

void chopTrailingFiller(QString &text)
{
    while (!text.isEmpty() && isFiller(text.back()))
        text.chop(1);
}

void chopLeadingSpace(QString &text)
{
    while (!text.isEmpty() && text.front().isSpace())
        text.remove(0, 1);
}

bool hasContent(const std::vector<FormatToken> &tokens, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (tokens[i].kind != FormatToken::Kind::Other)
            return true;
    return false;
}

} // namespace

QString longTimeFormatWithoutZone(const QLocale &locale)
{
    std::vector<FormatToken> tokens = tokenize(locale.timeFormat(QLocale::LongFormat));
    for (size_t i = 0; i < tokens.size();) {
        if (!isZoneField(tokens[i])) {
            ++i;
            continue;
        }
        FormatToken *before = i > 0 && tokens[i - 1].kind == FormatToken::Kind::Other ? &tokens[i - 1] : nullptr;
        FormatToken *after = i + 1 < tokens.size() && tokens[i + 1].kind == FormatToken::Kind::Other ? &tokens[i + 1] : nullptr;
        // "(t)" and "[t]" go whole.
        if (before && after) {
            const QString open = before->text.trimmed().right(1);
            const QString close = after->text.trimmed().left(1);
            if ((open == QLatin1String("(") && close == QLatin1String(")"))
                || (open == QLatin1String("[") && close == QLatin1String("]"))) {
                before->text.truncate(before->text.lastIndexOf(open));
                after->text.remove(0, after->text.indexOf(close) + 1);
            }
        }
        const bool atEnd = !hasContent(tokens, i + 1, tokens.size());
        const bool atStart = !hasContent(tokens, 0, i);
        if (atEnd && before)
            chopTrailingFiller(before->text);
        if ((atStart || !atEnd) && after)
            chopLeadingSpace(after->text);
        if (atEnd && after)
            chopTrailingFiller(after->text);
        tokens.erase(tokens.begin() + long(i));
    }
    QString format;
    for (const FormatToken &token : tokens)
        format += token.text;
    format = format.trimmed();
    return format.isEmpty() ? QStringLiteral("HH:mm:ss") : format;
}

QString regionalDate(const QLocale &locale, const QDate &date)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString regionalTime(const QLocale &locale, const QTime &time)
{
    return locale.toString(time, longTimeFormatWithoutZone(locale));
}

Edit timeStampEdit(TimeStamp stamp, const QLocale &locale, const QDateTime &now)
{
    const QString date = regionalDate(locale, now.date());
    const QString time = regionalTime(locale, now.time());
    switch (stamp) {
    case TimeStamp::Time:
        return Edit().insert(time);
    case TimeStamp::Date:
        return Edit().insert(date);
    case TimeStamp::DateThenTime:
        return Edit().insert(date + QLatin1Char(' ') + time);
    case TimeStamp::TimeThenDate:
        return Edit().insert(time + QLatin1Char(' ') + date);
    }
    return Edit();
}
