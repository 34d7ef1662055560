#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The simulated indicator as a child process on a new pseudo-terminal (or, with "--listen",
// on TCP); with `count` above 1, that many independent indicators in the one process, each on
// a line of its own. The log of the requests each received is kept in a temporary folder.
class SimProcess {
  public:
    explicit SimProcess(QStringList args = {}, int count = 1) : count_(count) {
        logPath_ = dir_.filePath("requests.log");
        args << "--log" << logPath_ << "--stdin-exit";
        if (count > 1) args << "--count" << QString::number(count);
        process_.setProgram(RUSK_SIM_PATH);
        process_.setArguments(args);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        QDeadlineTimer deadline(5000);
        while (devices_.size() < count && !deadline.hasExpired()) {
            if (process_.canReadLine())
                devices_ << QString::fromLocal8Bit(process_.readLine()).trimmed();
            else if (!process_.waitForReadyRead(int(deadline.remainingTime())))
                break;
        }
        if (devices_.size() < count) devices_.clear();
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
    QString device() const { return devices_.value(0); }
    // Every indicator's device, in order; empty when the simulator did not start.
    QStringList devices() const { return devices_; }
    // The simulator's process id (0 when it is not running).
    qint64 pid() const { return process_.processId(); }

    // The requests indicator `number` (1 … count) received so far, one per line, without
    // their CR.
    QStringList requests(int number = 1) const {
        QFile f(count_ > 1 ? logPath_ + '.' + QString::number(number) : logPath_);
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
        return lines;
    }

  private:
    QTemporaryDir dir_;
    QString logPath_;
    int count_;
    QProcess process_;
    QStringList devices_;
};
