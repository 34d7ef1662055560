#pragma once

#include <QString>
#include <vector>

#include "link/TransferRun.h"
#include "model/SettingsStore.h"

// Where a data set came from: a data file, the indicator, a journal snapshot, or nowhere (a
// cleared window).
struct DataOrigin {
    enum class Kind { None, DataFile, Indicator, Journal };
    Kind kind = Kind::None;
    QString name;  // the data file's path, the device read, or the snapshot's id
    bool operator==(const DataOrigin&) const = default;

    static DataOrigin DataFile(const QString& path) { return {Kind::DataFile, path}; }
    static DataOrigin Indicator(const QString& device) { return {Kind::Indicator, device}; }
    static DataOrigin Journal(qint64 id) { return {Kind::Journal, QString::number(id)}; }
};

// "データファイル line3.mdb", "指示計 /dev/ttyUSB0", "履歴 12", "—".
QString OriginText(const DataOrigin& origin);

// Where the window's data came from, and the values that origin gave, so that the window's
// values can be told apart from them once edited. The session keeps it; every operation that
// brings values into the window tells it.
//
// A fill of everything the window holds (a whole data file, a complete all-read, a data file
// saved from the window) makes its origin the window's. A fill of a part (one product, the
// settings, a file's products) adds its values when it comes from the same origin or into a
// window that has none; from another origin it leaves the origin as it is, and the window
// counts as edited.
class DataSource {
  public:
    const DataOrigin& origin() const { return origin_; }
    // The window's values are not all those its origin gave.
    bool edited(const SettingsStore& window) const;

    // `values` came from `origin` into `window` (already there). Values covering every setting
    // of the model and every product value fill everything.
    void took(const DataOrigin& origin, const std::vector<TransferValue>& values,
              const SettingsStore& window);
    // A data file was loaded into the window (a load mode of storage/DataFile.h), or the window
    // was saved as one.
    void loadedFile(const QString& path, int mode, const SettingsStore& window);
    void savedFile(const QString& path, const SettingsStore& window);
    // The window was cleared: it has no origin.
    void cleared(const SettingsStore& window);

  private:
    // Whether a part from `origin` joins the window's origin.
    bool joins(const DataOrigin& origin) const;
    void replace(const DataOrigin& origin, const SettingsStore& window);

    DataOrigin origin_;
    SettingsStore given_;
};
