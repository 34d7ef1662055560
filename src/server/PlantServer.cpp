#include "server/PlantServer.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QUrl>
#include <QUrlQuery>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>

#include "platform/FileRules.h"
#include "server/Access.h"
#include "server/PlantWatch.h"
#include "texts/Language.h"
#include "texts/MonitorTexts.h"
#include "texts/PageTexts.h"

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

QHttpServerResponse NotFound() {
    return WithHeaders(QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound));
}

QHttpServerResponse Json(QByteArray body) {
    return WithHeaders(QHttpServerResponse("application/json", std::move(body)));
}

// The language a browser asks for: English when its first choice is, else Japanese.
QString ReplyLanguageOf(const QHttpServerRequest& request) {
    const QByteArray asked = request.value("accept-language").trimmed().toLower();
    return asked.startsWith("en") ? texts::kEnglish : texts::kJapanese;
}

// The indicator a request names ("?i=3"); none unless the server watches it.
std::optional<int> AskedIndicator(const QHttpServerRequest& request, const PlantWatch& watch) {
    return IndicatorIndex(request.query().queryItemValue(QStringLiteral("i")),
                          int(watch.indicators().size()));
}

// A download named after the indicator: an ASCII name for old browsers, the real one beside it.
QHttpServerResponse Download(const QByteArray& type, QByteArray body, int index,
                             const QString& name, const char* suffix) {
    QHttpServerResponse response = WithHeaders(QHttpServerResponse(type, std::move(body)));
    const QString file = name + QLatin1String(suffix);
    response.setHeader("Content-Disposition",
                       QByteArray("attachment; filename=\"indicator-") + QByteArray::number(index) +
                           suffix + "\"; filename*=UTF-8''" + QUrl::toPercentEncoding(file));
    return response;
}

