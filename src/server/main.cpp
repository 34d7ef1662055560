// rusk-server FLEET.INI [--listen 127.0.0.1:8805] [--cert FILE --key FILE]: watches every
// indicator of a fleet file, read requests only, and serves the overview and the Prometheus
// figures over HTTP(S). rusk-server --set-password stores the password that listening off this
// machine needs.
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslKey>
#include <QTextStream>
#include <csignal>
#include <cstdio>

#include "cli/ReportCommand.h"
#include "platform/SerialPort.h"
#include "server/Access.h"
#include "server/PlantServer.h"
#include "server/PlantWatch.h"
#include "texts/CliTexts.h"

namespace {
int gSignalPipe[2] = {-1, -1};
void OnSignal(int) {
    const char c = 1;
    (void)!write(gSignalPipe[1], &c, 1);
}

// One line of standard input, without its echo when it is a terminal.
QByteArray ReadSecretLine(const char* prompt) {
    const bool terminal = isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        std::fputs(prompt, stderr);
        std::fflush(stderr);
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QFile in;
    QByteArray line;
    if (in.open(stdin, QIODevice::ReadOnly)) line = in.readLine(4096);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputs("\n", stderr);
    }
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    return line;
}

int SetPassword(const QString& path, QTextStream& err) {
    const QByteArray password = ReadSecretLine("Password: ");
    if (password.isEmpty()) {
        err << "rusk-server: no password given; nothing stored" << Qt::endl;
        return 2;
    }
    if (isatty(STDIN_FILENO) && ReadSecretLine("Again: ") != password) {
        err << "rusk-server: the two passwords differ; nothing stored" << Qt::endl;
        return 2;
    }
    QString why;
    if (!WritePasswordFile(path, HashPassword(password), &why)) {
        err << "rusk-server: cannot store the password in " << path << ": " << why << Qt::endl;
        return 1;
    }
    err << "rusk-server: password stored in " << path << Qt::endl;
    return 0;
}

// The certificate and key of --cert and --key; false with the reason when unusable.
bool ReadTls(const QString& certPath, const QString& keyPath, QSslConfiguration* tls,
             QString* why) {
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(certPath, QSsl::Pem);
    if (chain.isEmpty() || chain.first().isNull()) {
        *why = QStringLiteral("--cert %1: no PEM certificate there").arg(certPath);
        return false;
    }
    QFile keyFile(keyPath);
    if (!keyFile.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("--key %1: %2").arg(keyPath, keyFile.errorString());
        return false;
    }
    const QByteArray pem = keyFile.readAll();
    QSslKey key;
    for (QSsl::KeyAlgorithm a : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        key = QSslKey(pem, a, QSsl::Pem);
        if (!key.isNull()) break;
    }
    if (key.isNull()) {
        *why = QStringLiteral("--key %1: no unencrypted PEM private key there").arg(keyPath);
        return false;
    }
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    conf.setLocalCertificateChain(chain);
    conf.setPrivateKey(key);
    conf.setPeerVerifyMode(QSslSocket::VerifyNone);
    *tls = conf;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    // A painting application: the settings sheet is drawn for its download.
    const std::unique_ptr<QCoreApplication> application = CreatePaintingApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("rusk-server"));
#ifdef RUSK_VERSION
    QCoreApplication::setApplicationVersion(QStringLiteral(RUSK_VERSION));
