#include "model/SettingsStore.h"

#include "model/ModelFacts.h"

namespace {

constexpr std::array<int, 10> kGroupSizes = {0, 0, 16, 9, 5, 6, 10, 5, 6, 2};
const char* const kLiveNames[SettingsStore::kLiveKinds] = {"RA", "RB", "RC", "RD", "RE", "RF", "RG",
                                                           "RH", "RI", "RJ", "RK", "CA", "CB"};

int HexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<StoreAddress> StoreSlot(const QString& code, IndicatorModel model) {
    if (code.size() != 2) return std::nullopt;
    const int g = HexDigit(code[0]);
    const int s = HexDigit(code[1]);
    if (g < SettingsStore::kFirstGroup || g > SettingsStore::kLastGroup || s < 0)
        return std::nullopt;
    for (const StoreMove& move : FactsOf(model).storeMoves)
        if (g == move.codeGroup)
            return s < move.count
                       ? std::optional<StoreAddress>({move.storeGroup, move.firstSlot + s})
                       : std::nullopt;
    if (s >= SettingsStore::GroupSize(g)) return std::nullopt;
    return StoreAddress{g, s};
}

SettingsStore::SettingsStore() {
    for (int g = kFirstGroup; g <= kLastGroup; ++g) groups_[g].resize(GroupSize(g));
}

int SettingsStore::GroupSize(int group) {
    return group >= 0 && group < static_cast<int>(kGroupSizes.size()) ? kGroupSizes[group] : 0;
}

int SettingsStore::productCount() const {
    return FactsOf(model_).products;
}

QString SettingsStore::product(int productNo, int item) const {
    if (productNo < 0 || productNo >= kMaxProducts || item < 0 || item >= kProductItems) return {};
    return products_[item][productNo];
}

void SettingsStore::setProduct(int productNo, int item, const QString& value) {
    if (productNo < 0 || productNo >= kMaxProducts || item < 0 || item >= kProductItems) return;
    products_[item][productNo] = value;
}

QString SettingsStore::setting(int group, int slot) const {
    if (slot < 0 || slot >= GroupSize(group)) return {};
    return groups_[group][slot];
}

void SettingsStore::setSetting(int group, int slot, const QString& value) {
    if (slot < 0 || slot >= GroupSize(group)) return;
    groups_[group][slot] = value;
}

QString SettingsStore::value(const QString& code) const {
    const auto at = StoreSlot(code, model());
    return at ? setting(*at) : QString();
}

bool SettingsStore::setValue(const QString& code, const QString& value) {
    const auto at = StoreSlot(code, model());
    if (!at) return false;
    setSetting(*at, value);
    return true;
}

QString SettingsStore::live(int kind) const {
    return kind >= 0 && kind < kLiveKinds ? live_[kind] : QString();
}

void SettingsStore::setLive(int kind, const QString& value) {
    if (kind >= 0 && kind < kLiveKinds) live_[kind] = value;
}

int SettingsStore::LiveKindIndex(const QString& name) {
    for (int k = 0; k < kLiveKinds; ++k)
        if (name == QLatin1String(kLiveNames[k])) return k;
    return -1;
}

QString SettingsStore::LiveKindName(int kind) {
    return kind >= 0 && kind < kLiveKinds ? QString::fromLatin1(kLiveNames[kind]) : QString();
}

void SettingsStore::clearSettingGroups() {
    for (auto& g : groups_) std::fill(g.begin(), g.end(), QString());
}

void SettingsStore::clearLiveData() {
    live_.fill(QString());
}

void SettingsStore::clearProducts() {
    for (auto& item : products_) item.fill(QString());
}
