#pragma once
// A started program with fake services, driven through pointer clicks on
// the operator window as the operator drives it.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {

// A pointer click (or double click) at the centre of an operator-window element.
inline void clickOn(Program& p, const std::string& name, bool dbl = false) { clickCentre(p, p.form1(), name, dbl); }

// A fresh program of its own, for tables whose cases must not share a match.
struct Session {
    FakeServices fake;
    Program p{fake.services()};
    Session() {
        p.setStrict(true);
        p.start();
    }
    Element& el(const std::string& name) { return p.form1()[name]; }
    void click(const std::string& name) { clickOn(p, name); }
    // As TeamEvents::startAndStop.
    void startAndStop(const char* minutes = "10") {
        el("a").setText(minutes);
        click("a");
        click("a");
    }
};

struct TeamEvents : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    Window* f = nullptr;

    void SetUp() override {
        p.setStrict(true);
        p.start();
        f = &p.form1();
    }
    void TearDown() override { EXPECT_TRUE(fake.dialogs.queue.empty()) << "an answer was never asked for"; }

    Element& el(const std::string& name) { return (*f)[name]; }
    void click(const std::string& name) { clickOn(p, name); }
    void dblclick(const std::string& name) { clickOn(p, name, true); }
    void wait(int seconds) {
        passSeconds(p, fake.clock, seconds);
    }
    // The clock set to some minutes, started and stopped again, as before a
    // card: the match is under way and the card pictures are enabled.
    void startAndStop(const char* minutes = "10") {
        el("a").setText(minutes);
        click("a");
        click("a");
    }
    void toggleClock() { click("a"); }
    std::string reading(const char* minutes, const char* seconds) {
        return el(minutes).text() + ":" + el(seconds).text();
    }
};

}  // namespace tabrino
