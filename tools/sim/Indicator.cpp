#include "Indicator.h"

#include <algorithm>

namespace {

constexpr qint64 kMaxCount = 999999;
constexpr qint64 kMaxValue = 999999999;
constexpr qint64 kCalibrationMs = 3000;  // how long a zero or span calibration shows as running
constexpr qint64 kMaxCatchUpCycles = 10000;

QByteArray Digits(qint64 value, int width) {
    return QByteArray::number(value).rightJustified(width, '0');
}

char Bit(bool on) {
    return on ? '1' : '0';
}

// Completed cycles (entries into the complete phase) up to and including time ms.
qint64 CompletionsUpTo(qint64 ms, const CycleShape& shape) {
    const qint64 complete = CompleteStartMs(shape);
    return ms < complete ? 0 : (ms - complete) / shape.cycleMs + 1;
}

}  // namespace

Indicator::Indicator(QList<SimCode> codes, int products) : Indicator(SimModel::Other) {
    m_productCount = std::clamp(products, 1, kMaxProducts);
    m_codes = std::move(codes);
    m_settings.clear();
    for (const SimCode& c : m_codes) m_settings.append(c.value);
}

Indicator::Indicator(SimModel model)
    : m_model(model), m_codes(model == SimModel::Other ? QList<SimCode>() : SettingCodesOf(model)) {
    for (int p = 0; p < kMaxProducts; ++p)
        for (int i = 0; i < 8; ++i) m_products[p][i] = FactoryProductValue(p, i);
    for (const SimCode& c : m_codes) m_settings.append(c.value);
}

void Indicator::setPlatform(const Platform& platform) {
    m_platformOn = true;
    m_platform = platform;
    m_gain = 1.0 + double(platform.spanErrorPpm) / 1e6;
    m_zeroError = platform.zeroOffset;
    m_loadPlacedMs = m_timeMs - platform.settleMs;  // the empty platform has settled
}

void Indicator::placeLoad(qint64 load) {
    m_load = load;
    m_loadPlacedMs = m_timeMs;
}

bool Indicator::settled() const {
    return m_timeMs - m_loadPlacedMs >= m_platform.settleMs;
}

qint64 Indicator::platformReading() const {
    return qRound64(double(m_load) * m_gain) + m_zeroError;
}

void Indicator::endCalibration() {
    const char which = m_calibration;
    m_calibration = 0;
    if (!m_platformOn) return;
    if (m_platform.calibrationFails) {
        m_calibrationError = '1';
        return;
    }
    if (which == 'A') {
        m_zeroError -= platformReading();
    } else if (m_load > 0) {
        const qint64 span = settingInt(m_model == SimModel::F805 ? "60" : "40");
        m_gain = double(span - m_zeroError) / double(m_load);
    } else {
        m_calibrationError = '1';  // nothing on the platform to span with
    }
}

void Indicator::setTime(qint64 ms) {
    if (ms <= m_timeMs) return;
    if (m_platformOn) {
        if (m_calibration && ms >= m_calibrationEndMs) endCalibration();
        m_timeMs = ms;
        return;
    }
    if (m_calibration && ms >= m_calibrationEndMs) m_calibration = 0;
    // Every cycle that reached its complete phase since the last call leaves its weighing result,
    // and, with automatic accumulation on, adds it to the accumulation.
    const qint64 first = std::max(CompletionsUpTo(m_timeMs, m_shape),
                                  CompletionsUpTo(ms, m_shape) - kMaxCatchUpCycles);
    const qint64 end = CompletionsUpTo(ms, m_shape);
    for (qint64 c = first; c < end; ++c) {
        const qint64 at = c * m_shape.cycleMs + CompleteStartMs(m_shape);
        const qint64 net = SettledFill(c, feed(), m_shape) + Wobble(at) - m_zeroOffset - m_tare;
        m_lastWeighing = net;
        if (autoAccumulate()) accumulate(net);
    }
    m_timeMs = ms;
}

QList<QByteArray> Indicator::handle(const QByteArray& request) {
    if (request.size() == 2 && request.at(1) >= 'A' && request.at(1) <= 'K') {
        if (request.at(0) == 'R') return {request + liveData(request.at(1))};
        if (request.at(0) == 'C') return command(request.at(1));
        return {};
    }
    if (request.size() < 3 || request.at(0) != 'W') return {};
    const QByteArray code = request.mid(1, 2);
    if (request.size() == 3) {
        const QByteArray value = read(code);
        if (value.isEmpty()) return {};
        return {request + value};
    }
    if (request.size() == 8) write(code, request.mid(3));
    return {};
}

