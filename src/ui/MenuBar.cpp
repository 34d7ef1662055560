#include "ui/MenuBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "texts/Language.h"

namespace ui {
namespace {

struct MenuItem {
    const char* name;  // null for a separator
    const char* caption;
    Operation op;
    int index;  // for a checkable item: -1; it dispatches 1 when ticked, 0 when cleared
    bool checkable = false;
    // A submenu with one item per language the program speaks, each named by itself in its own
    // language; it dispatches the language's index in texts::Languages().
    bool languages = false;
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
         QT_TRANSLATE_NOOP("window", "ﾌｧｲﾙ(&F)"),
         {{"mnuFILE_OPEN", QT_TRANSLATE_NOOP("window", "開く(&O)"), Operation::LoadDataFile, 1},
          {"mnuFILE_SAVE", QT_TRANSLATE_NOOP("window", "保存(&S)"), Operation::SaveDataFile, -1},
          kSeparator,
          {"mnuMEI_OPEN", QT_TRANSLATE_NOOP("window", "銘柄読み込み(&M)"), Operation::LoadDataFile,
           2},
          {"mnuSET_OPEN", QT_TRANSLATE_NOOP("window", "設定値読み込み"), Operation::LoadDataFile,
           4},
          kSeparator,
          {"mnuFILE_HISTORY", QT_TRANSLATE_NOOP("window", "履歴(&Y)…"), Operation::ShowHistory, -1},
          {"mnuFILE_COMPARE", QT_TRANSLATE_NOOP("window", "ﾌｧｲﾙと比較…"),
           Operation::CompareWithFile, -1},
          kSeparator,
          {"mnuFILE_PRINT", QT_TRANSLATE_NOOP("window", "印刷(&P)…"), Operation::PrintSheet, -1},
          {"mnuFILE_PDF", QT_TRANSLATE_NOOP("window", "PDF に出力…"), Operation::SaveSheetPdf, -1},
          {"mnuFILE_MEI_CSV_OUT", QT_TRANSLATE_NOOP("window", "銘柄を CSV に出力…"),
           Operation::SaveProductsCsv, -1},
          {"mnuFILE_MEI_CSV_IN", QT_TRANSLATE_NOOP("window", "銘柄を CSV から読み込み…"),
           Operation::LoadProductsCsv, -1},
          {"mnuFILE_SET_CSV", QT_TRANSLATE_NOOP("window", "設定値を CSV に出力…"),
           Operation::SaveSettingsCsv, -1},
          kSeparator,
          {"mnuFILE_CALC", QT_TRANSLATE_NOOP("window", "電卓(&C)"), Operation::StartCalculator, -1},
          kSeparator,
          {"mnuFILE_X", QT_TRANSLATE_NOOP("window", "終了(&X)"), Operation::Exit, -1}}},
        {"mnuEDIT",
         QT_TRANSLATE_NOOP("window", "編集(&E)"),
         {{"mnuEDIT_CLR", QT_TRANSLATE_NOOP("window", "ﾃﾞｰﾀｸﾘﾔ(&C)"), Operation::ClearAll, -1},
          {"mnuEDIT_REDRAW", QT_TRANSLATE_NOOP("window", "再描画(&R)"), Operation::Redraw, -1},
          kSeparator,
          {"mnuEDIT_SAME", QT_TRANSLATE_NOOP("window", "全銘柄へ設定(&S)"),
           Operation::CopyToAllProducts, -1}}},
        {"mnuF805",
         QT_TRANSLATE_NOOP("window", "ｲﾝｼﾞｹｰﾀｰ操作(&S)"),
         {{"mnuF805_MEIGARA", QT_TRANSLATE_NOOP("window", "銘柄変更(&M)"), Operation::ChangeProduct,
           0},
          kSeparator,
          {"mnuF805_R", QT_TRANSLATE_NOOP("window", "１銘柄読みだし(&R)"),
           Operation::ReadOneProduct, 1},
          {"mnuF805_Z", QT_TRANSLATE_NOOP("window", "全銘柄読みだし(&Z)"),
           Operation::ReadAllProducts, 2},
          {"mnuF805_S", QT_TRANSLATE_NOOP("window", "設定値読み出し(&S)"),
           Operation::ReadAllSettings, 0},
          {"mnuF805_A", QT_TRANSLATE_NOOP("window", "一括読みだし(&A)"), Operation::AllRead, 0},
          kSeparator,
          {"mnuF805_K", QT_TRANSLATE_NOOP("window", "１銘柄書き込み(&K)"),
           Operation::WriteOneProduct, 3},
          {"mnuF805_J", QT_TRANSLATE_NOOP("window", "全銘柄書き込み(&J)"),
           Operation::WriteAllProducts, 4},
          {"mnuF805_H", QT_TRANSLATE_NOOP("window", "設定値書き込み(&H)"),
           Operation::WriteAllSettings, 0},
          {"mnuF805_P", QT_TRANSLATE_NOOP("window", "一括書き込み(&P)"), Operation::AllWrite, 1},
          {"mnuF805_CHANGED", QT_TRANSLATE_NOOP("window", "変更分のみ書き込み(&W)…"),
           Operation::WriteChanged, -1},
          kSeparator,
          {"mnuF805_T", QT_TRANSLATE_NOOP("window", "表示ﾃﾞｰﾀ書き込み(&T)"),
           Operation::WriteShownToTarget, 5},
          {"mnuF805_F", QT_TRANSLATE_NOOP("window", "全銘柄表示ﾃﾞｰﾀ書き込み(&F)"),
           Operation::WriteShownToAll, 6},
          kSeparator,
          {"mnuF805_COMPARE", QT_TRANSLATE_NOOP("window", "指示計と比較(&D)"),
           Operation::CompareWithIndicator, -1},
          {"mnuF805_VERIFY", QT_TRANSLATE_NOOP("window", "書き込み後に照合(&V)"),
           Operation::SetVerifyAfterWrite, -1, true},
          {"mnuF805_KEEP", QT_TRANSLATE_NOOP("window", "書き込み前に指示計の値を保存"),
           Operation::SetKeepBeforeWrite, -1, true},
          kSeparator,
          {"mnuF805_MONITOR", QT_TRANSLATE_NOOP("window", "ﾓﾆﾀｰ(&L)…"), Operation::ShowMonitor, -1},
          {"mnuF805_CAL", QT_TRANSLATE_NOOP("window", "校正・検査(&C)…"), Operation::Calibration,
           -1}}},
        {"mnuHelp",
         QT_TRANSLATE_NOOP("window", "ﾍﾙﾌﾟ(&H)"),
         {{"mnuF805_HELP", QT_TRANSLATE_NOOP("window", "ﾍﾙﾌﾟ(&H)"), Operation::Help, -1},
          kSeparator,
          {"mnuF805_Vol", QT_TRANSLATE_NOOP("window", "ﾊﾞｰｼﾞｮﾝ(&V)"), Operation::Version, -1},
          {"mnuLANGUAGE", QT_TRANSLATE_NOOP("window", "表示言語(&L)"), Operation::SelectLanguage,
           -1, false, true}}},
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
        {"OpenFile", QT_TRANSLATE_NOOP("window", "開く"), QStyle::SP_DialogOpenButton,
         Operation::LoadDataFile, 1},
        {"SaveFile", QT_TRANSLATE_NOOP("window", "保存"), QStyle::SP_DialogSaveButton,
         Operation::SaveDataFile, -1},
        {"memCLR", QT_TRANSLATE_NOOP("window", "データクリヤ"), QStyle::SP_DialogDiscardButton,
         Operation::ClearAll, -1},
        {"allRead", QT_TRANSLATE_NOOP("window", "一括読み込み"), QStyle::SP_ArrowDown,
         Operation::AllRead, 0},
        {"allWrite", QT_TRANSLATE_NOOP("window", "一括書き込み"), QStyle::SP_ArrowUp,
         Operation::AllWrite, 1},
        {"redraw", QT_TRANSLATE_NOOP("window", "再描画"), QStyle::SP_BrowserReload,
         Operation::Redraw, -1},
    };
    return keys;
}

// The languages' own names, never translated: an operator finds their language whichever is shown.
QString LanguageName(const QString& code) {
    return code == texts::kJapanese ? QStringLiteral("日本語") : QStringLiteral("English");
}

void AddLanguageMenu(QMenu* menu, const MenuItem& item, const Dispatch& dispatch) {
    QMenu* languages = menu->addMenu(QCoreApplication::translate("window", item.caption));
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
        QMenu* m = bar->addMenu(QCoreApplication::translate("window", menu.caption));
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
            QAction* action = m->addAction(QCoreApplication::translate("window", item.caption));
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
        QAction* action = toolbar->addAction(toolbar->style()->standardIcon(tool.icon),
                                             QCoreApplication::translate("window", tool.text));
        action->setObjectName(key);
        action->setToolTip(QCoreApplication::translate("window", tool.text));
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
