#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "history/Compare.h"
#include "history/Journal.h"

class MessagePresenter;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The journal's snapshots, newest first, narrowed to one device when the operator picks one;
// the selected snapshot can be shown, compared with the window, put into the window or saved
// as a data file.
class HistoryView : public QDialog {
    Q_OBJECT
  public:
    // `redraw` is called after values were put into `windowStore`.
    HistoryView(Journal& journal, SettingsStore& windowStore, std::function<void()> redraw,
                QWidget* parent = nullptr);
    ~HistoryView() override;

    // Where refusals and save results are told; real message boxes by default. Not owned.
    void setMessagePresenter(MessagePresenter* messages);
    // Asks where to save the data file; an empty text means cancelled. A save dialog by default.
    void setAskSavePath(std::function<QString()> ask) { askSavePath_ = std::move(ask); }
    // Told of a snapshot put into the window ("画面に読み込む").
    // Offers "選択した値を指示計へ書き込み" in a snapshot's comparison: gets its differences and
    // the chosen rows, and the views close so the write can run.
    void setPush(
        std::function<void(const std::vector<Difference>&, const std::vector<int>&)> push) {
        push_ = std::move(push);
    }
    void setLoaded(std::function<void(const JournalSnapshot&)> loaded) {
        loaded_ = std::move(loaded);
    }

    // The entries the table shows, in its row order.
    const std::vector<JournalEntry>& entries() const { return entries_; }
    // The certificate of the selected test with reference weights, written again as a PDF at
    // `path`; empty on success, else why not (also shown).
    QString reprintCertificate(const QString& path);
    // The selected entry's id, or 0.
    qint64 selectedId() const;

    // Reads the list again for the chosen device.
    void reload();
    // What the buttons do.
    void showSnapshot();
    void compareSnapshot();
    void loadSnapshot();
    void saveSnapshot();

  private:
    void updateButtons();

    Journal& journal_;
    SettingsStore& store_;
    std::function<void()> redraw_;
    std::function<QString()> askSavePath_;
    std::function<void(const JournalSnapshot&)> loaded_;
    std::unique_ptr<MessagePresenter> ownMessages_;
    MessagePresenter* messages_ = nullptr;
    std::vector<JournalEntry> entries_;
    QComboBox* device_ = nullptr;
    QLabel* failure_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::vector<QPushButton*> selectionButtons_;
    QPushButton* reprint_ = nullptr;  // only for a test with reference weights
    std::function<void(const std::vector<Difference>&, const std::vector<int>&)> push_;
};
