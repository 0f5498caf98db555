#include "script/drive.h"

namespace tabrino {

void clickCentre(Program& p, Window& w, const std::string& element, bool dbl) {
    const Rect r = w[element].absoluteGeometry();
    const float x = r.left + r.width / 2, y = r.top + r.height / 2;
    if (dbl)
        p.dblClickAt(w, x, y);
    else
        p.clickAt(w, x, y);
}

void passSeconds(Program& p, FakeClock& clock, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        clock.now += 1000;
        p.runDueTimers();
    }
}

}  // namespace tabrino
