#pragma once
// Drives a program on fake services the way the operator and the passing
// time do: pointer clicks at the centre of an element, whole seconds on the
// fake clock with every timer that falls due run.
#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"

namespace tabrino {

void clickCentre(Program& p, Window& w, const std::string& element, bool dbl = false);
void passSeconds(Program& p, FakeClock& clock, int seconds);

}  // namespace tabrino
