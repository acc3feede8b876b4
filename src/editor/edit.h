#pragma once

#include "editor/text_document.h"

#include <QString>
#include <optional>
#include <vector>

// What a command does to a document: insertions and caret moves in order, possibly ending in an
// error (a generator that fails half-way keeps what it inserted so far and reports the failure).
class Edit
{
public:
    enum class StepKind { Insert, Left, Up };
    struct Step
    {
        StepKind kind;
        QString text; // Insert
        int count = 0; // Left, Up
    };

    Edit &insert(const QString &text);
    Edit &left(int columns);
    Edit &up(int lines);
    Edit &fail(const QString &message);
    Edit &append(const Edit &other);

    const std::vector<Step> &steps() const { return m_steps; }
    const std::optional<QString> &error() const { return m_error; }
    bool isEmpty() const { return m_steps.empty() && !m_error; }

private:
    std::vector<Step> m_steps;
    std::optional<QString> m_error;
};

// Runs the edit on the document as one undo step. When the edit ends in an error, the steps before
// it stay applied and VelinorError is raised with the message.
void apply(const Edit &edit, TextDocument &document);
