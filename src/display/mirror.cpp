// The scoreboard mirror follows the operator window: texts, colours and
// visibilities copied field by field after every public change and tick.
#include "display/mirror.h"

#include "app/procedures.h"

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

void followVisibility(const Window& from, Window& to, const char* source,
                      std::initializer_list<const char*> targets) {
    const bool shown = from[source].visible();
    for (const char* name : targets) to[name].setVisible(shown);
}

}  // namespace

void actualizaclon(Program& p) {
    const Window& f = p.form1();
    Window& m = p.win("clontabrino");

    for (const char* n : {"a", "b", "c", "d", "e", "f", "c2", "d2", "e2", "f2"}) copyText(f, m, n);
    copyGroupColor(f, m, {"a", "b", "Label6"});
    copyGroupColor(f, m, {"c", "d", "Label1"});
    copyGroupColor(f, m, {"e", "f", "Label8"});
    copyGroupColor(f, m, {"c2", "d2", "Label1b"});
    copyGroupColor(f, m, {"e2", "f2", "Label8b"});
    for (const char* n : {"tiempolocal", "tiempovisita", "faltalocal", "faltavisita", "posesion"})
        copyColor(f, m, n);
    followVisibility(f, m, "amonlocal", {"amonlocal", "Label1", "c", "d"});
    followVisibility(f, m, "amonvisita", {"amonvisita", "Label8", "e", "f"});
    followVisibility(f, m, "amonlocal2", {"amonlocal2", "Label1b", "c2", "d2"});
    followVisibility(f, m, "amonvisita2", {"amonvisita2", "Label8b", "e2", "f2"});
    for (const char* n : {"equipolocal", "equipovisita", "tiempolocal", "tiempovisita"})
        copyTextIfDifferent(f, m, n);
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
    if (p.clonactivo == "SI") actualizaclon(p);
}

// The mirror's own close cross switches the mirror off as clearing the
// settings window's mirror box does.
void clontabrino_finmiuto_Click(Program& p) {
    p.pantallaauxiliar = "no";
    if (Window* settings = p.existing("configuracion"))
        if (Element* box = settings->find("Check3")) box->setChecked(false);
    // Whatever the box's own handling did, the mirror ends switched off.
    p.clonactivo = "NO";
    p.pantallaauxiliar = "NO";
    p.unload("clontabrino");
}


void wireMirror(Program& p) { p.handle("clontabrino", "finmiuto_Click", [&p] { clontabrino_finmiuto_Click(p); }); }

}  // namespace tabrino