QByteArray Indicator::productValue(int product, int item) const {
    if (product < 0 || product >= m_productCount || item < 0 || item >= 8) return QByteArray();
    return m_products[product][item];
}

QByteArray Indicator::setting(const QByteArray& code) const {
    const int i = settingIndex(code);
    return i < 0 ? QByteArray() : m_settings.at(i);
}

int Indicator::settingIndex(const QByteArray& code) const {
    const QList<SimCode>& codes = m_codes;
    for (int i = 0; i < codes.size(); ++i)
        if (codes.at(i).code == code) return i;
    return -1;
}

int Indicator::settingInt(const char* code) const {
    return setting(code).toInt();
}

int Indicator::settingDigit(const char* code, int position) const {
    const QByteArray v = setting(code);
    if (position < 1 || position > v.size()) return 0;
    const char c = v.at(position - 1);
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

qint64 Indicator::productInt(int item) const {
    return m_products[m_currentProduct][item].toLongLong();
}

qint64 Indicator::target() const {
    return productInt(2);
}

FeedPoints Indicator::feed() const {
    return {target(), productInt(0), productInt(1), productInt(5)};
}

CyclePoint Indicator::cycle() const {
    return CycleAt(m_timeMs, feed(), m_shape);
}

qint64 Indicator::rawWeight() const {
    if (m_platformOn) {
        // A load still swinging reads off by a share of itself that dies away as it settles.
        const qint64 left = m_platform.settleMs - (m_timeMs - m_loadPlacedMs);
        const qint64 swing = left > 0 ? (std::max<qint64>(m_load / 50, 5) * left) /
                                            std::max<qint64>(m_platform.settleMs, 1)
                                      : 0;
        return platformReading() + ((m_timeMs / 100) % 2 ? swing : -swing);
    }
    return cycle().fill + Wobble(m_timeMs);
}

qint64 Indicator::grossWeight() const {
    return rawWeight() - m_zeroOffset;
}

qint64 Indicator::netWeight() const {
    return grossWeight() - m_tare;
}

qint64 Indicator::accumulationCount() const {
    return m_accumulations[m_currentProduct].count;
}

qint64 Indicator::accumulatedValue() const {
    return m_accumulations[m_currentProduct].value;
}

int Indicator::decimals() const {
    const int d = m_model == SimModel::F805 ? settingDigit("65", 5) : settingDigit("45", 3);
    return std::clamp(d, 0, 3);
}

bool Indicator::autoAccumulate() const {
    return m_model == SimModel::F805 ? settingDigit("52", 5) == 1 : settingDigit("31", 2) == 1;
}

void Indicator::accumulate(qint64 net) {
    Accumulation& a = m_accumulations[m_currentProduct];
    a.count = std::min(a.count + 1, kMaxCount);
    a.value = std::clamp(a.value + net, -kMaxValue, kMaxValue);
}

QByteArray Indicator::read(const QByteArray& code) const {
    if (code == "00") return Digits(m_currentProduct, 5);
    if (code.size() == 2 && code.at(0) == '1' && code.at(1) >= '0' && code.at(1) <= '7')
        return productValue(m_currentProduct, code.at(1) - '0');
    return setting(code);
}

void Indicator::write(const QByteArray& code, const QByteArray& value) {
    if (code == "00") {
        if (FitsMask(value, "99999") && value.toInt() < m_productCount)
            m_currentProduct = value.toInt();
        return;
    }
    if (m_refusedCodes.contains(code)) return;
    if (code.size() == 2 && code.at(0) == '1' && code.at(1) >= '0' && code.at(1) <= '7') {
        if (m_refusedProducts.contains(m_currentProduct)) return;
        const int item = code.at(1) - '0';
        if (FitsMask(value, SimProductMask(item))) m_products[m_currentProduct][item] = value;
        return;
    }
    const int i = settingIndex(code);
    if (i >= 0 && AcceptsValue(m_codes.at(i), value)) m_settings[i] = value;
}

QList<QByteArray> Indicator::command(char which) {
    switch (which) {
        case 'A':
        case 'B':
            m_calibration = which;
            m_calibrationEndMs = m_timeMs + kCalibrationMs;
            m_calibrationError = '0';
            return {QByteArray("C") + which};
        case 'C':
            m_showNet = false;
            break;
        case 'D':
            m_showNet = true;
            break;
        case 'E':
            m_tare = grossWeight();
            break;
        case 'F':
            m_tare = 0;
            break;
        case 'G':
            m_zeroOffset = rawWeight();
            break;
        case 'H':
            m_zeroOffset = 0;
            break;
        case 'I':
            m_lastWeighing = netWeight();
            accumulate(m_lastWeighing);
            break;
        case 'J':
            m_accumulations[m_currentProduct] = Accumulation();
            break;
        case 'K':
            m_accumulations.fill(Accumulation());
            break;
        default:
            break;
    }
    return {};
}

QByteArray Indicator::liveData(char kind) const {
    switch (kind) {
        case 'A':
            return weightText(grossWeight(), 6);
        case 'B':
            return weightText(netWeight(), 6);
        case 'C':
            return weightText(m_tare, 6);
        case 'D':
            return status1();
        case 'E':
            return status2();
        case 'F':
            return status3();
        case 'G':
            return status4();
        case 'H':
            return Digits(accumulationCount(), 6);
        case 'I':
            return weightText(accumulatedValue(), 9);
        case 'J':
            return Digits(accumulationCount(), 6) + ',' + weightText(accumulatedValue(), 9);
        case 'K':
            return weightText(m_lastWeighing, 6);
        default:
            return QByteArray();
    }
}

// Hold, zero error, stable, tare in use, net shown, rear LOCK, and on the F805 the soft LOCK.
QByteArray Indicator::status1() const {
    const CyclePhase phase = cycle().phase;
    QByteArray s;
    s += '0';
    s += '0';
    s += Bit(m_platformOn ? settled() && !m_calibration
                          : phase == CyclePhase::Empty || phase == CyclePhase::Complete);
    s += Bit(m_tare != 0);
    s += Bit(m_showNet);
    s += '0';
    if (m_model == SimModel::F805) s += Bit(settingDigit("90", 5) == 1);
    return s;
}

// Large, medium and small feed, under, OK, over, complete.
QByteArray Indicator::status2() const {
    const CyclePoint p = cycle();
    const qint64 final = target();
    QByteArray s(7, '0');
    if (p.phase == CyclePhase::Filling) {
        s[0] = Bit(p.fill < final - productInt(0));
        s[1] = Bit(p.fill < final - productInt(1));
        s[2] = Bit(p.fill < final - productInt(5));
    } else if (p.phase == CyclePhase::Complete) {
        const bool under = p.fill < final - productInt(4);
        const bool over = p.fill > final + productInt(3);
        s[3] = Bit(under);
        s[4] = Bit(!under && !over);
        s[5] = Bit(over);
        s[6] = '1';
    }
    return s;
}

// Near zero, lower limit, upper limit, discharge.
QByteArray Indicator::status3() const {
    const qint64 net = netWeight();
    const qint64 band = settingInt(m_model == SimModel::F805 ? "25" : "24");
    QByteArray s;
    s += Bit(net >= -band && net <= band);
    s += Bit(net < settingInt("23"));
    s += Bit(net > settingInt("22"));
    s += Bit(cycle().phase == CyclePhase::Discharge);
    return s;
}

// Weight error, error, operating mode, overflow and two error digits.
QByteArray Indicator::status4() const {
    const CyclePhase phase = cycle().phase;
    char mode = !m_platformOn && (phase == CyclePhase::Filling || phase == CyclePhase::Complete)
                    ? '1'
                    : '0';
    if (m_calibration && m_timeMs < m_calibrationEndMs) mode = m_calibration == 'A' ? '2' : '3';
    const bool f805 = m_model == SimModel::F805;
    char overflow = '0';
    if (grossWeight() > settingInt(f805 ? "64" : "44"))
        overflow = '1';
    else if (netWeight() > settingInt(f805 ? "63" : "43"))
        overflow = '2';
    QByteArray s("00");
    s += mode;
    s += overflow;
    s += m_calibrationError;
    s += '0';
    return s;
}

// Sign and `digits` digits, with the decimal point of the decimal point setting.
QByteArray Indicator::weightText(qint64 value, int digits) const {
    qint64 limit = 1;
    for (int i = 0; i < digits; ++i) limit *= 10;
    QByteArray text = Digits(std::min(value < 0 ? -value : value, limit - 1), digits);
    const int d = decimals();
    if (d > 0) text.insert(text.size() - d, '.');
    return (value < 0 ? "-" : "+") + text;
}
