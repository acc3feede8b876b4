#include "base/colour.h"
#include "base/ini_file.h"
#include "base/int_conversion.h"
#include "base/program_folder.h"
#include "base/text_file.h"
#include "base/velinor_error.h"
#include "app/status_texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VelinorError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// Makes writes beyond a few bytes fail, even for root, for the lifetime of the object. The signal
// such a write raises keeps its default action (ending the process): saving must survive it.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

// While it lives, this thread touches files as an ordinary user: root takes the file-system user of
// an unprivileged account, which also drops root's right to override permissions, so a folder
// without write permission refuses new files as it would for that user. For anyone else nothing
// changes.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0) {
            ::setfsgid(id());
            ::setfsuid(id());
        }
    }
    ~AsOrdinaryUser()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    // The user, also as the group.
    static uid_t id() { return ::geteuid() == 0 ? 65534 : ::geteuid(); }
    // Hands a file or folder that root made to the user.
    static bool own(const QString &path) { return ::chown(QFile::encodeName(path).constData(), id(), id()) == 0; }
};

} // namespace

class TestBase : public QObject
{
    Q_OBJECT

private slots:
    void statusBarPanelAt_data();
    void statusBarPanelAt();
    void integerConversion_data();
    void integerConversion();
    void integerErrorMessage();
    void colourText_data();
    void colourText();
    void settingsColours();
    void iniReadsCaseInsensitivelyAndKeepsOrder();
    void iniValueForms();
    void iniEraseSection();
    void iniSurvivesJunk();
    void iniWriteFailure();
    void iniNamesReadBackAsWritten_data();
    void iniNamesReadBackAsWritten();
    void iniKeysRefuseWhatTheFileCannotHold();
    void fifoOrDeviceIsRefusedAtOnce();
    void textRoundTrip_data();
    void textRoundTrip();
    void everyHighByteRoundTrips();
    void malformedWideText_data();
    void malformedWideText();
    void editedTextKeepsItsEncoding_data();
    void editedTextKeepsItsEncoding();
    void blockBoundaries_data();
    void blockBoundaries();
    void charactersWindows1250CannotHoldAreKept();
    void unreadableFile();
    void failedSaveKeepsOldFile();
    void saveInFolderThatRefusesNewFiles();
    void programFolderPaths();
};

void TestBase::integerConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hexAllowed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << "12" << true << true << 12;
    QTest::newRow("leading spaces") << "   12" << true << true << 12;
    QTest::newRow("minus") << "-5" << true << true << -5;
    QTest::newRow("plus") << "+7" << true << true << 7;
    QTest::newRow("zero") << "0" << true << true << 0;
    QTest::newRow("dollar hex") << "$FF" << true << true << 255;
    QTest::newRow("0x hex") << "0x0000FF" << true << true << 255;
    QTest::newRow("0X lower digits") << "0Xff" << true << true << 255;
    QTest::newRow("hex fills 32 bits") << "$FFFFFFFF" << true << true << -1;
    QTest::newRow("negative hex") << "-$10" << true << true << -16;
    QTest::newRow("largest") << "2147483647" << true << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << true << int(-2147483648LL);
    QTest::newRow("beyond 32 bits") << "2147483648" << true << false << 0;
    QTest::newRow("below 32 bits") << "-2147483649" << true << false << 0;
    QTest::newRow("eleven digits") << "12345678901" << true << false << 0;
    QTest::newRow("hex beyond 32 bits") << "$100000000" << true << false << 0;
    QTest::newRow("trailing space") << "12 " << true << false << 0;
    QTest::newRow("empty") << "" << true << false << 0;
    QTest::newRow("spaces only") << "   " << true << false << 0;
    QTest::newRow("letters") << "abc" << true << false << 0;
    QTest::newRow("digits then letters") << "12a" << true << false << 0;
    QTest::newRow("sign alone") << "-" << true << false << 0;
    QTest::newRow("prefix alone") << "0x" << true << false << 0;
    QTest::newRow("exponent") << "1e3" << true << false << 0;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("١٢") << true << false << 0;
    QTest::newRow("hex not allowed $") << "$FF" << false << false << 0;
    QTest::newRow("hex not allowed 0x") << "0x10" << false << false << 0;
    QTest::newRow("leading zero decimal") << "007" << false << true << 7;
}

void TestBase::integerConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, hexAllowed);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = parseInteger(text, hexAllowed ? Hex::Allowed : Hex::NotAllowed);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestBase::integerErrorMessage()
{
    QCOMPARE(errorOf([] { toInteger(QStringLiteral("abc")); }), QStringLiteral("'abc' is not a valid integer value"));
    QCOMPARE(toInteger(QStringLiteral(" 42")), 42);
}

