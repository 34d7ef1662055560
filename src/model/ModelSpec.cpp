#include "model/ModelSpec.h"

#include <array>

std::span<const ModelSpec* const> AllModels() {
    static const std::array<const ModelSpec*, 2> models = {&F805Spec(), &F800Spec()};
    return models;
}

const ModelSpec& SpecOf(IndicatorModel model) {
    for (const ModelSpec* spec : AllModels())
        if (spec->model == model) return *spec;
    return F805Spec();
}

const ModelSpec* SpecOfOption(int option) {
    for (const ModelSpec* spec : AllModels())
        if (spec->option == option) return spec;
    return nullptr;
}

const ModelSpec* SpecOfNumber(const QString& number) {
    for (const ModelSpec* spec : AllModels())
        if (number == QLatin1String(spec->number)) return spec;
    return nullptr;
}
