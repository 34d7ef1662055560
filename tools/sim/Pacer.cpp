#include "Pacer.h"

#include <algorithm>

void Pacer::received(const QByteArray& bytes, qint64 now) {
    for (char c : bytes) {
        const qint64 at = m_s.charNs > 0 ? std::max(now, m_lastArrival) + m_s.charNs : now;
        m_lastArrival = at;
        m_in.push_back({c, at});
        if (c == '\r' || c == '\n') m_ends.push_back(at);
    }
}

bool Pacer::takeRequest(qint64 now, QByteArray* line, qint64* arrivedAt) {
    while (!m_in.empty() && m_in.front().at <= now) {
        const InChar ch = m_in.front();
        m_in.pop_front();
        if (ch.c != '\r' && ch.c != '\n') {
            if (m_line.size() < kMaxRequest)
                m_line += ch.c;
            else
                m_overlong = true;
            continue;
        }
        m_ends.pop_front();
        const bool usable = !m_line.isEmpty() && !m_overlong;
        *line = m_line;
        *arrivedAt = ch.at;
        m_line.clear();
        m_overlong = false;
        if (usable) return true;
    }
    return false;
}

void Pacer::send(const QByteArray& data, qint64 arrivedAt) {
    if (!data.isEmpty()) m_out.push_back({data, arrivedAt + m_s.delayNs});
}

qint64 Pacer::outputDue() const {
    if (m_out.empty()) return -1;
    const Chunk& c = m_out.front();
    if (m_s.trickleNs > 0)
        return m_sentAny ? std::max(c.notBefore, m_lastSent + m_s.trickleNs) : c.notBefore;
    if (m_s.charNs > 0) return std::max(c.notBefore, m_lineFree) + m_s.charNs * dueCharacters();
    return c.notBefore;
}

qsizetype Pacer::dueCharacters() const {
    const Chunk& c = m_out.front();
    if (!m_s.packLines) return 1;
    const qsizetype end = c.data.indexOf('\n', c.pos);
    return (end < 0 ? c.data.size() : end + 1) - c.pos;
}

QByteArray Pacer::takeOutput(qint64 now) {
    QByteArray out;
    for (qint64 due = outputDue(); due >= 0 && due <= now; due = outputDue()) {
        Chunk& c = m_out.front();
        if (m_s.trickleNs > 0) {
            out += c.data.at(c.pos++);
            m_lastSent = now;
            m_sentAny = true;
        } else if (m_s.charNs > 0) {
            const qsizetype n = dueCharacters();
            out += c.data.mid(c.pos, n);
            c.pos += n;
            m_lineFree = due;
        } else {
            out += c.data.mid(c.pos);
            c.pos = c.data.size();
        }
        if (c.pos >= c.data.size()) m_out.pop_front();
        if (m_s.trickleNs > 0) break;
    }
    return out;
}

qint64 Pacer::nextDue() const {
    const qint64 out = outputDue();
    const qint64 in = m_ends.empty() ? -1 : m_ends.front();
    if (out < 0) return in;
    if (in < 0) return out;
    return std::min(in, out);
}

void Pacer::clear() {
    m_in.clear();
    m_ends.clear();
    m_line.clear();
    m_overlong = false;
    m_out.clear();
}
