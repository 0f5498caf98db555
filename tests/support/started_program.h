#pragma once
// The one fixture the logic tests share: a started program on fake services,
// driven the way the operator and the passing time drive it.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "script/drive.h"

namespace tabrino::test {

struct StartedProgram {
    FakeServices fake;
    Program p;
    Window* f = nullptr;

    // Questions go to the fake dialogs unless other dialogs are given. Public
    // windows are shown only on a screen of their own: tests of them ask for
    // an operator's screen and the public's.
    explicit StartedProgram(Dialogs* dialogs = nullptr, bool publicScreen = false) : p(servicesWith(fake, dialogs)) {
        if (publicScreen) fake.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        p.setStrict(true);
        p.start();
        f = &p.form1();
    }

    Element& el(const std::string& name) { return (*f)[name]; }
    std::string text(const std::string& name) { return el(name).text(); }
    void click(Window& w, const std::string& name) { clickCentre(p, w, name); }
    void dblclick(Window& w, const std::string& name) { clickCentre(p, w, name, true); }
    void click(const std::string& name) { click(*f, name); }
    void dblclick(const std::string& name) { dblclick(*f, name); }
    void wait(int seconds) { passSeconds(p, fake.clock, seconds); }
    // The game clock as the public reads it, "mm:ss".
    std::string clock() { return el("a").text() + ":" + el("b").text(); }
    int played(const char* file) const { return fake.sounds.played(file); }
    // "absent", "hidden" or "shown".
    std::string shown(const std::string& window) {
        Window* w = p.existing(window);
        return !w ? "absent" : w->shown() ? "shown" : "hidden";
    }

private:
    static Services servicesWith(FakeServices& fake, Dialogs* d) {
        Services s = fake.services();
        return d ? Services{*d, s.sounds, s.monitors, s.process, s.clock} : s;
    }
};

// The same as a GoogleTest fixture.
struct StartedTest : ::testing::Test, StartedProgram {};

// With a public screen beside the operator's.
struct TwoScreenTest : ::testing::Test, StartedProgram {
    TwoScreenTest() : StartedProgram(nullptr, true) {}
};

}  // namespace tabrino::test
