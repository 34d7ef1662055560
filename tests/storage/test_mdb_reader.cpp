#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/MdbReader.h"

// The Access reader runs in a child process: whatever a damaged file does to it, the program
// gets a failure back, not a crash.
class MdbReaderTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    const std::vector<TableRequest> requests_{{"銘柄", 100}, {"設定値", 1}};

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        return path;
    }

  private slots:
    void damagedFilesGiveAFailure_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray jet4(4096, '\0');
        jet4.replace(4, 15, "Standard Jet DB");
        jet4[0x14] = 1;  // Jet 4
        QTest::newRow("Jet 4 header, nothing behind") << jet4;
        QRandomGenerator random(805);
        for (int n = 0; n < 8; ++n) {
            QByteArray noise(4096 * 8, '\0');
            for (char& c : noise) c = static_cast<char>(random.bounded(256));
            noise.replace(4, 15, "Standard Jet DB");
            QTest::newRow(qPrintable(QString("Jet header over noise %1").arg(n))) << noise;
        }
        QTest::newRow("empty") << QByteArray();
    }
    void damagedFilesGiveAFailure() {
        QFETCH(QByteArray, bytes);
        const TablesRead read = ReadMdbTables(write("damaged.mdb", bytes), requests_);
        QVERIFY(!read.failure.isEmpty() || read.tables.size() == requests_.size());
        QVERIFY(read.failure.isEmpty() || read.tables.empty());
    }

    void theChildGivesTheSameAnswerAsAReadHere() {
        const QString missing = dir_.filePath("missing.mdb");
        const TablesRead apart = ReadMdbTables(missing, requests_);
        const TablesRead here = ReadMdbTablesHere(missing, requests_);
        QVERIFY(!apart.failure.isEmpty());
        QCOMPARE(apart.failure, here.failure);
    }
};

QTEST_GUILESS_MAIN(MdbReaderTest)
#include "test_mdb_reader.moc"
