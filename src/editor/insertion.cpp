#include "editor/insertion.h"

int characterCount(const QString &text)
{
    int count = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

int indexAfterCharacters(const QString &text, int n)
{
    const int size = int(text.size());
    int i = 0;
    for (int k = 0; k < n && i < size; ++k) {
        if (text.at(i).isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate())
            ++i;
        ++i;
    }
    return i;
}

QString withoutTrailingSpaces(const QString &text)
{
    int end = int(text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return end == text.size() ? text : text.left(end);
}

QStringList splitInsertedText(const QString &text)
{
    QStringList pieces;
    QString current;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QChar(0))
            break;
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            pieces.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            continue;
        }
        current.append(c);
    }
    pieces.append(current);
    return pieces;
}

InsertionResult insertIntoLine(const QString &lineText, int caretColumn, const QString &text)
{
    const int before = std::max(caretColumn, 1) - 1;
    const int cut = indexAfterCharacters(lineText, before);
    QString left = lineText.left(cut);
    const int available = characterCount(left);
    if (available < before)
        left.append(QString(before - available, QLatin1Char(' ')));
    const QString right = lineText.mid(cut);

    const QStringList pieces = splitInsertedText(text);
    InsertionResult result;
    result.lines.reserve(pieces.size());
    if (pieces.size() == 1) {
        result.lines.append(left + pieces.first() + right);
    } else {
        result.lines.append(left + pieces.first());
        for (int i = 1; i + 1 < pieces.size(); ++i)
            result.lines.append(pieces.at(i));
        result.lines.append(pieces.last() + right);
    }
    for (QString &line : result.lines) {
        line = withoutTrailingSpaces(line);
        result.longestLine = std::max(result.longestLine, characterCount(line));
    }
    const int lastLength = characterCount(result.lines.last());
    const int rightLength = characterCount(withoutTrailingSpaces(right));
    result.caretColumn = std::max(1, lastLength - rightLength + 1);
    return result;
}
