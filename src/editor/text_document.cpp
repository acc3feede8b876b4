#include "editor/text_document.h"

#include "editor/edit.h"

QStringList TextDocument::lines() const
{
    QStringList result;
    const int count = lineCount();
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(line(i));
    return result;
}

void TextDocument::runSteps(const Edit &edit)
{
    for (const Edit::Step &step : edit.steps()) {
        switch (step.kind) {
        case Edit::StepKind::Insert:
            insert(step.text);
            break;
        case Edit::StepKind::Left:
            setCaretColumn(caretColumn() - step.count);
            break;
        case Edit::StepKind::Up:
            setCaretLine(caretLine() - step.count);
            break;
        }
    }
}
