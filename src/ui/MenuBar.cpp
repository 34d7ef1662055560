#include "ui/MenuBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "texts/Language.h"
#include "texts/WindowTexts.h"

namespace ui {
namespace {

struct MenuItem {
    const char* name;  // null for a separator
    WindowText caption;
    Operation op;
    int index;  // for a checkable item: -1; it dispatches 1 when ticked, 0 when cleared
    bool checkable = false;
    // A submenu with one item per language the program speaks, each named by itself in its own
    // language; it dispatches the language's index in texts::Languages().
    bool languages = false;
};

struct Menu {
    const char* name;
    WindowText caption;
    std::vector<MenuItem> items;
};

constexpr MenuItem kSeparator{nullptr, WindowText{}, Operation::Redraw, -1};

// The menu bar. Items standing for a button pass that button's index.
const std::vector<Menu>& MenuTable() {
    static const std::vector<Menu> menus = {
        {"mnuFILE",
         WindowText::File,
         {{"mnuFILE_OPEN", WindowText::Open, Operation::LoadDataFile, 1},
          {"mnuFILE_SAVE", WindowText::Save, Operation::SaveDataFile, -1},
          kSeparator,
          {"mnuMEI_OPEN", WindowText::LoadProducts, Operation::LoadDataFile, 2},
          {"mnuSET_OPEN", WindowText::LoadSettings, Operation::LoadDataFile, 4},
          kSeparator,
          {"mnuFILE_HISTORY", WindowText::History2, Operation::ShowHistory, -1},
          {"mnuFILE_COMPARE", WindowText::CompareFile, Operation::CompareWithFile, -1},
          kSeparator,
          {"mnuFILE_PRINT", WindowText::Print, Operation::PrintSheet, -1},
          {"mnuFILE_PDF", WindowText::SaveAsPDF, Operation::SaveSheetPdf, -1},
          {"mnuFILE_MEI_CSV_OUT", WindowText::ProductsCSV, Operation::SaveProductsCsv, -1},
          {"mnuFILE_MEI_CSV_IN", WindowText::ProductsFromCSV, Operation::LoadProductsCsv, -1},
          {"mnuFILE_SET_CSV", WindowText::SettingsCSV, Operation::SaveSettingsCsv, -1},
          kSeparator,
          {"mnuFILE_CALC", WindowText::Calculator, Operation::StartCalculator, -1},
          kSeparator,
          {"mnuFILE_X", WindowText::Exit, Operation::Exit, -1}}},
        {"mnuEDIT",
         WindowText::Edit,
         {{"mnuEDIT_CLR", WindowText::ClearData, Operation::ClearAll, -1},
          {"mnuEDIT_REDRAW", WindowText::Redraw, Operation::Redraw, -1},
          kSeparator,
          {"mnuEDIT_SAME", WindowText::CopyAllProducts, Operation::CopyToAllProducts, -1}}},
        {"mnuF805",
         WindowText::Indicator,
         {{"mnuF805_MEIGARA", WindowText::ChangeProduct, Operation::ChangeProduct, 0},
          kSeparator,
          {"mnuF805_R", WindowText::ReadOneProduct, Operation::ReadOneProduct, 1},
          {"mnuF805_Z", WindowText::ReadAllProductsZ, Operation::ReadAllProducts, 2},
          {"mnuF805_S", WindowText::ReadSettings, Operation::ReadAllSettings, 0},
          {"mnuF805_A", WindowText::ReadAll, Operation::AllRead, 0},
          kSeparator,
          {"mnuF805_K", WindowText::WriteOneProductK, Operation::WriteOneProduct, 3},
          {"mnuF805_J", WindowText::WriteAllProductsJ, Operation::WriteAllProducts, 4},
          {"mnuF805_H", WindowText::WriteSettingsH, Operation::WriteAllSettings, 0},
          {"mnuF805_P", WindowText::WriteAllP, Operation::AllWrite, 1},
          {"mnuF805_CHANGED", WindowText::WriteChangedValuesOnly2, Operation::WriteChanged, -1},
          kSeparator,
          {"mnuF805_T", WindowText::WriteShownDataT, Operation::WriteShownToTarget, 5},
          {"mnuF805_F", WindowText::WriteShownDataAll, Operation::WriteShownToAll, 6},
          kSeparator,
          {"mnuF805_COMPARE", WindowText::CompareIndicatorD, Operation::CompareWithIndicator, -1},
          {"mnuF805_VERIFY", WindowText::VerifyAfterWriting, Operation::SetVerifyAfterWrite, -1,
           true},
          {"mnuF805_KEEP", WindowText::KeepIndicatorSValues, Operation::SetKeepBeforeWrite, -1,
           true},
          kSeparator,
          {"mnuF805_MONITOR", WindowText::LiveMonitor, Operation::ShowMonitor, -1},
          {"mnuF805_CAL", WindowText::CalibrationTest2, Operation::Calibration, -1}}},
        {"mnuHelp",
         WindowText::Help,
         {{"mnuF805_HELP", WindowText::Help, Operation::Help, -1},
          kSeparator,
          {"mnuF805_Vol", WindowText::Version, Operation::Version, -1},
          {"mnuLANGUAGE", WindowText::Language, Operation::SelectLanguage, -1, false, true}}},
    };
    return menus;
}

struct ToolKey {
    const char* key;
    WindowText text;
    QStyle::StandardPixmap icon;
    Operation op;
    int index;
};

// The toolbar's six buttons, in order.
const std::vector<ToolKey>& ToolTable() {
    static const std::vector<ToolKey> keys = {
        {"OpenFile", WindowText::Open2, QStyle::SP_DialogOpenButton, Operation::LoadDataFile, 1},
        {"SaveFile", WindowText::Save2, QStyle::SP_DialogSaveButton, Operation::SaveDataFile, -1},
        {"memCLR", WindowText::ClearData2, QStyle::SP_DialogDiscardButton, Operation::ClearAll, -1},
        {"allRead", WindowText::ReadAll2, QStyle::SP_ArrowDown, Operation::AllRead, 0},
        {"allWrite", WindowText::WriteAll, QStyle::SP_ArrowUp, Operation::AllWrite, 1},
        {"redraw", WindowText::Redraw2, QStyle::SP_BrowserReload, Operation::Redraw, -1},
    };
    return keys;
}

// The languages' own names, never translated: an operator finds their language whichever is shown.
QString LanguageName(const QString& code) {
    return code == texts::kJapanese ? QStringLiteral("日本語") : QStringLiteral("English");
}

void AddLanguageMenu(QMenu* menu, const MenuItem& item, const Dispatch& dispatch) {
    QMenu* languages = menu->addMenu(Tr(item.caption));
    languages->setObjectName(QString::fromLatin1(item.name));
    auto* group = new QActionGroup(languages);
    const QStringList codes = texts::Languages();
    for (int i = 0; i < codes.size(); ++i) {
        QAction* action = languages->addAction(LanguageName(codes[i]));
        action->setObjectName(QStringLiteral("mnuLANG_") + codes[i]);
        action->setCheckable(true);
        group->addAction(action);
        const Operation op = item.op;
        QObject::connect(action, &QAction::triggered, action,
                         [dispatch, op, i] { dispatch(op, i); });
    }
    // The tick follows the language in use, also after a refused or failed choice.
    const auto tick = [languages, codes] {
        const QList<QAction*> actions = languages->actions();
        for (int i = 0; i < actions.size() && i < codes.size(); ++i)
            actions[i]->setChecked(codes[i] == texts::CurrentLanguage());
    };
    tick();
    QObject::connect(languages, &QMenu::aboutToShow, languages, tick);
}

}  // namespace

void BuildMenus(QMenuBar* bar, const Dispatch& dispatch) {
    for (const Menu& menu : MenuTable()) {
        QMenu* m = bar->addMenu(Tr(menu.caption));
        m->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem& item : menu.items) {
            if (!item.name) {
                m->addSeparator();
                continue;
            }
            if (item.languages) {
                AddLanguageMenu(m, item, dispatch);
                continue;
            }
            QAction* action = m->addAction(Tr(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const Operation op = item.op;
            const int index = item.index;
            action->setCheckable(item.checkable);
            if (item.checkable)
                QObject::connect(action, &QAction::triggered, action,
                                 [dispatch, op](bool on) { dispatch(op, on ? 1 : 0); });
            else
                QObject::connect(action, &QAction::triggered, action,
                                 [dispatch, op, index] { dispatch(op, index); });
        }
    }
}

void BuildToolbar(QToolBar* toolbar, const std::function<void(const QString& key)>& press) {
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolKey& tool : ToolTable()) {
        const QString key = QString::fromLatin1(tool.key);
        QAction* action =
            toolbar->addAction(toolbar->style()->standardIcon(tool.icon), Tr(tool.text));
        action->setObjectName(key);
        action->setToolTip(Tr(tool.text));
        if (QWidget* button = toolbar->widgetForAction(action)) button->setObjectName(key);
        QObject::connect(action, &QAction::triggered, action, [press, key] { press(key); });
    }
}

std::optional<ToolKeyOperation> OperationOfToolKey(const QString& key) {
    for (const ToolKey& tool : ToolTable())
        if (key == QLatin1String(tool.key)) return ToolKeyOperation{tool.op, tool.index};
    return std::nullopt;
}

}  // namespace ui
