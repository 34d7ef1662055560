#include "app/ModelSwitch.h"

#include "app/Session.h"

namespace modelswitch {

IndicatorModel ModelOfOption(int option) {
    return option == 1 ? IndicatorModel::F800 : IndicatorModel::F805;
}

int OptionOf(IndicatorModel model) {
    return model == IndicatorModel::F800 ? 1 : 0;
}

QString ModelName(IndicatorModel model) {
    return model == IndicatorModel::F800 ? QStringLiteral("F800") : QStringLiteral("F805");
}

bool SettingsEmpty(const SettingsStore& store, const QStringList& statusBoxTexts) {
    for (int group = SettingsStore::kFirstGroup; group <= SettingsStore::kLastGroup; ++group)
        for (int slot = 0; slot < SettingsStore::GroupSize(group); ++slot)
            if (!store.setting(group, slot).isEmpty()) return false;
    for (int kind = 0; kind < SettingsStore::kLiveKinds; ++kind)
        if (!store.live(kind).isEmpty()) return false;
    for (const QString& text : statusBoxTexts)
        if (!text.isEmpty()) return false;
    return true;
}

Choice Decide(IndicatorModel current, int option, bool settingsEmpty) {
    if (option != 0 && option != 1) return Choice::Keep;
    if (ModelOfOption(option) == current) return Choice::Keep;
    return settingsEmpty ? Choice::Switch : Choice::Ask;
}

QString ClearQuestion() {
    return QStringLiteral(
        "機種を変更する場合、設定値をクリヤする必要があります。\r\n"
        "今すぐクリヤしますか？ (銘柄データは残ります)");
}

ModelCaptions CaptionsOf(IndicatorModel model) {
    const QString name = ModelName(model);
    return {name, name + QStringLiteral("一括読みだし"), name + QStringLiteral("一括書き込み"),
            name + QStringLiteral(" 読み書き"),
            // The F805's is the caption the button has from the start.
            model == IndicatorModel::F805 ? QStringLiteral("F805 銘柄変更")
                                          : name + QStringLiteral("銘柄変更")};
}

int LinkFor(IndicatorModel model, bool assignment) {
    return assignment && model == IndicatorModel::F800 ? 2 : 1;
}

QString LinkOneBadge(IndicatorModel model, bool assignment) {
    return assignment ? ModelName(IndicatorModel::F805) : ModelName(model);
}

LineControl LineControlOf(IndicatorModel model) {
    return model == IndicatorModel::F800 ? LineControl{Handshaking::RtsCts, true}
                                         : LineControl{Handshaking::None, false};
}

namespace {

// Runs one step; a failure is reported and the caller goes on with its next step.
template <typename Step>
void Trap(const Report& report, Step&& step) {
    TrapStep(std::forward<Step>(step), [&](const OperationError& error) {
        if (report) report(error);
    });
}

void ApplyLineControl(SerialPort* port, IndicatorModel model, const Report& report) {
    if (!port) return;
    const LineControl line = LineControlOf(model);
    Trap(report, [&] { port->setHandshaking(line.handshaking); });
    Trap(report, [&] { port->setRtsEnable(line.rts); });
}

void CloseActive(Session& session, const Report& report) {
    Trap(report, [&] { session.closeActivePort(); });
}

// A port the operator already opened (its panel's "設定" opens it) is left open as it is: there
// is nothing to report.
void OpenActive(Session& session, const Report& report) {
    Trap(report, [&] {
        SerialPort& port = session.port(session.activeLink());
        if (!port.isOpen()) port.open();
    });
}

}  // namespace

void BeginSwitch(Session& session, IndicatorModel model, const Report& report) {
    session.link().store().setModel(model);
    ApplyLineControl(session.link().activePort(), model, report);
}

void SwitchPorts(Session& session, IndicatorModel model, const Report& report) {
    if (!session.portAssignment) return;
    CloseActive(session, report);
    session.setActiveLink(LinkFor(model, true));
    ApplyLineControl(&session.port(session.activeLink()), model, report);
    OpenActive(session, report);
}

void AssignPorts(Session& session, bool assignment, const Report& report) {
    CloseActive(session, report);
    session.portAssignment = assignment;
    session.setActiveLink(LinkFor(session.link().store().model(), assignment));
    OpenActive(session, report);
}

}  // namespace modelswitch
