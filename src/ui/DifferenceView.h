#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "history/Compare.h"

class MessagePresenter;
class QLabel;
class QPushButton;
class QTableWidget;

// The result of a comparison: the counts on top, one table row per difference (place, the
// window's value, the other value, what the difference means), and the buttons to take the
// selected other values, to save the table as CSV and to close.
class DifferenceView : public QDialog {
    Q_OBJECT
  public:
    explicit DifferenceView(std::vector<Difference> differences, QWidget* parent = nullptr);
    ~DifferenceView() override;

    // Gets the indexes (into differences(), ascending) of the selected rows when the operator
    // presses "選択した値を取り込む"; the window applies them and redraws.
    void setTakeOther(std::function<void(std::vector<int>)> take) { take_ = std::move(take); }
    // Offers "選択した値を指示計へ書き込み": gets the indexes of the selected rows, like the take.
    void setPushSelected(std::function<void(std::vector<int>)> push);
    // Asks where to save the CSV file; an empty text means cancelled. A save dialog by default.
    void setAskCsvPath(std::function<QString()> ask) { askCsvPath_ = std::move(ask); }
    // Where a failed save is told; real message boxes by default. Not owned.
    void setMessagePresenter(MessagePresenter* messages);
    // The window title and the captions of the two value columns ("比較結果", "画面の値",
    // "比較先の値" unless told).
    void setSides(const QString& title, const QString& windowSide, const QString& otherSide);

    const std::vector<Difference>& differences() const { return differences_; }
    std::vector<int> selectedIndexes() const;

    // What the buttons do.
    void takeSelected();
    void pushSelected();
    void saveCsv();

  private:
    void fillTable();
    void setHeaders();

    std::vector<Difference> differences_;
    std::function<void(std::vector<int>)> take_;
    std::function<void(std::vector<int>)> push_;
    std::function<QString()> askCsvPath_;
    std::unique_ptr<MessagePresenter> ownMessages_;
    MessagePresenter* messages_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* takeButton_ = nullptr;
    QPushButton* pushButton_ = nullptr;
    QString windowSide_;
    QString otherSide_;
};
