#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>

#include "app/Session.h"
#include "platform/AnySerialPort.h"
#include "platform/OperationError.h"
#include "platform/PortFailure.h"
#include "support/PtyLink.h"
#include "texts/PlatformTexts.h"
#include "transfer/SettingTransfers.h"

namespace {

const QStringList kListen{"--listen", "127.0.0.1:0"};

int ErrorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const OperationError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace

class TcpSerialPortTest : public QObject {
    Q_OBJECT
  private slots:
    void settingsReadMatchesThePseudoTerminal() {
        PtyLink t(kListen);
        QVERIFY(t.sim.device().startsWith("tcp://127.0.0.1:"));
        t.link.blocking(SettingTransfers(t.link).readAllSettings());
        QVERIFY(t.view.messages.isEmpty());
        QVERIFY(!t.link.timedOut());

        PtyLink p;
        p.link.blocking(SettingTransfers(p.link).readAllSettings());
        QCOMPARE(p.sim.requests().size(), 59);  // every F805 setting, each logged before its reply
        QCOMPARE(t.sim.requests(), p.sim.requests());
        QCOMPARE(t.store.value("2A"), p.store.value("2A"));
        QCOMPARE(t.port.bytesWaiting(), 0);

        // Line settings are kept but change nothing on the connection.
        t.port.setSettings("9600,e,8,1");
        QCOMPARE(t.port.settings(), QString("9600,e,8,1"));
        QCOMPARE(ErrorOf([&] { t.port.setSettings("fast"); }), ErrNo::kInvalidSettings);
        QCOMPARE(ErrorOf([&] { t.port.setPortNumber(2); }), ErrNo::kPortAlreadyOpen);
    }

    void configuredTcpDeviceTalksTcp() {
        SimProcess sim(kListen);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Devices]\r\nCom3=" + sim.device().toLatin1() + "\r\n");
        file.close();

        auto ports = Session::SerialPortsFor(ini);
        SerialPort& port = *ports[0];
        port.setPortNumber(3);
        QCOMPARE(port.deviceName(), sim.device());
        port.open();
        port.write("W20\r");
        QSignalSpy reply(&port, &SerialPort::activity);
        QVERIFY(reply.wait(5000));
        QVERIFY(port.read(0).startsWith("W20"));
        port.close();
        QVERIFY(!port.isOpen());
    }

    void oneClientAtATime() {
        PtyLink t(kListen);
        TcpSerialPort second([&](int) { return t.sim.device(); });
        second.open();  // the kernel accepts; the simulator then closes it
        QSignalSpy gone(&second, &SerialPort::activity);
        QVERIFY(gone.wait(5000));
        QCOMPARE(ErrorOf([&] { second.write("W20\r"); }), ErrNo::kPortNotOpen);
        t.link.sendLine("W20");
        QCOMPARE(t.link.awaitReply(ReplyKind::Setting), WaitOutcome::Line);

        t.port.close();
        second.open();  // the first has gone: the next client is served
        second.write("W21\r");
        QSignalSpy reply(&second, &SerialPort::activity);
        QVERIFY(reply.wait(5000));
        QVERIFY(second.read(0).startsWith("W21"));
    }

    void unreachableAddressIs8002WithinTheTimeOut() {
        QTcpServer closed;  // a loopback port nobody listens on any more
        closed.listen(QHostAddress::LocalHost, 0);
        const QString device = QString("tcp://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        TcpSerialPort port([&](int) { return device; });
        QElapsedTimer clock;
        clock.start();
        try {
            port.open();
            QFAIL("connected to a closed port");
        } catch (const OperationError& e) {
            QCOMPARE(e.number, ErrNo::kInvalidPort);
            QCOMPARE(
                e.description,
                Tr(PlatformText::CannotConnect).arg(device, Tr(PlatformText::ConnectionRefused)));
        }
        QVERIFY(clock.elapsed() < TcpSerialPort::kDefaultConnectTimeoutMs);
        QVERIFY(!port.isOpen());
        QCOMPARE(ErrorOf([&] { port.write("RA\r"); }), ErrNo::kPortNotOpen);
        QCOMPARE(ErrorOf([&] { port.open(); }), ErrNo::kInvalidPort);  // again, as refused

        AnySerialPort malformed([](int) { return QString("tcp://127.0.0.1"); });
        QCOMPARE(ErrorOf([&] { malformed.open(); }), ErrNo::kInvalidPort);
    }

    void silentAddressIs8002AfterTheTimeOut() {
        // A loopback listener whose queue is full and never accepted: the kernel drops new SYNs.
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0);
        QVERIFY(::listen(fd, 0) == 0);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        const QString device = QString("tcp://127.0.0.1:%1").arg(ntohs(address.sin_port));
        TcpSerialPort filler([&](int) { return device; }, 1000);
        filler.open();
        TcpSerialPort port([&](int) { return device; }, 200);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ErrorOf([&] { port.open(); }), ErrNo::kInvalidPort);
        QVERIFY2(clock.elapsed() >= 200 && clock.elapsed() < 2000,
                 qPrintable(QString::number(clock.elapsed())));
        ::close(fd);
    }

    void stoppedSimulatorEndsTheWaitWith8018() {
        PtyLink t(QStringList{"--silent"} + kListen, 60000);
        t.link.sendLine("W20");
        QTimer::singleShot(100, [&] { t.sim.stop(); });
        try {
            t.link.awaitReply(ReplyKind::Setting);
            QFAIL("the wait went on");
        } catch (const OperationError& e) {
            QCOMPARE(e.number, ErrNo::kPortNotOpen);
            QCOMPARE(e.description, Tr(PlatformText::ConnectionLost)
                                        .arg(t.sim.device(), Tr(PlatformText::RemoteClosed)));
        }
        QVERIFY(!t.link.timedOut());
        QVERIFY(!t.port.isOpen());
    }

    // Every reason a port gives reaches the operator in Japanese.
    void everyPortFailureReasonIsJapanese() {
        QStringList reasons;
        const QMetaEnum serial = QMetaEnum::fromType<QSerialPort::SerialPortError>();
        for (int i = 0; i < serial.keyCount(); ++i)
            reasons << PortFailureReason(QSerialPort::SerialPortError(serial.value(i)));
        const QMetaEnum socket = QMetaEnum::fromType<QAbstractSocket::SocketError>();
        for (int i = 0; i < socket.keyCount(); ++i)
            reasons << PortFailureReason(QAbstractSocket::SocketError(socket.value(i)));
        for (int e : {EINVAL, EAGAIN, EIO, EBUSY, EACCES, ENOENT, ENODEV, EINTR, ENOMEM})
            reasons << PortErrnoReason(e);
        for (const QString& reason : reasons) {
            QVERIFY(!reason.isEmpty());
            QVERIFY2(!reason.contains(QRegularExpression("[A-Za-z]")), qPrintable(reason));
        }
    }
};

QTEST_GUILESS_MAIN(TcpSerialPortTest)
#include "test_tcp_serial_port.moc"
