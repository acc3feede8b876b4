#pragma once

#include "core/command_context.h"

#include <QHash>
#include <QString>

#include <functional>

// Maps the names of commands ("NoveClick") to what they do. Controls whose command is not
// registered are built disabled; every command runs through `run`, which shows Velinor's errors
// to the user instead of letting them cross the event loop.
class CommandRegistry
{
public:
    using Handler = std::function<void(const CommandContext &)>;
    using ContextSource = std::function<CommandContext()>;

    // A document command runs only with a target document: without one nothing happens, here and
    // nowhere else. Other commands run either way.
    enum class Target { Document, Optional };

    // False, leaving the first in place, when the name is already taken.
    bool add(const QString &command, Target target, Handler handler);
    bool has(const QString &command) const { return m_entries.contains(command); }

    void run(const QString &command, const CommandContext &context) const;
    // With the context of the main window's controls.
    void run(const QString &command) const { run(command, currentContext()); }

    // Where the main window's controls take their context from (the active document).
    void setContextSource(ContextSource source) { m_contextSource = std::move(source); }
    CommandContext currentContext() const { return m_contextSource ? m_contextSource() : CommandContext{}; }

private:
    struct Entry
    {
        Target target;
        Handler handler;
    };
    QHash<QString, Entry> m_entries;
    ContextSource m_contextSource;
};

// Shows a Velinor error (the general error report).
void showErrorReport(const QString &message);

// Runs an action, reporting a VelinorError as a message box.
void runReportingErrors(const std::function<void()> &action);
