#include "commands/local_links.h"

#include "base/ini_file.h"

namespace {

Edit linkElement(const QString &attributes)
{
    return Edit().insert(QStringLiteral("<a") + attributes + QStringLiteral("></a>")).left(4);
}

QString keyOf(const QString &name)
{
    return name.trimmed();
}

} // namespace

const char *const kLocalLinkSection = "Link_ComboBox";

Edit localLinkEdit(const QString &name)
{
    return linkElement(QStringLiteral(" href=\"#") + name + QLatin1Char('"'));
}

Edit anchorEdit(const QString &name)
{
    return linkElement(name.isEmpty() ? QString() : QStringLiteral(" name=\"") + name + QLatin1Char('"'));
}

bool canRememberLinkName(const QString &name)
{
    return IniFile::canHoldKey(keyOf(name));
}

QStringList rememberLinkName(IniFile &file, const QString &name)
{
    const QString section = QString::fromLatin1(kLocalLinkSection);
    if (canRememberLinkName(name)) {
        const QString key = keyOf(name);
        // An existing key keeps its first spelling; only its value is written again.
        file.writeString(section, key, key);
    }
    return file.keys(section);
}
