#pragma once

#include <QString>
#include <stdexcept>

// The one error type of Velinor: file, settings and number-conversion failures carry the text the
// user sees. The command dispatcher catches it and shows it; it never crosses the event loop.
class VelinorError : public std::runtime_error
{
public:
    explicit VelinorError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString &message() const { return m_message; }

    static VelinorError cannotOpen(const QString &path) { return VelinorError(QStringLiteral("Cannot open file %1").arg(path)); }
    static VelinorError cannotCreate(const QString &path) { return VelinorError(QStringLiteral("Cannot create file %1").arg(path)); }
    static VelinorError unableToWrite(const QString &path) { return VelinorError(QStringLiteral("Unable to write to %1").arg(path)); }
    static VelinorError notAnInteger(const QString &text) { return VelinorError(QStringLiteral("'%1' is not a valid integer value").arg(text)); }

private:
    QString m_message;
};
