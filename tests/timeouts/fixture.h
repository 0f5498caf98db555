#pragma once
// A started program with fake services, driven the way the operator does:
// pointer clicks at the centre of an element, seconds of virtual time.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"

namespace tabrino {

struct Scoreboard : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    Window* f = nullptr;

    void SetUp() override {
        p.setStrict(true);
        p.start();
        f = &p.form1();
    }
    Element& el(const char* name) { return (*f)[name]; }
    static void centre(Element& e, float& x, float& y) {
        Rect r = e.absoluteGeometry();
        x = r.left + r.width / 2;
        y = r.top + r.height / 2;
    }
    void click(Window& w, const char* name) {
        float x, y;
        centre(w[name], x, y);
        p.clickAt(w, x, y);
    }
    void dblclick(Window& w, const char* name) {
        float x, y;
        centre(w[name], x, y);
        p.dblClickAt(w, x, y);
    }
    void click(const char* name) { click(*f, name); }
    void dblclick(const char* name) { dblclick(*f, name); }
    void wait(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            fake.clock.now += 1000;
            p.runDueTimers();
        }
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
