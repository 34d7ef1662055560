#include "ui/Operation.h"

QString OperationName(Operation op) {
    switch (op) {
        case Operation::LoadDataFile:
            return QStringLiteral("LoadDataFile");
        case Operation::SaveDataFile:
            return QStringLiteral("SaveDataFile");
        case Operation::StartCalculator:
            return QStringLiteral("StartCalculator");
        case Operation::Exit:
            return QStringLiteral("Exit");
        case Operation::ClearAll:
            return QStringLiteral("ClearAll");
        case Operation::Redraw:
            return QStringLiteral("Redraw");
        case Operation::CopyToAllProducts:
            return QStringLiteral("CopyToAllProducts");
        case Operation::ChangeProduct:
            return QStringLiteral("ChangeProduct");
        case Operation::ReadOneProduct:
            return QStringLiteral("ReadOneProduct");
        case Operation::ReadAllProducts:
            return QStringLiteral("ReadAllProducts");
        case Operation::WriteOneProduct:
            return QStringLiteral("WriteOneProduct");
        case Operation::WriteAllProducts:
            return QStringLiteral("WriteAllProducts");
        case Operation::WriteShownToTarget:
            return QStringLiteral("WriteShownToTarget");
        case Operation::WriteShownToAll:
            return QStringLiteral("WriteShownToAll");
        case Operation::ReadAllSettings:
            return QStringLiteral("ReadAllSettings");
        case Operation::WriteAllSettings:
            return QStringLiteral("WriteAllSettings");
        case Operation::AllRead:
            return QStringLiteral("AllRead");
        case Operation::AllWrite:
            return QStringLiteral("AllWrite");
        case Operation::LiveData:
            return QStringLiteral("LiveData");
        case Operation::JumpToItem:
            return QStringLiteral("JumpToItem");
        case Operation::GoBack:
            return QStringLiteral("GoBack");
        case Operation::SelectModel:
            return QStringLiteral("SelectModel");
        case Operation::SetPortAssignment:
            return QStringLiteral("SetPortAssignment");
        case Operation::ApplyPortSettings:
            return QStringLiteral("ApplyPortSettings");
        case Operation::TestLink:
            return QStringLiteral("TestLink");
        case Operation::Help:
            return QStringLiteral("Help");
        case Operation::Version:
            return QStringLiteral("Version");
    }
    return {};
}

Reach ReachOf(Operation op) {
    switch (op) {
        case Operation::LoadDataFile:
        case Operation::SaveDataFile:
        case Operation::ClearAll:
        case Operation::CopyToAllProducts:
        case Operation::SelectModel:
        case Operation::SetPortAssignment:
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
            return Reach::Indicator;
        case Operation::StartCalculator:
        case Operation::Exit:
        case Operation::Redraw:
        case Operation::JumpToItem:
        case Operation::GoBack:
        case Operation::Help:
        case Operation::Version:
            return Reach::Window;
    }
    return Reach::Window;
}
