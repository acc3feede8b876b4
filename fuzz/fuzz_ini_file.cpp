// Settings files: whatever a file holds, reading never fails; every value written under a name the
// file can hold reads back as written, in any letter case of its section and key, the keys keep
// their first spelling and file order, and an erased section is gone while the others stay.
#include "fuzz_input.h"

#include "base/ini_file.h"

#include <QFile>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {


// A section name as code would give it: one line, no spaces around it, no "]".
QString sectionName(FuzzInput &input)
{
    QString name = input.text();
    name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(0)).remove(QLatin1Char(']'));
    return name.trimmed();
}

// A value reads back without the spaces around it and ends at a line break.
QString valueText(FuzzInput &input)
{
    QString value = input.text();
    value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(0));
    return value.trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The same name in other letters: ASCII letters swap their case.
QString otherCase(QString name)
{
    for (QChar &c : name)
        if (c.unicode() < 128 && c.isLetter())
            c = c.isUpper() ? c.toLower() : c.toUpper();
    return name;
}

struct Entry
{
    QString key;
    QString value;
};

// The model: the sections this run wrote, each with its entries in file order.
struct SectionModel
{
    QString name;
    std::vector<Entry> entries;
};

template <typename T>
typename std::vector<T>::iterator findNamed(std::vector<T> &items, const QString &name)
{
    return std::find_if(items.begin(), items.end(), [&](const T &item) {
        if constexpr (std::is_same_v<T, Entry>)
            return sameName(item.key, name);
        else
            return sameName(item.name, name);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const QString path = scratchPath(QStringLiteral("setup.ini"));
    QFile::remove(path);
    const QByteArray initial = input.shortBytes();
    if (!initial.isEmpty()) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(initial) == initial.size(), "scratch file");
    }

    IniFile ini(path);
    // Whatever the file holds, reading gives answers.
    ini.readString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("default"));
    ini.readInteger(QStringLiteral("CheckBox_Barvy"), QStringLiteral("Checked"), 1);

    std::vector<SectionModel> model;
    while (!input.atEnd()) {
        const QString section = sectionName(input);
        if (input.choice(8) == 0) {
            ini.eraseSection(section);
            FUZZ_CHECK(!ini.hasSection(otherCase(section)), "an erased section is gone");
            const auto erased = findNamed(model, section);
            if (erased != model.end())
                model.erase(erased);
            continue;
        }
        const QString key = input.text();
        const QString value = valueText(input);
        if (!IniFile::canHoldKey(key))
            continue;
        // A section this run has not written yet starts from what the file says.
        auto written = findNamed(model, section);
        if (written == model.end()) {
            SectionModel fresh{section, {}};
            for (const QString &k : ini.keys(section))
                fresh.entries.push_back({k, ini.readString(section, k)});
            model.push_back(fresh);
            written = model.end() - 1;
        }
        ini.writeString(section, key, value);
        const auto entry = findNamed(written->entries, key);
        if (entry == written->entries.end())
            written->entries.push_back({key, value});
        else
            entry->value = value;

        for (const SectionModel &expected : model) {
            const QStringList keys = ini.keys(otherCase(expected.name));
            FUZZ_CHECK(keys.size() == qsizetype(expected.entries.size()), "the keys of a section");
            for (int i = 0; i < keys.size(); ++i) {
                FUZZ_CHECK(keys.at(i) == expected.entries.at(i).key, "keys in file order, first spelling kept");
                FUZZ_CHECK(ini.readString(otherCase(expected.name), otherCase(keys.at(i))) == expected.entries.at(i).value,
                           "a value reads back as written");
            }
        }
    }
    return 0;
}
