#pragma once

#include <QByteArray>
#include <deque>

// Timing of the simulated line, in nanoseconds of a monotonic clock.
struct PaceSettings {
    qint64 charNs = 0;     // line time of one character, both directions (0: no line timing)
    qint64 trickleNs = 0;  // reply characters go one per write with this gap (0: whole lines)
    qint64 delayNs = 0;    // from a request's arrival to the start of its reply
    // With a character time: each reply line leaves in one write once its last character has
    // crossed the line, as a serial device server that packs up to a delimiter sends it.
    bool packLines = false;
};

// Splits received characters into request lines and schedules reply characters. With a
// character time, a request counts as arrived only when its last character would have arrived
// on a real line, and reply characters leave one per character time. The caller reads the
// line, hands received bytes in with the time they were read, and asks what is due.
class Pacer {
  public:
    static constexpr int kMaxRequest = 256;  // longer lines are dropped whole

    explicit Pacer(const PaceSettings& settings = PaceSettings()) : m_s(settings) {}

    void received(const QByteArray& bytes, qint64 now);

    // The next non-empty request line (CR or LF ends a line) that has arrived by `now`, and
    // the time it arrived. False when there is none.
    bool takeRequest(qint64 now, QByteArray* line, qint64* arrivedAt);

    // Queues reply text (terminators included) for a request that arrived at `arrivedAt`.
    void send(const QByteArray& data, qint64 arrivedAt);

    // Reply characters due by `now`; with a trickle gap at most one.
    QByteArray takeOutput(qint64 now);

    // Earliest time at which a request completes (its CR or LF arrives) or a reply character is
    // due; -1 for none.
    qint64 nextDue() const;

    bool idle() const { return m_in.empty() && m_out.empty() && m_line.isEmpty(); }

    // Forgets every received character and every reply not yet taken (the client went away).
    void clear();

  private:
    struct InChar {
        char c;
        qint64 at;
    };
    struct Chunk {
        QByteArray data;
        qint64 notBefore;
        qsizetype pos = 0;
    };
    qint64 outputDue() const;
    qsizetype dueCharacters() const;  // how many characters of the front chunk leave together

    PaceSettings m_s;
    std::deque<InChar> m_in;
    std::deque<qint64> m_ends;  // arrival times of the line ends in m_in
    QByteArray m_line;
    bool m_overlong = false;
    qint64 m_lastArrival = 0;
    std::deque<Chunk> m_out;
    qint64 m_lineFree = 0;  // line timing: when the line is free for the next reply character
    qint64 m_lastSent = 0;  // trickle: when the previous character was written
    bool m_sentAny = false;
};
