#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The simulated indicator as a child process on a new pseudo-terminal (or, with "--listen",
// on TCP). The log of the requests it received is kept in a temporary folder.
class SimProcess {
  public:
    explicit SimProcess(QStringList args = {}) {
        logPath_ = dir_.filePath("requests.log");
        args << "--log" << logPath_ << "--stdin-exit";
        process_.setProgram(RUSK_SIM_PATH);
        process_.setArguments(args);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() { stop(); }

    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.closeWriteChannel();
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    // The device the program talks to: the pseudo-terminal, or "tcp://host:port" with
    // "--listen"; empty when the simulator did not start.
    QString device() const { return device_; }

    // The requests received so far, one per line, without their CR.
    QStringList requests() const {
        QFile f(logPath_);
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
        return lines;
    }

  private:
    QTemporaryDir dir_;
    QString logPath_;
    QProcess process_;
    QString device_;
};