void TestBase::colourText_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("red") << 255 << 0 << 0 << "#FF0000";
    QTest::newRow("maroon") << 128 << 0 << 0 << "#800000";
    QTest::newRow("upper-case letters") << 0 << 128 << 255 << "#0080FF";
    QTest::newRow("leading zeros") << 10 << 11 << 12 << "#0A0B0C";
}

void TestBase::colourText()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, text);
    QCOMPARE(::colourText(Rgb{r, g, b}), text);
    QCOMPARE(parseColourDigits(text.mid(1).toLower()), std::optional<Rgb>(Rgb{r, g, b}));
}

void TestBase::settingsColours()
{
    QCOMPARE(::colourText(Rgb{}), QStringLiteral("#FFFFFF")); // a swatch never given a colour
    QCOMPARE(settingsColourToRgb(255), std::optional<Rgb>(Rgb{255, 0, 0}));
    QCOMPARE(settingsColourToRgb(16711808), std::optional<Rgb>(Rgb{0x80, 0, 0xFF}));
    QCOMPARE(settingsColourToRgb(16744448), std::optional<Rgb>(Rgb{0, 0x80, 0xFF}));
    QVERIFY(!settingsColourToRgb(kNoColour));
    QCOMPARE(rgbToSettingsColour(Rgb{0, 0xFF, 0}), 65280);
    QCOMPARE(rgbToSettingsColour(std::nullopt), 536870911);
    for (const char *notSixDigits : {"12345G", "12345", "0x12AB", "0X12ab", "+12345", " 12345", "1234567", "１２３４５６"})
        QVERIFY2(!parseColourDigits(QString::fromUtf8(notSixDigits)), notSixDigits);
}

void TestBase::iniReadsCaseInsensitivelyAndKeepsOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("email.ini"));
    writeAll(path, "[Adresy]\r\nB@x.cz=1\r\na@x.cz=1\r\n\r\n[Other]\r\nk=v\r\n");
    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("adresy"), QStringLiteral("b@X.CZ")), QStringLiteral("1"));
    ini.writeString(QStringLiteral("ADRESY"), QStringLiteral("c@x.cz"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("adresy"), QStringLiteral("A@X.CZ"), QStringLiteral("2")); // existing key
    QCOMPARE(ini.keys(QStringLiteral("Adresy")),
             QStringList({QStringLiteral("B@x.cz"), QStringLiteral("a@x.cz"), QStringLiteral("c@x.cz")}));
    QCOMPARE(ini.readString(QStringLiteral("Adresy"), QStringLiteral("a@x.cz")), QStringLiteral("2"));
    // The new key went into its own section, not after the next one.
    QCOMPARE(readAll(path), QByteArray("[Adresy]\r\nB@x.cz=1\r\na@x.cz=2\r\nc@x.cz=1\r\n\r\n[Other]\r\nk=v\r\n"));
    ini.writeBool(QStringLiteral("New"), QStringLiteral("Checked"), false);
    QVERIFY(readAll(path).endsWith("[Other]\r\nk=v\r\n\r\n[New]\r\nChecked=0\r\n"));
}

void TestBase::iniValueForms()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("setup.ini"));
    writeAll(path, "[A]\nChecked=abc\n[B]\nChecked=0\n[C]\nColor=0x0000FF\n[D]\nColor=$FF00\n[E]\nChecked= 7\n[F]\nColor=12a\n");
    IniFile ini(path);
    QCOMPARE(ini.readBool(QStringLiteral("A"), QStringLiteral("Checked"), true), true);
    QCOMPARE(ini.readBool(QStringLiteral("B"), QStringLiteral("Checked"), true), false);
    QCOMPARE(ini.readInteger(QStringLiteral("C"), QStringLiteral("Color"), 0), 255);
    QCOMPARE(ini.readInteger(QStringLiteral("D"), QStringLiteral("Color"), 0), 0xFF00);
    QCOMPARE(ini.readBool(QStringLiteral("E"), QStringLiteral("Checked"), false), true);
    QCOMPARE(ini.readInteger(QStringLiteral("F"), QStringLiteral("Color"), 536870911), 536870911);
    QCOMPARE(ini.readInteger(QStringLiteral("Missing"), QStringLiteral("Color"), 65280), 65280);
    QCOMPARE(IniFile(dir.filePath(QStringLiteral("none.ini"))).readBool(QStringLiteral("A"), QStringLiteral("Checked"), true), true);
}

