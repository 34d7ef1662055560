#include "model/Catalogue.h"

// Placeholder bodies; the tables follow.

namespace {
const QStringList kEmptyList;
const std::vector<CatalogueEntry> kNoEntries;
const std::vector<RowSpec> kNoRows;
const std::vector<ButtonSpec> kNoButtons;
const std::vector<BoxSpec> kNoBoxes;
const std::vector<BracketRange> kNoRanges;
}  // namespace

const QStringList& CodesOf(IndicatorModel) {
    return kEmptyList;
}
const std::vector<CatalogueEntry>& EntriesOf(IndicatorModel) {
    return kNoEntries;
}
const CatalogueEntry* EntryOfCode(IndicatorModel, const QString&) {
    return nullptr;
}
const CatalogueEntry* EntryOfRow(IndicatorModel, int) {
    return nullptr;
}
const CatalogueEntry* EntryOfButton(IndicatorModel, int) {
    return nullptr;
}
const CatalogueEntry* EntryOfBox(IndicatorModel, const ValueBoxRef&) {
    return nullptr;
}
const std::vector<RowSpec>& RowsOf(IndicatorModel) {
    return kNoRows;
}
const std::vector<ButtonSpec>& ButtonsOf(IndicatorModel) {
    return kNoButtons;
}
const std::vector<BoxSpec>& BoxesOf(IndicatorModel) {
    return kNoBoxes;
}
RowSpec RowOf(IndicatorModel, int) {
    return {};
}
ButtonSpec ButtonOf(IndicatorModel, int) {
    return {};
}
QStringList OptionsOf(IndicatorModel, int) {
    return {};
}
const QStringList& InitialRowLabels() {
    return kEmptyList;
}
ValueBoxRef BoxOfButton(int) {
    return {};
}
QString TagOfBox(const ValueBoxRef&) {
    return {};
}
QString FamilyName(int) {
    return {};
}
int FamilySize(int) {
    return 0;
}
BracketSet BracketSetOf(IndicatorModel m) {
    return m == IndicatorModel::F805 ? BracketSet::LineF805 : BracketSet::LineF800;
}
const std::vector<BracketRange>& BracketRangesOf(BracketSet) {
    return kNoRanges;
}
int BracketLineCount(BracketSet) {
    return 0;
}
QString LockStatusLabel(IndicatorModel) {
    return {};
}
const QStringList& ProductItemLabels() {
    return kEmptyList;
}
QString ProductItemCode(int) {
    return {};
}
std::optional<QString> ComposeValue(const CatalogueEntry&, const std::vector<int>&) {
    return {};
}
QString ReadChars(const RowBinding&, const QString&) {
    return {};
}
std::optional<int> PositionOf(const RowBinding&, const QString&) {
    return {};
}
std::vector<int> PositionsOf(const CatalogueEntry&, const QString&) {
    return {};
}
RowBinding DecimalPointSource(IndicatorModel) {
    return {};
}
