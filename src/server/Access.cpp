#include "server/Access.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerRouterRule>
#include <QMessageAuthenticationCode>
#include <QPasswordDigestor>
#include <QPointer>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSslServer>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

#include "texts/MonitorTexts.h"

namespace {

constexpr QByteArrayView kScheme = "pbkdf2-sha256";
constexpr QByteArrayView kCookie = "rusk_session";
constexpr qint64 kSessionIdleMs = 12LL * 3600 * 1000;  // a shift and more
constexpr int kMaxSessions = 256;
constexpr int kMaxFailureAddresses = 4096;
constexpr qint64 kForgetFailuresMs = 15LL * 60 * 1000;
constexpr int kMaxFailureDelayMs = 30000;
constexpr int kRequestMs = 10000;

QByteArray RandomBytes(int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(bytes.data()),
                                         reinterpret_cast<quint32*>(bytes.data() + count));
    return bytes;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A form field's name or value: '+' is a space, %XX a byte; nullopt on a bad escape.
std::optional<QByteArray> FormDecode(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
            if (hi < 0 || lo < 0) return std::nullopt;
            out += char(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray Trimmed(QByteArrayView v) {
    return v.trimmed().toByteArray();
}

// The security headers of every reply of the guard (as PlantServer's).
void WriteHeaders(QHttpServerResponder& r) {
    r.writeHeader("Content-Security-Policy",
                  "default-src 'self'; script-src 'self'; style-src 'self'; "
                  "connect-src 'self'; img-src 'self'; frame-ancestors 'none'");
    r.writeHeader("X-Content-Type-Options", "nosniff");
    r.writeHeader("Cache-Control", "no-store");
}

void Reply(QHttpServerResponder& r, QHttpServerResponder::StatusCode status, const QByteArray& type,
           const QByteArray& body,
           std::initializer_list<std::pair<QByteArray, QByteArray>> extra = {}) {
    r.writeStatusLine(status);
    WriteHeaders(r);
    for (const auto& [k, v] : extra) r.writeHeader(k, v);
    r.writeHeader("Content-Type", type);
    r.writeHeader("Content-Length", QByteArray::number(body.size()));
    r.writeBody(body);
}

QByteArray Digest(const QByteArray& key, QByteArrayView data) {
    return QMessageAuthenticationCode::hash(data.toByteArray(), key, QCryptographicHash::Sha256);
}

}  // namespace

// --- Pure functions ---

QByteArray FormatPasswordHash(const PasswordHash& hash) {
    return kScheme.toByteArray() + '$' + QByteArray::number(hash.iterations) + '$' +
           hash.salt.toBase64() + '$' + hash.key.toBase64() + '\n';
}

std::optional<PasswordHash> ParsePasswordHash(QByteArrayView text) {
    const QList<QByteArray> parts = text.trimmed().toByteArray().split('$');
    if (parts.size() != 4 || parts[0] != kScheme) return std::nullopt;
    bool ok = false;
    PasswordHash h;
    h.iterations = parts[1].toInt(&ok);
    if (!ok || h.iterations < 1000 || h.iterations > 10000000) return std::nullopt;
    const auto salt =
        QByteArray::fromBase64Encoding(parts[2], QByteArray::AbortOnBase64DecodingErrors);
    const auto key =
        QByteArray::fromBase64Encoding(parts[3], QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || !key || salt.decoded.size() < 16 || key.decoded.size() != 32) return std::nullopt;
    h.salt = salt.decoded;
    h.key = key.decoded;
    return h;
}

PasswordHash HashPassword(QByteArrayView password, int iterations) {
    PasswordHash h;
    h.iterations = iterations;
    h.salt = RandomBytes(16);
    h.key = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toByteArray(),
                                               h.salt, iterations, 32);
    return h;
}

bool PasswordMatches(const PasswordHash& hash, QByteArrayView password) {
    const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(
        QCryptographicHash::Sha256, password.toByteArray(), hash.salt, hash.iterations, 32);
    return ConstantTimeEqual(key, hash.key);
}

bool ConstantTimeEqual(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

std::optional<QByteArray> FormValue(QByteArrayView body, QByteArrayView name) {
    if (body.size() > kMaxFormBytes) return std::nullopt;
    std::optional<QByteArray> found;
    qsizetype start = 0;
    while (start <= body.size()) {
        qsizetype end = body.indexOf('&', start);
        if (end < 0) end = body.size();
        const QByteArrayView pair = body.sliced(start, end - start);
        start = end + 1;
        if (pair.isEmpty()) continue;
        const qsizetype eq = pair.indexOf('=');
        const auto key = FormDecode(eq < 0 ? pair : pair.first(eq));
        const auto value = FormDecode(eq < 0 ? QByteArrayView() : pair.sliced(eq + 1));
        if (!key || !value) return std::nullopt;
        if (*key == name && !found) found = *value;
    }
    return found;
}

QByteArray CookieValue(QByteArrayView header, QByteArrayView name) {
    qsizetype start = 0;
    while (start < header.size()) {
        qsizetype end = header.indexOf(';', start);
        if (end < 0) end = header.size();
        const QByteArrayView pair = header.sliced(start, end - start);
        start = end + 1;
        const qsizetype eq = pair.indexOf('=');
        if (eq < 0) continue;
        if (pair.first(eq).trimmed() != name) continue;
        QByteArray value = Trimmed(pair.sliced(eq + 1));
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

std::optional<QByteArray> AuthorizationPassword(QByteArrayView header) {
    const QByteArrayView h = header.trimmed();
    const qsizetype space = h.indexOf(' ');
    if (space <= 0) return std::nullopt;
    const QByteArray scheme = h.first(space).toByteArray().toLower();
    const QByteArray rest = Trimmed(h.sliced(space + 1));
    if (rest.isEmpty()) return std::nullopt;
    if (scheme == "bearer") return rest;
    if (scheme != "basic") return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(rest, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return std::nullopt;
    const qsizetype colon = decoded.decoded.indexOf(':');
    if (colon < 0) return std::nullopt;
    return decoded.decoded.mid(colon + 1);
}

QByteArray LogSafe(QByteArrayView text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size() && out.size() < 200; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || c == '\\')
            out += "\\x" + QByteArray::number(c, 16).rightJustified(2, '0');
        else
            out += char(c);
    }
    if (out.size() >= 200) out += "...";
    return out;
}

int FailureDelayMs(int failures) {
    if (failures <= 0) return 0;
    if (failures > 6) return kMaxFailureDelayMs;
    return std::min(kMaxFailureDelayMs, 1000 << (failures - 1));
}

// --- The password file ---

QString DefaultPasswordFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/password");
}

bool WritePasswordFile(const QString& path, const PasswordHash& hash, QString* why) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *why = QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
        return false;
    }
    const mode_t before = umask(077);  // the temporary file is never readable by others
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) ok = file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (ok) ok = file.write(FormatPasswordHash(hash)) >= 0;
    if (ok) ok = file.commit();
    umask(before);
    if (!ok) *why = file.errorString();
    return ok;
}

