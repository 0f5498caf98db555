// The settings window's handlers, and its opening from the operator window.
#include "app/procedures.h"
#include "settings/settings.h"

namespace tabrino {

void wireSettings(Program& p) {
    // The settings image: a click while the period has not started, a
    // double click at any time.
    p.on("Form1", "config", Event::Click, [&p] {
        if (p.estadoinicio != "iniciado") openSettings(p);
    });
    p.on("Form1", "config", Event::DblClick, [&p] { openSettings(p); });

    p.onWindow("configuracion", WindowEvent::Load, [&p] {
        Window& w = p.win("configuracion");
        centreSettings(p, w);
        fillSettings(p, w);
    });
    // However it closes, the boxes are stored and the series list rebuilt.
    p.onWindow("configuracion", WindowEvent::Unload, [&p] {
        if (Window* w = p.existing("configuracion")) closeSettings(p, *w);
    });
    p.on("configuracion", "Command1", Event::Click, [&p] {
        if (storeDurations(p, p.win("configuracion"))) p.unload("configuracion");
    });
    p.on("configuracion", "Text15", Event::LostFocus, [&p] { Text15_LostFocus(p, p.win("configuracion")); });
}

}  // namespace tabrino
