#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QStringList>
#include <optional>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;
class QTcpSocket;
class QTextStream;

// Who may use rusk-server. Without a stored password everything is open (it then listens on
// loopback addresses only, which main.cpp enforces). With one, every route needs a session from
// POST /login, except /login itself; /metrics takes the password instead as HTTP basic
// authentication (any user name) or as a bearer token, so that Prometheus can scrape it.
//
// The guard is one router rule put ahead of all others by install(): whatever route is added
// after it is guarded without a line of its own. It also owns the WebSocket handshake: only
// paths given to install() are upgraded, and only with a session.

// A stored password: PBKDF2-SHA256 of it with a random salt.
struct PasswordHash {
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

inline constexpr int kPasswordIterations = 100000;
inline constexpr qsizetype kMaxFormBytes = 4096;
inline constexpr qint64 kMaxRequestBytes = 64 * 1024;

// --- Pure request-side parsing and checks (fuzzed by fuzz/fuzz_access.cpp) ---

// "pbkdf2-sha256$ITERATIONS$SALT$KEY" (base64) and a line end.
QByteArray FormatPasswordHash(const PasswordHash& hash);
std::optional<PasswordHash> ParsePasswordHash(QByteArrayView text);
PasswordHash HashPassword(QByteArrayView password, int iterations = kPasswordIterations);
bool PasswordMatches(const PasswordHash& hash, QByteArrayView password);
bool ConstantTimeEqual(QByteArrayView a, QByteArrayView b);
// The value of NAME in an application/x-www-form-urlencoded body; nullopt when the body is
// malformed (a bad %-escape, too long) or has no NAME.
std::optional<QByteArray> FormValue(QByteArrayView body, QByteArrayView name);
// The value of cookie NAME in a Cookie header; empty when it is not there.
QByteArray CookieValue(QByteArrayView header, QByteArrayView name);
// The password of an Authorization header: "Basic base64(user:password)" or "Bearer password";
// nullopt when it is neither.
std::optional<QByteArray> AuthorizationPassword(QByteArrayView header);
// Text from a request made fit for one log line: no control characters, at most 200 bytes.
QByteArray LogSafe(QByteArrayView text);
// The delay before a failed login is answered: 1 s, 2 s, 4 s ... at most 30 s.
int FailureDelayMs(int failures);

// --- The password file ---

// ~/.config/rusk-server/password (QStandardPaths::AppConfigLocation).
QString DefaultPasswordFile();
// Writes atomically with mode 0600; false with the reason when it could not.
bool WritePasswordFile(const QString& path, const PasswordHash& hash, QString* why);
// nullopt with an empty reason when the file is not there, with a reason when it is unusable.
std::optional<PasswordHash> ReadPasswordFile(const QString& path, QString* why);

class Access : public QObject {
    Q_OBJECT
  public:
    // log gets a line per refused login or malformed request.
    Access(std::optional<PasswordHash> password, QTextStream& log, QObject* parent = nullptr);
    ~Access() override;

    bool open() const { return !password_; }
    // TLS for every connection (the session cookie is then Secure).
    void setTls(const QSslConfiguration& tls) { tls_ = tls; }
    bool secure() const { return !tls_.isNull(); }

    // Puts the guard ahead of every route of http, /login and the answer for what no route
    // takes. Call before any other route is added.
    void install(QHttpServer& http, const QStringList& webSocketPaths);
    // Listens for http, with TLS when set. A request Qt cannot parse gets a 400 and a log line;
    // a connection buffers at most kMaxRequestBytes. The port, 0 when it cannot listen.
    quint16 listen(QHttpServer& http, const QHostAddress& host, quint16 port);

    int sessions() const { return int(sessions_.size()); }

  private:
    enum class Verdict {
        Pass,
        Upgrade,
        RefuseUpgrade,
        Login,
        Logout,
        Refuse,
        Redirect,
        Slowed,
        Locked
    };
    class Rule;
    template <class Server>
    class Watched;
    void watch(QTcpSocket* socket);
    Verdict judge(const QHttpServerRequest& request) const;
    void answer(Verdict verdict, const QHttpServerRequest& request,
                QHttpServerResponder&& responder);
    void login(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    // POST /logout: the session the request names ends, its cookie is cleared, and the browser
    // goes to the login page.
    void logout(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void refuseLater(const QHostAddress& from, QByteArray what, QHttpServerResponder&& responder,
                     bool page);
    bool hasSession(const QHttpServerRequest& request) const;
    bool passwordAccepted(QByteArrayView password) const;
    bool locked(const QHostAddress& from) const;
    QByteArray newSession();
    QByteArray loginPage(bool failed, bool locked) const;

    struct Failures {
        int count = 0;
        qint64 lockedUntilMs = 0;
        qint64 lastMs = 0;
    };

    std::optional<PasswordHash> password_;
    QTextStream& log_;
    QSslConfiguration tls_;
    QStringList webSocketPaths_;
    QElapsedTimer clock_;
    QByteArray sessionKey_;                       // keys the digests below
    mutable QHash<QByteArray, qint64> sessions_;  // digest of a token -> last use (ms)
    mutable QByteArray acceptedDigest_;           // the password last accepted, digested
    mutable QHash<QHostAddress, Failures> failures_;
    Verdict verdict_ = Verdict::Pass;  // the rule's, for its handler
};