std::optional<PasswordHash> ReadPasswordFile(const QString& path, QString* why) {
    why->clear();
    QFile file(path);
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (file.permissions() &
        (QFile::ReadOther | QFile::ReadGroup | QFile::WriteOther | QFile::WriteGroup)) {
        *why = QStringLiteral("others may read or change it (chmod 600 it)");
        return std::nullopt;
    }
    auto hash = ParsePasswordHash(file.read(1024));
    if (!hash) *why = QStringLiteral("not a password written by rusk-server --set-password");
    return hash;
}

// --- The guard ---

// The rule ahead of all others: it takes a request only to refuse it, to log in, or to hand a
// WebSocket over; whatever it passes goes on to the routes after it.
class Access::Rule : public QHttpServerRouterRule {
  public:
    Rule(Access* access, RouterHandler handler)
        : QHttpServerRouterRule(QStringLiteral("/"), std::move(handler)), access_(access) {}

  protected:
    bool matches(const QHttpServerRequest& request, QRegularExpressionMatch*) const override {
        access_->verdict_ = access_->judge(request);
        return access_->verdict_ != Verdict::Pass;
    }

  private:
    Access* access_;
};

Access::Access(std::optional<PasswordHash> password, QTextStream& log, QObject* parent)
    : QObject(parent), password_(std::move(password)), log_(log), sessionKey_(RandomBytes(32)) {
    clock_.start();
}

Access::~Access() = default;

