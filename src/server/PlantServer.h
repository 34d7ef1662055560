#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <memory>
#include <vector>

#include "server/IndicatorPage.h"

class Access;
class PlantWatch;
class QWebSocket;

// rusk-server's HTTP side: "/" and its script and style from the program's own resources,
// "/api/overview" (JSON), "/metrics" (Prometheus text), and a WebSocket at "/live" that gets the
// whole overview on connecting and then each indicator's tile as it changes. An indicator's page
// is "/indicator?i=N" (N counts from 0 in the fleet file's order) with its data at
// "/api/indicator?i=N", a snapshot's changes at "/api/changes?i=N&id=ID", the downloads at
// "/download/sheet?i=N" and "/download/data?i=N", and its live socket "/live?i=N", which gets
// the tile, each new sample and each new fill. "/chart.js" is the chart library of the system
// (Debian's libjs-chart.js), read once at start. "/api/texts" speaks English to a browser whose
// Accept-Language begins with "en", Japanese to any other. Only GET; any other path is a 404.
// Every reply carries a Content-Security-Policy that allows the server's own scripts only.
// Access's guard goes ahead of every route (see Access.h): a route added here is guarded
// without more.
class PlantServer : public QObject {
    Q_OBJECT
  public:
    PlantServer(PlantWatch& watch, Access& access, QObject* parent = nullptr);
    ~PlantServer() override;

    // The port listened on, 0 when it cannot be.
    quint16 listen(const QHostAddress& host, quint16 port);
    int liveClients() const { return int(live_.size()); }

    // Where the chart library is read from.
    static constexpr const char* kChartScript = "/usr/share/javascript/chart.js/chart.min.js";

  private:
    struct Live {
        std::unique_ptr<QWebSocket> socket;
        int index = -1;  // the indicator whose page it serves; -1 for the overview
    };
    void acceptLive();
    void push(int index);

    PlantWatch& watch_;
    Access& access_;
    IndicatorPages pages_;
    QHttpServer http_;
    std::vector<Live> live_;
    QByteArray chartScript_;  // empty when the system has none
    bool chartMissingTold_ = false;
    // With RUSK_SERVER_PUSH_TIMES set: from a sample's arrival to its frames sent, in
    // microseconds; their percentiles go to standard error at the end.
    bool timePushes_ = false;
    QElapsedTimer clock_;
    std::vector<qint64> pushTimes_;
};

// "HOST:PORT" of --listen; false when it is not an address and port.
bool ParseListen(const QString& text, QHostAddress* host, quint16* port);