void TestBase::iniEraseSection()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("local_link.ini"));
    IniFile ini(path);
    ini.writeString(QStringLiteral("Link_ComboBox"), QStringLiteral("kap1"), QString());
    ini.writeString(QStringLiteral("Keep"), QStringLiteral("x"), QStringLiteral("1"));
    QVERIFY(ini.hasSection(QStringLiteral("link_combobox")));
    ini.eraseSection(QStringLiteral("LINK_COMBOBOX"));
    QVERIFY(!ini.hasSection(QStringLiteral("Link_ComboBox")));
    QVERIFY(ini.keys(QStringLiteral("Link_ComboBox")).isEmpty());
    QCOMPARE(ini.readString(QStringLiteral("Keep"), QStringLiteral("x")), QStringLiteral("1"));
    ini.eraseSection(QStringLiteral("Absent")); // nothing to do, no error

    // A section given twice (a hand-edited file): both go, or the second would take the first's place.
    writeAll(path, "[L]\r\na=a\r\n[Keep]\r\nx=1\r\n[l]\r\nb=b\r\n");
    ini.eraseSection(QStringLiteral("L"));
    QCOMPARE(readAll(path), QByteArray("[Keep]\r\nx=1\r\n"));
}

void TestBase::iniSurvivesJunk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junk.ini"));
    QByteArray junk;
    quint32 seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk.append(char(seed >> 24));
    }
    writeAll(path, junk + "\n[=]\n=x\n[\n]\nkey\n");
    IniFile ini(path);
    QCOMPARE(ini.readBool(QStringLiteral("CheckBox_Barvy"), QStringLiteral("Checked"), true), true);
    QCOMPARE(ini.readInteger(QStringLiteral("Shape_KeyAttri_Fore"), QStringLiteral("Color"), 16711808), 16711808);
    ini.writeInteger(QStringLiteral("Shape_KeyAttri_Fore"), QStringLiteral("Color"), 255);
    QCOMPARE(ini.readInteger(QStringLiteral("Shape_KeyAttri_Fore"), QStringLiteral("Color"), 0), 255);
}

void TestBase::iniWriteFailure()
{
    QTemporaryDir dir;
    writeAll(dir.filePath(QStringLiteral("plain")), "x");
    const QString path = dir.filePath(QStringLiteral("plain/setup.ini")); // below a file: cannot exist
    IniFile ini(path);
    QCOMPARE(errorOf([&] { ini.writeBool(QStringLiteral("A"), QStringLiteral("Checked"), true); }),
             QStringLiteral("Unable to write to %1").arg(path));
    QCOMPARE(ini.readBool(QStringLiteral("A"), QStringLiteral("Checked"), false), false);
}

void TestBase::iniNamesReadBackAsWritten_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("fileStart");
    // "Ĺˇ" is C5 A1 in windows-1250, which is also the UTF-8 of "š".
    QTest::newRow("windows-1250 bytes that are valid UTF-8") << QStringList{QString::fromUtf8("Ĺˇ")}
                                                             << QByteArray("[N]\r\n\xC5\xA1=");
    QTest::newRow("Czech letters") << QStringList{QString::fromUtf8("š"), QString::fromUtf8("žluťoučký kůň")}
                                   << QByteArray("[N]\r\n\x9A=");
    QTest::newRow("beyond windows-1250: UTF-8 behind a mark")
        << QStringList{QString::fromUtf8("Ĺˇ"), QString::fromUtf8("😀 日本")} << QByteArray("\xEF\xBB\xBF[N]\r\n\xC4\xB9\xCB\x87=");
}

void TestBase::iniNamesReadBackAsWritten()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArray, fileStart);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.ini"));
    for (const QString &name : names) {
        QVERIFY(IniFile::canHoldKey(name));
        IniFile(path).writeString(QStringLiteral("N"), name, name);
    }
    const IniFile ini(path);
    QCOMPARE(ini.keys(QStringLiteral("N")), names);
    for (const QString &name : names)
        QCOMPARE(ini.readString(QStringLiteral("N"), name), name);
    QVERIFY2(readAll(path).startsWith(fileStart), readAll(path).toHex(' ').constData());
}

void TestBase::iniKeysRefuseWhatTheFileCannotHold()
{
    for (const QString &key : {QString(), QStringLiteral(" "), QStringLiteral(" a"), QStringLiteral("a\t"),
                               QStringLiteral("a=b"), QStringLiteral("a\rb"), QStringLiteral("a\nb"),
                               QStringLiteral(";a"), QStringLiteral("[a]"), QString::fromUtf16(u"a\0b", 3)})
        QVERIFY2(!IniFile::canHoldKey(key), qPrintable(key));
    for (const QString &key : {QStringLiteral("a"), QStringLiteral("a b"), QStringLiteral("a;[b]"), QStringLiteral("x@y.cz")})
        QVERIFY2(IniFile::canHoldKey(key), qPrintable(key));
}

