#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "platform/ProcessStart.h"
#include "ui/MainWindow.h"
#include "ui/TabNavigation.h"

namespace {

struct MenuItem {
    const char* name;  // null for a separator
    const char* caption;
    Operation op;
    int index;
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

constexpr MenuItem kSeparator{nullptr, nullptr, Operation::Redraw, -1};

// The menu bar. Items standing for a button pass that button's index.
const std::vector<Menu>& MenuTable() {
    static const std::vector<Menu> menus = {
        {"mnuFILE",
         "ﾌｧｲﾙ(&F)",
         {{"mnuFILE_OPEN", "開く(&O)", Operation::LoadDataFile, 1},
          {"mnuFILE_SAVE", "保存(&S)", Operation::SaveDataFile, -1},
          kSeparator,
          {"mnuMEI_OPEN", "銘柄読み込み(&M)", Operation::LoadDataFile, 2},
          {"mnuSET_OPEN", "設定値読み込み", Operation::LoadDataFile, 4},
          kSeparator,
          {"mnuFILE_CALC", "電卓(&C)", Operation::StartCalculator, -1},
          kSeparator,
          {"mnuFILE_X", "終了(&X)", Operation::Exit, -1}}},
        {"mnuEDIT",
         "編集(&E)",
         {{"mnuEDIT_CLR", "ﾃﾞｰﾀｸﾘﾔ(&C)", Operation::ClearAll, -1},
          {"mnuEDIT_REDRAW", "再描画(&R)", Operation::Redraw, -1},
          kSeparator,
          {"mnuEDIT_SAME", "全銘柄へ設定(&S)", Operation::CopyToAllProducts, -1}}},
        {"mnuF805",
         "ｲﾝｼﾞｹｰﾀｰ操作(&S)",
         {{"mnuF805_MEIGARA", "銘柄変更(&M)", Operation::ChangeProduct, 0},
          kSeparator,
          {"mnuF805_R", "１銘柄読みだし(&R)", Operation::ReadOneProduct, 1},
          {"mnuF805_Z", "全銘柄読みだし(&Z)", Operation::ReadAllProducts, 2},
          {"mnuF805_S", "設定値読み出し(&S)", Operation::ReadAllSettings, 0},
          {"mnuF805_A", "一括読みだし(&A)", Operation::AllRead, 0},
          kSeparator,
          {"mnuF805_K", "１銘柄書き込み(&K)", Operation::WriteOneProduct, 3},
          {"mnuF805_J", "全銘柄書き込み(&J)", Operation::WriteAllProducts, 4},
          {"mnuF805_H", "設定値書き込み(&H)", Operation::WriteAllSettings, 0},
          {"mnuF805_P", "一括書き込み(&P)", Operation::AllWrite, 1},
          kSeparator,
          {"mnuF805_T", "表示ﾃﾞｰﾀ書き込み(&T)", Operation::WriteShownToTarget, 5},
          {"mnuF805_F", "全銘柄表示ﾃﾞｰﾀ書き込み(&F)", Operation::WriteShownToAll, 6}}},
        {"mnuHelp",
         "ﾍﾙﾌﾟ(&H)",
         {{"mnuF805_HELP", "ﾍﾙﾌﾟ(&H)", Operation::Help, -1},
          kSeparator,
          {"mnuF805_Vol", "ﾊﾞｰｼﾞｮﾝ(&V)", Operation::Version, -1}}},
    };
    return menus;
}

struct ToolKey {
    const char* key;
    const char* text;
    QStyle::StandardPixmap icon;
    Operation op;
    int index;
};

// The toolbar's six buttons, in order.
const std::vector<ToolKey>& ToolTable() {
    static const std::vector<ToolKey> keys = {
        {"OpenFile", "開く", QStyle::SP_DialogOpenButton, Operation::LoadDataFile, 1},
        {"SaveFile", "保存", QStyle::SP_DialogSaveButton, Operation::SaveDataFile, -1},
        {"memCLR", "データクリヤ", QStyle::SP_DialogDiscardButton, Operation::ClearAll, -1},
        {"allRead", "一括読み込み", QStyle::SP_ArrowDown, Operation::AllRead, 0},
        {"allWrite", "一括書き込み", QStyle::SP_ArrowUp, Operation::AllWrite, 1},
        {"redraw", "再描画", QStyle::SP_BrowserReload, Operation::Redraw, -1},
    };
    return keys;
}

}  // namespace

void MainWindow::buildMenus() {
    for (const Menu& menu : MenuTable()) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        m->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem& item : menu.items) {
            if (!item.name) {
                m->addSeparator();
                continue;
            }
            QAction* action = m->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const Operation op = item.op;
            const int index = item.index;
            connect(action, &QAction::triggered, this, [this, op, index] { dispatch(op, index); });
        }
    }
}

void MainWindow::buildToolbar() {
    c_.toolbar = addToolBar(QString());
    c_.toolbar->setObjectName(QStringLiteral("Toolbar1"));
    c_.toolbar->setMovable(false);
    c_.toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolKey& tool : ToolTable()) {
        const QString key = QString::fromLatin1(tool.key);
        QAction* action =
            c_.toolbar->addAction(style()->standardIcon(tool.icon), QString::fromUtf8(tool.text));
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(tool.text));
        if (QWidget* button = c_.toolbar->widgetForAction(action)) button->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { pressToolbarKey(key); });
    }
}

void MainWindow::pressToolbarKey(const QString& key) {
    for (const ToolKey& tool : ToolTable())
        if (key == QLatin1String(tool.key)) return dispatch(tool.op, tool.index);
}

void MainWindow::runBuiltIn(Operation op, int index) {
    switch (op) {
        case Operation::ClearAll:
            clearAll();
            break;
        case Operation::Redraw:
            redraw();
            break;
        case Operation::CopyToAllProducts:
            copyToAllProducts();
            break;
        case Operation::Help:
            showHelp();
            break;
        case Operation::Version:
            showVersion();
            break;
        case Operation::StartCalculator:
            // Returns at once; a calculator that cannot be started is not reported.
            StartCalculator();
            break;
        case Operation::Exit:
            close();
            break;
        case Operation::GoBack:
            navigation_->goBack();
            break;
        case Operation::JumpToItem:
            navigation_->jumpToItem(index);
            break;
        default:
            // Transfers, files, model and ports: carried out by the plugged handler.
            break;
    }
}
