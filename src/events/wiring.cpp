// Placeholder until the team events land.
#include "app/procedures.h"
namespace tabrino {
void wireEvents(Program&) {}
void escondecastigados(Program&) {}
void activafalta(Program&, bool) {}
void enviaraminuto(Program&, const std::string&) {}
void Command9_Click(Program&) {}
}  // namespace tabrino