void TestBase::fifoOrDeviceIsRefusedAtOnce()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.html"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    // Opening a FIFO for reading would wait for a writer for ever.
    QCOMPARE(errorOf([&] { loadTextFile(fifo); }), QStringLiteral("Cannot open file %1").arg(fifo));
    QCOMPARE(IniFile(fifo).readInteger(QStringLiteral("A"), QStringLiteral("B"), 7), 7);
    const QString device = QStringLiteral("/dev/zero"); // would never end
    QCOMPARE(errorOf([&] { loadTextFile(device); }), QStringLiteral("Cannot open file %1").arg(device));
    QVERIFY(timer.elapsed() < 5000);
}

void TestBase::textRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("lineBreak");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("saved");

    const int cr = int(LineBreak::CR), lf = int(LineBreak::LF), crlf = int(LineBreak::CRLF);
    const int cp = int(TextEncoding::Windows1250), utf8 = int(TextEncoding::Utf8);
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"} << cr << cp << QByteArray("a\rb\r");
    QTest::newRow("LF only") << QByteArray("a\n\nb\n") << QStringList{"a", "", "b"} << lf << cp << QByteArray("a\n\nb\n");
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << crlf << cp << QByteArray("a\r\nb\r\n");
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"} << crlf << cp
                           << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("no break at all") << QByteArray("abc") << QStringList{"abc"} << crlf << cp << QByteArray("abc\r\n");
    QTest::newRow("no final break") << QByteArray("a\nb") << QStringList{"a", "b"} << lf << cp << QByteArray("a\nb\n");
    QTest::newRow("NUL ends a line") << QByteArray("ab\0cd\n", 6) << QStringList{"ab", "cd"} << lf << cp
                                     << QByteArray("ab\ncd\n");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << crlf << cp << QByteArray();
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""} << crlf << cp << QByteArray("\r\n");
    QTest::newRow("UTF-8 Czech") << QByteArray("Příliš žluťoučký kůň\n") << QStringList{QString::fromUtf8("Příliš žluťoučký kůň")}
                                 << lf << utf8 << QByteArray("Příliš žluťoučký kůň\n");
    QTest::newRow("windows-1250 Czech") << QByteArray("\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd\r\n")
                                        << QStringList{QString::fromUtf8("žluťoučký")} << crlf << cp
                                        << QByteArray("\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd\r\n");
    // UTF-8 for its first letter, not for a later one: the whole file is windows-1250.
    QTest::newRow("UTF-8 at first, then windows-1250") << QByteArray("\xc5\xbe\r\nab\xe8k\r\n")
                                                       << QStringList{QString::fromUtf8("Ĺľ"), QString::fromUtf8("abčk")}
                                                       << crlf << cp << QByteArray("\xc5\xbe\r\nab\xe8k\r\n");
    QTest::newRow("UTF-8 cut short at the end") << QByteArray("\xc5\xbe\n\xc5")
                                                << QStringList{QString::fromUtf8("Ĺľ"), QString::fromUtf8("Ĺ")} << lf << cp
                                                << QByteArray("\xc5\xbe\n\xc5\n");
    // A byte-order mark: decoded as such (the NUL bytes are part of the characters) and saved back
    // with the same mark, byte for byte.
    const QString czech = QString::fromUtf8("a\r\nžluť\r\n");
    const QStringList czechLines{"a", QString::fromUtf8("žluť")};
    QTest::newRow("UTF-16LE") << encoded(czech, QStringConverter::Utf16LE) << czechLines << crlf
                              << int(TextEncoding::Utf16LE) << encoded(czech, QStringConverter::Utf16LE);
    QTest::newRow("UTF-16BE, LF, emoji") << encoded(QString::fromUtf8("x😀\ny\n"), QStringConverter::Utf16BE)
                                         << QStringList{QString::fromUtf8("x😀"), "y"} << lf << int(TextEncoding::Utf16BE)
                                         << encoded(QString::fromUtf8("x😀\ny\n"), QStringConverter::Utf16BE);
    QTest::newRow("UTF-32LE") << encoded(czech, QStringConverter::Utf32LE) << czechLines << crlf
                              << int(TextEncoding::Utf32LE) << encoded(czech, QStringConverter::Utf32LE);
    QTest::newRow("UTF-32BE") << encoded(czech, QStringConverter::Utf32BE) << czechLines << crlf
                              << int(TextEncoding::Utf32BE) << encoded(czech, QStringConverter::Utf32BE);
    // A mark alone is kept; a second U+FEFF after the mark is a character of the text.
    const QByteArray utf8Mark("\xEF\xBB\xBF");
    const int utf8Marked = int(TextEncoding::Utf8WithMark);
    QTest::newRow("UTF-16LE, only the mark") << QByteArray("\xFF\xFE") << QStringList{} << crlf
                                             << int(TextEncoding::Utf16LE) << QByteArray("\xFF\xFE");
    QTest::newRow("UTF-32BE, only the mark") << QByteArray("\x00\x00\xFE\xFF", 4) << QStringList{} << crlf
                                             << int(TextEncoding::Utf32BE) << QByteArray("\x00\x00\xFE\xFF", 4);
    const QByteArray twoMarks("\xFE\xFF\xFE\xFF\x00" "a\x00\n", 8);
    const QString feffA = QChar(0xFEFF) + QStringLiteral("a"); // QString::fromUtf8 would drop the U+FEFF
    QTest::newRow("UTF-16BE, U+FEFF after the mark") << twoMarks << QStringList{feffA} << lf
                                                     << int(TextEncoding::Utf16BE) << twoMarks;
    // A UTF-8 mark is not part of the text; the rest has to be UTF-8 for it to count as one.
    QTest::newRow("UTF-8 with its mark") << utf8Mark + "<p>\xC5\xA1\r\n" << QStringList{QString::fromUtf8("<p>š")} << crlf
                                         << utf8Marked << utf8Mark + "<p>\xC5\xA1\r\n";
    QTest::newRow("UTF-8 with its mark, ASCII") << utf8Mark + "a\n" << QStringList{"a"} << lf << utf8Marked
                                                << utf8Mark + "a\n";
    QTest::newRow("UTF-8, only the mark") << utf8Mark << QStringList{} << crlf << utf8Marked << utf8Mark;
    QTest::newRow("UTF-8, U+FEFF after the mark") << utf8Mark + utf8Mark + "a\n" << QStringList{feffA}
                                                  << lf << utf8Marked << utf8Mark + utf8Mark + "a\n";
    QTest::newRow("UTF-8 mark, then not UTF-8") << utf8Mark + "a\xE8\n" << QStringList{QString::fromUtf8("ď»żač")} << lf
                                                << cp << utf8Mark + "a\xE8\n";
    // Plain ASCII that declares UTF-8 is UTF-8; declaring anything else it stays windows-1250.
    const QByteArray meta("<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">\r\n");
    QTest::newRow("ASCII, meta content charset UTF-8") << meta << QStringList{QString::fromLatin1(meta.chopped(2))}
                                                       << crlf << utf8 << meta;
    const QByteArray meta5("<meta charset=utf-8>\n");
    QTest::newRow("ASCII, meta charset utf-8") << meta5 << QStringList{"<meta charset=utf-8>"} << lf << utf8 << meta5;
    const QByteArray xml("<?xml version=\"1.0\" encoding='UTF-8'?>\n");
    QTest::newRow("ASCII, XML declaration") << xml << QStringList{QString::fromLatin1(xml.chopped(1))} << lf << utf8 << xml;
    const QByteArray css("@charset \"utf-8\";\n");
    QTest::newRow("ASCII, CSS @charset") << css << QStringList{QString::fromLatin1(css.chopped(1))} << lf << utf8 << css;
    const QByteArray cp1250("<meta charset=\"windows-1250\">\n");
    QTest::newRow("ASCII declaring windows-1250") << cp1250 << QStringList{QString::fromLatin1(cp1250.chopped(1))} << lf
                                                  << cp << cp1250;
    QTest::newRow("invalid UTF-8 is windows-1250") << QByteArray("\xc3\x28") << QStringList{QString::fromUtf8("Ă(")} << crlf
                                                   << cp << QByteArray("\xc3\x28\r\n");
}

