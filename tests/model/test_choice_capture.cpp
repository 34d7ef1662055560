#include <QtTest>

#include "model/ChoiceCapture.h"

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {
constexpr auto F805 = IndicatorModel::F805;
constexpr auto F800 = IndicatorModel::F800;
const std::optional<QString> kNothing;
}  // namespace

// The value a picked option makes, and the product number a product list names.
class ChoiceCaptureTest : public QObject {
    Q_OBJECT
  private slots:
    void capturedValue_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::vector<int>>("selections");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<std::optional<QString>>("expected");
        auto row = [](const char* name, IndicatorModel m, const char* code, std::vector<int> sel,
                      const char* stored, std::optional<QString> expected) {
            QTest::newRow(name) << static_cast<int>(m) << QString(code) << sel << QString(stored)
                                << expected;
        };
        // One list per value: the position padded to five digits, the whole value replaced.
        row("W27 position 3", F805, "27", {3}, "", QString("00003"));
        row("W28 position 3 has no option", F805, "28", {3}, "", kNothing);
        row("W28 replaces the whole value", F805, "28", {2}, "00012", QString("00002"));
        row("W2F stored one higher", F805, "2F", {0}, "00005", QString("00001"));
        row("W68 last zone", F805, "68", {15}, "", QString("00016"));
        row("F800 W46 first zone", F800, "46", {0}, "", QString("00001"));
        // Several lists per value, first row leftmost.
        row("W33 both on", F805, "33", {1, 1}, "", QString("00011"));
        row("W33 both off", F805, "33", {0, 0}, "00011", QString("00000"));
        row("W40", F805, "40", {1, 0, 1, 0, 1}, "", QString("10101"));
        row("W50", F805, "50", {0, 1, 1, 0, 1}, "", QString("01101"));
        row("F800 W31", F800, "31", {1, 2, 0, 4}, "", QString("01204"));
        row("F800 W33 row 27 one higher", F800, "33", {2, 1, 0, 1}, "", QString("02111"));
        row("F800 W33 row 27 at 9", F800, "33", {0, 0, 8, 0}, "", QString("00090"));
        row("F800 W35", F800, "35", {2, 3}, "", QString("00023"));
        row("F800 W45", F800, "45", {2, 2, 1, 3}, "", QString("02213"));
        // A list without a selection keeps its stored characters, or is its first option when
        // nothing is stored.
        row("unselected, nothing stored", F805, "40", {1, -1, -1, -1, -1}, "", QString("10000"));
        row("unselected keep stored", F805, "40", {1, -1, -1, -1, -1}, "01101", QString("11101"));
        row("unselected keeps a digit beyond its options", F805, "40", {0, -1, 0, 0, 0}, "17000",
            QString("07000"));
        row("unselected one-based keeps its 0", F800, "33", {1, 1, -1, 0}, "02100",
            QString("01100"));
        row("unselected one-based, nothing stored", F800, "33", {2, 1, -1, 1}, "",
            QString("02111"));
        row("unselected, short stored value", F805, "33", {-1, 1}, "123", QString("00001"));
        row("unselected, non-digit stored", F805, "33", {-1, 1}, "000x0", QString("00001"));
        // Nothing to store.
        row("position beyond the options", F805, "40", {1, 0, 2, 0, 1}, "", kNothing);
        row("numeric item", F805, "22", {0}, "01234", kNothing);
        row("packed numeric item", F800, "20", {0, 0}, "01525", kNothing);
        row("too few selections", F805, "40", {1, 0, 1}, "", kNothing);
    }
    void capturedValue() {
        QFETCH(int, model);
        QFETCH(QString, code);
        QFETCH(std::vector<int>, selections);
        QFETCH(QString, stored);
        QFETCH(std::optional<QString>, expected);
        const CatalogueEntry* entry = EntryOfCode(static_cast<IndicatorModel>(model), code);
        QVERIFY(entry);
        QCOMPARE(capture::CapturedValue(*entry, selections, stored), expected);
    }

    // Capture and display stay inverse: the positions read back from a captured value are the
    // positions picked, for every choice item of both models.
    void captureAndDisplayAreInverse() {
        for (IndicatorModel model : {F805, F800}) {
            for (const CatalogueEntry& entry : EntriesOf(model)) {
                if (entry.kind != ItemKind::Choice && entry.kind != ItemKind::PackedChoice)
                    continue;
                std::vector<int> last;
                for (int row : entry.rows) last.push_back(OptionsOf(model, row).size() - 1);
                const auto value = capture::CapturedValue(entry, last, "");
                QVERIFY2(value, qPrintable(entry.code));
                QCOMPARE(value->size(), 5);
                QCOMPARE(PositionsOf(entry, *value), last);
            }
        }
    }

    void productNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("expected");
        QTest::newRow("42") << "42" << std::optional<int>(42);
        QTest::newRow("first") << "0" << std::optional<int>(0);
        QTest::newRow("last") << "99" << std::optional<int>(99);
        QTest::newRow("leading zero") << "042" << std::optional<int>(42);
        QTest::newRow("leading blank") << " 7" << std::optional<int>(7);
        QTest::newRow("whole part") << "12.9" << std::optional<int>(12);
        QTest::newRow("trailing text") << "8abc" << std::optional<int>(8);
        QTest::newRow("no number is 0") << "abc" << std::optional<int>(0);
        QTest::newRow("empty is 0") << "" << std::optional<int>(0);
        QTest::newRow("100") << "100" << std::optional<int>();
        QTest::newRow("150") << "150" << std::optional<int>();
        QTest::newRow("negative") << "-1" << std::optional<int>();
        QTest::newRow("huge") << "99999999999999999999999" << std::optional<int>();
    }
    void productNumber() {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, expected);
        QCOMPARE(capture::ProductNumberOf(text, kDefaultModel), expected);
    }
};

QTEST_GUILESS_MAIN(ChoiceCaptureTest)
#include "test_choice_capture.moc"
