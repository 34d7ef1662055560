#include <QtTest>

#include "platform/AnsiText.h"
#include "platform/IniFile.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// "C:\表示\ﾃﾞｰﾀ①.mdb" in Windows-31J: 表 is 0x95 0x5C, whose second byte is the backslash.
const QByteArray kSjisPath("C:\\\x95\x5c\x8e\xa6\\\xc3\xde\xb0\xc0\x87\x40.mdb");
const QString kSjisPathText = QStringLiteral("C:\\表示\\ﾃﾞｰﾀ①.mdb");

}  // namespace

class IniFileTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("Rusk-%1.INI").arg(++serial_));
    }

    void read_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("expected");
        const QByteArray ports("[RS232C1]\nCommPort= 3\nSettings=9600,E,8,2\n[Path]\nPath1=/x\n");
        QTest::newRow("plain") << ports << "RS232C1"
                               << "Settings"
                               << "d"
                               << "9600,E,8,2";
        QTest::newRow("leading blank dropped") << ports << "RS232C1"
                                               << "CommPort"
                                               << "1"
                                               << "3";
        QTest::newRow("names ignore case") << QByteArray("[rs232C1]\ncommPORT=4\n") << "RS232C1"
                                           << "CommPort"
                                           << "1"
                                           << "4";
        QTest::newRow("blanks around names and value")
            << QByteArray("  [ Path ]  \n\t Path1 \t=  /home/op/a b.mdb  \n") << "path"
            << "PATH1"
            << "d"
            << "/home/op/a b.mdb";
        QTest::newRow("double quotes dropped") << QByteArray("[S]\nK=\" a b \"\n") << "S"
                                               << "K"
                                               << "d"
                                               << " a b ";
        QTest::newRow("single quotes dropped") << QByteArray("[S]\nK='x'\n") << "S"
                                               << "K"
                                               << "d"
                                               << "x";
        QTest::newRow("unmatched quotes kept") << QByteArray("[S]\nK=\"x'\n") << "S"
                                               << "K"
                                               << "d"
                                               << "\"x'";
        QTest::newRow("lone quote kept") << QByteArray("[S]\nK=\"\n") << "S"
                                         << "K"
                                         << "d"
                                         << "\"";
        QTest::newRow("NULs after value")
            << (QByteArray("[S]\nK=19200,o,7,1") + QByteArray(3, '\0') + "\n") << "S"
            << "K"
            << "d"
            << "19200,o,7,1";
        QTest::newRow("NUL padded tail") << QByteArray("[S]\nK=v\n\0\0\0\0\0\0", 14) << "S"
                                         << "K"
                                         << "d"
                                         << "v";
        QTest::newRow("empty value is not missing") << QByteArray("[S]\nK=\n") << "S"
                                                    << "K"
                                                    << "d"
                                                    << "";
        QTest::newRow("equals sign in value") << QByteArray("[S]\nK=a=b\n") << "S"
                                              << "K"
                                              << "d"
                                              << "a=b";
        QTest::newRow("missing key") << ports << "RS232C1"
                                     << "Other"
                                     << "dflt"
                                     << "dflt";
        QTest::newRow("missing section") << ports << "RS232C2"
                                         << "CommPort"
                                         << "2"
                                         << "2";
        QTest::newRow("default loses trailing blanks") << ports << "X"
                                                       << "Y"
                                                       << "C:\\  "
                                                       << "C:\\";
        QTest::newRow("key before any section") << QByteArray("K=1\n[S]\n") << "S"
                                                << "K"
                                                << "d"
                                                << "d";
        QTest::newRow("comment is no key") << QByteArray("[S]\n;K=1\n") << "S"
                                           << "K"
                                           << "d"
                                           << "d";
        QTest::newRow("first of two wins") << QByteArray("[S]\nK=1\nk=2\n[s]\nK=3\n") << "S"
                                           << "K"
                                           << "d"
                                           << "1";
        QTest::newRow("section ends at next header") << QByteArray("[S]\nA=1\n[T]\nK=2\n") << "S"
                                                     << "K"
                                                     << "d"
                                                     << "d";
        QTest::newRow("header without bracket is no header") << QByteArray("[S\nK=1\n") << "S"
                                                             << "K"
                                                             << "d"
                                                             << "d";
        QTest::newRow("CRLF") << QByteArray("[S]\r\nK=v\r\n") << "S"
                              << "K"
                              << "d"
                              << "v";
        QTest::newRow("no final line end") << QByteArray("[S]\nK=v") << "S"
                                           << "K"
                                           << "d"
                                           << "v";
        // Old editors end lines with a lone CR.
        const QByteArray crOnly("[RS232C1]\rCommPort= 3\r\r[Path]\rPath1=/x\r");
        QTest::newRow("CR only") << crOnly << "RS232C1"
                                 << "CommPort"
                                 << "1"
                                 << "3";
        QTest::newRow("CR only, later section") << crOnly << "Path"
                                                << "Path1"
                                                << "d"
                                                << "/x";
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF[S]\nK=表\n") << "S"
                                         << "K"
                                         << "d"
                                         << "表";
        QTest::newRow("Shift-JIS path")
            << QByteArray("[Path]\r\nPath1=" + kSjisPath + "\r\n") << "Path"
            << "Path1"
            << "d" << kSjisPathText;
        QTest::newRow("Shift-JIS section name") << QByteArray("[\x90\xdd\x92\xe8]\nK=1\n") << "設定"
                                                << "K"
                                                << "d"
                                                << "1";
        QTest::newRow("neither encoding still reads")
            << QByteArray("[S]\nA=\x81\xff\x80\nK=v\n") << "S"
            << "K"
            << "d"
            << "v";
        QTest::newRow("99 characters seen")
            << QByteArray("[S]\nK=" + QByteArray(150, 'x') + "\n") << "S"
            << "K"
            << "d" << QString(99, u'x');
        QTest::newRow("long default cut too") << QByteArray() << "S"
                                              << "K" << QString(120, u'y') << QString(99, u'y');
        QTest::newRow("no half character at the cut")
            << QByteArray("[S]\nK=" + QByteArray(98, 'a') + "\xF0\x9F\x98\x80" + "\n") << "S"
            << "K"
            << "d" << QString(98, u'a');
    }
    void read() {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, fallback);
        QFETCH(QString, expected);
        PutFile(path_, content);
        QCOMPARE(ReadProfileString(path_, section, key, fallback), expected);
    }

    void readWiderBuffer() {
        PutFile(path_, "[S]\nK=" + QByteArray(150, 'x') + "\n");
        QCOMPARE(ReadProfileString(path_, "S", "K", "d", 4096), QString(150, u'x'));
        QCOMPARE(ReadProfileString(path_, "S", "K", "d", 5), QStringLiteral("xxxx"));
    }

    void readWithoutFile() {
        QCOMPARE(ReadProfileString(path_, "S", "K", "1"), QStringLiteral("1"));
        QCOMPARE(ReadProfileString(dir_.path(), "S", "K", "dir"), QStringLiteral("dir"));
        QVERIFY(!QFile::exists(path_));
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const QByteArray crlf(
            "; Rusk\r\n[RS232C1]\r\nCommPort= 1\r\nSettings=19200,o,7,1\r\n\r\n; link 2\r\n"
            "[RS232C2]\r\nCommPort= 2\r\n");
        QTest::newRow("new file") << QByteArray() << "RS232C1"
                                  << "CommPort"
                                  << " 1" << QByteArray("[RS232C1]\nCommPort= 1\n");
        QTest::newRow("replace, keep the rest and CRLF")
            << crlf << "rs232c1"
            << "SETTINGS"
            << "9600,E,8,2"
            << QByteArray(
                   "; Rusk\r\n[RS232C1]\r\nCommPort= 1\r\nSettings=9600,E,8,2\r\n\r\n; link 2\r\n"
                   "[RS232C2]\r\nCommPort= 2\r\n");
        QTest::newRow("new key after the section's last entry")
            << crlf << "RS232C1"
            << "Extra"
            << "x"
            << QByteArray(
                   "; Rusk\r\n[RS232C1]\r\nCommPort= 1\r\nSettings=19200,o,7,1\r\nExtra=x\r\n\r\n"
                   "; link 2\r\n[RS232C2]\r\nCommPort= 2\r\n");
        QTest::newRow("new section at the end")
            << crlf << "Path"
            << "Path1"
            << "/opt/rusk" << crlf + QByteArray("\r\n[Path]\r\nPath1=/opt/rusk\r\n");
        QTest::newRow("key spelling and indent kept")
            << QByteArray("[s]\n  commport = 1 ; old\n") << "S"
            << "CommPort"
            << " 4" << QByteArray("[s]\n  commport= 4\n");
        QTest::newRow("no final line end") << QByteArray("[S]\nA=1") << "S"
                                           << "B"
                                           << "2" << QByteArray("[S]\nA=1\nB=2\n");
        QTest::newRow("CR only kept on replace") << QByteArray("[S]\rK=1\rA=2\r") << "S"
                                                 << "K"
                                                 << "9" << QByteArray("[S]\rK=9\rA=2\r");
        QTest::newRow("CR only kept on new section")
            << QByteArray("[S]\rK=1") << "Path"
            << "Path1"
            << "/x" << QByteArray("[S]\rK=1\r\r[Path]\rPath1=/x\r");
        QTest::newRow("empty section gets its key") << QByteArray("[S]\n[T]\nA=1\n") << "S"
                                                    << "K"
                                                    << "v" << QByteArray("[S]\nK=v\n[T]\nA=1\n");
        QTest::newRow("only the first duplicate changes")
            << QByteArray("[S]\nK=1\n[S]\nK=2\n") << "S"
            << "K"
            << "9" << QByteArray("[S]\nK=9\n[S]\nK=2\n");
        QTest::newRow("mark kept") << QByteArray("\xEF\xBB\xBF[S]\nK=1\n") << "S"
                                   << "K"
                                   << "表" << QByteArray("\xEF\xBB\xBF[S]\nK=表\n");
        QTest::newRow("NULs elsewhere kept") << (QByteArray("[S]\nA=x") + '\0' + "y\nK=1\n") << "S"
                                             << "K"
                                             << "2" << (QByteArray("[S]\nA=x") + '\0' + "y\nK=2\n");
        QTest::newRow("Shift-JIS rewritten as UTF-8")
            << QByteArray("[Path]\r\nPath1=" + kSjisPath + "\r\n[RS232C1]\r\nCommPort= 1\r\n")
            << "RS232C1"
            << "CommPort"
            << " 2"
            << QByteArray("[Path]\r\nPath1=" + kSjisPathText.toUtf8() +
                          "\r\n[RS232C1]\r\nCommPort= 2\r\n");
        // The old end-of-file mark 0x1A (and its neighbours 0x1C, 0x7F) stay as they were.
        QTest::newRow("Shift-JIS controls kept")
            << QByteArray("[RS232C1]\r\nCommPort= 1\r\nP=" + kSjisPath + "\x1C\x7F\r\n\x1A")
            << "RS232C1"
            << "CommPort"
            << " 2"
            << QByteArray("[RS232C1]\r\nCommPort= 2\r\nP=" + kSjisPathText.toUtf8() +
                          "\x1C\x7F\r\n\x1A");
        QTest::newRow("same value leaves Shift-JIS alone")
            << QByteArray("[Path]\r\nPath1=" + kSjisPath + "\r\n") << "Path"
            << "Path1" << kSjisPathText << QByteArray("[Path]\r\nPath1=" + kSjisPath + "\r\n");
        // Refused: each would forge or hide lines.
        const QByteArray keep("[S]\nK=1\n");
        QTest::newRow("line break in value") << keep << "S"
                                             << "K"
                                             << "2\n[Evil]" << keep;
        QTest::newRow("CR in value") << keep << "S"
                                     << "K"
                                     << "2\rX" << keep;
        QTest::newRow("NUL in value") << keep << "S"
                                      << "K" << QString(u'2') + QChar(0) << keep;
        QTest::newRow("equals in key") << keep << "S"
                                       << "K=1"
                                       << "2" << keep;
        QTest::newRow("bracket in section") << keep << "S]x"
                                            << "K"
                                            << "2" << keep;
        QTest::newRow("empty section") << keep << " "
                                       << "K"
                                       << "2" << keep;
        QTest::newRow("empty key") << keep << "S"
                                   << ""
                                   << "2" << keep;
        QTest::newRow("comment key") << keep << "S"
                                     << ";K"
                                     << "2" << keep;
        QTest::newRow("undecodable file untouched")
            << QByteArray("[S]\nA=\x81\xff\x80\nK=1\n") << "S"
            << "K"
            << "2" << QByteArray("[S]\nA=\x81\xff\x80\nK=1\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) PutFile(path_, before);
        WriteProfileString(path_, section, key, value);
        QCOMPARE(FileBytes(path_), after);
    }

    void writeThenRead_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("port number") << " 1"
                                     << "1";
        QTest::newRow("settings") << "19200,O,7,1"
                                  << "19200,O,7,1";
        QTest::newRow("Japanese path") << "/home/op/データ 1.mdb"
                                       << "/home/op/データ 1.mdb";
        QTest::newRow("empty") << ""
                               << "";
    }
    void writeThenRead() {
        QFETCH(QString, value);
        QFETCH(QString, readBack);
        WriteProfileString(path_, "A", "K", "first");
        WriteProfileString(path_, "B", "K", value);
        QCOMPARE(ReadProfileString(path_, "b", "k", "d"), readBack);
        QCOMPARE(ReadProfileString(path_, "A", "K", "d"), QStringLiteral("first"));
    }

    void writeFailuresAreSilent() {
        // The folder does not exist: nothing is created, nothing is thrown.
        const QString nowhere = dir_.filePath("missing/Rusk.INI");
        WriteProfileString(nowhere, "S", "K", "v");
        QVERIFY(!QFile::exists(nowhere));
        // A folder where the file should be is left alone.
        const QString folder = dir_.filePath("folder.INI");
        QVERIFY(QDir().mkpath(folder));
        WriteProfileString(folder, "S", "K", "v");
        QVERIFY(QFileInfo(folder).isDir());
        // No temporary file is left behind next to a file that was written.
        QTemporaryDir own;
        const QString written = own.filePath("Rusk.INI");
        WriteProfileString(written, "S", "K", "v");
        WriteProfileString(written, "S", "K", "w");
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Rusk.INI"});
    }

    void iconvFallback_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::newRow("path") << kSjisPath << true << kSjisPathText;
        QTest::newRow("ascii") << QByteArray("[Path]") << true << "[Path]";
        QTest::newRow("controls between characters")
            << QByteArray("\x1A\x95\x5c\x1C\x7F") << true << QString("\x1A表\x1C\x7F");
        QTest::newRow("lead byte before a control") << QByteArray("\x95\x1A") << false << "";
        QTest::newRow("bad second byte") << QByteArray("a\x81\x20") << false << "";
        QTest::newRow("cut at the end") << QByteArray("ab\x95") << false << "";
    }
    void iconvFallback() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        for (const auto& decoded : {DecodeWindowsAnsiWithIconv(bytes), DecodeWindowsAnsi(bytes)}) {
            QCOMPARE(decoded.has_value(), valid);
            if (valid) QCOMPARE(*decoded, text);
        }
    }

  private:
    QTemporaryDir dir_;
    QString path_;
    int serial_ = 0;
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "test_ini_file.moc"