void TestBase::textRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(int, lineBreak);
    QFETCH(int, encoding);
    QFETCH(QByteArray, saved);

    const SplitText split = splitFileBytes(bytes);
    QCOMPARE(split.lineCount, int(lines.size()));
    // Compared as bytes: QString::fromUtf8 would drop a U+FEFF at the start.
    QCOMPARE(split.utf8, lines.join(QLatin1Char('\n')).toUtf8());
    QCOMPARE(int(split.lineBreak), lineBreak);
    QCOMPARE(int(split.encoding), encoding);
    QCOMPARE(split.malformed, qint64(0));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.html"));
    const EncodedText written = saveTextFile(path, split.utf8.constData(), split.utf8.size(), split.lineCount,
                                             split.lineBreak, split.encoding);
    QVERIFY(!written.encodingChanged);
    QCOMPARE(readAll(path), saved);
    QCOMPARE(loadTextFile(path).utf8, split.utf8);
}

void TestBase::everyHighByteRoundTrips()
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(char(b));
    bytes.append("\r\n");
    const SplitText split = splitFileBytes(bytes);
    QCOMPARE(split.encoding, TextEncoding::Windows1250);
    QCOMPARE(split.lineCount, 1);
    QCOMPARE(split.longestLine, 128);
    const EncodedText encoded = encodeLines(split.utf8.constData(), split.utf8.size(), 1, split.lineBreak, split.encoding);
    QCOMPARE(encoded.bytes, bytes);
    QVERIFY(QString::fromUtf8(split.utf8).startsWith(QString::fromUtf8("€\u0081‚")));
}

