#include "server/PlantServer.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>

#include "server/PlantWatch.h"

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

}  // namespace

void AddPlantRoutes(QHttpServer& http, PlantWatch& watch) {
    using Method = QHttpServerRequest::Method;
    http.route("/", Method::Get,
               [] { return Own(":/web/dashboard.html", "text/html; charset=utf-8"); });
    http.route("/dashboard.js", Method::Get,
               [] { return Own(":/web/dashboard.js", "text/javascript; charset=utf-8"); });
    http.route("/dashboard.css", Method::Get,
               [] { return Own(":/web/dashboard.css", "text/css; charset=utf-8"); });
    http.route("/api/overview", Method::Get, [&watch] {
        return WithHeaders(QHttpServerResponse("application/json", watch.overviewJson()));
    });
    http.route("/metrics", Method::Get, [&watch] {
        return WithHeaders(
            QHttpServerResponse("text/plain; version=0.0.4; charset=utf-8", watch.metrics()));
    });
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
