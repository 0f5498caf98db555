#pragma once
#include "app/program.h"

namespace tabrino {

void wireTeamEvents(Program& p);  // goals, names, fouls, cards
void wireTimeouts(Program& p);    // time-outs and the possession count

}  // namespace tabrino
