#pragma once
// One step of a minutes:seconds countdown, as the game clock and the
// suspension clocks take it.
#include "form/element.h"

namespace tabrino {

// Rollover half: at "00" seconds the seconds become "59" and a minute goes.
// Returns true when the minutes rolled over in this step.
bool rollOver(Element& minutes, Element& seconds);
// Seconds half: at 10 or less the seconds go down in two digits; above 10
// they go down only if the minutes did not roll over in this step.
void stepSeconds(Element& seconds, bool rolledOver);

}  // namespace tabrino
