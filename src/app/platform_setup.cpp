#include "app/platform_setup.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

namespace {

// Texts that Debian's Czech catalogue of Qt 6.4 lacks: Qt 6 moved the file dialog's type column
// ("Folder", "%1 File") to a context the catalogue does not have yet.
class MissingCzechTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return QString();
        static const struct
        {
            const char *english;
            const char *czech;
        } texts[] = {
            {"Folder", "Složka"}, {"File", "Soubor"},       {"%1 File", "Soubor %1"},
            {"Drive", "Jednotka"}, {"Computer", "Počítač"}, {"Unknown", "Neznámý"},
        };
        for (const auto &text : texts)
            if (qstrcmp(sourceText, text.english) == 0)
                return QString::fromUtf8(text.czech);
        return QString();
    }
};

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
    if (loaded)
        QCoreApplication::installTranslator(new MissingCzechTexts(qApp));
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
