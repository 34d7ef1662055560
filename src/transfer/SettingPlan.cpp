#include "transfer/SettingPlan.h"

#include "model/ModelFacts.h"
#include "texts/TransferTexts.h"

namespace {

std::vector<TransferStep> PlanOf(std::span<const PlanStep> steps) {
    static const QString kItems = QStringLiteral("0123456789ABCDEF");
    std::vector<TransferStep> plan;
    for (const PlanStep& step : steps) {
        switch (step.kind) {
            case PlanStep::Codes: {
                const int from = kItems.indexOf(QLatin1Char(step.first));
                const int to = kItems.indexOf(QLatin1Char(step.last));
                for (int i = from; i <= to; ++i)
                    plan.push_back(
                        {TransferStep::Code, QString(QLatin1Char(step.group)) + kItems[i], 0});
                break;
            }
            case PlanStep::Progress:
                plan.push_back({TransferStep::Progress, {}, step.value});
                break;
            case PlanStep::Sending:
                plan.push_back(
                    {TransferStep::Status, Tr(TransferText::SettingsSending).arg(step.value), 0});
                break;
            case PlanStep::Sync:
                plan.push_back({TransferStep::Sync, {}, 0});
                break;
        }
    }
    return plan;
}

}  // namespace

std::vector<TransferStep> ReadSettingsPlan(IndicatorModel model) {
    return PlanOf(FactsOf(model).readPlan);
}

std::vector<TransferStep> WriteSettingsPlan(IndicatorModel model) {
    return PlanOf(FactsOf(model).writePlan);
}

std::vector<QString> CodesOfPlan(const std::vector<TransferStep>& plan) {
    std::vector<QString> codes;
    for (const auto& step : plan)
        if (step.kind == TransferStep::Code) codes.push_back(step.text);
    return codes;
}
