#pragma once

#include <QHash>
#include <QString>

#include <functional>

// Maps the names of commands ("NoveClick") to what they do. Controls whose command is not
// registered are built disabled; every command runs through `run`, which shows Velinor's errors
// to the user instead of letting them cross the event loop.
class CommandRegistry
{
public:
    using Handler = std::function<void()>;

    void add(const QString &command, Handler handler);
    bool has(const QString &command) const { return m_handlers.contains(command); }
    void run(const QString &command) const;

private:
    QHash<QString, Handler> m_handlers;
};

// Shows a Velinor error (the general error report).
void showErrorReport(const QString &message);

// Runs an action, reporting a VelinorError as a message box.
void runReportingErrors(const std::function<void()> &action);
