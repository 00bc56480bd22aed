#include "ProgressMeter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

const QString kProgressSeparator = QStringLiteral(" \u2014 ");

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgressMeter)
};

constexpr int64_t kRateAfterMs = 3000;

int64_t SteadyMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

QString Duration(int64_t seconds)
{
    const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    return h > 0 ? QString::asprintf("%lld:%02lld:%02lld", (long long)h, (long long)m, (long long)s)
                 : QString::asprintf("%lld:%02lld", (long long)m, (long long)s);
}
}  // namespace

CProgressMeter::CProgressMeter(Clock clock) : m_clock(clock ? std::move(clock) : Clock(SteadyMs)) {}

void CProgressMeter::SetPhase(const QString& phase, ProgressUnit unit)
{
    m_phase = phase;
    m_unit = unit;
    m_total = 0;
    Restart(0);
}

void CProgressMeter::Restart(int64_t amount)
{
    m_startMs = m_clock();
    m_startAmount = amount;
    m_last = amount;
}

QString CProgressMeter::Text(int64_t current, int64_t total)
{
    // The rate starts at the phase's first event (what ran before it, a
    // conversion, is no measure of the transfer); a new total or an amount
    // that went back is a new run whose rate starts anew.
    if (total != m_total || current < m_last) {
        Restart(current);
        m_total = total;
    }
    m_last = current;
    QString text = m_phase.isEmpty() ? Amount(current, total) : m_phase + kProgressSeparator + Amount(current, total);
    const QString left = TimeLeft(current, total);
    return left.isEmpty() ? text : text + kProgressSeparator + left;
}

QString CProgressMeter::Amount(int64_t current, int64_t total) const
{
    if (m_unit == ProgressUnit::Percent)
        return QStringLiteral("%1%").arg(total > 0 ? current * 100 / total : 0);
    return Text::tr("%1 of %2 MB")
        .arg(double(current) / kBytesPerMB, 0, 'f', 1)
        .arg(double(total) / kBytesPerMB, 0, 'f', 1);
}

QString CProgressMeter::TimeLeft(int64_t current, int64_t total) const
{
    const int64_t elapsed = m_clock() - m_startMs;
    const int64_t done = current - m_startAmount;
    if (elapsed < kRateAfterMs || done <= 0 || current >= total)
        return {};
    const double msPerUnit = double(elapsed) / double(done);
    return Text::tr("%1 left").arg(Duration(int64_t(msPerUnit * double(total - current) / 1000.0 + 0.5)));
}
