#include <QtTest>

#include "model/DisplayBinding.h"
#include "model/DisplayFormat.h"

using display::ListShow;

class DisplayBindingTest : public QObject {
    Q_OBJECT
  private slots:
    void numericValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "01234" << 1234.0;
        QTest::newRow("leading blanks") << "  42" << 42.0;
        QTest::newRow("sign") << "-0123" << -123.0;
        QTest::newRow("plus") << "+00812.5" << 812.5;
        QTest::newRow("stops at letter") << "12A34" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("letters only") << "ABC" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
    }
    void numericValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(display::NumericValue(text), value);
    }

    void weights_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2 places") << "01234" << 2 << "012.34";
        QTest::newRow("2 places 10000") << "10000" << 2 << "100.00";
        QTest::newRow("0 places") << "01234" << 0 << "01234";
        QTest::newRow("0 places 10000") << "10000" << 0 << "10000";
        QTest::newRow("1 place") << "01234" << 1 << "0123.4";
        QTest::newRow("3 places") << "01234" << 3 << "01.234";
        QTest::newRow("short text padded") << "5" << 1 << "0000.5";
        QTest::newRow("six digits") << "123456" << 0 << "123456";
        QTest::newRow("negative") << "-0123" << 1 << "-0012.3";
        QTest::newRow("negative zero") << "-0000" << 2 << "000.00";
        QTest::newRow("not a number") << "ABCDE" << 2 << "000.00";
        QTest::newRow("places beyond 3 show whole numbers") << "01234" << 7 << "01234";
        // Replies longer than a double holds: every digit shows, never "inf" or rounding noise.
        const QString nines309(309, u'9');  // beyond a double: once shown as 0000inf
        QTest::newRow("309 digits") << nines309 << 2 << nines309.left(307) + ".99";
        QTest::newRow("1e308 exact") << "1" + QString(308, u'0') << 0 << "1" + QString(308, u'0');
        QTest::newRow("400 nines negative")
            << "-" + QString(400, u'9') << 0 << "-" + QString(400, u'9');
        QTest::newRow("17 digits exact") << "12345678901234567" << 3 << "12345678901234.567";
        QTest::newRow("fraction rounds up through nines") << "9.99995" << 2 << "000.10";
        QTest::newRow("fraction carries into a new digit") << "99999.5" << 0 << "100000";
    }
    void weights() {
        QFETCH(QString, text);
        QFETCH(int, places);
        QFETCH(QString, shown);
        QCOMPARE(display::FormatWeight(text, places), shown);
    }

    void tenthsAndHundredths() {
        QCOMPARE(display::FormatTenths("15"), QStringLiteral("1.5"));
        QCOMPARE(display::FormatTenths("00"), QStringLiteral("0.0"));
        QCOMPARE(display::FormatTenths("02"), QStringLiteral("0.2"));
        QCOMPARE(display::FormatTenths("100"), QStringLiteral("10.0"));
        QCOMPARE(display::FormatTenths(""), QStringLiteral("0.0"));
        QCOMPARE(display::FormatHundredths("125"), QStringLiteral("1.25"));
        QCOMPARE(display::FormatHundredths("005"), QStringLiteral("0.05"));
    }

    void decimalPlaces_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("places");
        QTest::newRow("F805 W65 2") << 805 << "65"
                                    << "00002" << 2;
        QTest::newRow("F805 W65 3") << 805 << "65"
                                    << "00003" << 3;
        QTest::newRow("F805 W65 digit 4 shows 0") << 805 << "65"
                                                  << "00004" << 0;
        QTest::newRow("F805 W65 digit 9 shows 0") << 805 << "65"
                                                  << "00009" << 0;
        QTest::newRow("F805 W65 empty") << 805 << "65"
                                        << "" << 0;
        QTest::newRow("F805 W65 short") << 805 << "65"
                                        << "2" << 0;
        QTest::newRow("F805 W65 letter") << 805 << "65"
                                         << "0000X" << 0;
        QTest::newRow("F800 W45 char 3") << 800 << "45"
                                         << "00100" << 1;
        QTest::newRow("F800 W45 ignores char 5") << 800 << "45"
                                                 << "00003" << 0;
        QTest::newRow("F800 W45 3") << 800 << "45"
                                    << "02313" << 3;
    }
    void decimalPlaces() {
        QFETCH(int, model);
        QFETCH(QString, code);
        QFETCH(QString, value);
        QFETCH(int, places);
        SettingsStore store;
        store.setModel(static_cast<IndicatorModel>(model));
        store.setValue(code, value);
        QCOMPARE(display::DecimalPlaces(store), places);
    }

    // list, expected kind, selection or text, for values stored before the redraw.
    void showList_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("values");  // code=value pairs
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        const int sel = ListShow::Select, one = ListShow::Single, leave = ListShow::Leave;
        QTest::newRow("F805 weight 2 places")
            << 805 << QStringList{"65=00002", "22=01234"} << 2 << one << 0 << "012.34";
        QTest::newRow("F805 W60 2 places")
            << 805 << QStringList{"65=00002", "60=10000"} << 50 << one << 0 << "100.00";
        QTest::newRow("F805 weight 0 places")
            << 805 << QStringList{"65=00000", "22=01234"} << 2 << one << 0 << "01234";
        QTest::newRow("F800 weight 1 place")
            << 800 << QStringList{"45=00100", "22=01234"} << 3 << one << 0 << "0123.4";
        QTest::newRow("F805 W29 tenths")
            << 805 << QStringList{"29=00015"} << 9 << one << 0 << "1.5";
        QTest::newRow("F805 W2B hundredths")
            << 805 << QStringList{"2B=00125"} << 11 << one << 0 << "1.25";
        QTest::newRow("F805 W38 last 4")
            << 805 << QStringList{"38=01234"} << 26 << one << 0 << "1234";
        QTest::newRow("F805 W2F one-based 1")
            << 805 << QStringList{"2F=00001"} << 15 << sel << 0 << "";
        QTest::newRow("F805 W2F one-based 0")
            << 805 << QStringList{"2F=00000"} << 15 << sel << -1 << "";
        QTest::newRow("F805 W40 char 1") << 805 << QStringList{"40=10201"} << 30 << sel << 1 << "";
        QTest::newRow("F805 W40 char 2") << 805 << QStringList{"40=10201"} << 31 << sel << 0 << "";
        QTest::newRow("F805 W40 char 3") << 805 << QStringList{"40=10201"} << 32 << sel << 2 << "";
        QTest::newRow("F805 W40 char 4") << 805 << QStringList{"40=10201"} << 33 << sel << 0 << "";
        QTest::newRow("F805 W40 char 5") << 805 << QStringList{"40=10201"} << 34 << sel << 1 << "";
        QTest::newRow("F805 W40 short value") << 805 << QStringList{"40=1"} << 32 << sel << 0 << "";
        QTest::newRow("F800 W20 first 2")
            << 800 << QStringList{"20=01525"} << 0 << one << 0 << "0.1";
        QTest::newRow("F800 W20 last 2")
            << 800 << QStringList{"20=01525"} << 1 << one << 0 << "2.5";
        QTest::newRow("F800 W37 first 2")
            << 800 << QStringList{"37=02003"} << 38 << one << 0 << "0.2";
        QTest::newRow("F800 W37 last 2")
            << 800 << QStringList{"37=02003"} << 39 << one << 0 << "03";
        QTest::newRow("F800 empty W36")
            << 800 << QStringList{"37=02003"} << 36 << leave << -1 << "";
        QTest::newRow("F805 empty W62")
            << 805 << QStringList{"63=00500"} << 52 << leave << -1 << "";
        QTest::newRow("F805 W63 beside empty W62")
            << 805 << QStringList{"63=00500"} << 53 << one << 0 << "00500";
        QTest::newRow("F800 W33 one-based char 4")
            << 800 << QStringList{"33=02113"} << 27 << sel << 0 << "";
        QTest::newRow("F800 W45 list 46") << 800 << QStringList{"45=02213"} << 46 << sel << 2 << "";
        QTest::newRow("F800 gravity W46")
            << 800 << QStringList{"46=00016"} << 60 << sel << 15 << "";
        QTest::newRow("F805 gravity W68 one-based")
            << 805 << QStringList{"68=00016"} << 60 << sel << 15 << "";
        QTest::newRow("F805 gravity zone 1")
            << 805 << QStringList{"68=00001"} << 60 << sel << 0 << "";
        QTest::newRow("F805 gravity zone 0")
            << 805 << QStringList{"68=00000"} << 60 << sel << -1 << "";
        QTest::newRow("F805 dummy row")
            << 805 << QStringList{"33=00011"} << 19 << leave << -1 << "";
        QTest::newRow("F800 hidden row")
            << 800 << QStringList{"90=00001"} << 73 << leave << -1 << "";
        QTest::newRow("F805 digit beyond options")
            << 805 << QStringList{"20=00009"} << 0 << sel << 9 << "";
        QTest::newRow("F805 non-digit counts 0")
            << 805 << QStringList{"21=0000X"} << 1 << sel << 0 << "";
        QTest::newRow("F805 W71 whole")
            << 805 << QStringList{"71=00100"} << 63 << one << 0 << "00100";
        QTest::newRow("F805 W72 tenths of last 3")
            << 805 << QStringList{"72=00125"} << 64 << one << 0 << "12.5";
    }
    void showList() {
        QFETCH(int, model);
        QFETCH(QStringList, values);
        QFETCH(int, list);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, text);
        SettingsStore store;
        store.setModel(static_cast<IndicatorModel>(model));
        for (const QString& pair : values) {
            const QStringList parts = pair.split(u'=');
            QVERIFY(store.setValue(parts[0], parts[1]));
        }
        const ListShow show = display::ShowList(store, list, display::DecimalPlaces(store));
        QCOMPARE(int(show.kind), kind);
        if (kind == ListShow::Select) QCOMPARE(show.index, index);
        if (kind == ListShow::Single) QCOMPARE(show.text, text);
    }
};

QTEST_APPLESS_MAIN(DisplayBindingTest)
#include "test_display_binding.moc"
