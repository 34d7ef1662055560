#pragma once

#include <QString>
#include <vector>

#include "model/SettingsStore.h"

// One value a transfer read from or sent to the indicator: a setting ("20" … "91", product -1)
// or a product value (codes "10" … "17" of product 0 … 99).
struct TransferValue {
    int product = -1;
    QString code;
    QString value;
    bool operator==(const TransferValue&) const = default;
};

// What one operator operation exchanged with the indicator, told when it ends: the values in the
// order they were read or sent, and whether the operation ran to its end (false after a
// time-out or a fault: then the values are those that went through before it stopped).
struct TransferRun {
    enum class Direction { Read, Write };
    Direction direction = Direction::Read;
    QString operation;  // its kind: runkind::kAllRead, … (RunKinds.h)
    IndicatorModel model = kDefaultModel;
    QString device;  // the active port's device path
    bool complete = true;
    std::vector<TransferValue> values;
};

// Told of every transfer run that exchanged at least one value. Never throws into the
// transfer: a listener that cannot keep the run says so through its own channel.
class TransferListener {
  public:
    virtual ~TransferListener() = default;
    virtual void transferRun(const TransferRun& run) = 0;
    // The run with what the operation noted besides its values (a RunNote: "product_restored 5");
    // a listener that keeps no notes takes the run alone.
    virtual void notedRun(const TransferRun& run, const QString& note) {
        (void)note;
        transferRun(run);
    }
};
