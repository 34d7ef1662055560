#pragma once

#include <QDialog>
#include <vector>

#include "transfer/ChangedWrite.h"

// What "変更分のみ書き込み" will send, before it sends it: each value with its place, the
// indicator's value and the new one; 書き込み (the default) sends, キャンセル sends nothing.
class ChangedPreview : public QDialog {
    Q_OBJECT
  public:
    ChangedPreview(const std::vector<ChangedValue>& changes, IndicatorModel model,
                   QWidget* parent = nullptr);
    // The place of a value as the operator reads it: "W20 上下限比較有無", "銘柄 5 定量".
    static QString PlaceText(const ChangedValue& change, IndicatorModel model);
};
