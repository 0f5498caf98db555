#pragma once
// Registration of the shoot-out board and of the end-of-match screen.
#include "app/program.h"

namespace tabrino {

void wirePenales(Program& p);
void wireFinPartido(Program& p);

}  // namespace tabrino
