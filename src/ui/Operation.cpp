#include "ui/Operation.h"

#include <iterator>

namespace {

// In the order of the enumeration: an operation's row is found by its value.
constexpr OperationFacts kOperations[] = {
    {Operation::LoadDataFile, Reach::Store, false},
    {Operation::SaveDataFile, Reach::Store, false},
    {Operation::StartCalculator, Reach::Window, false},
    {Operation::Exit, Reach::Window, false},
    {Operation::ClearAll, Reach::Store, false},
    {Operation::Redraw, Reach::Window, false},
    {Operation::CopyToAllProducts, Reach::Store, false},
    {Operation::ChangeProduct, Reach::Indicator, false},
    {Operation::ReadOneProduct, Reach::Indicator, false},
    {Operation::ReadAllProducts, Reach::Indicator, false},
    {Operation::WriteOneProduct, Reach::Indicator, true},
    {Operation::WriteAllProducts, Reach::Indicator, true},
    {Operation::WriteShownToTarget, Reach::Indicator, true},
    {Operation::WriteShownToAll, Reach::Indicator, true},
    {Operation::ReadAllSettings, Reach::Indicator, false},
    {Operation::WriteAllSettings, Reach::Indicator, true},
    {Operation::AllRead, Reach::Indicator, false},
    {Operation::AllWrite, Reach::Indicator, true},
    {Operation::LiveData, Reach::Indicator, false},
    {Operation::JumpToItem, Reach::Window, false},
    {Operation::GoBack, Reach::Window, false},
    {Operation::SelectModel, Reach::Store, false},
    {Operation::SetPortAssignment, Reach::Store, false},
    {Operation::ApplyPortSettings, Reach::Indicator, false},
    {Operation::TestLink, Reach::Indicator, false},
    {Operation::Help, Reach::Window, false},
    {Operation::Version, Reach::Window, false},
    {Operation::ShowHistory, Reach::Store, false},
    {Operation::CompareWithFile, Reach::Store, false},
    {Operation::CompareWithIndicator, Reach::Indicator, false},
    {Operation::SetVerifyAfterWrite, Reach::Window, false},
    {Operation::SetKeepBeforeWrite, Reach::Window, false},
    {Operation::PrintSheet, Reach::Store, false},
    {Operation::SaveSheetPdf, Reach::Store, false},
    {Operation::SaveProductsCsv, Reach::Store, false},
    {Operation::LoadProductsCsv, Reach::Store, false},
    {Operation::SaveSettingsCsv, Reach::Store, false},
    {Operation::DetectDevices, Reach::Indicator, false},
    {Operation::BindListedDevice, Reach::Store, false},
    {Operation::BindFoundDevice, Reach::Store, false},
    {Operation::ShowMonitor, Reach::Window, false},
    {Operation::SelectLanguage, Reach::Window, false},
    {Operation::Calibration, Reach::Window, false},
    {Operation::WriteChanged, Reach::Indicator, true},
    {Operation::PushDifferences, Reach::Indicator, true},
};
static_assert(std::size(kOperations) == static_cast<size_t>(Operation::PushDifferences) + 1);

constexpr bool InOrder() {
    for (size_t i = 0; i < std::size(kOperations); ++i)
        if (static_cast<size_t>(kOperations[i].operation) != i) return false;
    return true;
}
static_assert(InOrder(), "kOperations follows the order of Operation");

const OperationFacts& FactsOf(Operation op) {
    return kOperations[static_cast<size_t>(op)];
}

}  // namespace

Reach ReachOf(Operation op) {
    return FactsOf(op).reach;
}

bool WritesToIndicator(Operation op) {
    return FactsOf(op).writes;
}
