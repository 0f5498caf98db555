#include "events/possession.h"
#include "events/timeouts.h"
#include "events/wiring.h"

namespace tabrino {

void wireTimeouts(Program& p) {
    wireTimeoutHandlers(p);
    wirePossession(p);
}

}  // namespace tabrino
