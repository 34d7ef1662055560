#pragma once

// The shapes of a model's catalogue tables (each model's are in its file under models/) and the
// tables all models share. Catalogue.cpp derives every lookup from these; nothing else reads
// them directly.

#include <QString>
#include <QStringList>
#include <vector>

#include "model/Catalogue.h"

namespace catalogue_data {

// One setting code of a model: its item button and caption, the entry box beside the button
// (family = group digit of the box array, index = element) and its kind.
struct EntryData {
    const char* code;
    int button;
    const char* caption;
    int boxFamily;
    int boxIndex;
    ItemKind kind;
};

// One detail row of a model: label, the code and characters it reads, how it shows them, and
// its option texts in list order (empty for computed rows). Rows a model does not list are
// hidden for that model and keep their initial (F805) label.
struct RowData {
    int row;
    const char* label;
    const char* code;  // nullptr: the row reads nothing ("ﾀﾞﾐｰ")
    RowShow show;
    CharSpan span;
    int count;
    bool oneBased;
    QStringList options;
};

// A run of item buttons beside the consecutive elements of one entry-box array.
struct ButtonRun {
    int firstButton;
    int boxFamily;
    int boxCount;
};

// The 16 gravity zones, zone number = list position + 1.
const QStringList& GravityZones();

// Item buttons 0 … 58 beside W20(0 … 15), W30(0 … 8), W40(0 … 4), W50(0 … 5), W60(0 … 9),
// W70(0 … 4), W80(0 … 5), W90(0 … 1); the same for both models.
const std::vector<ButtonRun>& ButtonLayout();

// Three lines draw each bracket.
inline constexpr int kLinesPerBracket = 3;

// The eight product items, codes 10 … 17, labels of Label1(0 … 7).
const QStringList& ProductLabels();

}  // namespace catalogue_data
