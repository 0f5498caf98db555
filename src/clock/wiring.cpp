#include "app/procedures.h"
#include "clock/wiring.h"

namespace tabrino {

void wireClock(Program& p) {
    p.onTimer("Timer1", [&p] { Timer1_Timer(p); });
    wireClockControl(p);
    wireMatchFlow(p);
}

}  // namespace tabrino
