#pragma once

// The setting catalogue: every setting item of the F805 and the F800 — its code, item button,
// entry box, detail rows with their labels, option lists and bindings — as lookups on the
// constant tables of CatalogueData. Pure functions of the model; no widgets involved.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/SettingsStore.h"

inline constexpr int kDetailRows = 75;   // Combo3(0 … 74) with Label2(0 … 74)
inline constexpr int kItemButtons = 59;  // Command3(0 … 58)

// What kind of value a setting code carries.
enum class ItemKind {
    Numeric,        // typed in its entry box; one computed detail row
    Choice,         // one option list; value = position (or position + 1), five digits
    PackedChoice,   // two to five option lists, one digit each, first row leftmost
    PackedNumeric,  // two numbers: characters 1–2 and 4–5 (F800 only)
};

// How a detail row shows the value of its code.
enum class RowShow {
    None,        // the row reads nothing for this model
    Choice,      // selects list position PositionOf(binding, value): the number the characters
                 // spell, minus 1 when oneBased (the gravity rows read the whole zone number)
    Weight,      // whole value divided by the weight divisor, weight format
    Tenths,      // the characters read, divided by 10, "0.0"
    Hundredths,  // the characters read, divided by 100, "0.00"
    Text,        // the characters read, unchanged
};

// Which characters of the stored value a row reads.
enum class CharSpan {
    Whole,  // the whole value
    First,  // the first `count` characters
    Last,   // the last `count` characters ("last character" is Last with count 1)
    At,     // the single character at position `count` (1 = leftmost)
};

// What a detail row reads and how it shows it.
struct RowBinding {
    QString code;  // two-character setting code ("20" … "91"); empty when unbound
    RowShow show = RowShow::None;
    CharSpan span = CharSpan::Whole;
    int count = 0;          // characters for First/Last, character position for At
    bool oneBased = false;  // a choice digit stored one higher than its list position
    bool operator==(const RowBinding&) const = default;
};

// An entry box: family is the group digit of its array (1 = W10 product boxes, 2 = W20 …
// 9 = W90), index its element number.
struct ValueBoxRef {
    int family = 0;
    int index = -1;
    bool valid() const { return family > 0 && index >= 0; }
    bool operator==(const ValueBoxRef&) const = default;
};

// One setting item of one model.
struct CatalogueEntry {
    QString code;  // "20" … "91"
    IndicatorModel model = kDefaultModel;
    StoreAddress slot;      // where the value lives in the store (StoreSlot)
    int button = -1;        // item button 0 … 58
    QString buttonCaption;  // its caption for this model
    ValueBoxRef box;        // the entry box beside the button
    ItemKind kind = ItemKind::Numeric;
    std::vector<int> rows;  // detail rows in row order; rows.front() is the jump target
};

// One detail row for one model.
struct RowSpec {
    int row = -1;                 // 0 … 74
    int tab = 0;                  // the detail tab holding it (tablayout::TabOfRow)
    bool visible = false;         // shown for this model
    QString label;                // the caption of Label2(row) for this model
    QStringList options;          // the option texts in list order; empty for computed/hidden rows
    RowBinding binding;           // code and characters the row reads; unbound when hidden
    std::vector<int> ownedChars;  // character positions (1 … 5) this row owns in the value
};

// One item button for one model.
struct ButtonSpec {
    int button = -1;       // 0 … 58
    int tab = 1;           // the overview tab holding it (tablayout::TabOfButton)
    bool visible = false;  // shown for this model
    QString caption;       // caption for this model (hidden buttons keep their F805 caption)
    ValueBoxRef box;       // the entry box beside it (same layout for both models)
    QString code;          // the code it edits for this model; empty when hidden
    int jumpRow = -1;      // detail row it jumps to; -1 when hidden
    int jumpTab = -1;      // detail tab of that row; -1 when hidden
};

// One setting entry box for one model (the 59 boxes W20(0) … W90(1)).
struct BoxSpec {
    ValueBoxRef box;
    bool visible = false;  // shown for this model
    QString tag;           // the box's fixed tag: the F805 code of its slot ("W20" … "W91")
    QString code;          // the code it holds for this model; empty when hidden
};

// The two sets of bracket lines beside the rows of packed items.
enum class BracketSet { LineF805, LineF800 };
struct BracketRange {
    int firstRow = 0;
    int lastRow = 0;
};

// --- Codes and entries -------------------------------------------------------------------

