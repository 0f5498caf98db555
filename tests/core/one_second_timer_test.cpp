// The game clock's timer keeps true time across stoppages.
#include <gtest/gtest.h>

#include <random>

#include "platform/fake/fakes.h"
#include "platform/one_second_timer.h"

namespace tabrino {
namespace {

// Runs a 25-minute period with stops and starts at random moments, taking
// ticks as a program would (whenever its loop looks, here every 7 ms), and
// returns how far the played ticks are from the true running time.
double periodErrorSeconds(bool keepsPhase, int stops, unsigned seed) {
    FakeClock clock;
    OneSecondTimer t("Timer1", clock, keepsPhase);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> runFor(1000, 30000), pause(200, 20000);
    const std::int64_t period = 25 * 60 * 1000;
    std::int64_t ran = 0, ticks = 0;
    while (ticks * 1000 < period) {
        t.setEnabled(true);
        std::int64_t until = clock.now + (stops-- > 0 ? runFor(rng) : period);
        while (clock.now < until && ticks * 1000 < period) {
            clock.now += 7;
            ran += 7;
            while (t.isDue(clock.now)) {
                t.takeTick();
                ++ticks;
            }
        }
        t.setEnabled(false);
        clock.now += pause(rng);
    }
    return static_cast<double>(ran - ticks * 1000) / 1000.0;
}

TEST(OneSecondTimer, PeriodWithHundredStopsEndsOnTrueTime) {
    for (unsigned seed : {1u, 2u, 3u, 42u}) {
        double err = periodErrorSeconds(true, 100, seed);
        EXPECT_LT(std::abs(err), 0.1) << "seed " << seed;
        // A timer restarted from zero at each start loses about half a
        // second per stoppage.
        double lost = periodErrorSeconds(false, 100, seed);
        EXPECT_GT(lost, 30) << "seed " << seed;
    }
}

TEST(OneSecondTimer, TicksFollowTheAnchorNotTheFiringMoment) {
    FakeClock clock;
    OneSecondTimer t("Timer3", clock);
    clock.now = 500;
    t.setEnabled(true);
    EXPECT_EQ(*t.nextDueMs(), 1500);
    clock.now = 1540;  // taken 40 ms late
    ASSERT_TRUE(t.isDue(clock.now));
    t.takeTick();
    EXPECT_EQ(*t.nextDueMs(), 2500);  // not 2540
    clock.now = 5600;                 // a busy loop: three ticks owed, none lost
    int owed = 0;
    while (t.isDue(clock.now)) {
        t.takeTick();
        ++owed;
    }
    EXPECT_EQ(owed, 4);
}

TEST(OneSecondTimer, DroppedPhaseStartsAFreshSecond) {
    FakeClock clock;
    OneSecondTimer t("Timer1", clock, true);
    t.setEnabled(true);
    clock.now = 1600;
    t.takeTick();
    t.setEnabled(false);  // 600 ms into the second
    EXPECT_EQ(t.carriedMs(), 600);
    clock.now = 10000;
    t.setEnabled(true);
    EXPECT_EQ(*t.nextDueMs(), 10400);
    t.setEnabled(false);
    t.dropPhase();
    t.setEnabled(true);
    EXPECT_EQ(*t.nextDueMs(), 11000);
}

}  // namespace
}  // namespace tabrino
