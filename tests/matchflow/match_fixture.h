#pragma once
// The shared started program, with the series list and the whole-match
// helpers of the match-flow tests.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/started_program.h"

namespace tabrino {

inline void PrintTo(Answer a, std::ostream* os) { *os << (a == Answer::Yes ? "yes" : a == Answer::No ? "no" : "ok"); }

struct Desk : test::StartedProgram {
    using StartedProgram::StartedProgram;
    // Picking a list item sets the text without a Change and fires Click.
    void pick(const std::string& item) {
        el("tramos").setTextSilently(item);
        p.fire(el("tramos"), Event::Click);
    }
    void type(const std::string& text) { el("tramos").setText(text); }
    // Starts the clock and lets it run until it stops (at most an hour).
    void playToTheEnd() {
        click("a");
        ASSERT_TRUE(p.timer1.enabled()) << "the clock did not start at " << clock();
        for (int i = 0; i < 3600 && p.timer1.enabled(); ++i) wait(1);
        ASSERT_FALSE(p.timer1.enabled());
    }
};

struct MatchFixture : ::testing::Test, Desk {};

}  // namespace tabrino
