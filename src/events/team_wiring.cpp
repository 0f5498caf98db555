#include "events/team_events.h"
#include "events/wiring.h"

namespace tabrino {

void wireTeamEvents(Program& p) {
    wireGoalsAndNames(p);
    wireFouls(p);
    wireCards(p);
}

}  // namespace tabrino