void Access::install(QHttpServer& http, const QStringList& webSocketPaths) {
    webSocketPaths_ = webSocketPaths;
    http.route<Rule>(this,
                     [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                         answer(verdict_, request, std::move(responder));
                     });
    http.setMissingHandler(
        [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
            log_ << "rusk-server: " << request.remoteAddress().toString() << " "
                 << LogSafe(request.url().path(QUrl::FullyEncoded).toUtf8()) << ": not served"
                 << Qt::endl;
            Reply(responder, QHttpServerResponder::StatusCode::NotFound, "text/plain", "");
        });
}

namespace {

// Marks a connection the server itself answered and closed, so it is not taken for malformed.
constexpr const char* kAnswered = "ruskAnswered";

}  // namespace

// A server whose connections Access watches before Qt's HTTP server reads them.
template <class Server>
class Access::Watched : public Server {
  public:
    explicit Watched(Access* access) : access_(access) {}
    QTcpSocket* nextPendingConnection() override {
        QTcpSocket* socket = Server::nextPendingConnection();
        if (socket) access_->watch(socket);
        return socket;
    }

  private:
    Access* access_;
};

quint16 Access::listen(QHttpServer& http, const QHostAddress& host, quint16 port) {
    QTcpServer* server = nullptr;
    if (secure()) {
        auto* tls = new Watched<QSslServer>(this);
        tls->setSslConfiguration(tls_);
        server = tls;
    } else {
        server = new Watched<QTcpServer>(this);
    }
    if (!server->listen(host, port)) {
        delete server;
        return 0;
    }
    http.bind(server);
    return server->serverPort();
}

void Access::watch(QTcpSocket* socket) {
    // A request is small: what a client sends beyond this waits (a request never completes).
    socket->setReadBufferSize(kMaxRequestBytes);
    // A request still coming in at two looks kRequestMs apart is a 408: neither a request over
    // the buffer nor one sent a byte at a time holds the connection.
    auto* timer = new QTimer(socket);
    timer->start(kRequestMs);
    connect(timer, &QTimer::timeout, socket, [this, socket, timer, coming = false]() mutable {
        if (socket->property(kAnswered).toBool()) {
            timer->deleteLater();
            return;
        }
        const bool now = socket->isTransactionStarted();
        if (!(coming && now)) {
            coming = now;
            return;
        }
        socket->setProperty(kAnswered, true);
        log_ << "rusk-server: " << socket->peerAddress().toString()
             << ": request too slow or too large, answered 408 and closed" << Qt::endl;
        socket->write(
            "HTTP/1.1 408 Request Timeout\r\nContent-Length: 0\r\n"
            "Connection: close\r\n\r\n");
        socket->disconnectFromHost();
    });
    // Qt's server closes a connection whose request it cannot parse, unanswered, in the middle
    // of reading it (its transaction still open): answer it and say so.
    connect(socket, &QAbstractSocket::stateChanged, this,
            [this, socket](QAbstractSocket::SocketState state) {
                if ((state != QAbstractSocket::ClosingState &&
                     state != QAbstractSocket::UnconnectedState) ||
                    !socket->isTransactionStarted() || socket->property(kAnswered).toBool())
                    return;
                socket->setProperty(kAnswered, true);
                log_ << "rusk-server: " << socket->peerAddress().toString()
                     << ": malformed or cut request, answered 400 and closed" << Qt::endl;
                if (state == QAbstractSocket::ClosingState)
                    socket->write(
                        "HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n"
                        "Connection: close\r\n\r\n");
            });
}

