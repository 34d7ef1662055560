#pragma once

#include <QByteArray>
#include <QList>

// The two indicator models the simulator can play by name; Other: an indicator played from a
// list of setting codes given to it.
enum class SimModel { F805 = 805, F800 = 800, Other = 0 };

// One setting item of a model: its two-character code, the digits it admits and the value a
// fresh indicator holds.
struct SimCode {
    QByteArray code;        // "20" … "91"
    QByteArray mask;        // five digits; each value digit must not exceed the mask digit there
    QByteArray value;       // factory value, always inside the mask
    bool zoneRule = false;  // gravity zone: 00001 … 00016 only
};

// Every setting code of the model, in the order the indicator lists them (20 … 91).
const QList<SimCode>& SettingCodesOf(SimModel model);

// Mask of the eight product values, codes 10 … 17 (index 0 … 7).
QByteArray SimProductMask(int item);

// True when value has exactly as many characters as mask, all digits, each not above the mask
// digit in the same place.
bool FitsMask(const QByteArray& value, const QByteArray& mask);

// True when value is acceptable for code: the mask, and for a gravity code 1 … 16.
bool AcceptsValue(const SimCode& code, const QByteArray& value);

// Factory value of product n (0 … 99), item 0 … 7. Values differ per product so that a reader can
// tell the records apart: the target (code 12) is 01000 + 25 × n.
QByteArray FactoryProductValue(int product, int item);
