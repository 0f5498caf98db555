#pragma once
// The shared started program, with helpers for windows other than the
// operator window; clicks go through hit-testing as the operator's do.
#include <string>

#include "app/procedures.h"
#include "support/started_program.h"

namespace tabrino::testing {

struct Scoreboard : test::TwoScreenTest {
    using StartedProgram::click;
    Window& form1() { return p.form1(); }
    Element& at(const std::string& window, const std::string& element) { return p.win(window)[element]; }
    // A click at the centre of the element's box, routed to whatever lies
    // in front there.
    void click(const std::string& window, const std::string& element) { click(p.win(window), element); }
    void goals(const std::string& local, const std::string& visita) {
        form1()["gollocal"].setText(local);
        form1()["golvisita"].setText(visita);
    }
    void names(const std::string& local, const std::string& visita) {
        form1()["equipolocal"].setText(local);
        form1()["equipovisita"].setText(visita);
    }
    bool shown(const std::string& window) { return StartedProgram::shown(window) == "shown"; }
};

}  // namespace tabrino::testing
