#pragma once

#include <QMetaObject>

#include "model/SettingsStore.h"
#include "platform/OperationError.h"

class MainWindow;
class Session;

// The model options Option3(0) "F805" / Option3(1) "F800" and the check box Check1
// "割付を利用する" on the window: asks before settings are cleared, re-dresses the window for the
// model and points the link at the port that serves it.
class ModelSwitchView {
  public:
    ModelSwitchView(MainWindow& window, Session& session);
    ~ModelSwitchView();
    ModelSwitchView(const ModelSwitchView&) = delete;
    ModelSwitchView& operator=(const ModelSwitchView&) = delete;

    // The click of model option 0 (F805) or 1 (F800).
    void selectModel(int option);
    // The click of Check1; follows the box's tick.
    void setPortAssignment();

    // Whether no setting data is held (store and status boxes).
    bool settingsEmpty() const;

  private:
    void switchModel(IndicatorModel model);
    void showCurrentModelOption(bool focus);
    void showPortFrames();
    void report(const OperationError& error, ErrorHint hint = ErrorHint::None);

    MainWindow& window_;
    Session& session_;
    QMetaObject::Connection refused_;
};
