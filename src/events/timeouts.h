#pragma once
// Time-outs: taking, reserving, giving back and cancelling a minute, and
// the time-out window's own countdown.
#include "app/program.h"

namespace tabrino {

// The time-out window's one-second tick.
void Timer3_Timer(Program& p);

}  // namespace tabrino
