#pragma once
// A started program with fake services, and pointer helpers that go
// through hit-testing as the operator's clicks do.
#include <gtest/gtest.h>

#include <string>

#include "app/procedures.h"
#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino::testing {

struct Scoreboard : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};

    void SetUp() override {
        // An operator's screen and the public's: public windows are shown
        // only on a screen of their own.
        fake.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        p.setStrict(true);
        p.start();
    }
    Window& form1() { return p.form1(); }
    Element& at(const std::string& window, const std::string& element) { return p.win(window)[element]; }
    // A click at the centre of the element's box, routed to whatever lies
    // in front there.
    void click(const std::string& window, const std::string& element) {
        clickCentre(p, p.win(window), element);
    }
    void wait(int seconds) {
        passSeconds(p, fake.clock, seconds);
    }
    void goals(const std::string& local, const std::string& visita) {
        form1()["gollocal"].setText(local);
        form1()["golvisita"].setText(visita);
    }
    void names(const std::string& local, const std::string& visita) {
        form1()["equipolocal"].setText(local);
        form1()["equipovisita"].setText(visita);
    }
    bool shown(const std::string& window) {
        Window* w = p.existing(window);
        return w && w->shown();
    }
};

}  // namespace tabrino::testing
