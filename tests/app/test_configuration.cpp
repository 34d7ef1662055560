#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QtTest>

#include "app/Configuration.h"
#include "platform/IniFile.h"

namespace {

void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class ConfigurationTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        ini_ = dir_.filePath(QStringLiteral("Rusk%1.INI").arg(++serial_));
    }

    void filePlace() {
        const QString user = dir_.filePath("user/rusk");
        QCOMPARE(ConfigFilePathIn(dir_.path(), user), dir_.filePath("Rusk.INI"));
        QVERIFY(!QFileInfo::exists(user));
        // A program folder that cannot be written sends the file to the user's folder.
        QCOMPARE(ConfigFilePathIn(dir_.filePath("gone"), user), user + "/Rusk.INI");
        QVERIFY(QFileInfo(user).isDir());
        // An installed copy's folder is the system's, even for the superuser who may write it.
        QCOMPARE(ConfigFilePathIn("/usr/bin", user), user + "/Rusk.INI");
        if (geteuid() != 0) {
            const QString locked = dir_.filePath("locked");
            QVERIFY(QDir().mkpath(locked));
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
            QCOMPARE(ConfigFilePathIn(locked, user), user + "/Rusk.INI");
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void parsePortNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");  // -999: not a number
        QTest::newRow("sign blank") << " 1" << 1;
        QTest::newRow("bare") << "8" << 8;
        QTest::newRow("blanks and NULs") << QStringLiteral("  3 ") + QChar(0) + QChar(0) << 3;
        QTest::newRow("integer part") << "3.9" << 3;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("letters") << "Com1" << -999;
        QTest::newRow("empty") << "" << -999;
        QTest::newRow("blank only") << "   " << -999;
        QTest::newRow("too big") << "99999999999" << -999;
        QTest::newRow("infinite") << "inf" << -999;
        QTest::newRow("not a number") << "nan" << -999;
    }
    void parsePortNumber() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(ParsePortNumber(text).value_or(-999), number);
    }

    void readEntries_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port1");
        QTest::addColumn<QString>("settings1");
        QTest::addColumn<int>("port2");
        QTest::addColumn<QString>("settings2");
        QTest::newRow("no file") << QByteArray() << 1 << "19200,o,7,1" << 2 << "19200,o,7,1";
        QTest::newRow("only Path") << QByteArray("[Path]\r\nPath1=C:\\Rusk\r\n") << 1
                                   << "19200,o,7,1" << 2 << "19200,o,7,1";
        QTest::newRow("as written") << QByteArray(
                                           "[RS232C1]\r\nCommPort= 3\r\nSettings=9600,E,8,2\r\n"
                                           "[RS232C2]\r\nCommPort= 4\r\nSettings=1200,n,8,1\r\n")
                                    << 3 << "9600,E,8,2" << 4 << "1200,n,8,1";
        QTest::newRow("upper case, blanks, NULs")
            << (QByteArray("[RS232c1]\nCOMMPORT =  5 \nSETTINGS= 4800,o,7,2 ") +
                QByteArray(2, '\0') + "\n[rs232C2]\n")
            << 5 << "4800,o,7,2" << 2 << "19200,o,7,1";
        QTest::newRow("port not a number")
            << QByteArray("[RS232C1]\nCommPort=Com3\n") << 1 << "19200,o,7,1" << 2 << "19200,o,7,1";
        QTest::newRow("bad settings passed on for the port to refuse")
            << QByteArray("[RS232C2]\nSettings=fast\n") << 1 << "19200,o,7,1" << 2 << "fast";
    }
    void readEntries() {
        QFETCH(QByteArray, content);
        QFETCH(int, port1);
        QFETCH(QString, settings1);
        QFETCH(int, port2);
        QFETCH(QString, settings2);
        if (!content.isEmpty()) PutFile(ini_, content);
        const PortEntry link1 = ReadPortEntry(ini_, 1);
        const PortEntry link2 = ReadPortEntry(ini_, 2);
        QCOMPARE(link1.portNumber, port1);
        QCOMPARE(link1.settings, settings1);
        QCOMPARE(link2.portNumber, port2);
        QCOMPARE(link2.settings, settings2);
    }

    void firstStart() {
        const PortEntry initial{1, QStringLiteral("9600,n,8,1")};
        PrepareConfigFile(ini_, dir_.path(), initial, initial);
        QCOMPARE(FileBytes(ini_),
                 "[RS232C1]\nCommPort= 1\nSettings=9600,n,8,1\n\n"
                 "[RS232C2]\nCommPort= 1\nSettings=9600,n,8,1\n\n"
                 "[Path]\nPath1=" +
                     dir_.path().toUtf8() + "\n");
        // Both links come back with the written values, not the read defaults.
        QCOMPARE(ReadPortEntry(ini_, 2).portNumber, 1);
        QCOMPARE(ReadPortEntry(ini_, 2).settings, QStringLiteral("9600,n,8,1"));
        QCOMPARE(ReadDataFilePath(ini_), dir_.path());
    }

    // "Path1" never names a folder where nothing can be saved: the dialogs would open there.
    void startFolderIsOneToSaveIn_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::newRow("installed") << "/usr/bin";
        QTest::newRow("gone") << "/nowhere/rusk";
    }
    void startFolderIsOneToSaveIn() {
        QFETCH(QString, programFolder);
        PrepareConfigFile(ini_, programFolder, {1, "19200,o,7,1"}, {2, "19200,o,7,1"});
        const QString folder = ReadDataFilePath(ini_);
        QVERIFY2(folder == QDir::homePath() ||
                     folder == QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                 qPrintable(folder));
    }

    // The file is written only as a regular file of its own name that its mode lets be written:
    // never through a link, never a read-only file (for root too), never a pipe.
    void writesOnlyItsOwnRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link") << "link";
        QTest::newRow("read-only") << "read-only";
        QTest::newRow("named pipe") << "named pipe";
    }
    void writesOnlyItsOwnRegularFile() {
        QFETCH(QString, kind);
        const QString other = dir_.filePath("other");
        const QByteArray before("[Path]\nPath1=/x\n");
        PutFile(other, before);
        if (kind == "link") QVERIFY(QFile::link(other, ini_));
        if (kind == "read-only") {
            PutFile(ini_, before);
            QVERIFY(QFile::setPermissions(ini_, QFile::ReadOwner | QFile::ReadGroup));
        }
        if (kind == "named pipe") QVERIFY(::mkfifo(QFile::encodeName(ini_), 0644) == 0);
        PrepareConfigFile(ini_, dir_.path(), {1, "19200,o,7,1"}, {2, "19200,o,7,1"});
        WritePortEntry(ini_, 1, {3, "9600,E,8,2"});
        QCOMPARE(FileBytes(other), before);
        const QFileInfo info(ini_);
        QCOMPARE(info.isSymLink(), kind == "link");
        if (kind == "read-only") QCOMPARE(FileBytes(ini_), before);
        if (kind == "named pipe") QVERIFY(!info.isFile());
    }

    void laterStartWritesOnlyPath() {
        const QByteArray before(
            "; kept\r\n[Path]\r\nPath1=C:\\old.mdb\r\n[Devices]\r\nCom1=/dev/ttyUSB0\r\n");
        PutFile(ini_, before);
        PrepareConfigFile(ini_, dir_.path(), {7, "1200,e,7,1"}, {7, "1200,e,7,1"});
        QCOMPARE(FileBytes(ini_), "; kept\r\n[Path]\r\nPath1=" + dir_.path().toUtf8() +
                                      "\r\n[Devices]\r\nCom1=/dev/ttyUSB0\r\n");
        QCOMPARE(ReadPortEntry(ini_, 1).portNumber, 1);
        QCOMPARE(ReadPortEntry(ini_, 2).portNumber, 2);
    }

    void applyingPortSettings() {
        PrepareConfigFile(ini_, dir_.path(), {1, "19200,o,7,1"}, {1, "19200,o,7,1"});
        WritePortEntry(ini_, 2, {3, "9600,E,8,2"});
        QVERIFY(FileBytes(ini_).contains("[RS232C2]\nCommPort= 3\nSettings=9600,E,8,2\n"));
        QCOMPARE(ReadPortEntry(ini_, 1).portNumber, 1);
        QCOMPARE(ReadPortEntry(ini_, 2).portNumber, 3);
        QCOMPARE(CommPortText(12), QStringLiteral(" 12"));
        QCOMPARE(CommPortText(-1), QStringLiteral("-1"));
    }

    void dataFilePath() {
        QCOMPARE(ReadDataFilePath(ini_), QDir::homePath());
        WriteDataFilePath(ini_, "/home/op/データ.mdb");
        QCOMPARE(ReadDataFilePath(ini_), QStringLiteral("/home/op/データ.mdb"));
        PutFile(ini_, QByteArray("[PATH]\r\npath1=  C:\\\x95\x5c.mdb \0\r\n", 29));
        QCOMPARE(ReadDataFilePath(ini_), QStringLiteral("C:\\表.mdb"));
    }

    void panelPositions_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QList<int>>("positions");  // port, baud, parity, data bits, stop bits
        QTest::newRow("defaults") << 1 << "19200,o,7,1" << QList<int>{0, 4, 1, 0, 0};
        QTest::newRow("upper-case parity as applied")
            << 2 << "19200,O,7,1" << QList<int>{1, 4, 1, 0, 0};
        QTest::newRow("even 8 2") << 3 << "9600,E,8,2" << QList<int>{2, 3, 0, 1, 1};
        QTest::newRow("none") << 8 << "1200,n,7,1" << QList<int>{7, 0, 2, 0, 0};
        QTest::newRow("word parity") << 4 << "2400,Odd,8,1" << QList<int>{3, 1, 1, 1, 0};
        QTest::newRow("blanks") << 5 << " 4800 , e , 8 , 2 " << QList<int>{4, 2, 0, 1, 1};
        QTest::newRow("unknown baud") << 1 << "38400,o,7,1" << QList<int>{0, -1, 1, 0, 0};
        QTest::newRow("mark parity") << 1 << "19200,m,7,1" << QList<int>{0, 4, -1, 0, 0};
        QTest::newRow("5 data bits") << 1 << "19200,o,5,1" << QList<int>{0, 4, 1, -1, 0};
        QTest::newRow("1.5 stop bits") << 1 << "19200,o,7,1.5" << QList<int>{0, 4, 1, 0, -1};
        QTest::newRow("extra field") << 1 << "19200,o,7,1,x" << QList<int>{0, 4, 1, 0, -1};
        QTest::newRow("short") << 1 << "9600,e" << QList<int>{0, 3, 0, -1, -1};
        QTest::newRow("empty") << 1 << "" << QList<int>{0, -1, -1, -1, -1};
        QTest::newRow("port 0") << 0 << "19200,o,7,1" << QList<int>{-1, 4, 1, 0, 0};
        QTest::newRow("port 9") << 9 << "19200,o,7,1" << QList<int>{-1, 4, 1, 0, 0};
    }
    void panelPositions() {
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(QList<int>, positions);
        const PortPanelPositions at = PortPanelPositionsOf(port, settings);
        QCOMPARE((QList<int>{at.port, at.baud, at.parity, at.dataBits, at.stopBits}), positions);
    }

    void devices() {
        const PortResolver none = DevicesResolver(ini_);
        QCOMPARE(none(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(none(8), QStringLiteral("/dev/ttyS7"));
        const QString longPath = "/dev/serial/by-id/" + QString(120, u'u');
        PutFile(ini_, ("[RS232C1]\nCommPort= 1\n[devices]\nCOM1 = /dev/ttyUSB0 \nCom3=\nCom4=" +
                       longPath + "\n")
                          .toUtf8());
        const PortResolver resolve = DevicesResolver(ini_);
        QCOMPARE(resolve(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(resolve(2), QStringLiteral("/dev/ttyS1"));
        QCOMPARE(resolve(3), QStringLiteral("/dev/ttyS2"));
        QCOMPARE(resolve(4), longPath);
        // Read when asked: a later edit counts.
        WriteProfileString(ini_, "Devices", "Com2", "/dev/ttyACM0");
        QCOMPARE(resolve(2), QStringLiteral("/dev/ttyACM0"));
    }

  private:
    QTemporaryDir dir_;
    QString ini_;
    int serial_ = 0;
};

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "test_configuration.moc"
