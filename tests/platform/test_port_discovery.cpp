#include <unistd.h>

#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

#include "platform/PortDiscovery.h"
#include "support/SimProcess.h"
#include "texts/PlatformTexts.h"

namespace {

// Runs a probe to its end (bounded) and gives the results by device.
QHash<QString, ProbeResult> Probe(const QStringList& devices, int timeoutMs = 1000) {
    PortProbe probe;
    QSignalSpy done(&probe, &PortProbe::finished);
    probe.start(devices, "19200,o,7,1", timeoutMs);
    if (!done.wait(timeoutMs + 3000)) return {};
    QHash<QString, ProbeResult> byDevice;
    for (const ProbeResult& r : probe.results()) byDevice.insert(r.device, r);
    return byDevice;
}

}  // namespace

class PortDiscoveryTest : public QObject {
    Q_OBJECT
  private slots:
    void probeTellsWhichDeviceAnswers() {
        SimProcess pty, silent({"--silent"}), held, tcp({"--listen", "127.0.0.1:0"});
        QVERIFY(!pty.device().isEmpty() && !silent.device().isEmpty() && !tcp.device().isEmpty());
        // Another program has this one open: it is not asked.
        QSerialPort other(held.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
        // A TCP address nobody listens on any more.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        const QString gone = "/dev/rusk-test-no-such-device";

        const auto r =
            Probe({pty.device(), silent.device(), held.device(), tcp.device(), refused, gone});
        QCOMPARE(r.size(), 6);
        QCOMPARE(r[pty.device()].outcome, ProbeOutcome::Answered);
        QVERIFY(!r[pty.device()].reply.isEmpty());
        QCOMPARE(r[tcp.device()].outcome, ProbeOutcome::Answered);
        QCOMPARE(r[silent.device()].outcome, ProbeOutcome::Silent);
        QCOMPARE(r[held.device()].outcome, ProbeOutcome::Busy);
        QCOMPARE(r[held.device()].message, Tr(PlatformText::DeviceBusy).arg(held.device()));
        QCOMPARE(r[refused].outcome, ProbeOutcome::Failed);
        QCOMPARE(r[gone].outcome, ProbeOutcome::Gone);
        QVERIFY(r[gone].message.contains(gone));
        // Nothing but the link test request reaches a device.
        QCOMPARE(pty.requests(), QStringList{"RA"});
        QCOMPARE(silent.requests(), QStringList{"RA"});
        QCOMPARE(tcp.requests(), QStringList{"RA"});
        QVERIFY(held.requests().isEmpty());
        // The probe let go of every device: the answering one opens again at once.
        QSerialPort again(pty.device());
        QVERIFY(again.open(QIODevice::ReadWrite));

        // Nothing to ask still finishes, from the event loop.
        QVERIFY(Probe({}).isEmpty());
    }

    void noPermissionNamesTheFix() {
        if (::geteuid() == 0) QSKIP("root may open any device");
        QTemporaryDir dir;
        const QString device = dir.filePath("ttyLocked");
        QFile f(device);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(f.setPermissions(QFileDevice::ReadOwner));
        const auto r = Probe({device});
        QCOMPARE(r[device].outcome, ProbeOutcome::NoPermission);
        QVERIFY(r[device].message.contains("dialout"));
    }

    void listedDevicesAreEachThereOnce() {
        SimProcess sim;
        QTemporaryDir byId;
        const QString stable = byId.filePath("usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0");
        QVERIFY(QFile::link(sim.device(), stable));
        QCOMPARE(StableNameOf(sim.device(), byId.path()), stable);
        QVERIFY(StableNameOf("/dev/null", byId.path()).isEmpty());

        // A configured link to a device listed already, a missing path, and a TCP address.
        const QList<FoundDevice> found = ListDevices(
            {sim.device(), stable, "/dev/rusk-test-no-such-device", "tcp://192.0.2.1:4001"});
        QStringList devices;
        for (const FoundDevice& d : found) devices << d.device;
        QCOMPARE(devices.count(sim.device()) + devices.count(stable), 1);
        QVERIFY(devices.contains("tcp://192.0.2.1:4001"));
        QVERIFY(!devices.contains("/dev/rusk-test-no-such-device"));
        QCOMPARE(DeviceCaption({"/dev/ttyUSB0", "", "FTDI FT232R USB UART, serial A10K"}),
                 QString("/dev/ttyUSB0  FTDI FT232R USB UART, serial A10K"));
    }
};

QTEST_GUILESS_MAIN(PortDiscoveryTest)
#include "test_port_discovery.moc"
