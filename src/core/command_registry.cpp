#include "core/command_registry.h"

#include "base/velinor_error.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

DocumentSource CommandContext::documentSource() const
{
    const QPointer<DocumentWindow> target = window;
    return [target]() -> TextDocument * { return target ? target->editor() : nullptr; };
}

SyntaxEdit *CommandContext::document() const
{
    return window ? window->editor() : nullptr;
}

bool CommandRegistry::add(const QString &command, Target target, Handler handler)
{
    if (m_entries.contains(command)) {
        qWarning("Command %s is already registered", qPrintable(command));
        return false;
    }
    m_entries.insert(command, {target, std::move(handler)});
    return true;
}

void CommandRegistry::run(const QString &command, const CommandContext &context) const
{
    const auto it = m_entries.constFind(command);
    if (it == m_entries.constEnd())
        return;
    if (it->target == Target::Document && !context.window)
        return; // no document: nothing happens
    const Handler &handler = it->handler;
    runReportingErrors([&] { handler(context); });
}

void showErrorReport(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

void runReportingErrors(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
    }
}
