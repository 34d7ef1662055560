#pragma once

#include <QHash>
#include <QString>
#include <optional>

#include "link/TransferRun.h"
#include "model/SettingsStore.h"

// What the indicator holds, as far as the window knows: every value last read from it or
// written to it, for the model it was talked to as. The window marks each of its values that
// differs from this reference, so an edit, a loaded file or a snapshot shows what a write would
// change. Forgotten on a model switch or a port change.
class IndicatorValues {
  public:
    // A run that went through (read or write): its values are now the indicator's.
    void took(const TransferRun& run);
    // Values the indicator was found to hold (a read-back): they replace what was thought.
    void took(IndicatorModel model, const std::vector<TransferValue>& values);
    void forget();

    // The indicator's value at a setting code ("20") or a product value (product, code "12");
    // none when the window knows none, or it knows those of another model.
    std::optional<QString> value(IndicatorModel model, const QString& code, int product = -1) const;
    // The indicator's value where the window's `shown` value differs from it; none where they
    // agree, where the window's box is empty, or where the indicator's value is unknown.
    std::optional<QString> differing(IndicatorModel model, const QString& code, int product,
                                     const QString& shown) const;
    bool empty() const { return values_.isEmpty(); }

  private:
    static QString Key(const QString& code, int product) {
        return QString::number(product) + u':' + code;
    }
    std::optional<IndicatorModel> model_;
    QHash<QString, QString> values_;
};
