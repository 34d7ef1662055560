#pragma once

#include <QDialog>
#include <vector>

#include "transfer/ChangedWrite.h"

class SettingsStore;

// What a write of only the changed values will send, before it sends it: each value with its
// place, the indicator's value, the new one and what the change means, decoded as the
// comparison decodes it; 書き込み (the default) sends, キャンセル sends nothing.
class ChangedPreview : public QDialog {
    Q_OBJECT
  public:
    ChangedPreview(const std::vector<ChangedValue>& changes, const SettingsStore& window,
                   QWidget* parent = nullptr);
};
