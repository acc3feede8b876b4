#include "dialogs/email_addresses.h"

#include "base/ini_file.h"
#include "base/program_folder.h"

namespace {

const QString kSection = QStringLiteral("E_mail");

QString emailIniPath()
{
    return ProgramFolder::file(ProgramFile::EmailFile);
}

} // namespace

QStringList rememberedEmailAddresses()
{
    if (!ProgramFolder::ensureFolder(ProgramFile::SetupFolder))
        return {};
    return IniFile(emailIniPath()).keys(kSection);
}

void rememberEmailAddress(const QString &address)
{
    // Spaces around an address are not part of it (an INI key could not keep them anyway).
    const QString key = address.trimmed();
    if (key.isEmpty() || !IniFile::canHoldKey(key))
        return;
    ProgramFolder::ensureFolder(ProgramFile::SetupFolder); // a failure shows as "Unable to write to"
    IniFile(emailIniPath()).writeString(kSection, key, key);
}