// The captions of both pages, from the texts module, for the scripts to put in as text; the
// states and judgements the live frames carry in the program's language, in the reply's.
QByteArray PageTexts() {
    QJsonObject o = QJsonDocument::fromJson(IndicatorPages::TextsJson()).object();
    o[QStringLiteral("title")] = Tr(MonitorText::DashboardTitle);
    o[QStringLiteral("state")] = Tr(MonitorText::TileState);
    o[QStringLiteral("fills")] = Tr(MonitorText::TileFills);
    o[QStringLiteral("mean")] = Tr(MonitorText::TileMean);
    o[QStringLiteral("sd")] = Tr(MonitorText::TileSd);
    o[QStringLiteral("under")] = Tr(MonitorText::Under);
    o[QStringLiteral("over")] = Tr(MonitorText::Over);
    o[QStringLiteral("differ")] = Tr(MonitorText::SettingsDiffer);
    o[QStringLiteral("none")] = Tr(MonitorText::NoJudgement);
    o[QStringLiteral("feed")] = Tr(MonitorText::TileFeed);
    o[QStringLiteral("perHour")] = Tr(MonitorText::TilePerHour);
    o[QStringLiteral("backup")] = Tr(MonitorText::TileBackup);
    o[QStringLiteral("logout")] = Tr(MonitorText::Logout);
    o[QStringLiteral("feeds")] =
        QJsonObject{{QStringLiteral("large"), Tr(PageText::CoarseFeed)},
                    {QStringLiteral("medium"), Tr(PageText::MediumFeed)},
                    {QStringLiteral("small"), Tr(PageText::FineFeed)},
                    {QStringLiteral("discharge"), Tr(PageText::Discharge)},
                    {QStringLiteral("complete"), Tr(MonitorText::Complete)}};
    o[QStringLiteral("judgements")] =
        QJsonObject{{QStringLiteral("under"), Tr(MonitorText::Under)},
                    {QStringLiteral("ok"), Tr(MonitorText::Good)},
                    {QStringLiteral("over"), Tr(MonitorText::Over)},
                    {QStringLiteral("none"), Tr(MonitorText::NoJudgement)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// Each state's text as the tiles carry it, and as the reply shows it.
QJsonObject StateTexts(const QString& language) {
    using State = MonitorSampler::State;
    const State states[] = {State::Stopped, State::Running, State::NoAnswer, State::Lost,
                            State::Refused};
    QJsonObject o;
    for (const State s : states) {
        const QString carried = MonitorSampler::StateText(s);
        const texts::ReplyLanguage in(language);
        o[carried] = MonitorSampler::StateText(s);
    }
    return o;
}

}  // namespace

PlantServer::PlantServer(PlantWatch& watch, Access& access, QObject* parent)
    : QObject(parent), watch_(watch), access_(access), pages_(watch) {
    // Read once: no path from a request ever reaches the file system.
    FileRead chart = ReadFileContent(QString::fromLatin1(kChartScript), 4 * 1024 * 1024);
    if (chart.failure.isEmpty()) chartScript_ = std::move(chart.bytes);
    timePushes_ = qEnvironmentVariableIsSet("RUSK_SERVER_PUSH_TIMES");
    clock_.start();
    QHttpServer& http = http_;
    access.install(http, {QStringLiteral("/live")});  // first: it guards every route after it
    using Method = QHttpServerRequest::Method;
    http.route("/", Method::Get,
               [] { return Own(":/web/dashboard.html", "text/html; charset=utf-8"); });
    http.route("/dashboard.js", Method::Get,
               [] { return Own(":/web/dashboard.js", "text/javascript; charset=utf-8"); });
    http.route("/dashboard.css", Method::Get,
               [] { return Own(":/web/dashboard.css", "text/css; charset=utf-8"); });
    http.route("/indicator", Method::Get, [&watch](const QHttpServerRequest& request) {
        if (!AskedIndicator(request, watch)) return NotFound();
        return Own(":/web/indicator.html", "text/html; charset=utf-8");
    });
    http.route("/indicator.js", Method::Get,
               [] { return Own(":/web/indicator.js", "text/javascript; charset=utf-8"); });
    http.route("/chart.js", Method::Get, [this] {
        if (chartScript_.isEmpty()) {
            if (!std::exchange(chartMissingTold_, true))
                QTextStream(stderr) << "rusk-server: " << kChartScript
                                    << " is missing: the pages show no chart" << Qt::endl;
            return NotFound();
        }
        return WithHeaders(QHttpServerResponse("text/javascript; charset=utf-8", chartScript_));
    });
    http.route("/api/texts", Method::Get, [this](const QHttpServerRequest& request) {
        const QString language = ReplyLanguageOf(request);
        QJsonObject o;
        {
            const texts::ReplyLanguage in(language);
            o = QJsonDocument::fromJson(PageTexts()).object();
        }
        o[QStringLiteral("states")] = StateTexts(language);
        o[QStringLiteral("language")] = language;
        o[QStringLiteral("login")] = !access_.open();  // the page offers to log out
        return Json(QJsonDocument(o).toJson(QJsonDocument::Compact));
    });
    http.route("/api/indicator", Method::Get, [this](const QHttpServerRequest& request) {
        const std::optional<int> index = AskedIndicator(request, watch_);
        if (!index) return NotFound();
        const texts::ReplyLanguage in(ReplyLanguageOf(request));
        return Json(*pages_.pageJson(*index));
    });
    http.route("/api/changes", Method::Get, [this](const QHttpServerRequest& request) {
        const std::optional<int> index = AskedIndicator(request, watch_);
        bool ok = false;
        const qint64 id = request.query().queryItemValue(QStringLiteral("id")).toLongLong(&ok);
        if (!index || !ok) return NotFound();
        const texts::ReplyLanguage in(ReplyLanguageOf(request));
        const std::optional<QByteArray> changes = pages_.changesJson(*index, id);
        return changes ? Json(*changes) : NotFound();
    });
    http.route("/download/sheet", Method::Get, [this](const QHttpServerRequest& request) {
        const std::optional<int> index = AskedIndicator(request, watch_);
        if (!index) return NotFound();
        const texts::ReplyLanguage in(ReplyLanguageOf(request));
        std::optional<QByteArray> pdf = pages_.sheetPdf(*index);
        if (!pdf) return NotFound();
        return Download("application/pdf", std::move(*pdf), *index,
                        watch_.indicators()[size_t(*index)]->member.name, ".pdf");
    });
    http.route("/download/data", Method::Get, [this](const QHttpServerRequest& request) {
        const std::optional<int> index = AskedIndicator(request, watch_);
        if (!index) return NotFound();
        std::optional<QByteArray> file = pages_.dataFile(*index);
        if (!file) return NotFound();
        return Download("application/octet-stream", std::move(*file), *index,
                        watch_.indicators()[size_t(*index)]->member.name, ".mdb");
    });
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

PlantServer::~PlantServer() {
    if (!timePushes_ || pushTimes_.empty()) return;
    std::sort(pushTimes_.begin(), pushTimes_.end());
    const auto at = [this](double q) {
        return double(pushTimes_[std::min(pushTimes_.size() - 1,
                                          size_t(q * double(pushTimes_.size())))]) /
               1000.0;
    };
    std::fprintf(stderr, "rusk-server: push_ms p50 %.3f p95 %.3f max %.3f count %zu\n", at(0.5),
                 at(0.95), double(pushTimes_.back()) / 1000.0, pushTimes_.size());
}

quint16 PlantServer::listen(const QHostAddress& host, quint16 port) {
    return access_.listen(http_, host, port);
}

void PlantServer::acceptLive() {
    while (http_.hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = http_.nextPendingWebSocketConnection();
        if (!socket) continue;
        const QUrl url = socket->requestUrl();
        const QString asked = QUrlQuery(url).queryItemValue(QStringLiteral("i"));
        const std::optional<int> index = IndicatorIndex(asked, int(watch_.indicators().size()));
        if (url.path() != QLatin1String("/live") || (!asked.isEmpty() && !index)) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket.release()->deleteLater();
            continue;
        }
        QWebSocket* raw = socket.get();
        connect(raw, &QWebSocket::disconnected, this, [this, raw] {
            for (auto it = live_.begin(); it != live_.end(); ++it)
                if (it->socket.get() == raw) {
                    it->socket.release()->deleteLater();
                    live_.erase(it);
                    break;
                }
        });
        // A page gets its tile at once; the samples before it asked for with /api/indicator.
        raw->sendTextMessage(QString::fromUtf8(
            index ? "{\"tile\":" + watch_.indicatorJson(*index) + '}' : watch_.overviewJson()));
        live_.push_back({std::move(socket), index.value_or(-1)});
    }
}

void PlantServer::push(int index) {
    const qint64 arrived = timePushes_ ? clock_.nsecsElapsed() : 0;
    const QByteArray tile = watch_.indicatorJson(index);
    const QByteArray frame = pages_.update(index, tile);
    if (live_.empty()) return;
    QString tileText, frameText;
    bool sent = false;
    for (const Live& live : live_) {
        if (live.index == -1) {
            if (tileText.isEmpty()) tileText = QString::fromUtf8(tile);
            live.socket->sendTextMessage(tileText);
        } else if (live.index == index) {
            if (frameText.isEmpty()) frameText = QString::fromUtf8(frame);
            live.socket->sendTextMessage(frameText);
        } else {
            continue;
        }
        sent = true;
    }
    if (timePushes_ && sent && pages_.tookSample())
        pushTimes_.push_back((clock_.nsecsElapsed() - arrived) / 1000);
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
