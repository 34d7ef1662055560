#include <QtTest>

#include "model/StatusDecoding.h"
#include "texts/ModelTexts.h"

namespace {
constexpr const char* kKeep = "<keep>";  // the box is not written
}

class StatusDecodingTest : public QObject {
    Q_OBJECT
  private slots:
    void decode_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("boxes");
        const QString inv = status::InvalidText();
        const QString keep = QLatin1String(kKeep);
        QTest::newRow("status 1 F805")
            << 1 << "0110100" << 805
            << QStringList{"OFF", "ON", "ON", "OFF", Tr(ModelText::DisplayNet), "OFF", "OFF"};
        QTest::newRow("status 1 F800 leaves box 6")
            << 1 << "0110100" << 800
            << QStringList{"OFF", "ON", "ON", "OFF", Tr(ModelText::DisplayNet), "OFF", keep};
        QTest::newRow("status 1 gross, LOCK on")
            << 1 << "0000011" << 805
            << QStringList{"OFF", "OFF", "OFF", "OFF", Tr(ModelText::DisplayGross), "ON", "ON"};
        QTest::newRow("status 1 bad digits")
            << 1 << "2x0020" << 805 << QStringList{inv, inv, "OFF", "OFF", inv, "OFF", inv};
        QTest::newRow("status 2 all on")
            << 2 << "1111111" << 805 << QStringList{"ON", "ON", "ON", "ON", "ON", "ON", "ON"};
        QTest::newRow("status 2 short")
            << 2 << "01" << 805 << QStringList{"OFF", "ON", inv, inv, inv, inv, inv};
        QTest::newRow("status 3 bad first")
            << 3 << "2000" << 805 << QStringList{inv, "OFF", "OFF", "OFF", keep, keep, keep};
        QTest::newRow("status 3 long text ignores the rest")
            << 3 << "0101999" << 805 << QStringList{"OFF", "ON", "OFF", "ON", keep, keep, keep};
        QTest::newRow("status 4 span")
            << 4 << "103200" << 805
            << QStringList{"ON", "OFF", Tr(ModelText::ModeSpanCalibrating), "OFL2", "0", "0", keep};
        QTest::newRow("status 4 no overflow")
            << 4 << "000000" << 805
            << QStringList{"OFF", "OFF", Tr(ModelText::ModeCompareOff), "", "0", "0", keep};
        QTest::newRow("status 4 modes and loads")
            << 4 << "01159A" << 805
            << QStringList{"OFF", "ON", Tr(ModelText::ModeWeighing), "-LOAD", "9", "A", keep};
        QTest::newRow("status 4 zero calibration, +LOAD")
            << 4 << "0024" << 800
            << QStringList{"OFF", "OFF", Tr(ModelText::ModeZeroCalibrating), "+LOAD", "", "", keep};
        QTest::newRow("status 4 OFL1 OFL3")
            << 4 << "00013" << 805
            << QStringList{"OFF", "OFF", Tr(ModelText::ModeCompareOff), "OFL1", "3", "", keep};
        QTest::newRow("status 4 mode and overflow out of range")
            << 4 << "00460" << 805 << QStringList{"OFF", "OFF", inv, inv, "0", "", keep};
        QTest::newRow("status 4 one character")
            << 4 << "1" << 805 << QStringList{"ON", inv, inv, inv, "", "", keep};
        QTest::newRow("status 4 OFL3 mode 3")
            << 4 << "003300" << 805
            << QStringList{"OFF", "OFF", Tr(ModelText::ModeSpanCalibrating), "OFL3", "0",
                           "0",   keep};
    }
    void decode() {
        QFETCH(int, word);
        QFETCH(QString, text);
        QFETCH(int, model);
        QFETCH(QStringList, boxes);
        const auto decoded = status::DecodeWord(word, text, static_cast<IndicatorModel>(model));
        for (int i = 0; i < status::kBoxesPerWord; ++i) {
            const QString shown = decoded[i] ? *decoded[i] : QLatin1String(kKeep);
            QCOMPARE(shown, boxes.at(i));
        }
    }

    void emptyTextWritesNothing() {
        for (int word = 1; word <= status::kWords; ++word)
            for (const auto& box : status::DecodeWord(word, QString(), IndicatorModel::F805))
                QVERIFY(!box.has_value());
    }

    void captions() {
        QCOMPARE(status::BoxCaption(1, 0), Tr(ModelText::HoldCaption));
        QCOMPARE(status::BoxCaption(1, 6), QStringLiteral("LOCK(soft)"));
        QCOMPARE(status::BoxCaption(2, 6), Tr(ModelText::CompleteSignal));
        QCOMPARE(status::BoxCaption(3, 4), Tr(ModelText::Undefined));
        QCOMPARE(status::BoxCaption(4, 3), Tr(ModelText::OverflowCaption));
        QCOMPARE(status::BoxCaption(4, 6), Tr(ModelText::Undefined));
        QVERIFY(status::BoxCaption(5, 0).isEmpty());
        QVERIFY(status::BoxCaption(1, 7).isEmpty());
    }
};

QTEST_APPLESS_MAIN(StatusDecodingTest)
#include "test_status_decoding.moc"
