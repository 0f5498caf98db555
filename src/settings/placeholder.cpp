// Placeholder until the settings window lands.
#include "app/procedures.h"
#include "app/window_catalog.h"
namespace tabrino {
void wireSettings(Program&) {}
const WindowDesign& configuracionDesign() {
    static const WindowDesign d = [] { WindowDesign x; x.name = "configuracion"; x.framed = true; return x; }();
    return d;
}
}  // namespace tabrino