#endif
    QTextStream err(stderr);
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Watches every indicator of a fleet file (read requests only) and serves a "
                       "dashboard and Prometheus metrics."));
    p.addHelpOption();
    p.addVersionOption();
    p.addPositionalArgument(QStringLiteral("FLEET.INI"), QStringLiteral("The fleet file."));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address and port (default 127.0.0.1:8805)."),
                                    QStringLiteral("host:port"), QStringLiteral("127.0.0.1:8805"));
    p.addOption(listen);
    const QCommandLineOption journal(
        QStringLiteral("journal"),
        QStringLiteral("Keep the settings checks' reads in this journal (default: rusk-cli's)."),
        QStringLiteral("file"));
    p.addOption(journal);
    const QCommandLineOption dir(
        QStringLiteral("dir"),
        QStringLiteral("The folder of the fleet's backups, the baseline of a member without "
                       "Baseline= (default: the current folder)."),
        QStringLiteral("folder"));
    p.addOption(dir);
    const QCommandLineOption setPassword(
        QStringLiteral("set-password"),
        QStringLiteral("Store the password (read from the terminal, or one line of standard "
                       "input) and end."));
    const QCommandLineOption passwordFile(
        QStringLiteral("password-file"),
        QStringLiteral("Where the password is stored (default %1).").arg(DefaultPasswordFile()),
        QStringLiteral("file"), DefaultPasswordFile());
    const QCommandLineOption cert(QStringLiteral("cert"),
                                  QStringLiteral("TLS certificate (PEM); HTTPS with --key."),
                                  QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("key"),
                                 QStringLiteral("TLS private key (PEM, unencrypted)."),
                                 QStringLiteral("file"));
    p.addOptions({setPassword, passwordFile, cert, key});
    p.process(app);
    if (p.isSet(setPassword)) return SetPassword(p.value(passwordFile), err);
    if (p.positionalArguments().size() != 1) {
        err << p.helpText();
        return 2;
    }
    QHostAddress host;
    quint16 port = 0;
    if (!ParseListen(p.value(listen), &host, &port)) {
        err << "rusk-server: --listen: " << p.value(listen) << Qt::endl;
        return 2;
    }
    QString why;
    std::optional<PasswordHash> password = ReadPasswordFile(p.value(passwordFile), &why);
    if (!why.isEmpty()) {
        err << "rusk-server: " << p.value(passwordFile) << ": " << why << Qt::endl;
        return 2;
    }
    if (!host.isLoopback() && !password) {
        err << "rusk-server: listening on " << host.toString()
            << " needs a password: store one with rusk-server --set-password" << Qt::endl;
        return 2;
    }
    QSslConfiguration tls;
    if (p.isSet(cert) != p.isSet(key)) {
        err << "rusk-server: --cert and --key go together" << Qt::endl;
        return 2;
    }
    if (p.isSet(cert) && !ReadTls(p.value(cert), p.value(key), &tls, &why)) {
        err << "rusk-server: " << why << Qt::endl;
        return 2;
    }
    const FleetFile fleet = ReadFleetFile(p.positionalArguments().first(), kDefaultLineSettings);
    if (!fleet.errors.isEmpty()) {
        for (const QString& e : fleet.errors) err << e << Qt::endl;
        return 2;
    }
    for (const FleetMember& m : fleet.members) {
        // Reading an indicator whole would select its products; the server only watches.
        if (IsDeviceName(m.baseline)) {
            err << "[" << m.name
                << "] Baseline: " << Tr(CliText::BaselineIsIndicator).arg(m.baseline) << Qt::endl;
            return 2;
        }
    }
    if (p.isSet(dir) && !QDir(p.value(dir)).exists()) {
        err << Tr(CliText::NoFolder) << p.value(dir) << Qt::endl;
        return 2;
    }
    PlantWatch watch(fleet.members, err);
    if (p.isSet(journal)) watch.setJournalPath(p.value(journal));
    if (p.isSet(dir)) watch.setBackupFolder(QDir(p.value(dir)));
    Access access(std::move(password), err);
    if (!tls.isNull()) access.setTls(tls);
    PlantServer http(watch, access);
    const quint16 bound = http.listen(host, port);
    if (bound == 0) {
        err << "rusk-server: cannot listen on " << p.value(listen) << Qt::endl;
        return 1;
    }
    const QString shown = host.protocol() == QAbstractSocket::IPv6Protocol
                              ? "[" + host.toString() + "]"
                              : host.toString();
    err << "rusk-server: " << (access.secure() ? "https" : "http") << "://" << shown << ":" << bound
        << "/" << (access.open() ? "" : " (login needed)") << Qt::endl;

    // SIGTERM and SIGINT end the loops and the program cleanly.
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) == 0) {
        auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&] {
            char c;
            (void)!read(gSignalPipe[0], &c, 1);
            watch.stop();
            app.quit();
        });
        std::signal(SIGTERM, OnSignal);
        std::signal(SIGINT, OnSignal);
    }
    watch.start();
    return app.exec();
}
