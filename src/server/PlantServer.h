#pragma once

#include <QHostAddress>

class QHttpServer;
class PlantWatch;

// The routes of rusk-server on `http`: "/" and its script and style from the program's own
// resources, "/api/overview" (JSON), "/metrics" (Prometheus text). Only GET; any other path is a
// 404. Every reply carries a Content-Security-Policy that allows the server's own scripts only.
void AddPlantRoutes(QHttpServer& http, PlantWatch& watch);

// "HOST:PORT" of --listen; false when it is not an address and port.
bool ParseListen(const QString& text, QHostAddress* host, quint16* port);
