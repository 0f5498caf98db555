// The scoreboard mirror follows the operator window: texts, colours and
// visibilities copied field by field after every public change and tick.
#include "display/mirror.h"

#include "app/procedures.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

void copyText(const Window& from, Window& to, const char* name) { to[name].setText(from[name].text()); }

void copyTextIfDifferent(const Window& from, Window& to, const char* name) {
    if (to[name].text() != from[name].text()) copyText(from, to, name);
}

void copyColor(const Window& from, Window& to, const char* name) { to[name].setColor(from[name].color()); }

// A clock group takes the colours only when its first field has changed,
// so an unchanged group is not repainted every second.
void copyGroupColor(const Window& from, Window& to, std::initializer_list<const char*> group) {
    const char* first = *group.begin();
    if (to[first].color() == from[first].color()) return;
    for (const char* name : group) copyColor(from, to, name);
}

void followVisibility(const Window& from, Window& to, const char* source, std::initializer_list<const char*> targets) {
    const bool shown = from[source].visible();
    for (const char* name : targets) to[name].setVisible(shown);
}

}  // namespace

void actualizaclon(Program& p) {
    const Window& f = p.form1();
    Window& m = p.win("clontabrino");

    for (const char* n : {"a", "b"}) copyText(f, m, n);
    copyGroupColor(f, m, {"a", "b", "Label6"});
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& s : side->slots) {
            copyText(f, m, s.minutes);
            copyText(f, m, s.seconds);
            copyGroupColor(f, m, {s.minutes, s.seconds, s.colon});
            followVisibility(f, m, s.picture, {s.picture, s.colon, s.minutes, s.seconds});
        }
    for (const char* n : {"tiempolocal", "tiempovisita", "faltalocal", "faltavisita", "posesion"}) copyColor(f, m, n);
    for (const char* n : {"equipolocal", "equipovisita", "tiempolocal", "tiempovisita"}) copyTextIfDifferent(f, m, n);
    for (const char* n : {"gollocal", "golvisita"}) copyText(f, m, n);
    for (const char* n : {"numazuleslocal", "numazulesvisita", "numrojaslocal", "numrojasvisita"}) {
        m[n].setVisible(f[n].visible());
        copyText(f, m, n);
    }
    for (const char* n : {"periodo", "faltalocal", "faltavisita", "posesion", "librelocal", "librevisita"})
        copyText(f, m, n);
    followVisibility(f, m, "leyendapenal", {"leyendapenal"});
    followVisibility(f, m, "posesion", {"posesion", "Label9"});
    // A side's free-hit count shows with its title.
    followVisibility(f, m, "Label2", {"Label2", "librelocal"});
    followVisibility(f, m, "Label5", {"Label5", "librevisita"});
}

void refrescaclon(Program& p) {
    if (p.clonactivo == flag::SI) actualizaclon(p);
}

// The mirror's own close cross switches the mirror off as clearing the
// settings window's mirror box does.
void clontabrino_finmiuto_Click(Program& p) {
    p.pantallaauxiliar = flag::no;
    if (Window* settings = p.existing("configuracion"))
        if (Element* box = settings->find("Check3")) box->setChecked(false);
    // Whatever the box's own handling did, the mirror ends switched off.
    p.clonactivo = flag::NO;
    p.pantallaauxiliar = flag::NO;
    p.unload("clontabrino");
}

void wireMirror(Program& p) {
    p.handle("clontabrino", "finmiuto_Click", [&p] { clontabrino_finmiuto_Click(p); });
}

}  // namespace tabrino
