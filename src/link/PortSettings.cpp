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

void ApplyPortSettings(int linkNo, SerialPort& port, const PortChoice& choice, OperatorView& view,
                       const ConfigWriter& write, const std::function<void()>& focusPortList) {
    const QString section = QStringLiteral("RS232C%1").arg(linkNo);
    const std::function<void()> steps[] = {
        [&] {
            if (port.isOpen()) port.close();
        },
        [&] { port.setPortNumber(choice.portIndex + 1); },
        [&] { port.setSettings(SettingsTextOf(choice)); },
        // The number is written with the blank of its sign position: port 1 is " 1".
        [&] {
            write(section, QStringLiteral("CommPort"),
                  QStringLiteral(" %1").arg(port.portNumber()));
        },
        [&] { write(section, QStringLiteral("Settings"), port.settings()); },
        [&] { port.open(); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const OperationError& e) {
            view.showMessage(ErrorReportText(e, ErrorHint::Port8002));
            if (e.number != ErrNo::kInvalidPort) return;
            if (focusPortList) focusPortList();
        }
    }
}

void TestLink(IndicatorLink& link, int linkNo, SerialPort* port) {
    OperatorView& view = link.view();
    const std::function<void()> steps[] = {
        [&] { view.setTestResult(linkNo, QString()); },
        [&] { IndicatorLink::FlushInputOf(port); },
        [&] { IndicatorLink::SendLineOn(port, QStringLiteral("RA")); },
        // The reply is read on the active port: only the active link's panel is shown.
        [&] { (void)link.awaitReply(linkNo == 1 ? ReplyKind::LinkTest1 : ReplyKind::LinkTest2); },
    };
    for (const auto& step : steps) Trapped(view, ErrorHint::None, step);
}
