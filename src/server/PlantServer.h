#pragma once

#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <memory>
#include <vector>

class Access;
class PlantWatch;
class QWebSocket;

// rusk-server's HTTP side: "/" and its script and style from the program's own resources,
// "/api/overview" (JSON), "/metrics" (Prometheus text), and a WebSocket at "/live" that gets the
// whole overview on connecting and then each indicator's tile as it changes. Only GET; any other
// path is a 404. Every reply carries a Content-Security-Policy that allows the server's own
// scripts only. Access's guard goes ahead of every route (see Access.h): a route added here is
// guarded without more.
class PlantServer : public QObject {
    Q_OBJECT
  public:
    PlantServer(PlantWatch& watch, Access& access, QObject* parent = nullptr);
    ~PlantServer() override;

    // The port listened on, 0 when it cannot be.
    quint16 listen(const QHostAddress& host, quint16 port);
    int liveClients() const { return int(live_.size()); }

  private:
    void acceptLive();
    void push(int index);

    PlantWatch& watch_;
    Access& access_;
    QHttpServer http_;
    std::vector<std::unique_ptr<QWebSocket>> live_;
};

// "HOST:PORT" of --listen; false when it is not an address and port.
bool ParseListen(const QString& text, QHostAddress* host, quint16* port);
