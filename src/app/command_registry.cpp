#include "app/command_registry.h"

#include "base/velinor_error.h"

#include <QApplication>
#include <QMessageBox>

void CommandRegistry::add(const QString &command, Handler handler)
{
    m_handlers.insert(command, std::move(handler));
}

void CommandRegistry::run(const QString &command) const
{
    const auto it = m_handlers.constFind(command);
    if (it != m_handlers.constEnd())
        runReportingErrors(*it);
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
