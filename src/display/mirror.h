#pragma once
#include "app/program.h"

namespace tabrino {

// The close cross of the scoreboard mirror: switches the mirror off.
void clontabrino_finmiuto_Click(Program& p);

}  // namespace tabrino
