#include <QtTest>

#include "support/LinkFixture.h"
#include "transfer/ChangedWrite.h"
#include "transfer/SettingPlan.h"

class ChangedWriteTest : public QObject {
    Q_OBJECT
  private slots:
    // Whatever order the changes come in, each setting goes in its batch of the model's write
    // plan (the batch closed by its sync) and each product value after its selection.
    void sendsEachChangeInItsBatch() {
        for (const IndicatorModel model : {IndicatorModel::F805, IndicatorModel::F800}) {
            SimLinkFixture f;
            f.port.setModel(static_cast<SimModel>(static_cast<int>(model)));
            f.store.setModel(model);
            QStringList codes;
            for (const TransferStep& step : WriteSettingsPlan(model))
                if (step.kind == TransferStep::Code) codes << step.text;
            const std::vector<ChangedValue> changes = {{-1, codes.last(), {}, "00001"},
                                                       {5, "12", {}, "00321"},
                                                       {-1, codes.first(), {}, "00002"}};
            f.link.blocking(WriteChanged(f.link, changes));
            QCOMPARE(f.port.requests.mid(1), QStringList({"W" + codes.first() + "00002", "W00",
                                                          "W" + codes.last() + "00001", "W00",
                                                          "W0000005", "W1200321", "W00"}));
        }
    }
};

QTEST_GUILESS_MAIN(ChangedWriteTest)
#include "test_changed_write.moc"
