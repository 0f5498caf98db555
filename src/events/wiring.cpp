#include "app/procedures.h"
#include "events/wiring.h"

namespace tabrino {

void wireEvents(Program& p) {
    wireTeamEvents(p);
    wireTimeouts(p);
}

}  // namespace tabrino
