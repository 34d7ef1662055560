#include "server/PlantServer.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include "server/Access.h"
#include "server/PlantWatch.h"
#include "texts/MonitorTexts.h"

namespace {

QHttpServerResponse WithHeaders(QHttpServerResponse response) {
    response.setHeader("Content-Security-Policy",
                       "default-src 'self'; script-src 'self'; style-src 'self'; "
                       "connect-src 'self'; img-src 'self'; frame-ancestors 'none'");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Cache-Control", "no-store");
    return response;
}

// A file of the program's own set; never a path from a request.
QHttpServerResponse Own(const char* resource, const char* type) {
    QFile f(QString::fromLatin1(resource));
    if (!f.open(QIODevice::ReadOnly))
        return WithHeaders(QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound));
    return WithHeaders(QHttpServerResponse(QByteArray(type), f.readAll()));
}

// The page's captions, from the texts module, for the script to put in as text.
QByteArray PageTexts() {
    QJsonObject o;
    o[QStringLiteral("title")] = Tr(MonitorText::DashboardTitle);
    o[QStringLiteral("state")] = Tr(MonitorText::TileState);
    o[QStringLiteral("fills")] = Tr(MonitorText::TileFills);
    o[QStringLiteral("mean")] = Tr(MonitorText::TileMean);
    o[QStringLiteral("sd")] = Tr(MonitorText::TileSd);
    o[QStringLiteral("under")] = Tr(MonitorText::Under);
    o[QStringLiteral("over")] = Tr(MonitorText::Over);
    o[QStringLiteral("differ")] = Tr(MonitorText::SettingsDiffer);
    o[QStringLiteral("none")] = Tr(MonitorText::NoJudgement);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

}  // namespace

PlantServer::PlantServer(PlantWatch& watch, Access& access, QObject* parent)
    : QObject(parent), watch_(watch), access_(access) {
    QHttpServer& http = http_;
    access.install(http, {QStringLiteral("/live")});  // first: it guards every route after it
    using Method = QHttpServerRequest::Method;
    http.route("/", Method::Get,
               [] { return Own(":/web/dashboard.html", "text/html; charset=utf-8"); });
    http.route("/dashboard.js", Method::Get,
               [] { return Own(":/web/dashboard.js", "text/javascript; charset=utf-8"); });
    http.route("/dashboard.css", Method::Get,
               [] { return Own(":/web/dashboard.css", "text/css; charset=utf-8"); });
    http.route("/api/texts", Method::Get,
               [] { return WithHeaders(QHttpServerResponse("application/json", PageTexts())); });
    http.route("/api/overview", Method::Get, [&watch] {
        return WithHeaders(QHttpServerResponse("application/json", watch.overviewJson()));
    });
    http.route("/metrics", Method::Get, [&watch] {
        return WithHeaders(
            QHttpServerResponse("text/plain; version=0.0.4; charset=utf-8", watch.metrics()));
    });
    // The WebSocket's path: the guard takes its handshakes; a plain request is a 400.
    http.route("/live", [](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0) return;
        responder.write(QHttpServerResponder::StatusCode::BadRequest);
    });
    connect(&http_, &QAbstractHttpServer::newWebSocketConnection, this, &PlantServer::acceptLive);
    connect(&watch_, &PlantWatch::changed, this, &PlantServer::push);
}

PlantServer::~PlantServer() = default;

quint16 PlantServer::listen(const QHostAddress& host, quint16 port) {
    return access_.listen(http_, host, port);
}

void PlantServer::acceptLive() {
    while (http_.hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = http_.nextPendingWebSocketConnection();
        if (!socket) continue;
        if (socket->requestUrl().path() != QLatin1String("/live")) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket.release()->deleteLater();
            continue;
        }
        QWebSocket* raw = socket.get();
        connect(raw, &QWebSocket::disconnected, this, [this, raw] {
            for (auto it = live_.begin(); it != live_.end(); ++it)
                if (it->get() == raw) {
                    it->release()->deleteLater();
                    live_.erase(it);
                    break;
                }
        });
        raw->sendTextMessage(QString::fromUtf8(watch_.overviewJson()));
        live_.push_back(std::move(socket));
    }
}

void PlantServer::push(int index) {
    if (live_.empty()) return;
    const QString tile = QString::fromUtf8(watch_.indicatorJson(index));
    for (const auto& socket : live_) socket->sendTextMessage(tile);
}

bool ParseListen(const QString& text, QHostAddress* host, quint16* port) {
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0) return false;
    QString address = text.left(colon);
    if (address.startsWith(u'[') && address.endsWith(u']'))
        address = address.mid(1, address.size() - 2);
    bool ok = false;
    const int p = text.mid(colon + 1).toInt(&ok);
    if (!ok || p < 0 || p > 65535) return false;
    QHostAddress h;
    if (!h.setAddress(address)) return false;
    *host = h;
    *port = quint16(p);
    return true;
}
