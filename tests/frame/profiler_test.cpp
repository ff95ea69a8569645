#include <gtest/gtest.h>

#include "frame/profiler.h"

namespace {

// A profiler on a clock the test moves by hand, one tick a microsecond.
class ProfilerTest : public ::testing::Test {
protected:
    std::int64_t now = 5'000'000;
    Profiler p{[this] { return now; }, 1'000'000};

    void advanceMs(double ms) { now += std::int64_t(ms * 1000); }
    float stopAveraged(const char* name, double ms)
    {
        p.startTimer(name);
        advanceMs(ms);
        return p.stopTimerAveraged(name).average;
    }
};

TEST_F(ProfilerTest, TimersMeasureFromTheirStartOrFromTheOrigin)
{
    p.startTimer("update");
    advanceMs(2.5);
    EXPECT_DOUBLE_EQ(p.stopTimer("update"), 0.0025);
    EXPECT_FALSE(p.isTimerRunning("update"));
    // A timer never started counts from the origin and leaves no entry.
    EXPECT_DOUBLE_EQ(p.stopTimer("never"), 5.0025);
    EXPECT_FALSE(p.isTimerRunning("never"));

    // An averaged stop without a record throws and erases the start.
    p.startTimer("render2");
    EXPECT_THROW(p.stopTimerAveraged("render2"), std::out_of_range);
    EXPECT_FALSE(p.isTimerRunning("render2"));
}

TEST_F(ProfilerTest, RollingAveragesFollowTheirWindow)
{
    p.addAveragedTimer("advance", 1);
    EXPECT_NEAR(stopAveraged("advance", 1), 0.001, 1e-7);
    EXPECT_NEAR(stopAveraged("advance", 4), 0.004, 1e-7);

    p.addAveragedTimer("render1", 3);
    EXPECT_NEAR(stopAveraged("render1", 1), 0.001, 1e-7);
    EXPECT_NEAR(stopAveraged("render1", 2), 0.0015, 1e-7);
    EXPECT_NEAR(stopAveraged("render1", 4), 0.007 / 3, 1e-7);
    EXPECT_NEAR(stopAveraged("render1", 8), 0.014 / 3, 1e-7);

    // Re-adding resets the record.
    p.addAveragedTimer("render1", 3);
    EXPECT_NEAR(stopAveraged("render1", 3), 0.003, 1e-7);
}

TEST_F(ProfilerTest, SectionsAccumulateAndLapsMeasureFromTheLastLap)
{
    for (double ms : {1.0, 2.0, 3.0}) {
        beginSection("grid");
        advanceMs(ms);
        endSection("grid");
    }
    const auto& total = p.sections().at("grid");
    EXPECT_EQ(total.count, 3);
    EXPECT_NEAR(total.totalSeconds, 0.006, 1e-9);

    // Laps measure from the last lap.
    std::int64_t lap = now;
    advanceMs(10);
    EXPECT_NEAR(p.lapSeconds(lap), 0.010f, 1e-6);
    advanceMs(5);
    EXPECT_NEAR(p.lapSeconds(lap), 0.005f, 1e-6);
}

}