namespace {

bool IsUpgrade(const QHttpServerRequest& request) {
    return request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

}  // namespace

Access::Verdict Access::judge(const QHttpServerRequest& request) const {
    const QString path = request.url().path();
    if (IsUpgrade(request)) {
        if (webSocketPaths_.contains(path) && (open() || hasSession(request)))
            return Verdict::Upgrade;
        return Verdict::RefuseUpgrade;
    }
    if (path == QLatin1String("/login")) return Verdict::Login;
    if (path == QLatin1String("/logout")) return Verdict::Logout;
    // The style sheet the login page shares with the dashboard: nothing of the plant in it.
    if (path == QLatin1String("/dashboard.css")) return Verdict::Pass;
    if (open() || hasSession(request)) return Verdict::Pass;
    const QByteArray authorization = request.value("authorization");
    if (path == QLatin1String("/metrics") && !authorization.isEmpty()) {
        if (locked(request.remoteAddress())) return Verdict::Locked;
        const auto password = AuthorizationPassword(authorization);
        if (password && passwordAccepted(*password)) return Verdict::Pass;
        return Verdict::Slowed;
    }
    if (path == QLatin1String("/metrics") || path.startsWith(QLatin1String("/api/")))
        return Verdict::Refuse;
    return request.method() == QHttpServerRequest::Method::Get ? Verdict::Redirect
                                                               : Verdict::Refuse;
}

void Access::answer(Verdict verdict, const QHttpServerRequest& request,
                    QHttpServerResponder&& responder) {
    using S = QHttpServerResponder::StatusCode;
    switch (verdict) {
        case Verdict::Pass:
            return;
        case Verdict::Upgrade:  // written by the WebSocket's handshake; no more HTTP on it
            responder.socket()->setProperty(kAnswered, true);
            return;
        case Verdict::RefuseUpgrade: {
            log_ << "rusk-server: " << request.remoteAddress().toString() << " "
                 << LogSafe(request.url().path(QUrl::FullyEncoded).toUtf8())
                 << ": WebSocket refused" << Qt::endl;
            const bool served = webSocketPaths_.contains(request.url().path());
            Reply(responder, served ? S::Unauthorized : S::NotFound, "text/plain", "",
                  {{"Connection", "close"}});
            // Qt hands the socket to its WebSocket server next; with the request read away and the
            // connection closing, that handshake never starts.
            QTcpSocket* socket = responder.socket();
            socket->setProperty(kAnswered, true);
            socket->commitTransaction();
            socket->readAll();
            socket->startTransaction();
            socket->disconnectFromHost();
            return;
        }
        case Verdict::Login:
            login(request, std::move(responder));
            return;
        case Verdict::Logout:
            logout(request, std::move(responder));
            return;
        case Verdict::Redirect:
            Reply(responder, S::SeeOther, "text/plain", "", {{"Location", "/login"}});
            return;
        case Verdict::Refuse:
            Reply(responder, S::Unauthorized, "text/plain", "",
                  {{"WWW-Authenticate", "Basic realm=\"rusk-server\", charset=\"UTF-8\""}});
            return;
        case Verdict::Locked:
            log_ << "rusk-server: " << request.remoteAddress().toString()
                 << ": /metrics refused while failed logins are slowed" << Qt::endl;
            Reply(responder, S::TooManyRequests, "text/plain", "");
            return;
        case Verdict::Slowed:
            refuseLater(request.remoteAddress(), "/metrics", std::move(responder), false);
            return;
    }
}

void Access::login(const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    using S = QHttpServerResponder::StatusCode;
    using M = QHttpServerRequest::Method;
    const QByteArray html = "text/html; charset=utf-8";
    if (open()) {
        Reply(responder, S::SeeOther, "text/plain", "", {{"Location", "/"}});
        return;
    }
    if (request.method() == M::Get) {
        Reply(responder, S::Ok, html, loginPage(false, false));
        return;
    }
    if (request.method() != M::Post) {
        Reply(responder, S::MethodNotAllowed, "text/plain", "", {{"Allow", "GET, POST"}});
        return;
    }
    const QHostAddress from = request.remoteAddress();
    if (locked(from)) {
        log_ << "rusk-server: " << from.toString()
             << ": login refused while failed logins are slowed" << Qt::endl;
        Reply(responder, S::TooManyRequests, html, loginPage(false, true));
        return;
    }
    const auto password = FormValue(request.body(), "password");
    if (!password) {
        log_ << "rusk-server: " << from.toString() << ": malformed login form ("
             << request.body().size() << " bytes)" << Qt::endl;
        Reply(responder, S::BadRequest, html, loginPage(false, false));
        return;
    }
    if (!passwordAccepted(*password)) {
        refuseLater(from, "login", std::move(responder), true);
        return;
    }
    failures_.remove(from);
    QByteArray cookie =
        kCookie.toByteArray() + '=' + newSession() + "; HttpOnly; SameSite=Strict; Path=/";
    if (secure()) cookie += "; Secure";
    Reply(responder, S::SeeOther, "text/plain", "", {{"Location", "/"}, {"Set-Cookie", cookie}});
}

void Access::logout(const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    using S = QHttpServerResponder::StatusCode;
    if (request.method() != QHttpServerRequest::Method::Post) {
        Reply(responder, S::MethodNotAllowed, "text/plain", "", {{"Allow", "POST"}});
        return;
    }
    const QByteArray token = CookieValue(request.value("cookie"), kCookie);
    if (!token.isEmpty()) sessions_.remove(Digest(sessionKey_, token));
    QByteArray cleared = kCookie.toByteArray() + "=; Max-Age=0; HttpOnly; SameSite=Strict; Path=/";
    if (secure()) cleared += "; Secure";
    Reply(responder, S::SeeOther, "text/plain", "",
          {{"Location", open() ? "/" : "/login"}, {"Set-Cookie", cleared}});
}

void Access::refuseLater(const QHostAddress& from, QByteArray what,
                         QHttpServerResponder&& responder, bool page) {
    const qint64 now = clock_.elapsed();
    if (failures_.size() >= kMaxFailureAddresses) {
        for (auto it = failures_.begin(); it != failures_.end();)
            it = now - it->lastMs > kForgetFailuresMs ? failures_.erase(it) : std::next(it);
    }
    Failures& f = failures_[from];
    if (now - f.lastMs > kForgetFailuresMs) f.count = 0;
    ++f.count;
    f.lastMs = now;
    const int delay = FailureDelayMs(f.count);
    // Locked until just before the answer, so that a client that waits for it is never refused.
    f.lockedUntilMs = now + delay - 100;
    log_ << "rusk-server: " << from.toString() << ": " << what << " with a wrong password ("
         << f.count << " in a row), answered in " << delay / 1000 << " s" << Qt::endl;
    // The responder waits in the timer; its socket may be gone by then.
    auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
    QPointer<QTcpSocket> socket = held->socket();
    const QByteArray body = page ? loginPage(true, false) : QByteArray();
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [held, socket, body, page] {
        if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
        Reply(*held, QHttpServerResponder::StatusCode::Unauthorized,
              page ? "text/html; charset=utf-8" : "text/plain", body);
    });
}

