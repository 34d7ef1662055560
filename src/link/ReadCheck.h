#pragma once

#include <QString>
#include <vector>

#include "link/TransferRun.h"

// Values named for the operator: "W33, W91, 銘柄 12 (定量)". A product all eight of whose values
// are named is named once ("銘柄 12"). At most `named` places are written out, then
// "ほか n 件" for the rest.
QString PlacesText(const std::vector<TransferValue>& places, int named = 5);

// Whether a read got what it asked for: each request its own reply ("W" + the code asked, for a
// product value while the indicator names the product asked), with a value that fits the
// code's rule (FitsCode). The transfers say what they ask (ReplyFor::Value); the link notes
// every reply that falls short here, while a check is open (IndicatorLink::checkReads).
class ReadCheck {
  public:
    // A value that was not read: its product (-1 for a setting), its code, and as its value the
    // reply line that came instead.
    void note(const TransferValue& fault) { faults_.push_back(fault); }
    void add(const ReadCheck& other) {
        faults_.insert(faults_.end(), other.faults_.begin(), other.faults_.end());
    }
    bool complete() const { return faults_.empty(); }
    const std::vector<TransferValue>& faults() const { return faults_; }

    // "次の値を正しく読めませんでした: " and the places.
    QString messageText() const;
    // One line per value with the reply that came, for the command line: "W33 「W33?0001」",
    // "銘柄 12 W12 「W0000013」".
    std::vector<QString> lines() const;

  private:
    std::vector<TransferValue> faults_;
};
