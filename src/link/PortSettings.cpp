#include "link/PortSettings.h"

#include "link/OperationTrap.h"

namespace {

QString WithoutBlanks(QString text) {
    return text.remove(u' ');
}

}  // namespace

QString SettingsTextOf(const PortChoice& choice) {
    return WithoutBlanks(choice.baud) + u',' + choice.parity.left(1) + u',' +
           WithoutBlanks(choice.dataBits) + u',' + WithoutBlanks(choice.stopBits);
}

QStringList PortListItems(int list) {
    static const QStringList kItems[kPortLists] = {
        {"Com1", "Com2", "Com3", "Com4", "Com5", "Com6", "Com7", "Com8"},
        {"1200", "2400", "4800", "9600", "19200"},
        {"Even", "Odd", "None"},
        {"7", "8"},
        {"1", "2"},
        {"CR+LF"}};
    return list >= 0 && list < kPortLists ? kItems[list] : QStringList();
}

void ApplyPortSettings(SerialPort& port, const PortChoice& choice, OperatorView& view,
                       const PortRecorder& record, const std::function<void()>& focusPortList) {
    const std::function<void()> steps[] = {
        [&] {
            if (port.isOpen()) port.close();
        },
        [&] { port.setPortNumber(choice.portIndex + 1); },
        [&] { port.setSettings(SettingsTextOf(choice)); },
        [&] {
            record({port.portNumber(), port.settings()});
        },
        [&] { port.open(); },
    };
    // A port number that names no device is reported and the steps go on (the operator is put
    // in the port list); any other failure ends the operation.
    for (const auto& step : steps) {
        bool goOn = true;
        TrapStep(step, [&](const OperationError& e) {
            view.showMessage(ErrorReportText(e, ErrorHint::Port8002));
            goOn = e.number == ErrNo::kInvalidPort;
            if (goOn && focusPortList) focusPortList();
        });
        if (!goOn) return;
    }
}

Task<void> TestLink(IndicatorLink& link, int linkNo, SerialPort* port) {
    OperatorView& view = link.view();
    const auto report = [&view](const OperationError& e) {
        view.showMessage(ErrorReportText(e, ErrorHint::None));
    };
    TrapStep([&] { view.setTestResult(linkNo, QString()); }, report);
    TrapStep([&] { IndicatorLink::FlushInputOf(port); }, report);
    TrapStep([&] { IndicatorLink::SendLineOn(port, QStringLiteral("RA")); }, report);
    // The reply is read on the active port: only the active link's panel is shown.
    std::optional<OperationError> failure;
    try {
        (void)co_await link.reply(linkNo == 1 ? ReplyKind::LinkTest1 : ReplyKind::LinkTest2);
    } catch (const OperationError& e) {
        failure = e;
    }
    if (failure) report(*failure);
}