bool Access::hasSession(const QHttpServerRequest& request) const {
    const QByteArray token = CookieValue(request.value("cookie"), kCookie);
    if (token.isEmpty()) return false;
    // Looked up by a keyed digest, so the lookup's time says nothing about a token.
    const auto it = sessions_.find(Digest(sessionKey_, token));
    if (it == sessions_.end()) return false;
    const qint64 now = clock_.elapsed();
    if (now - it.value() > kSessionIdleMs) {
        sessions_.erase(it);
        return false;
    }
    it.value() = now;
    return true;
}

bool Access::passwordAccepted(QByteArrayView password) const {
    if (!password_) return true;
    // A scraper sends the same password every few seconds: once it was accepted, its keyed
    // digest is checked instead of the slow derivation.
    const QByteArray digest = Digest(sessionKey_, password);
    if (!acceptedDigest_.isEmpty() && ConstantTimeEqual(digest, acceptedDigest_)) return true;
    if (!PasswordMatches(*password_, password)) return false;
    acceptedDigest_ = digest;
    return true;
}

bool Access::locked(const QHostAddress& from) const {
    const auto it = failures_.constFind(from);
    return it != failures_.cend() && clock_.elapsed() < it->lockedUntilMs;
}

QByteArray Access::newSession() {
    const qint64 now = clock_.elapsed();
    for (auto it = sessions_.begin(); it != sessions_.end();)
        it = now - it.value() > kSessionIdleMs ? sessions_.erase(it) : std::next(it);
    if (sessions_.size() >= kMaxSessions) {
        auto oldest = std::min_element(sessions_.begin(), sessions_.end());
        sessions_.erase(oldest);
    }
    const QByteArray token =
        RandomBytes(32).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    sessions_.insert(Digest(sessionKey_, token), now);
    return token;
}

QByteArray Access::loginPage(bool failed, bool locked) const {
    QFile f(QStringLiteral(":/access/login.html"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString page = QString::fromUtf8(f.readAll());
    QString message;
    if (failed) message = Tr(MonitorText::LoginFailed);
    if (locked) message = Tr(MonitorText::LoginSlowed);
    page.replace(QLatin1String("{{title}}"), Tr(MonitorText::LoginTitle).toHtmlEscaped());
    page.replace(QLatin1String("{{password}}"), Tr(MonitorText::LoginPassword).toHtmlEscaped());
    page.replace(QLatin1String("{{button}}"), Tr(MonitorText::LoginButton).toHtmlEscaped());
    page.replace(QLatin1String("{{message}}"), message.toHtmlEscaped());
    return page.toUtf8();
}
