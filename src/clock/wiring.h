#pragma once
#include "app/program.h"

namespace tabrino {

void wireClockControl(Program& p);  // clock_control.cpp
// Series field, period end, horn, match reset and exit.
void wireMatchFlow(Program& p);

}  // namespace tabrino
