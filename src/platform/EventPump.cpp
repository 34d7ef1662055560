#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/SerialPort.h"

bool QtEventPump::pass(SerialPort* port, bool somethingWaiting) {
    // processEvents() with WaitForMoreEvents and a time limit spins; a local loop woken by the
    // port or a short single-shot timer sleeps instead.
    if (somethingWaiting) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return true;
    }
    QEventLoop loop;
    QTimer slice;
    slice.setSingleShot(true);
    QObject::connect(&slice, &QTimer::timeout, &loop, &QEventLoop::quit);
    QMetaObject::Connection woken;
    if (port != nullptr)
        woken = QObject::connect(port, &SerialPort::activity, &loop, &QEventLoop::quit,
                                 Qt::QueuedConnection);
    slice.start(sliceMs_);
    // A loop started after the application was told to quit returns -1 at once.
    const bool running = loop.exec() != -1;
    QObject::disconnect(woken);
    return running;
}
