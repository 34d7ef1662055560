#pragma once

#include <QSignalSpy>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/Operation.h"
#include "ui/widgets/MessageBoxes.h"

// Records message boxes instead of showing them.
class RecordingMessages : public MessagePresenter {
  public:
    void showMessage(QWidget*, const QString& text) override { shown << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        shown << text;
        return answer;
    }
    QStringList shown;
    bool answer = false;
};

// Records dispatched operations; claims them all unless told otherwise.
struct RecordingHandler {
    std::vector<std::pair<Operation, int>> calls;
    bool claim = true;
    OperationHandler handler() {
        return [this](Operation op, int index) {
            calls.emplace_back(op, index);
            return claim;
        };
    }
};

// The main window with its beep counted: a refused operation beeps.
struct CountingWindow : MainWindow {
    void beep() override { ++beeps; }
    int beeps = 0;
};

// Starts an operation (a toolbar key, a button, a dispatch) and waits, bounded, until the job it
// started on the link, if any, has ended. False when it did not end in time.
inline bool Ended(MainWindow& window, const std::function<void()>& start, int boundMs = 60000) {
    QSignalSpy ended(&window, &MainWindow::operationEnded);
    start();
    return !window.exchangeRunning() || !ended.isEmpty() || ended.wait(boundMs);
}
