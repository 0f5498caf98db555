#pragma once
// The shared started program, with the helpers of the team-event tests.
#include <gtest/gtest.h>

#include <string>

#include "support/started_program.h"

namespace tabrino {

// A pointer click (or double click) at the centre of an operator-window element.
inline void clickOn(Program& p, const std::string& name, bool dbl = false) { clickCentre(p, p.form1(), name, dbl); }

// The clock set to some minutes, started and stopped again, as before a
// card: the match is under way and the card pictures are enabled.
inline void startAndStop(test::StartedProgram& s, const char* minutes = "10") {
    s.el("a").setText(minutes);
    s.click("a");
    s.click("a");
}

// A fresh program of its own, for tables whose cases must not share a match.
struct Session : test::StartedProgram {
    void startAndStop(const char* minutes = "10") { tabrino::startAndStop(*this, minutes); }
};

struct TeamEvents : test::StartedTest {
    void TearDown() override { EXPECT_TRUE(fake.dialogs.queue.empty()) << "an answer was never asked for"; }
    void startAndStop(const char* minutes = "10") { tabrino::startAndStop(*this, minutes); }
    void toggleClock() { click("a"); }
    std::string reading(const char* minutes, const char* seconds) {
        return el(minutes).text() + ":" + el(seconds).text();
    }
};

}  // namespace tabrino
