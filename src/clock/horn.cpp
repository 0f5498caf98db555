// The horn picture: sounds the buzzer and stops the clock if it runs.
#include "app/procedures.h"
#include "clock/match_flow.h"

namespace tabrino {

namespace {

void paintClockWhite(Window& w) {
    for (const char* n : {"a", "Label6", "b"})
        if (Element* e = w.find(n)) e->setColor(colors::white);
}

}  // namespace

void Image1_Click(Program& p) {
    Window& f = p.form1();
    if (p.timer1.enabled()) {
        p.timer1.setEnabled(false);
        paintClockWhite(f);
        // The public clock turns white with ours; a mirror not yet created has nothing to paint.
        if (Window* mirror = p.existing("clontabrino")) paintClockWhite(*mirror);
    }
    p.play(Cue::Timbre);
    if (p.castigolocal1 != flag::activo) {
        f["Image5"].setEnabled(true);
        f["Image6"].setEnabled(true);
    }
    if (p.castigovisita1 != flag::activo) {
        f["Image4"].setEnabled(true);
        f["Image7"].setEnabled(true);
    }
}

void wireHorn(Program& p) {
    p.handle("Form1", "Image1_Click", [&p] { Image1_Click(p); });
}

}  // namespace tabrino
