// Placeholder until the period sequence, period end, horn and reset land.
#include "app/procedures.h"
#include "clock/wiring.h"

namespace tabrino {
void wireMatchFlow(Program&) {}
void finDePeriodo(Program& p) { p.timer1.setEnabled(false); }
}  // namespace tabrino