// The model's setting codes in transfer read order: F805 59 codes "20" … "91", F800 31 codes
// "20" … "29", "30" … "37", "40" … "46", "50" … "55".
const QStringList& CodesOf(IndicatorModel model);

// All entries of a model in code order (the order of CodesOf).
const std::vector<CatalogueEntry>& EntriesOf(IndicatorModel model);

// The entry owning a code (with or without its leading "W"), a detail row or an item button;
// nullptr when the model does not use it.
const CatalogueEntry* EntryOfCode(IndicatorModel model, const QString& code);
const CatalogueEntry* EntryOfRow(IndicatorModel model, int row);
const CatalogueEntry* EntryOfButton(IndicatorModel model, int button);
// The entry whose value a setting entry box holds for the model; nullptr when none.
const CatalogueEntry* EntryOfBox(IndicatorModel model, const ValueBoxRef& box);

// --- Window view -------------------------------------------------------------------------

// The 75 detail rows (index = row), the 59 item buttons (index = button) and the 59 setting
// entry boxes (W20(0 … 15), W30(0 … 8), … W90(0 … 1) in that order) as the model shows them.
const std::vector<RowSpec>& RowsOf(IndicatorModel model);
const std::vector<ButtonSpec>& ButtonsOf(IndicatorModel model);
const std::vector<BoxSpec>& BoxesOf(IndicatorModel model);
// A single row or button; a default (invisible, row/button -1) one when out of range.
RowSpec RowOf(IndicatorModel model, int row);
ButtonSpec ButtonOf(IndicatorModel model, int button);

// The option texts of a row in list order; empty for numeric, packed-numeric and hidden rows.
QStringList OptionsOf(IndicatorModel model, int row);

// The initial (F805 design) caption of every row label, 0 … 74.
const QStringList& InitialRowLabels();

// The entry box beside an item button (same for both models); invalid when out of range.
ValueBoxRef BoxOfButton(int button);
// The fixed tag of a setting entry box ("W20" … "W91"); empty for no such box.
QString TagOfBox(const ValueBoxRef& box);
// The array name of a box family: "W10", "W20" … "W90"; empty for no such family.
QString FamilyName(int family);
// Number of elements of a box family (W10: 8, W20: 16, W30: 9 … W90: 2); 0 for no family.
int FamilySize(int family);

// The bracket-line set shown for a model, the rows each of its brackets spans, and the number
// of lines in the set (three per bracket: 9 for LineF805, 27 for LineF800).
BracketSet BracketSetOf(IndicatorModel model);
const std::vector<BracketRange>& BracketRangesOf(BracketSet set);
int BracketLineCount(BracketSet set);

// The caption of status label Label5(49): "LOCK(soft)" with the F805, "未定義" with the F800.
QString LockStatusLabel(IndicatorModel model);

// The eight product items: label of item 0 … 7 ("大投入" … "補正投入時間") and code "10" … "17".
const QStringList& ProductItemLabels();
QString ProductItemCode(int item);

// --- Composing and reading values ----------------------------------------------------------

// The five-character value for the picked list positions of all rows of the entry (one position
// per entry row, in row order). Nothing for numeric and packed-numeric items, for a wrong
// number of positions, or when a position is negative (a list with no selection) or beyond
// its row's option list: the stored value is then left alone.
std::optional<QString> ComposeValue(const CatalogueEntry& entry, const std::vector<int>& positions);

// The characters of a value that a row reads (missing characters are left out).
QString ReadChars(const RowBinding& binding, const QString& value);

// The list position a stored value selects on a choice row: nothing when the value is empty
// (the row is left as it is) or the row is not a choice row, -1 for no selection (a one-based
// 0), otherwise the number the row's characters spell (minus 1 when one-based): one option
// digit for most rows, the whole zone number 1 … 16 for the gravity rows. A missing or
// non-digit character counts as 0. The position may lie beyond the row's option list; the
// caller decides what to show then. Use this rather than reading the binding by hand.
std::optional<int> PositionOf(const RowBinding& binding, const QString& value);

// The positions a stored value selects on every row of a choice entry, in row order (the
// reverse of ComposeValue); empty when the value is empty or the entry has no choice rows.
std::vector<int> PositionsOf(const CatalogueEntry& entry, const QString& value);

// The code and character position that hold the decimal point setting: F805 "65" character 5,
// F800 "45" character 3.
RowBinding DecimalPointSource(IndicatorModel model);
