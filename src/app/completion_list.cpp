#include "app/completion_list.h"

#include "editor/completion_entries.h"
#include "editor/insertion.h"

namespace {

QString rowOf(const CompletionEntry &entry)
{
    return entry.description + QLatin1Char('\t') + entry.tagName;
}

bool endsWord(QChar c)
{
    return QStringLiteral("()[].<> \t").contains(c);
}

} // namespace

CompletionRequest completionRequest(const QString &lineText, int caretColumn)
{
    // In the free space after the text the caret stands after (unstored) spaces: no word.
    if (caretColumn - 1 > characterCount(lineText))
        return {QString(), caretColumn};
    const int end = std::min(int(lineText.size()), indexAfterCharacters(lineText, caretColumn - 1));
    int start = end;
    while (start > 0 && !endsWord(lineText.at(start - 1)))
        --start;
    return {lineText.mid(start, end - start), characterCount(lineText.left(start)) + 1};
}

int completionReplaceStart(const QString &lineText, int caretColumn, const QString &insertText)
{
    const CompletionRequest request = completionRequest(lineText, caretColumn);
    const int wordStart = std::min(int(lineText.size()), indexAfterCharacters(lineText, request.wordStartColumn - 1));
    if (insertText.startsWith(QLatin1Char('<')) && wordStart > 0 && lineText.at(wordStart - 1) == QLatin1Char('<'))
        return request.wordStartColumn - 1;
    return request.wordStartColumn;
}

QStringList completionRows(const QString &typed)
{
    QStringList rows;
    for (const CompletionEntry &entry : completionEntries()) {
        QString bareInsert = entry.insertText;
        bareInsert.remove(QLatin1Char('<')).remove(QLatin1Char('/'));
        if (typed.isEmpty() || entry.tagName.startsWith(typed, Qt::CaseInsensitive)
            || bareInsert.startsWith(typed, Qt::CaseInsensitive))
            rows.append(rowOf(entry));
    }
    return rows;
}

std::optional<QString> completionInsertText(const QString &row)
{
    for (const CompletionEntry &entry : completionEntries())
        if (rowOf(entry) == row)
            return entry.insertText;
    return std::nullopt;
}
