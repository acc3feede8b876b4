#include "core/command_registry.h"

#include "base/velinor_error.h"
#include "core/document_window.h"
#include "editor/syntax_edit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>

DocumentSource CommandContext::documentSource() const
{
    const QPointer<DocumentWindow> target = window;
    return [target]() -> TextDocument * { return target ? target->editor() : nullptr; };
}

SyntaxEdit *CommandContext::editor() const
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

namespace {

// The message box's label wraps only between words, so a file name longer than the box is wide
// would be cut off: such a run gets zero-width places to break, after its slashes and wherever
// else a line would overflow. Runs that fit are left exactly as they are.
QString breakableText(const QString &text, const QFontMetrics &metrics, int width)
{
    const QChar breakHere(0x200B);
    QString out;
    out.reserve(text.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text.at(i).isSpace())
            continue;
        const QString run = text.mid(runStart, i - runStart);
        if (metrics.horizontalAdvance(run) <= width) {
            out += run;
        } else {
            int line = 0;
            for (const QChar c : run) {
                const int advance = metrics.horizontalAdvance(c);
                if (line + advance > width) {
                    out += breakHere;
                    line = 0;
                }
                out += c;
                line += advance;
                if (c == QLatin1Char('/')) {
                    out += breakHere;
                    line = 0;
                }
            }
        }
        if (i < text.size())
            out += text.at(i);
        runStart = i + 1;
    }
    return out;
}

} // namespace

void showErrorReport(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), QString(), QMessageBox::Ok,
                    QApplication::activeWindow());
    const int width = box.fontMetrics().averageCharWidth() * 60;
    box.setText(breakableText(message, box.fontMetrics(), width));
    box.exec();
}

void runReportingErrors(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VelinorError &error) {
        showErrorReport(error.message());
    }
}
