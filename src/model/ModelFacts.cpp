#include "model/ModelFacts.h"

#include <QtGlobal>
#include <vector>

namespace {

// A model's products must fit the store's records.
const ModelFacts* Checked(const ModelFacts& facts) {
    if (facts.products < 1 || facts.products > SettingsStore::kMaxProducts)
        qFatal("model %s: %d products, the store holds 1 … %d", facts.name, facts.products,
               SettingsStore::kMaxProducts);
    return &facts;
}

std::vector<const ModelFacts*>& Models() {
    static std::vector<const ModelFacts*> models = {Checked(F805Facts()), Checked(F800Facts())};
    return models;
}

}  // namespace

std::span<const ModelFacts* const> AllModels() {
    return Models();
}

void AddModel(const ModelFacts& facts) {
    for (const ModelFacts* known : Models())
        if (known->model == facts.model) return;
    Models().push_back(Checked(facts));
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

QString ModelName(IndicatorModel model) {
    return QString::fromLatin1(FactsOf(model).name);
}

QString ModelWideName(IndicatorModel model) {
    return QString::fromUtf8(FactsOf(model).wideName);
}
