#include "ui/Operation.h"

Reach ReachOf(Operation op) {
    switch (op) {
        case Operation::LoadDataFile:
        case Operation::SaveDataFile:
        case Operation::ClearAll:
        case Operation::CopyToAllProducts:
        case Operation::SelectModel:
        case Operation::SetPortAssignment:
        case Operation::ShowHistory:
        case Operation::CompareWithFile:
        case Operation::PrintSheet:
        case Operation::SaveSheetPdf:
        case Operation::SaveProductsCsv:
        case Operation::LoadProductsCsv:
        case Operation::SaveSettingsCsv:
        case Operation::BindListedDevice:
        case Operation::BindFoundDevice:
            return Reach::Store;
        case Operation::ChangeProduct:
        case Operation::ReadOneProduct:
        case Operation::ReadAllProducts:
        case Operation::WriteOneProduct:
        case Operation::WriteAllProducts:
        case Operation::WriteShownToTarget:
        case Operation::WriteShownToAll:
        case Operation::ReadAllSettings:
        case Operation::WriteAllSettings:
        case Operation::AllRead:
        case Operation::AllWrite:
        case Operation::LiveData:
        case Operation::ApplyPortSettings:
        case Operation::TestLink:
        case Operation::CompareWithIndicator:
        case Operation::DetectDevices:
            return Reach::Indicator;
        case Operation::StartCalculator:
        case Operation::Exit:
        case Operation::Redraw:
        case Operation::JumpToItem:
        case Operation::GoBack:
        case Operation::Help:
        case Operation::Version:
        case Operation::SetVerifyAfterWrite:
        case Operation::SetKeepBeforeWrite:
        case Operation::ShowMonitor:
            return Reach::Window;
    }
    return Reach::Window;
}
