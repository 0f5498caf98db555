#pragma once
// A started program with fake services, driven the way the operator drives it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {

inline void PrintTo(Answer a, std::ostream* os) { *os << (a == Answer::Yes ? "yes" : a == Answer::No ? "no" : "ok"); }

struct Desk {
    FakeServices fake;
    Program p;
    Window* f = nullptr;

    // Questions go to the fake dialogs unless other dialogs are given.
    explicit Desk(Dialogs* dialogs = nullptr) : p(servicesWith(dialogs)) {
        p.setStrict(true);
        p.start();
        f = &p.form1();
    }
    Services servicesWith(Dialogs* d) {
        Services s = fake.services();
        return d ? Services{*d, s.sounds, s.monitors, s.process, s.clock} : s;
    }

    Element& el(const char* name) { return (*f)[name]; }
    void click(const char* name) {
        clickCentre(p, *f, name);
    }
    void dblclick(const char* name) {
        clickCentre(p, *f, name, true);
    }
    // Picking a list item sets the text without a Change and fires Click.
    void pick(const std::string& item) {
        el("tramos").setTextSilently(item);
        p.fire(el("tramos"), Event::Click);
    }
    void type(const std::string& text) { el("tramos").setText(text); }
    void wait(int seconds) {
        passSeconds(p, fake.clock, seconds);
    }
    // Starts the clock and lets it run until it stops (at most an hour).
    void playToTheEnd() {
        click("a");
        ASSERT_TRUE(p.timer1.enabled()) << "the clock did not start at " << clock();
        for (int i = 0; i < 3600 && p.timer1.enabled(); ++i) wait(1);
        ASSERT_FALSE(p.timer1.enabled());
    }
    std::string clock() { return el("a").text() + ":" + el("b").text(); }
    std::string text(const char* name) { return el(name).text(); }
    int played(const char* file) const { return fake.sounds.played(file); }
};

struct MatchFixture : ::testing::Test, Desk {};

}  // namespace tabrino
