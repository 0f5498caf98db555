#pragma once
// The shared started program, with the clock helpers of the time-out tests.
#include <gtest/gtest.h>

#include "support/started_program.h"

namespace tabrino {

struct Scoreboard : test::TwoScreenTest {
    // Sets the clock while stopped, starts it (the clock click) and lets one
    // second run, so the reading is the one a tick left: mm:ss - 1 s.
    void playFrom(const char* a, const char* b) {
        el("a").setText(a);
        el("b").setText(b);
        click("a");
        wait(1);
    }
    void stopClock() {
        ASSERT_TRUE(p.timer1.enabled());
        click("a");
    }
};

}  // namespace tabrino
