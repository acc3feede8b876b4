#include "app/command_line.h"

#include <QDir>
#include <QUrl>

namespace {

QString fullPath(const QString &argument, const QString &workingFolder)
{
    if (argument.startsWith(QLatin1String("file:"))) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
}

} // namespace

StartRequest parseStartArguments(const QStringList &arguments, const QString &workingFolder)
{
    StartRequest request;
    bool help = false;
    bool version = false;
    bool onlyFiles = false;
    for (const QString &argument : arguments) {
        if (onlyFiles || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            request.files.append(fullPath(argument, workingFolder));
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            help = true;
        } else if (argument == QLatin1String("--version")) {
            version = true;
        } else if (request.error.isEmpty()) {
            request.error = QStringLiteral("Neznámý přepínač „%1“. Seznam přepínačů vypíše velinor --help.").arg(argument);
        }
    }
    if (help)
        request.action = StartRequest::Action::Help;
    else if (version)
        request.action = StartRequest::Action::Version;
    else if (!request.error.isEmpty())
        request.action = StartRequest::Action::Error;
    if (request.action != StartRequest::Action::Start)
        request.files.clear();
    if (request.action != StartRequest::Action::Error)
        request.error.clear();
    return request;
}

QString commandLineHelp()
{
    return QStringLiteral(
        "Použití: velinor [PŘEPÍNAČ] [SOUBOR...]\n"
        "Editor zdrojového kódu webových stránek.\n"
        "\n"
        "Každý SOUBOR otevře, jako by byl vybrán v dialogu Otevřít. Běží-li už Velinor,\n"
        "předá mu soubory a jeho okno přenese do popředí; bez souborů jen přenese okno.\n"
        "\n"
        "Přepínače:\n"
        "  -h, --help     vypíše tuto nápovědu a skončí\n"
        "      --version  vypíše verzi programu a skončí\n"
        "  --             další argumenty jsou soubory, i když začínají pomlčkou\n"
        "\n"
        "Přijímá i obecné volby knihovny Qt, například -platform xcb.\n");
}

QString versionText()
{
    return QStringLiteral("Velinor %1\n").arg(QStringLiteral(VELINOR_VERSION));
}
