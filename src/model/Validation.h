#pragma once

// Checking typed values: every setting and product value is a five-digit text tested against
// the digit mask of its entry box (or the 1-to-16 rule of the gravity zone boxes). Pure
// functions; the window shows the message, colours the box and stores the value.

#include <QString>
#include <optional>

#include "model/SettingsStore.h"

// How an entry box is checked for a model.
enum class RuleKind {
    None,          // the box accepts no value for this model: fails without a message
    Mask,          // each of the five digits not greater than the mask's digit there
    OneToSixteen,  // five digits whose value lies between 1 and 16 (gravity zone)
};

struct BoxRule {
    RuleKind kind = RuleKind::None;
    QString mask;  // the five-digit mask for Mask; "00016" for OneToSixteen; empty for None
};

// The outcome of checking one entry.
struct CheckResult {
    bool pass = false;
    QString value;    // the entry without leading and trailing blanks: what is stored on pass
    QString message;  // the message to show on failure; empty when none is to be shown
};

// What leaving an entry box does.
enum class LeaveAction {
    Nothing,  // the box and its stored value are both empty
    Store,    // store `value` in the box's slot
    Refuse,   // mark the box red, show `message` if not empty, leave the store unchanged
};

struct LeaveOutcome {
    LeaveAction action = LeaveAction::Nothing;
    QString value;    // trimmed box text: put back into the box, and stored on Store
    QString message;  // message to show for Refuse; empty for none
};

// The rule of entry box `index` of family `family` (1 = W10 products, 2 = W20 … 9 = W90) for
// the model. Boxes out of range, and boxes the model does not use, have RuleKind::None.
BoxRule RuleOf(IndicatorModel model, int family, int index);

// The digit mask of a box (the product masks for family 1); nothing when the box has no mask
// rule for the model (no rule, or the 1-to-16 rule).
std::optional<QString> DigitMask(IndicatorModel model, int family, int index);

// The mask of product item 0 … 7 (codes 10 … 17), used for typed entries and before products
// are sent; empty for no such item.
QString ProductMask(int item);

// True when the entry has exactly as many characters as the mask, every one a digit 0 … 9,
// each not greater than the mask's digit at the same place. An empty entry fails.
bool MatchesMask(const QString& entry, const QString& mask);

// True when the entry is five digits with a value 1 … 16.
bool MatchesOneToSixteen(const QString& entry);

// "入力された値は無効な値です。00000 から " + mask + " までの 5 桁の数値を入力して下さい。"
QString MaskMessage(const QString& mask);
// "入力された値は無効な値です。00001 から 00016 までの 5 桁の数値を入力して下さい。"
QString ZeroZoneMessage();

// Checks an entry against a mask (the entry is tested as given, untrimmed); on failure the
// message is MaskMessage(mask).
CheckResult CheckValue(const QString& entry, const QString& mask);

// Checks the text of entry box (family, index) for the model: trims it, then applies the box's
// rule. RuleKind::None fails without a message; the 1-to-16 rule fails "00000" with
// ZeroZoneMessage() and anything else out of range with MaskMessage("00016").
CheckResult CheckValue(IndicatorModel model, int family, int index, const QString& text);

// The whole leave-box decision: trims the text; when it and the stored value are both empty
// does nothing; otherwise checks it (CheckValue above) and stores or refuses.
LeaveOutcome LeaveBox(IndicatorModel model, int family, int index, const QString& text,
                      const QString& storedValue);

// The rule a value exchanged with the indicator must fit, by code: the product masks for codes
// "10" … "17", else the rule of the entry box that shows the code for the model. One exception:
// the F800's code 45 holds every display rate the indicator offers (its second digit runs to 3),
// though its entry box takes only the first two. A code the model has no box for has
// RuleKind::None.
BoxRule CodeRule(IndicatorModel model, const QString& code);

// True when a value read from or about to be sent to the indicator fits its code's rule, as it
// stands (untrimmed). An empty value fails.
bool FitsCode(IndicatorModel model, const QString& code, const QString& value);

// Trims leading and trailing blanks (spaces, tabs, full-width spaces) from a typed entry.
QString TrimEntry(const QString& text);