// UTF-16 or UTF-32 bytes that form no character read as U+FFFD, counted so that the user can be
// told before a save writes U+FFFD in their place.
void TestBase::malformedWideText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("malformed");
    const QString bad(QChar(0xFFFD));
    QTest::newRow("UTF-16LE, lone high surrogate") << QByteArray("\xFF\xFE\x00\xD8" "a\x00", 6) << bad + "a" << 1;
    QTest::newRow("UTF-16LE, lone low surrogate") << QByteArray("\xFF\xFE" "a\x00\x00\xDC", 6) << "a" + bad << 1;
    QTest::newRow("UTF-16BE, high surrogate at the end") << QByteArray("\xFE\xFF\x00" "a\xD8\x00", 6) << "a" + bad << 1;
    QTest::newRow("UTF-16BE, two high surrogates, then a pair")
        << QByteArray("\xFE\xFF\xD8\x00\xD8\x3D\xD8\x3D\xDE\x00", 10) << bad + bad + QString::fromUtf8("😀") << 2;
    QTest::newRow("UTF-16LE, a byte left over") << QByteArray("\xFF\xFE" "a\x00" "b", 5) << "a" + bad << 1;
    QTest::newRow("UTF-32LE, beyond U+10FFFF") << QByteArray("\xFF\xFE\x00\x00\x00\x00\x11\x00" "a\x00\x00\x00", 12)
                                               << bad + "a" << 1;
    QTest::newRow("UTF-32BE, a surrogate") << QByteArray("\x00\x00\xFE\xFF\x00\x00\xDC\x00", 8) << bad << 1;
    QTest::newRow("UTF-32LE, two bytes left over") << QByteArray("\xFF\xFE\x00\x00" "a\x00\x00\x00" "b\x00", 10)
                                                   << "a" + bad << 1;
}

void TestBase::malformedWideText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, malformed);
    const SplitText split = splitFileBytes(bytes);
    QCOMPARE(QString::fromUtf8(split.utf8), text);
    QCOMPARE(split.malformed, qint64(malformed));
    // What is saved is what the user saw, and reads back without complaint.
    const EncodedText saved = encodeLines(split.utf8.constData(), split.utf8.size(), split.lineCount, split.lineBreak,
                                          split.encoding);
    const SplitText again = splitFileBytes(saved.bytes);
    QCOMPARE(again.utf8, split.utf8);
    QCOMPARE(again.encoding, split.encoding);
    QCOMPARE(again.malformed, qint64(0));
}

// A letter typed into a loaded text is written in the text's own encoding.
void TestBase::editedTextKeepsItsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("UTF-16LE") << encoded(QStringLiteral("a\r\n"), QStringConverter::Utf16LE)
                              << encoded(QString::fromUtf8("ač\r\n"), QStringConverter::Utf16LE);
    QTest::newRow("UTF-32BE") << encoded(QStringLiteral("a\r\n"), QStringConverter::Utf32BE)
                              << encoded(QString::fromUtf8("ač\r\n"), QStringConverter::Utf32BE);
    // The page says UTF-8, so the browser reads č as two UTF-8 bytes, not the windows-1250 byte E8.
    QTest::newRow("ASCII declaring UTF-8") << QByteArray("<meta charset=\"utf-8\">a\r\n")
                                           << QByteArray("<meta charset=\"utf-8\">a\xc4\x8d\r\n");
    QTest::newRow("plain ASCII") << QByteArray("a\r\n") << QByteArray("a\xe8\r\n");
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF" "a\r\n")
                                         << QByteArray("\xEF\xBB\xBF" "a\xc4\x8d\r\n");
}

void TestBase::editedTextKeepsItsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    const SplitText split = splitFileBytes(bytes);
    const QByteArray edited = split.utf8 + QString::fromUtf8("č").toUtf8();
    const EncodedText written = encodeLines(edited.constData(), edited.size(), split.lineCount, split.lineBreak, split.encoding);
    QVERIFY(!written.encodingChanged);
    QCOMPARE(written.bytes, saved);
}

