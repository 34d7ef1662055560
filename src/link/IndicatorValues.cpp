#include "link/IndicatorValues.h"

void IndicatorValues::took(const TransferRun& run) {
    took(run.model, run.values);
}

void IndicatorValues::took(IndicatorModel model, const std::vector<TransferValue>& values) {
    if (model_ && *model_ != model) values_.clear();
    model_ = model;
    for (const TransferValue& v : values)
        if (!v.code.isEmpty() && !v.value.isEmpty())
            values_.insert(Key(v.code, v.product), v.value);
}

void IndicatorValues::forget() {
    values_.clear();
    model_.reset();
}

std::optional<QString> IndicatorValues::value(IndicatorModel model, const QString& code,
                                              int product) const {
    if (!model_ || *model_ != model) return std::nullopt;
    const auto found = values_.constFind(Key(code, product));
    if (found == values_.constEnd()) return std::nullopt;
    return *found;
}

std::optional<QString> IndicatorValues::differing(IndicatorModel model, const QString& code,
                                                  int product, const QString& shown) const {
    if (shown.isEmpty()) return std::nullopt;
    const std::optional<QString> held = value(model, code, product);
    if (!held || *held == shown) return std::nullopt;
    return held;
}
