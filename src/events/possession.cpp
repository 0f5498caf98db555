// The possession count: Alt+X (the access key of Command9) restarts it at
// 45 on the operator window, the mirror and the possession window. The
// per-second step runs in the game-clock tick.
#include "events/possession.h"

#include "app/procedures.h"

namespace tabrino {

void Command9_Click(Program& p) {
    Element& posesion = p.form1()["posesion"];
    posesion.setText("45");
    posesion.setColor(colors::yellow);
    // Touching the possession window creates it (hidden) if it is absent.
    p.win("tenencia")["segunditos"].setText("45");
    p.ceroavisado = "no";
    refrescaclon(p);
}

namespace {

void finmiuto_Click(Program& p) {
    p.tenenciaauxiliar = "no";
    // The settings box that switches this window on: cleared only where the
    // settings window is open, without creating it for that.
    if (Window* settings = p.existing("configuracion"))
        if (Element* box = settings->find("Check2")) box->setChecked(false);
    p.unload("tenencia");
}

}  // namespace

void wirePossession(Program& p) {
    p.handle("Form1", "Command9_Click", [&p] { Command9_Click(p); });
    p.handle("tenencia", "finmiuto_Click", [&p] { finmiuto_Click(p); });
}

}  // namespace tabrino
