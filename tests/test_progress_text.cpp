// The progress bar's text: phase, amount and the time left from the rate so far.
#include "ProgressMeter.h"

#include <gtest/gtest.h>

namespace {
const QString kDash = QStringLiteral(" \u2014 ");
constexpr int64_t kMB = 1048576;
}  // namespace

TEST(ProgressText, TheTimeLeftComesFromTheRateSinceTheFirstProgress)
{
    int64_t now = 1000;
    CProgressMeter meter([&] { return now; });
    meter.SetPhase("Export Song 003");
    const int64_t total = int64_t(39.4 * kMB);
    // Ten seconds of conversion before the first chunk say nothing of the transfer's rate.
    now += 10000;
    EXPECT_EQ(meter.Text(int64_t(1.0 * kMB), total), "Export Song 003" + kDash + "1.0 of 39.4 MB");
    now += 2000;
    EXPECT_EQ(meter.Text(int64_t(2.0 * kMB), total), "Export Song 003" + kDash + "2.0 of 39.4 MB")
        << "no time left before a few seconds have passed";
    // 11.4 MB in 40 s: the other 27 MB take 95 s more.
    now = 11000 + 40000;
    EXPECT_EQ(meter.Text(int64_t(12.4 * kMB), total), "Export Song 003" + kDash + "12.4 of 39.4 MB" + kDash + "1:35 left");
    now += 3600 * 1000;
    EXPECT_EQ(meter.Text(int64_t(12.5 * kMB), total), "Export Song 003" + kDash + "12.5 of 39.4 MB" + kDash + "2:21:54 left")
        << "hours once the rate drops";
    EXPECT_EQ(meter.Text(total, total), "Export Song 003" + kDash + "39.4 of 39.4 MB") << "nothing left at the end";
}

TEST(ProgressText, ANewRunOfTheAmountStartsItsRateAnew)
{
    int64_t now = 0;
    CProgressMeter meter([&] { return now; });
    meter.SetPhase({}, ProgressUnit::Percent);
    EXPECT_EQ(meter.Text(10, 100), "10%");
    now = 10000;
    EXPECT_EQ(meter.Text(50, 100), "50%" + kDash + "0:13 left");
    // The next song of a backup: the old rate says nothing of it.
    meter.SetPhase("Backup Song 002");
    now = 11000;
    EXPECT_EQ(meter.Text(kMB, 4 * kMB), "Backup Song 002" + kDash + "1.0 of 4.0 MB");
    now = 14000;
    EXPECT_EQ(meter.Text(2 * kMB, 4 * kMB), "Backup Song 002" + kDash + "2.0 of 4.0 MB" + kDash + "0:06 left");
    now = 20000;
    EXPECT_EQ(meter.Text(kMB / 2, 4 * kMB), "Backup Song 002" + kDash + "0.5 of 4.0 MB")
        << "an amount that went back restarts the rate";
}
