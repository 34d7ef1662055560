#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The two indicator models, held as their model numbers.
enum class IndicatorModel : qint16 { F805 = 805, F800 = 800 };
// The model the program starts with and falls back to (see ModelFacts.h for what a model is).
inline constexpr IndicatorModel kDefaultModel = IndicatorModel::F805;

// Where a setting code's value lives in the store.
struct StoreAddress {
    int group = 0;  // 2 … 9
    int slot = 0;   // 0 … group size - 1
    bool operator==(const StoreAddress&) const = default;
};

// The group and slot of a two-character setting code ("20" … "91") for a model, or nothing when
// the model has no such item. The F800's groups 4 and 5 live in groups 6 (slots 2 … 8) and 8.
std::optional<StoreAddress> StoreSlot(const QString& code, IndicatorModel model);

// Everything the program knows of the connected indicator: the product records of eight values
// (room for the most any model has; the model in use has productCount() of them), the setting
// groups 2 … 9, the thirteen live-data texts, the model and the current product. Every value
// is a text; the empty text means no data. The store neither checks nor trims values.
class SettingsStore {
  public:
    // The product records the store has room for: no model has more (checked as a model is
    // made known, ModelFacts.h). What loops over products asks productCount().
    static constexpr int kMaxProducts = 100;
    static constexpr int kProductItems = 8;
    static constexpr int kLiveKinds = 13;
    static constexpr int kFirstGroup = 2;
    static constexpr int kLastGroup = 9;

    SettingsStore();

    // Slots per group: 16, 9, 5, 6, 10, 5, 6, 2 for groups 2 … 9; 0 for any other number.
    static int GroupSize(int group);

    // Product values: item 0 … 7 is code 10 … 17. Out-of-range indexes read as empty and
    // write nothing.
    QString product(int productNo, int item) const;
    void setProduct(int productNo, int item, const QString& value);

    // Setting values by group and slot. Out-of-range addresses read as empty and write nothing.
    QString setting(int group, int slot) const;
    void setSetting(int group, int slot, const QString& value);
    QString setting(const StoreAddress& at) const { return setting(at.group, at.slot); }
    void setSetting(const StoreAddress& at, const QString& value) {
        setSetting(at.group, at.slot, value);
    }

    // Setting values by code for the current model; a code without a slot reads as empty and
    // stores nothing (returns false).
    QString value(const QString& code) const;
    bool setValue(const QString& code, const QString& value);

    // Live data 0 … 12: RA … RK, CA, CB.
    QString live(int kind) const;
    void setLive(int kind, const QString& value);
    // Index of a live-data kind's two-letter name ("RA" … "RK", "CA", "CB"), or -1.
    static int LiveKindIndex(const QString& name);
    static QString LiveKindName(int kind);

    IndicatorModel model() const { return model_; }
    void setModel(IndicatorModel m) { model_ = m; }
    // The products of the model in use: 0 … productCount() - 1.
    int productCount() const;

    // The product the indicator last named in a "W00" answer (any record the store has room
    // for): the record product values read from the indicator are stored in.
    int currentProduct() const { return currentProduct_; }
    void setCurrentProduct(int n) {
        if (n >= 0 && n < kMaxProducts) currentProduct_ = n;
    }

    // Empties every setting group and the live data; products stay.
    void clearSettingGroups();
    void clearLiveData();
    void clearProducts();

  private:
    IndicatorModel model_ = kDefaultModel;
    int currentProduct_ = 0;
    std::array<std::array<QString, kMaxProducts>, kProductItems> products_;
    std::array<std::vector<QString>, kLastGroup + 1> groups_;
    std::array<QString, kLiveKinds> live_;
};
