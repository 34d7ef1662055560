#pragma once

#include <QByteArray>
#include <QList>
#include <array>

#include "SimCodes.h"
#include "Weighing.h"

// The simulated indicator: its products (100 on the F805 and the F800), its setting values and
// its live weighing state, and the answers it gives to one request line. It knows nothing about
// ports or timing; the caller tells it the time (setTime) before each request.
//
// Requests (without the terminating CR):
//   W00            answers W00 + current product number in 5 digits (W0000005)
//   W00nnnnn       selects product nnnnn (0 … 99 on the F805 and the F800), no answer; other
//                  numbers are ignored
//   Wcc            answers Wcc + value: 10 … 17 from the current product, else the setting
//   Wccvvvvv       stores vvvvv silently when it fits the code's digits and the code (or, for
//                  10 … 17, the current product) is not refused; otherwise ignored
//   RA … RK        answers the two letters + live data
//   CA, CB         answers CA or CB; CC … CK act silently
// Anything else, a read of a code the model does not have included, gets no answer.
class Indicator {
  public:
    explicit Indicator(SimModel model = SimModel::F805);
    // An indicator of another model, with these setting codes (in the order it lists them) and
    // products 0 … products - 1 (at most kMaxProducts).
    Indicator(QList<SimCode> codes, int products);

    // The most products an indicator has.
    static constexpr int kMaxProducts = 100;

    SimModel model() const { return m_model; }

    // Writes to these setting codes ("20") or to these products (0 …) are ignored, as a real
    // indicator ignores a value it does not accept: a writer can be shown failing on purpose.
    void refuseWrites(const QList<QByteArray>& codes, const QList<int>& products) {
        m_refusedCodes = codes;
        m_refusedProducts = products;
    }

    // The cycle's length and free fall (rusk-sim --cycle, --free-fall).
    void setCycleShape(const CycleShape& shape) { m_shape = shape; }

    // A platform under test with reference weights instead of the filling cycle (rusk-sim --load,
    // "load N" on standard input): the weight is the load placed on it, read with the scale's
    // error, and it settles for a while after each change before it counts as stable.
    // Zero calibration (CA) makes the load on it read zero; span calibration (CB) makes it read
    // the span weight setting (分銅重量値); with `calibrationFails` either ends in a calibration
    // error instead (status 4, fifth character 1).
    struct Platform {
        qint64 spanErrorPpm = 0;  // the reading is off by this many millionths of the load
        qint64 zeroOffset = 0;    // and by this many display units at zero
        qint64 settleMs = 1500;
        bool calibrationFails = false;
    };
    void setPlatform(const Platform& platform);
    bool hasPlatform() const { return m_platformOn; }
    // Places `load` display units on the platform (taking off what was there).
    void placeLoad(qint64 load);
    qint64 load() const { return m_load; }

    // Simulated time in milliseconds since the start; never goes backwards.
    void setTime(qint64 ms);
    qint64 time() const { return m_timeMs; }

    // Zero or more reply lines, without their CR LF.
    QList<QByteArray> handle(const QByteArray& request);

    int currentProduct() const { return m_currentProduct; }
    int productCount() const { return m_productCount; }
    QByteArray productValue(int product, int item) const;
    QByteArray setting(const QByteArray& code) const;  // empty when the model has no such code

    // Live values in display units.
    qint64 grossWeight() const;
    qint64 netWeight() const;
    qint64 tare() const { return m_tare; }
    bool showsNet() const { return m_showNet; }
    qint64 accumulationCount() const;
    qint64 accumulatedValue() const;

    // The data part of a live-data answer (what follows "RA" … "RK").
    QByteArray liveData(char kind) const;

  private:
    struct Accumulation {
        qint64 count = 0;
        qint64 value = 0;
    };

    int settingIndex(const QByteArray& code) const;
    int settingInt(const char* code) const;
    int settingDigit(const char* code, int position) const;
    qint64 target() const;
    FeedPoints feed() const;
    qint64 productInt(int item) const;
    CyclePoint cycle() const;
    qint64 rawWeight() const;
    int decimals() const;
    bool autoAccumulate() const;
    void accumulate(qint64 net);

    QByteArray read(const QByteArray& code) const;
    void write(const QByteArray& code, const QByteArray& value);
    QList<QByteArray> command(char which);

    QByteArray status1() const;
    QByteArray status2() const;
    QByteArray status3() const;
    QByteArray status4() const;
    QByteArray weightText(qint64 value, int digits) const;

    SimModel m_model;
    QList<QByteArray> m_refusedCodes;
    QList<int> m_refusedProducts;
    int m_productCount = kMaxProducts;
    std::array<std::array<QByteArray, 8>, kMaxProducts> m_products;
    QList<SimCode> m_codes;
    QList<QByteArray> m_settings;  // parallel to m_codes
    int m_currentProduct = 0;
    qint64 m_timeMs = 0;
    CycleShape m_shape;
    qint64 m_zeroOffset = 0;  // digital zero
    qint64 m_tare = 0;
    bool m_showNet = false;
    std::array<Accumulation, kMaxProducts> m_accumulations;
    qint64 m_lastWeighing = 0;
    char m_calibration = 0;  // 'A' zero or 'B' span calibration in progress
    qint64 m_calibrationEndMs = 0;
    char m_calibrationError = '0';  // status 4: 1 after a calibration that failed

    bool settled() const;
    qint64 platformReading() const;  // what the loaded platform reads once settled
    void endCalibration();

    bool m_platformOn = false;
    Platform m_platform;
    qint64 m_load = 0;
    qint64 m_loadPlacedMs = 0;
    double m_gain = 1.0;     // reading per unit of load
    qint64 m_zeroError = 0;  // reading of the empty platform
};