// The file is read in blocks: nothing may depend on where a block ends (a CR at the end of one and
// its LF at the start of the next, a character split between two).
void TestBase::blockBoundaries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF across blocks") << QByteArray("a\r\nbc\r\nd\r\n");
    QTest::newRow("lone CR at a block end") << QByteArray("a\rb\nc\r");
    QTest::newRow("UTF-8 letters") << QByteArray("ž\r\nťů\r\n");
    QTest::newRow("windows-1250 letters") << QByteArray("\x9e\r\n\x9d\xf9\r\n");
    // Valid UTF-8 at first: read as UTF-8 until the byte that is not, then again as windows-1250.
    QTest::newRow("UTF-8 at first, then not") << QByteArray("\xc5\xbe\r\nab\xe8k\r\n");
    QTest::newRow("UTF-8 cut short at the end") << QByteArray("\xc5\xbe\r\n\xc5");
    QTest::newRow("ASCII declaring UTF-8") << QByteArray("<meta charset=utf-8>\r\n");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0", 7);
    QTest::newRow("UTF-16LE") << encoded(QString::fromUtf8("ž😀\r\nb\r\n"), QStringConverter::Utf16LE);
    QTest::newRow("UTF-32BE") << encoded(QString::fromUtf8("ž\r\nb\r\n"), QStringConverter::Utf32BE);
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF\xC5\xBE\r\n");
    QTest::newRow("UTF-8 mark, then not UTF-8") << QByteArray("\xEF\xBB\xBF\xC5\xBE\r\n\xE8");
    QTest::newRow("UTF-16LE, lone surrogates, a byte left over") << QByteArray("\xFF\xFE\x00\xD8\x3D\xD8\x00\xDE\x00\xDC" "a", 11);
}

void TestBase::blockBoundaries()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blocks.html"));
    writeAll(path, bytes);
    const SplitText whole = splitFileBytes(bytes);
    QCOMPARE(whole.nulBytes, qint64(bytes.startsWith('a') ? bytes.count('\0') : 0));
    for (qint64 blockSize = 1; blockSize <= 5; ++blockSize) {
        QByteArray utf8;
        int starts = 0;
        const SplitText split = readTextFile(
            path, [&utf8](const char *data, qsizetype size) { utf8.append(data, size); },
            [&utf8, &starts](qint64) {
                utf8.clear();
                ++starts;
            },
            blockSize);
        QVERIFY(starts == 1 || (starts == 2 && split.encoding == TextEncoding::Windows1250));
        QCOMPARE(utf8, whole.utf8);
        QCOMPARE(split.lineCount, whole.lineCount);
        QCOMPARE(split.lineBreak, whole.lineBreak);
        QCOMPARE(split.encoding, whole.encoding);
        QCOMPARE(split.nulBytes, whole.nulBytes);
        QCOMPARE(split.malformed, whole.malformed);
    }
}

void TestBase::charactersWindows1250CannotHoldAreKept()
{
    const QByteArray utf8 = QString::fromUtf8("cena 5 € 😀 日本").toUtf8();
    const EncodedText encoded = encodeLines(utf8.constData(), utf8.size(), 1, LineBreak::CRLF, TextEncoding::Windows1250);
    QVERIFY(encoded.encodingChanged);
    QCOMPARE(encoded.encoding, TextEncoding::Utf8);
    QCOMPARE(encoded.bytes, utf8 + "\r\n");
    const QByteArray czech = QString::fromUtf8("€ šťž").toUtf8();
    const EncodedText kept = encodeLines(czech.constData(), czech.size(), 1, LineBreak::LF, TextEncoding::Windows1250);
    QVERIFY(!kept.encodingChanged);
    QCOMPARE(kept.bytes, QByteArray("\x80 \x9a\x9d\x9e\n"));
}

void TestBase::unreadableFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.html"));
    QCOMPARE(errorOf([&] { loadTextFile(missing); }), QStringLiteral("Cannot open file %1").arg(missing));
    QCOMPARE(errorOf([&] { loadTextFile(dir.path()); }), QStringLiteral("Cannot open file %1").arg(dir.path()));
}

void TestBase::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    writeAll(path, "old text\r\n");
    const QByteArray longText(4096, 'x');

    {
        FileSizeLimit limit(100); // the disk "fills up" part way through the write
        QCOMPARE(errorOf([&] { saveTextFile(path, longText.constData(), longText.size(), 1, LineBreak::CRLF, TextEncoding::Windows1250); }),
                 QStringLiteral("Cannot create file %1").arg(path));
    }
    QCOMPARE(readAll(path), QByteArray("old text\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.html")}); // no stray temporary file

    writeAll(dir.filePath(QStringLiteral("file")), "x");
    const QString belowFile = dir.filePath(QStringLiteral("file/page.html"));
    QCOMPARE(errorOf([&] { saveTextFile(belowFile, "a", 1, 1, LineBreak::CRLF, TextEncoding::Windows1250); }),
             QStringLiteral("Cannot create file %1").arg(belowFile));
}

