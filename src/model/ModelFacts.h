#pragma once

#include <QString>
#include <span>
#include <vector>

#include "model/CatalogueData.h"
#include "model/SettingsStore.h"
#include "platform/SerialPort.h"

// One indicator model as data: everything the program knows about a model beyond its setting
// catalogue, one file per model under src/model/models/. Nothing outside src/model branches on
// the model; it asks the model's facts.

// One step of a whole-set settings transfer as the model settles it.
struct PlanStep {
    enum Kind { Codes, Progress, Sending, Sync };
    Kind kind;
    char group = 0;  // Codes: the codes group+first … group+last, items 0 … 9, A … F
    char first = 0;
    char last = 0;
    int value = 0;  // Progress: the bar's value; Sending: the group told ("設定値 30 送信中")
};
namespace plan {
constexpr PlanStep Codes(char group, char first, char last) {
    return {PlanStep::Codes, group, first, last, 0};
}
constexpr PlanStep Progress(int value) {
    return {PlanStep::Progress, 0, 0, 0, value};
}
constexpr PlanStep Sending(int group) {
    return {PlanStep::Sending, 0, 0, 0, group};
}
constexpr PlanStep Sync() {
    return {PlanStep::Sync, 0, 0, 0, 0};
}
}  // namespace plan

// A setting's field in the data file's settings table: its name (file format, never translated)
// and the store slot it holds.
struct FileField {
    const char* name;
    int group;
    int slot;
};

// A code whose value has a mask of its own on the indicator, beside its entry box's.
struct CodeMask {
    const char* code;
    const char* mask;
};

// A code group the store keeps in another group: codes G0 … G(count-1) in storeGroup from
// firstSlot on.
struct StoreMove {
    int codeGroup;
    int storeGroup;
    int firstSlot;
    int count;
};

// Marks the 1-to-16 rule (gravity zones) in a model's mask tables.
inline constexpr const char* kOneToSixteen = "1-16";

struct ModelFacts {
    IndicatorModel model;
    const char* name;         // "F805": captions, the sheet, the journal, the data file
    const char* wideName;     // "Ｆ８０５": the journal's model text, the file mismatch message
    const char* number;       // "805": the command line's --model and the fleet file
    const char* windowTitle;  // the main window's caption
    int option;               // its position in the model choice (Option3)
    const char* changeButton;  // the product-change button's caption
    bool secondLink;           // under the port assignment it talks on link 2
    Handshaking handshaking;   // the line control the model switch sets on its port
    bool rts;
    int products;  // its product records, 0 … products - 1 (at most SettingsStore::kMaxProducts)
    std::span<const PlanStep> readPlan;     // every setting code, with the progress marks
    std::span<const PlanStep> writePlan;    // the codes in batches closed by syncs
    std::span<const FileField> fileFields;  // file order, without "INDICATOR"

    // The setting catalogue.
    const std::vector<catalogue_data::EntryData>& (*entries)();  // codes in transfer order
    const std::vector<catalogue_data::RowData>& (*rows)();       // the detail rows it shows
    BracketSet bracketSet;                                       // its bracket lines
    const std::vector<BracketRange>& (*brackets)();              // the rows each bracket spans
    const char* lockLabel;  // the caption of status label Label5(49)
    int decimalPointRow;    // the row whose choice list shows the decimal point setting
    bool softLock;          // status word 1's seventh box (LOCK(soft)) is written
    std::span<const StoreMove> storeMoves;
    // The entry boxes' masks by family (W20 … W90) and index; nullptr: no rule.
    std::array<std::span<const char* const>, 8> masks;
    std::span<const CodeMask> codeMasks;
    // A test with reference weights: the codes of the capacity Max (最大秤量値) and the scale
    // interval e (最小目盛), in display counts, and every setting that affects weighing, as its
    // certificate lists them.
    const char* capacityCode = nullptr;
    const char* intervalCode = nullptr;
    std::span<const char* const> weighingCodes;
};

// Every model the program knows, in the order of the model choice.
std::span<const ModelFacts* const> AllModels();
// Makes a model defined elsewhere known (its number not yet known), after the others; for a
// model that lives outside src/model/models, as the tests' own. Not for use once the program
// runs: the spans AllModels() gave may move. A model with more products than the store has room
// for (SettingsStore::kMaxProducts), or none, ends the program.
void AddModel(const ModelFacts& facts);
// The facts of a model (the default model's for a value that names none).
const ModelFacts& FactsOf(IndicatorModel model);
// The model at a position of the model choice; none for any other position.
const ModelFacts* FactsOfOption(int option);
// The model a command line names by its number ("805"); none for any other text.
const ModelFacts* FactsOfNumber(const QString& number);

// "F805": the model's name (captions, the sheet, the data file's INDICATOR).
QString ModelName(IndicatorModel model);
// "Ｆ８０５": the journal's model text, the file mismatch message.
QString ModelWideName(IndicatorModel model);

// The model files.
const ModelFacts& F805Facts();
const ModelFacts& F800Facts();
