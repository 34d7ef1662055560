#pragma once

#include <QDialog>
#include <QString>

#include "link/Task.h"
#include "model/TestRecord.h"
#include "platform/Clock.h"

class IndicatorLink;
class Journal;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// The guided test with reference weights: the header, the weights used, the test points with
// their readings as found and as left, zero and span calibration between, and the certificate.
// Each step that talks to the indicator is a job on the window's link, which holds the
// operation guard while it runs. The test is kept after every change (`recordPath`), so a test
// cut short by a lost port or a closed window goes on where it stopped.
class CalibrationView : public QDialog {
    Q_OBJECT
  public:
    // A saved certificate is recorded in `journal` (when given), its test kept beside it.
    CalibrationView(IndicatorLink& link, QString recordPath, Journal* journal = nullptr,
                    QWidget* parent = nullptr);

    const tolerance::TestRecord& record() const { return record_; }
    // The steps, as the buttons start them; each returns false when the link refused it.
    bool readPoint();
    bool calibrate(bool span);
    bool readInstrument();
    // Saves the certificate as PDF; empty on success, else why not (also shown).
    QString saveCertificate(const QString& path);
    // Where the test of a journalled certificate (its run number `id`) is kept.
    static QString KeptTestPath(const Journal& journal, qint64 id);

  signals:
    void stepEnded();

  private:
    void build();
    void showRecord();
    void takeHeader();
    void keep();
    void resetPoints();
    void say(const QString& text);
    bool start(Task<void> step);
    bool asLeft() const;
    void printCertificate();
    void askSaveCertificate();
    void recordInJournal();

    IndicatorLink& link_;
    QString recordPath_;
    Journal* journal_;
    tolerance::TestRecord record_;
    int current_ = 0;  // the point to read next

    QLineEdit* customer_ = nullptr;
    QLineEdit* site_ = nullptr;
    QLineEdit* serial_ = nullptr;
    QLineEdit* technician_ = nullptr;
    QDateEdit* date_ = nullptr;
    QComboBox* accuracy_ = nullptr;
    QSpinBox* custom_ = nullptr;
    QComboBox* verification_ = nullptr;
    QLabel* capacity_ = nullptr;
    QTableWidget* weights_ = nullptr;
    QTableWidget* points_ = nullptr;
    QRadioButton* foundRun_ = nullptr;
    QRadioButton* leftRun_ = nullptr;
    QLabel* guide_ = nullptr;
    QLabel* verdict_ = nullptr;
};
