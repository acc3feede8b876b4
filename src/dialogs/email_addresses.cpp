#include "dialogs/email_addresses.h"

#include "base/ini_file.h"
#include "base/program_folder.h"

namespace {

const QString kSection = QStringLiteral("E_mail");

QString emailIniPath()
{
    return ProgramFolder::file(QStringLiteral("setup\\email.ini"));
}

// Whether the address reads back from the file as the same key.
bool storableAsKey(const QString &address)
{
    return !address.isEmpty() && address == address.trimmed() && !address.contains(QLatin1Char('='))
           && !address.contains(QLatin1Char('\n')) && !address.contains(QLatin1Char('\r'))
           && !address.startsWith(QLatin1Char(';')) && !address.startsWith(QLatin1Char('['));
}

} // namespace

QStringList rememberedEmailAddresses()
{
    if (!ProgramFolder::ensureFolder(QStringLiteral("setup")))
        return {};
    return IniFile(emailIniPath()).keys(kSection);
}

void rememberEmailAddress(const QString &address)
{
    if (!storableAsKey(address))
        return;
    ProgramFolder::ensureFolder(QStringLiteral("setup")); // a failure shows as "Unable to write to"
    IniFile(emailIniPath()).writeString(kSection, address, address);
}
