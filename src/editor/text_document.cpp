#include "editor/text_document.h"

QStringList TextDocument::lines() const
{
    QStringList result;
    const int count = lineCount();
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(line(i));
    return result;
}
