#include "model/ModelFacts.h"

#include <array>

std::span<const ModelFacts* const> AllModels() {
    static const std::array<const ModelFacts*, 2> models = {&F805Facts(), &F800Facts()};
    return models;
}

const ModelFacts& FactsOf(IndicatorModel model) {
    for (const ModelFacts* facts : AllModels())
        if (facts->model == model) return *facts;
    return F805Facts();
}

const ModelFacts* FactsOfOption(int option) {
    for (const ModelFacts* facts : AllModels())
        if (facts->option == option) return facts;
    return nullptr;
}

const ModelFacts* FactsOfNumber(const QString& number) {
    for (const ModelFacts* facts : AllModels())
        if (number == QLatin1String(facts->number)) return facts;
    return nullptr;
}
