#pragma once
// The possession count's restart and the possession window's close icon.
// The per-second step itself belongs to the game-clock tick.
#include "app/program.h"

namespace tabrino {

void wirePossession(Program& p);

}  // namespace tabrino
