#include "editor/edit.h"

#include "base/velinor_error.h"

Edit &Edit::insert(const QString &text)
{
    m_steps.push_back({StepKind::Insert, text, 0});
    return *this;
}

Edit &Edit::left(int columns)
{
    m_steps.push_back({StepKind::Left, {}, columns});
    return *this;
}

Edit &Edit::up(int lines)
{
    m_steps.push_back({StepKind::Up, {}, lines});
    return *this;
}

Edit &Edit::fail(const QString &message)
{
    m_error = message;
    return *this;
}

Edit &Edit::append(const Edit &other)
{
    m_steps.insert(m_steps.end(), other.m_steps.begin(), other.m_steps.end());
    if (other.m_error)
        m_error = other.m_error;
    return *this;
}

void apply(const Edit &edit, TextDocument &document)
{
    {
        UndoGroup group(document);
        document.runSteps(edit);
    }
    if (edit.error())
        throw VelinorError(*edit.error());
}
