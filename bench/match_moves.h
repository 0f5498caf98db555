#pragma once
// The operator's moves that put a match into the state a figure is taken
// in: clock running, mirror on, suspensions on the board. Pointer clicks at
// the element's centre, so they go through the same hit test as a real one.
#include <initializer_list>
#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"

namespace tabrino::bench {

inline void clickOn(Program& p, Window& w, const std::string& name) {
    const Rect r = w[name].absoluteGeometry();
    p.clickAt(w, r.left + r.width / 2, r.top + r.height / 2);
}

// Sets the minutes and starts the game clock.
inline void startClock(Program& p, const char* minutes) {
    Window& f = p.form1();
    f["a"].setText(minutes);
    f["b"].setText("00");
    clickOn(p, f, "a");
}

// Ticks the mirror box of the settings window (needs a second monitor).
inline void mirrorOn(Program& p) {
    clickOn(p, p.form1(), "config");
    p.win("configuracion")["Check3"].setChecked(true);
    p.unload("configuracion");
}

// A blue and a red card on each side: both slots of both sides running.
// Cards are given with the clock stopped after it has run, so the clock
// (running) is stopped for them and started again.
// With fake dialogs, the Yes to "add a second player?" is queued here;
// without (nullptr), the program's dialogs must answer Yes themselves.
inline void fourSuspensions(Program& p, FakeDialogs* dialogs) {
    Window& f = p.form1();
    clickOn(p, f, "a");
    for (const char* card : {"Image5", "Image6", "Image4", "Image7"}) {
        if (dialogs) dialogs->answer(Answer::Yes);
        clickOn(p, f, card);
    }
    if (dialogs) dialogs->queue.clear();
    clickOn(p, f, "a");
}

// Sets every suspension clock back to the given minutes, so a long run
// never sees them expire.
inline void holdSuspensions(Program& p, const char* minutes) {
    Window& f = p.form1();
    for (const char* n : {"c", "c2", "e", "e2"}) f[n].setText(minutes);
}

}  // namespace tabrino::bench
