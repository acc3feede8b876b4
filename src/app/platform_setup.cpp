#include "app/platform_setup.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

namespace {

const char *const kIconThemeFile = "/usr/share/icons/breeze/breeze-icons.rcc";
const char *const kIconThemeRoot = "/velinor-icon-themes/breeze";

} // namespace

bool loadCzechPlatformTexts()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = false;
    // qtbase: buttons and standard dialogs; qscintilla: the editing component's own texts.
    for (const char *catalogue : {"qtbase_cs", "qscintilla_cs"}) {
        auto *translator = new QTranslator(qApp);
        if (translator->load(QString::fromLatin1(catalogue), folder)) {
            QCoreApplication::installTranslator(translator);
            loaded = loaded || qstrcmp(catalogue, "qtbase_cs") == 0;
        } else {
            delete translator;
        }
    }
    return loaded;
}

bool useBundledIconTheme()
{
    static bool registered = false;
    if (!registered) {
        const QString file = QString::fromLatin1(kIconThemeFile);
        registered = QFile::exists(file) && QResource::registerResource(file, QString::fromLatin1(kIconThemeRoot));
    }
    if (!registered)
        return false;
    const QString root = QString::fromLatin1(kIconThemeRoot);
    QIcon::setThemeSearchPaths({QLatin1Char(':') + root.left(root.lastIndexOf(QLatin1Char('/')))});
    QIcon::setThemeName(QStringLiteral("breeze"));
    return true;
}

QIcon velinorIcon()
{
    return QIcon(QStringLiteral(":/velinor/velinor.svg"));
}

void setUpPlatform()
{
    loadCzechPlatformTexts();
    useBundledIconTheme();
    QApplication::setWindowIcon(velinorIcon());
}
