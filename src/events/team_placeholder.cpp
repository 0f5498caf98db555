// Placeholder until goals, fouls and cards land.
#include "app/procedures.h"
#include "events/wiring.h"
namespace tabrino {
void wireTeamEvents(Program&) {}
void escondecastigados(Program&) {}
void activafalta(Program&, bool) {}
}  // namespace tabrino
