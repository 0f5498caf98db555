#pragma once
// A started program with fake services, driven the way the operator does:
// pointer clicks at the centre of an element, seconds of virtual time.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {

struct Scoreboard : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    Window* f = nullptr;

    void SetUp() override {
        // An operator's screen and the public's: public windows are shown
        // only on a screen of their own.
        fake.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        p.setStrict(true);
        p.start();
        f = &p.form1();
    }
    Element& el(const char* name) { return (*f)[name]; }
    void click(Window& w, const char* name) { clickCentre(p, w, name); }
    void dblclick(Window& w, const char* name) { clickCentre(p, w, name, true); }
    void click(const char* name) { click(*f, name); }
    void dblclick(const char* name) { dblclick(*f, name); }
    void wait(int seconds) {
        passSeconds(p, fake.clock, seconds);
    }
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
    int played(const char* file) const { return fake.sounds.played(file); }
    std::string shown(const char* window) {
        Window* w = p.existing(window);
        return !w ? "absent" : w->shown() ? "shown" : "hidden";
    }
};

}  // namespace tabrino
