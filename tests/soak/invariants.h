#pragma once
// The invariants of a sound match, checked after every operator action.
#include <string>

#include "app/program.h"

namespace tabrino::soak {

// Empty when every invariant holds, else what broke. `mirrorMayLag`: the
// action was one that by design leaves the mirror for the next refresh
// (text typed into the series field); that refresh is taken before the
// mirror is compared.
std::string broken(Program& p, bool mirrorMayLag);

}  // namespace tabrino::soak
