#include "app/procedures.h"
#include "display/mirror.h"
#include "display/scaling.h"
#include "display/screens.h"

namespace tabrino {

void wireDisplay(Program& p) {
    p.onWindow("Form1", WindowEvent::Resize, [&p] { Form1_Resize(p); });
    for (const char* name : {"clontabrino", "clonminuto", "clonfinpartido", "tenencia", "minuto", "finpartido",
                             "penales", "clonpenales"}) {
        std::string window = name;
        p.onWindow(window, WindowEvent::Resize, [&p, window] { scaledWindow_Resize(p, window); });
    }
    p.on("clontabrino", "finmiuto", Event::Click, [&p] { clontabrino_finmiuto_Click(p); });
    p.setShowGuard([&p](Window& w) { return mayShowPublicWindow(p, w); });
}

}  // namespace tabrino
