// Placeholder until the shoot-out and end-of-match windows land.
#include "app/procedures.h"
#include "app/window_catalog.h"
namespace tabrino {
namespace {
WindowDesign named(const char* n) { WindowDesign d; d.name = n; return d; }
}  // namespace
void wireShootout(Program&) {}
void llenaFinPartido(Program&) {}
const WindowDesign& penalesDesign() { static const WindowDesign d = named("penales"); return d; }
const WindowDesign& clonpenalesDesign() { static const WindowDesign d = named("clonpenales"); return d; }
const WindowDesign& finpartidoDesign() { static const WindowDesign d = named("finpartido"); return d; }
const WindowDesign& clonfinpartidoDesign() { static const WindowDesign d = named("clonfinpartido"); return d; }
}  // namespace tabrino
