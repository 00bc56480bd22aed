#pragma once
// The text of a progress bar: the phase, the amount and the time left, e.g.
// "Export Song 003 — 12.4 of 39.4 MB — 1:32 left". The time left comes from
// the rate since the phase's first progress (or since its amount last went
// back) and is shown once a few seconds have passed, when the rate means
// something.
#include <QString>

#include <cstdint>
#include <functional>

// How a progress text counts: bytes of a song, or percent of a whole
// firmware update.
enum class ProgressUnit { Bytes, Percent };

// Between the parts of a progress text: " — ".
extern const QString kProgressSeparator;
// A megabyte as the song list counts it.
constexpr double kBytesPerMB = 1048576.0;

// "1:05", or "1:02:05" from an hour on.
QString DurationText(int64_t seconds);

class CProgressMeter {
public:
    // Milliseconds of a steady clock; tests give their own.
    using Clock = std::function<int64_t()>;
    explicit CProgressMeter(Clock clock = {});

    void SetPhase(const QString& phase, ProgressUnit unit = ProgressUnit::Bytes);
    // The next part of the same run, e.g. "Backup Song 003 (2 of 5)": a new
    // name, while the amount and the rate go on.
    void NamePart(const QString& part) { m_phase = part; }
    const QString& Phase() const { return m_phase; }
    // The text for current of total in the phase's unit.
    QString Text(int64_t current, int64_t total);

private:
    QString Amount(int64_t current, int64_t total) const;
    QString TimeLeft(int64_t current, int64_t total) const;
    void Restart(int64_t amount);

    Clock m_clock;
    QString m_phase;
    ProgressUnit m_unit = ProgressUnit::Bytes;
    int64_t m_startMs = 0;
    int64_t m_startAmount = 0;
    int64_t m_last = 0;
    int64_t m_total = 0;
};
