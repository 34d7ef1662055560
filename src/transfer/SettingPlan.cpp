#include "transfer/SettingPlan.h"

namespace {

class PlanBuilder {
  public:
    // Codes first … last of one group; the item characters run 0 … 9, A … F.
    PlanBuilder& codes(char group, char first, char last) {
        static const QString kItems = QStringLiteral("0123456789ABCDEF");
        const int from = kItems.indexOf(QLatin1Char(first));
        const int to = kItems.indexOf(QLatin1Char(last));
        for (int i = from; i <= to; ++i)
            steps_.push_back({TransferStep::Code, QString(QLatin1Char(group)) + kItems[i], 0});
        return *this;
    }
    PlanBuilder& progress(int value) {
        steps_.push_back({TransferStep::Progress, {}, value});
        return *this;
    }
    PlanBuilder& sending(int group) {
        steps_.push_back({TransferStep::Status, QStringLiteral("設定値 %1 送信中").arg(group), 0});
        return *this;
    }
    PlanBuilder& sync() {
        steps_.push_back({TransferStep::Sync, {}, 0});
        return *this;
    }
    std::vector<TransferStep> done() { return std::move(steps_); }

  private:
    std::vector<TransferStep> steps_;
};

}  // namespace

std::vector<TransferStep> ReadSettingsPlan(IndicatorModel model) {
    PlanBuilder b;
    if (model == IndicatorModel::F800) {
        return b.codes('2', '0', '9')
            .progress(30)
            .codes('3', '0', '7')
            .progress(40)
            .codes('4', '0', '6')
            .progress(50)
            .codes('5', '0', '5')
            .progress(60)
            .done();
    }
    return b.codes('2', '0', 'F')
        .progress(30)
        .codes('3', '0', '8')
        .progress(40)
        .codes('4', '0', '4')
        .progress(50)
        .codes('5', '0', '5')
        .progress(60)
        .codes('6', '0', '9')
        .progress(80)
        .codes('7', '0', '4')
        .progress(90)
        .codes('8', '0', '5')
        .progress(100)
        .codes('9', '0', '1')
        .done();
}

std::vector<TransferStep> WriteSettingsPlan(IndicatorModel model) {
    PlanBuilder b;
    if (model == IndicatorModel::F800) {
        return b.codes('2', '0', '4')
            .sync()
            .progress(20)
            .codes('2', '5', '9')
            .sync()
            .progress(30)
            .sending(30)
            .codes('3', '0', '7')
            .sync()
            .progress(50)
            .sending(40)
            .codes('4', '0', '6')
            .sync()
            .progress(90)
            .sending(50)
            .codes('5', '0', '5')
            .progress(100)
            .sync()
            .done();
    }
    return b.codes('2', '0', '4')
        .sync()
        .progress(20)
        .codes('2', '5', 'F')
        .sync()
        .progress(30)
        .sending(30)
        .codes('3', '0', '7')
        .sync()
        .progress(50)
        .codes('3', '8', '8')
        .sending(40)
        .codes('4', '0', '4')
        .sync()
        .progress(60)
        .sending(50)
        .codes('5', '0', '5')
        .sync()
        .progress(70)
        .sending(60)
        .codes('6', '0', '9')
        .sync()
        .progress(80)
        .sending(70)
        .codes('7', '0', '4')
        .sending(80)
        .codes('8', '0', '5')
        .sync()
        .progress(100)
        .sending(90)
        .codes('9', '0', '1')
        .done();
}

std::vector<QString> CodesOfPlan(const std::vector<TransferStep>& plan) {
    std::vector<QString> codes;
    for (const auto& step : plan)
        if (step.kind == TransferStep::Code) codes.push_back(step.text);
    return codes;
}
