// Placeholder designs until the time-out and possession windows land.
#include "app/window_catalog.h"
namespace tabrino {
namespace {
WindowDesign named(const char* n) {
    WindowDesign d;
    d.name = n;
    return d;
}
}  // namespace
const WindowDesign& minutoDesign() { static const WindowDesign d = named("minuto"); return d; }
const WindowDesign& clonminutoDesign() { static const WindowDesign d = named("clonminuto"); return d; }
const WindowDesign& tenenciaDesign() { static const WindowDesign d = named("tenencia"); return d; }
}  // namespace tabrino
