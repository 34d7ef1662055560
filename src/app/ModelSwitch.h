#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "model/SettingsStore.h"
#include "platform/OperationError.h"
#include "platform/SerialPort.h"

class Session;

// Which indicator model the program serves and which link serves it: the decisions of the model
// options Option3(0) "F805" / Option3(1) "F800" and of the port assignment "割付を利用する",
// and their effect on the store and the two serial links. The window side is ModelSwitchView.
namespace modelswitch {

// Option3(0) is the F805, Option3(1) the F800.
IndicatorModel ModelOfOption(int option);
int OptionOf(IndicatorModel model);

// True when no setting data is held: every slot of the setting groups 2 … 9, the thirteen live
// texts and the given texts of the status boxes Text4 … Text7 are empty. Products do not count.
bool SettingsEmpty(const SettingsStore& store, const QStringList& statusBoxTexts);

// What a click on a model option leads to.
enum class Choice {
    Keep,    // the option of the model already served: nothing happens
    Switch,  // the other model, nothing held: switch at once
    Ask,     // the other model with settings held: ask whether to clear them first
};
Choice Decide(IndicatorModel current, int option, bool settingsEmpty);

// "機種を変更する場合、設定値をクリヤする必要があります。" CR LF "今すぐクリヤしますか？
// (銘柄データは残ります)"
QString ClearQuestion();

// The captions that name the model on the products tab.
struct ModelCaptions {
    QString badge;          // ModelBadge(0)
    QString allRead;        // Command1(0)
    QString allWrite;       // Command1(1)
    QString readWrite;      // Frame8
    QString changeProduct;  // Command2(0)
};
ModelCaptions CaptionsOf(IndicatorModel model);

// The link that serves a model: link 2 for the F800 while the assignment is on, else link 1.
int LinkFor(IndicatorModel model, bool assignment);
// The badge ModelBadge(1) in link 1's panel: "F805" while the assignment is on (link 1 is the
// F805's own), else the name of the model served.
QString LinkOneBadge(IndicatorModel model, bool assignment);

// The line control a model needs: none and RTS off for the F805, RTS/CTS and RTS on for the F800.
struct LineControl {
    Handshaking handshaking;
    bool rts;
};
LineControl LineControlOf(IndicatorModel model);

// Failures of a step are handed here and the next step runs.
using Report = std::function<void(const OperationError&)>;

// First step of a switch: the store's model and the line control of the port now active.
void BeginSwitch(Session& session, IndicatorModel model, const Report& report);
// Last step of a switch. With the assignment off link 1 stays active and nothing happens;
// with it on the active port is closed, the model's own link becomes active with the model's
// line control, and its port is opened (unless it is open already).
void SwitchPorts(Session& session, IndicatorModel model, const Report& report);
// The check box: closes the active port, records the assignment, makes the link of the model
// served active and opens its port. The line control of the ports is not changed.
void AssignPorts(Session& session, bool assignment, const Report& report);

}  // namespace modelswitch
