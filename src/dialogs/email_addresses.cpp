#include "dialogs/email_addresses.h"

#include "base/ini_file.h"
#include "base/program_folder.h"

namespace {

const QString kSection = QStringLiteral("E_mail");

QString emailIniPath()
{
    return ProgramFolder::file(QStringLiteral("setup\\email.ini"));
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
    if (!IniFile::canHoldKey(address))
        return;
    ProgramFolder::ensureFolder(QStringLiteral("setup")); // a failure shows as "Unable to write to"
    IniFile(emailIniPath()).writeString(kSection, address, address);
}
