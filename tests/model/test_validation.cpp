#include <QtTest>

#include "model/Catalogue.h"
#include "model/Validation.h"
#include "texts/ModelTexts.h"

namespace {

QString Message(const char* mask) {
    return Tr(ModelText::MaskMessage).arg(QLatin1String(mask));
}

IndicatorModel Model(int m) {
    return static_cast<IndicatorModel>(m);
}

}  // namespace

class ValidationTest : public QObject {
    Q_OBJECT
  private slots:
    void maskDigits_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("pass");
        QTest::newRow("three digits") << "123"
                                      << "99999" << false;
        QTest::newRow("six digits") << "000001"
                                    << "99999" << false;
        QTest::newRow("at the limit") << "00999"
                                      << "00999" << true;
        QTest::newRow("one over") << "01000"
                                  << "00999" << false;
        QTest::newRow("zero") << "00000"
                              << "00999" << true;
        QTest::newRow("decimal point") << "12.45"
                                       << "99999" << false;
        QTest::newRow("decimal point, five chars") << "1.234"
                                                   << "99999" << false;
        QTest::newRow("packed at limit") << "82312"
                                         << "82312" << true;
        QTest::newRow("packed first over") << "90000"
                                           << "82312" << false;
        QTest::newRow("packed third over") << "02400"
                                           << "82312" << false;
        QTest::newRow("packed each below") << "71201"
                                           << "82312" << true;
        QTest::newRow("small option") << "00003"
                                      << "00003" << true;
        QTest::newRow("small option over") << "00004"
                                           << "00003" << false;
        QTest::newRow("empty") << ""
                               << "99999" << false;
        QTest::newRow("sign") << "+1234"
                              << "99999" << false;
        QTest::newRow("minus") << "-1234"
                               << "99999" << false;
        QTest::newRow("blank inside") << "00 12"
                                      << "99999" << false;
        QTest::newRow("untrimmed") << " 0001"
                                   << "99999" << false;
        QTest::newRow("letters") << "0000A"
                                 << "99999" << false;
        QTest::newRow("full-width digits") << "００００１"
                                           << "99999" << false;
        QTest::newRow("arabic-indic digits") << "٠٠٠٠١"
                                             << "99999" << false;
    }
    void maskDigits() {
        QFETCH(QString, entry);
        QFETCH(QString, mask);
        QFETCH(bool, pass);
        QCOMPARE(MatchesMask(entry, mask), pass);
        const CheckResult r = CheckValue(entry, mask);
        QCOMPARE(r.pass, pass);
        QCOMPARE(r.message, pass ? QString() : MaskMessage(mask));
    }

    void messagesAreExact() {
        QCOMPARE(MaskMessage("00999"), Message("00999"));
        QCOMPARE(ZeroZoneMessage(), Tr(ModelText::ZeroZoneMessage));
    }

    // Boxes by model, family and index with the outcome of leaving them.
    void boxChecks_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pass");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("product 3 digits")
            << 805 << 1 << 0 << "123" << false << "123" << Message("99999");
        QTest::newRow("product over mask")
            << 805 << 1 << 3 << "01000" << false << "01000" << Message("00999");
        QTest::newRow("product F800") << 800 << 1 << 5 << "09999" << true << "09999" << QString();
        QTest::newRow("trimmed") << 805 << 2 << 2 << "  00012 \t" << true << "00012" << QString();
        QTest::newRow("F805 W20(0) 3rd option")
            << 805 << 2 << 0 << "00002" << true << "00002" << QString();
        QTest::newRow("F805 W20(0) beyond")
            << 805 << 2 << 0 << "00003" << false << "00003" << Message("00002");
        QTest::newRow("F800 W20(0) timers")
            << 800 << 2 << 0 << "99099" << true << "99099" << QString();
        QTest::newRow("F800 W20(0) middle")
            << 800 << 2 << 0 << "00100" << false << "00100" << Message("99099");
        QTest::newRow("F800 W32 packed")
            << 800 << 3 << 2 << "82312" << true << "82312" << QString();
        QTest::newRow("F800 W32 first over")
            << 800 << 3 << 2 << "90000" << false << "90000" << Message("82312");
        QTest::newRow("F800 W32 third over")
            << 800 << 3 << 2 << "02400" << false << "02400" << Message("82312");
        QTest::newRow("F805 W2F") << 805 << 2 << 15 << "00009" << true << "00009" << QString();
        QTest::newRow("F805 W38") << 805 << 3 << 8 << "10000" << false << "10000"
                                  << Message("09999");
        QTest::newRow("F805 W73") << 805 << 7 << 3 << "99999" << false << "99999"
                                  << Message("99998");
        QTest::newRow("F805 W90(1)") << 805 << 9 << 1 << "00001" << true << "00001" << QString();
        QTest::newRow("decimal point")
            << 805 << 6 << 0 << "12.45" << false << "12.45" << Message("99999");
        // The gravity zone boxes: W68 on the F805, W60(8) holding W46 on the F800.
        QTest::newRow("zone 0") << 805 << 6 << 8 << "00000" << false << "00000"
                                << Tr(ModelText::ZeroZoneMessage);
        QTest::newRow("zone 0 F800")
            << 800 << 6 << 8 << "00000" << false << "00000" << Tr(ModelText::ZeroZoneMessage);
        QTest::newRow("zone 0 blanks")
            << 805 << 6 << 8 << " 00000 " << false << "00000" << Tr(ModelText::ZeroZoneMessage);
        QTest::newRow("zone 1") << 805 << 6 << 8 << "00001" << true << "00001" << QString();
        QTest::newRow("zone 9") << 805 << 6 << 8 << "00009" << true << "00009" << QString();
        QTest::newRow("zone 16") << 800 << 6 << 8 << "00016" << true << "00016" << QString();
        QTest::newRow("zone 17") << 805 << 6 << 8 << "00017" << false << "00017"
                                 << Message("00016");
        QTest::newRow("zone 4 digits")
            << 805 << 6 << 8 << "0016" << false << "0016" << Message("00016");
        QTest::newRow("zone 0 short") << 805 << 6 << 8 << "0" << false << "0" << Message("00016");
        QTest::newRow("zone point")
            << 805 << 6 << 8 << "001.6" << false << "001.6" << Message("00016");
        QTest::newRow("zone empty") << 805 << 6 << 8 << "" << false << "" << Message("00016");
        // Boxes without a rule for the model fail silently.
        QTest::newRow("F800 W40(0)") << 800 << 4 << 0 << "00000" << false << "00000" << QString();
        QTest::newRow("F800 W40(0) text") << 800 << 4 << 0 << "abc" << false << "abc" << QString();
        QTest::newRow("F800 W20(10)") << 800 << 2 << 10 << "00001" << false << "00001" << QString();
        QTest::newRow("F800 W30(8)") << 800 << 3 << 8 << "00001" << false << "00001" << QString();
        QTest::newRow("F800 W60(0)") << 800 << 6 << 0 << "00001" << false << "00001" << QString();
        QTest::newRow("F800 W60(9)") << 800 << 6 << 9 << "00001" << false << "00001" << QString();
        QTest::newRow("F800 W70(0)") << 800 << 7 << 0 << "00001" << false << "00001" << QString();
        QTest::newRow("no such index")
            << 805 << 2 << 16 << "00001" << false << "00001" << QString();
        QTest::newRow("no such family")
            << 805 << 0 << 0 << "00001" << false << "00001" << QString();
        QTest::newRow("negative index")
            << 805 << 3 << -1 << "00001" << false << "00001" << QString();
    }
    void boxChecks() {
        QFETCH(int, model);
        QFETCH(int, family);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, pass);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const CheckResult r = CheckValue(Model(model), family, index, text);
        QCOMPARE(r.pass, pass);
        QCOMPARE(r.value, value);
        QCOMPARE(r.message, message);
    }

    // The whole leave decision, including the "both empty" short cut.
    void leavingABox_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const int nothing = int(LeaveAction::Nothing), store = int(LeaveAction::Store),
                  refuse = int(LeaveAction::Refuse);
        QTest::newRow("both empty") << 2 << 2 << ""
                                    << "" << nothing << "" << QString();
        QTest::newRow("blanks, stored empty") << 2 << 2 << "   "
                                              << "" << nothing << "" << QString();
        QTest::newRow("emptied box") << 2 << 1 << ""
                                     << "00001" << refuse << "" << Message("00001");
        QTest::newRow("emptied zone box") << 6 << 8 << ""
                                          << "00001" << refuse << "" << Message("00016");
        QTest::newRow("good entry") << 2 << 2 << " 00012 "
                                    << "" << store << "00012" << QString();
        QTest::newRow("same as stored") << 2 << 2 << "00012"
                                        << "00012" << store << "00012" << QString();
        QTest::newRow("bad entry") << 2 << 0 << "00005"
                                   << "00001" << refuse << "00005" << Message("00002");
        QTest::newRow("zone zero")
            << 6 << 8 << "00000"
            << "00003" << refuse << "00000" << Tr(ModelText::ZeroZoneMessage);
    }
    void leavingABox() {
        QFETCH(int, family);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QFETCH(int, action);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const LeaveOutcome out = LeaveBox(IndicatorModel::F805, family, index, text, stored);
        QCOMPARE(int(out.action), action);
        QCOMPARE(out.value, value);
        QCOMPARE(out.message, message);
    }

    void noRuleBoxLeftWithTextIsRefusedSilently() {
        const LeaveOutcome out = LeaveBox(IndicatorModel::F800, 4, 0, "00001", "");
        QCOMPARE(out.action, LeaveAction::Refuse);
        QVERIFY(out.message.isEmpty());
    }

    void productMasks() {
        const QStringList expected = {"99999", "99999", "99999", "00999",
                                      "00999", "09999", "99999", "00999"};
        for (int item = 0; item < 8; ++item) {
            QCOMPARE(ProductMask(item), expected[item]);
            for (int m : {805, 800}) QCOMPARE(DigitMask(Model(m), 1, item), expected[item]);
        }
        QVERIFY(ProductMask(8).isEmpty());
        QVERIFY(ProductMask(-1).isEmpty());
    }

    void zoneRuleHasNoDigitMask() {
        QCOMPARE(RuleOf(IndicatorModel::F805, 6, 8).kind, RuleKind::OneToSixteen);
        QCOMPARE(RuleOf(IndicatorModel::F800, 6, 8).kind, RuleKind::OneToSixteen);
        QVERIFY(!DigitMask(IndicatorModel::F805, 6, 8).has_value());
    }

    // Every box either model shows has a rule, and none the model hides, except the two W90
    // boxes, which keep their "00001" rule on the F800 (they are hidden there, so it is never
    // reached).
    void rulesFollowTheShownBoxes() {
        for (int m : {805, 800}) {
            for (const BoxSpec& box : BoxesOf(Model(m))) {
                const BoxRule rule = RuleOf(Model(m), box.box.family, box.box.index);
                const QString where = QStringLiteral("F%1 %2").arg(m).arg(box.tag);
                if (box.visible) {
                    QVERIFY2(rule.kind != RuleKind::None, qPrintable(where));
                } else if (box.box.family == 9) {
                    QCOMPARE(rule.mask, QStringLiteral("00001"));
                } else {
                    QVERIFY2(rule.kind == RuleKind::None, qPrintable(where));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(ValidationTest)
#include "test_validation.moc"
