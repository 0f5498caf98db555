// Placeholder until time-outs and the possession count land.
#include "app/procedures.h"
#include "events/wiring.h"
namespace tabrino {
void wireTimeouts(Program&) {}
void enviaraminuto(Program&, const std::string&) {}
void Command9_Click(Program&) {}
}  // namespace tabrino
