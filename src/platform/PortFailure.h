#pragma once

#include <QAbstractSocket>
#include <QSerialPort>
#include <QString>

// Why a port failed, in the operator's words. Every reason a serial or TCP port gives for a
// failure reaches the operator through one of these, never as the system's English text.

// A serial port's failure (QSerialPort files each system error under one of its kinds).
QString PortFailureReason(QSerialPort::SerialPortError error);
// A TCP connection's failure.
QString PortFailureReason(QAbstractSocket::SocketError error);
// A system call's failure on a port's descriptor (errno).
QString PortErrnoReason(int errnoValue);
