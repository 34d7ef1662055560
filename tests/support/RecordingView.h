#pragma once

#include <QStringList>
#include <functional>

#include "link/OperatorView.h"

// Records what the link and transfers show, in order, as short lines:
// "status <text>", "progress <n>", "shown"/"hidden", "message <text>", "beep", "test<n> <text>",
// "redraw". Busy pointer changes are counted, not listed.
class RecordingView : public OperatorView {
  public:
    void setStatusText(const QString& text) override {
        status = text;
        events << "status " + text;
    }
    void setProgressVisible(bool visible) override {
        progressVisible = visible;
        events << (visible ? "shown" : "hidden");
    }
    void setProgress(int value) override {
        progress = value;
        events << QString("progress %1").arg(value);
    }
    void setBusy(bool on) override {
        busy = on;
        if (on) ++busyStarts;
    }
    void showMessage(const QString& text) override {
        messages << text;
        events << "message " + text;
        if (onMessage) onMessage(text);
    }
    void beep() override {
        ++beeps;
        events << "beep";
    }
    void setTestResult(int link, const QString& text) override {
        events << QString("test%1 %2").arg(link).arg(text);
    }
    void redraw() override {
        ++redraws;
        events << "redraw";
    }

    QStringList events;
    QStringList messages;
    QString status;
    int progress = -1;
    bool progressVisible = false;
    bool busy = false;
    int beeps = 0;
    int busyStarts = 0;  // the wait started or a tick let it go on
    int redraws = 0;
    std::function<void(const QString&)> onMessage;
};
