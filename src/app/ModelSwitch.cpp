#include "app/ModelSwitch.h"

#include <QCoreApplication>

#include "app/Session.h"
#include "model/ModelFacts.h"
#include "texts/AppTexts.h"

namespace modelswitch {

IndicatorModel ModelOfOption(int option) {
    const ModelFacts* facts = FactsOfOption(option);
    return facts ? facts->model : kDefaultModel;
}

int OptionOf(IndicatorModel model) {
    return FactsOf(model).option;
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
    if (!FactsOfOption(option)) return Choice::Keep;
    if (ModelOfOption(option) == current) return Choice::Keep;
    return settingsEmpty ? Choice::Switch : Choice::Ask;
}

QString ClearQuestion() {
    return Tr(AppText::ClearQuestion);
}

ModelCaptions CaptionsOf(IndicatorModel model) {
    const QString name = ModelName(model);
    const ModelFacts& facts = FactsOf(model);
    return {name, Tr(AppText::AllReadCaption).arg(name), Tr(AppText::AllWriteCaption).arg(name),
            Tr(AppText::ReadWriteCaption).arg(name),
            QCoreApplication::translate(facts.name, facts.changeButton)};
}

int LinkFor(IndicatorModel model, bool assignment) {
    return assignment && FactsOf(model).secondLink ? 2 : 1;
}

QString LinkOneBadge(IndicatorModel model, bool assignment) {
    return assignment ? ModelName(kDefaultModel) : ModelName(model);
}

LineControl LineControlOf(IndicatorModel model) {
    const ModelFacts& facts = FactsOf(model);
    return {facts.handshaking, facts.rts};
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
    session.reference().forget();  // another model is another indicator
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