// A file the user may write in a folder where they may not create one: written in place, after a
// copy of the old contents is secured in the recovery folder.
void TestBase::saveInFolderThatRefusesNewFiles()
{
    QTemporaryDir home; // the user folder, with recovery/
    QTemporaryDir outer;
    QVERIFY(AsOrdinaryUser::own(home.path()));
    QCOMPARE(::chmod(QFile::encodeName(home.path()).constData(), 0777), 0); // stays the user folder for anyone
    QVERIFY(QFile::setPermissions(outer.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                   | QFile::ReadOther | QFile::ExeOther));
    const QString folder = outer.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/page.html");
    writeAll(path, "old text\r\n");
    QVERIFY(AsOrdinaryUser::own(path));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0); // not the user's to write
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    ProgramFolder::setPath(home.path());
    const QString recovery = ProgramFolder::file(ProgramFile::RecoveryFolder);
    QVERIFY(recovery.startsWith(home.path()));
    auto save = [&path](const QByteArray &text) {
        AsOrdinaryUser user;
        return errorOf([&] { saveTextFile(path, text.constData(), text.size(), 1, LineBreak::CRLF, TextEncoding::Windows1250); });
    };
    auto leftInRecovery = [&recovery] { return QDir(recovery).entryList(QDir::Files | QDir::Hidden); };

    QCOMPARE(save("new text"), QStringLiteral("<no error>"));
    QCOMPARE(readAll(path), QByteArray("new text\r\n"));
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino); // the same file: its links stay
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.html")});
    QCOMPARE(leftInRecovery(), QStringList{}); // the secured copy goes once the file is whole

    // A write that fails part way puts the old contents back.
    {
        const QByteArray longText(4096, 'x');
        FileSizeLimit limit(100);
        QCOMPARE(save(longText), QStringLiteral("Cannot create file %1").arg(path));
    }
    QCOMPARE(readAll(path), QByteArray("new text\r\n"));
    QCOMPARE(leftInRecovery(), QStringList{});

    // No copy can be secured (the recovery folder refuses it too): the file is not touched.
    QCOMPARE(::chmod(QFile::encodeName(recovery).constData(), 0555), 0);
    QCOMPARE(save("third"), QStringLiteral("Cannot create file %1").arg(path));
    QCOMPARE(readAll(path), QByteArray("new text\r\n"));

    QCOMPARE(::chmod(QFile::encodeName(recovery).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0); // for the clean-up
    ProgramFolder::setPath(QString());
}

void TestBase::programFolderPaths()
{
    // A program folder the user may write to keeps setup/ too.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ProgramFolder::setPath(folder.path());
    QCOMPARE(ProgramFolder::file(QStringLiteral("setup\\setup.ini")), folder.path() + QStringLiteral("/setup/setup.ini"));
    QCOMPARE(ProgramFolder::file(QStringLiteral("help/napoveda.html")), folder.path() + QStringLiteral("/help/napoveda.html"));
    ProgramFolder::setPath(QString());
    QCOMPARE(fileNameOf(QStringLiteral("C:\\web\\INDEX.HTML")), QStringLiteral("INDEX.HTML"));
    QCOMPARE(fileNameOf(QStringLiteral("/home/a/b.css")), QStringLiteral("b.css"));
    QCOMPARE(fileNameOf(QStringLiteral("plain")), QStringLiteral("plain"));
}

// ---- status bar geometry --------------------------------------------------------------------------

void TestBase::statusBarPanelAt_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("panel"); // -1: no hint
    QTest::addColumn<bool>("togglesMode");
    QTest::newRow("left edge") << 0 << -1 << false;
    QTest::newRow("position, first pixel") << 1 << 0 << false;
    QTest::newRow("position, last pixel") << 100 << 0 << false;
    QTest::newRow("state, first pixel") << 101 << 1 << false;
    QTest::newRow("state, last pixel") << 170 << 1 << false;
    QTest::newRow("language") << 171 << 2 << false;
    QTest::newRow("language's last pixel already toggles") << 350 << 2 << true;
    QTest::newRow("mode") << 351 << 3 << true;
    QTest::newRow("mode, last pixel") << 430 << 3 << true;
    QTest::newRow("hint panel") << 431 << -1 << false;
}

void TestBase::statusBarPanelAt()
{
    QFETCH(int, x);
    QFETCH(int, panel);
    QFETCH(bool, togglesMode);
    const QString texts[4] = {QStringLiteral("1/1 : 1/0"), QStringLiteral("NEZMĚNĚNO"), QStringLiteral("CSS"),
                              QStringLiteral("INSERT")};
    const StatusBarHint hint = statusBarHintAt(x, texts);
    QCOMPARE(hint.panel, panel);
    if (panel >= 0)
        QVERIFY(hint.hint.endsWith(texts[panel]));
    QCOMPARE(statusBarPressTogglesMode(x), togglesMode);
}

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"
