#include "invariants.h"

#include <cctype>

#include "app/procedures.h"
#include "app/text.h"

namespace tabrino::soak {

namespace {

bool twoDigitText(const std::string& t) {
    return t.size() == 2 && std::isdigit(static_cast<unsigned char>(t[0])) &&
           std::isdigit(static_cast<unsigned char>(t[1]));
}

std::string counters(Program& p, Window& f) {
    for (const char* n :
         {"gollocal", "golvisita", "faltalocal", "faltavisita", "tiempolocal", "tiempovisita", "numazuleslocal",
          "numrojaslocal", "numazulesvisita", "numrojasvisita", "librelocal", "librevisita"})
        if (numericValue(f[n].text()) < 0) return std::string(n) + " went below 0: \"" + f[n].text() + "\"";
    if (p.golespenallocal < 0 || p.golespenalvisita < 0) return "a shoot-out count went below 0";
    return {};
}

struct Slot {
    const char* side;
    std::int16_t Variables::*count;
    std::string Variables::*state;
    const char* picture;
};
const Slot kSlots[] = {
    {"home", &Variables::castigadoslocal, &Variables::castigolocal1, "amonlocal"},
    {"home", &Variables::castigadoslocal, &Variables::castigolocal2, "amonlocal2"},
    {"away", &Variables::castigadosvisita, &Variables::castigovisita1, "amonvisita"},
    {"away", &Variables::castigadosvisita, &Variables::castigovisita2, "amonvisita2"},
};

std::string suspensions(Program& p, Window& f) {
    for (const Slot& s : kSlots) {
        const std::int16_t count = p.*s.count;
        if (count < 0 || count > 2) return std::string(s.side) + " suspension count " + std::to_string(count);
        if ((p.*s.state == "activo") != f[s.picture].visible())
            return std::string(s.picture) + ": suspension " + (p.*s.state) + " but picture " +
                   (f[s.picture].visible() ? "shown" : "hidden");
    }
    return {};
}

std::string clockFields(Window& f) {
    for (const char* n : {"a", "b", "c", "d", "c2", "d2", "e", "f", "e2", "f2"})
        if (!twoDigitText(f[n].text())) return std::string("clock field ") + n + " is \"" + f[n].text() + "\"";
    return {};
}

// What the mirror copies from the operator window.
const char* const kCopiedTexts[] = {"a",
                                    "b",
                                    "c",
                                    "d",
                                    "e",
                                    "f",
                                    "c2",
                                    "d2",
                                    "e2",
                                    "f2",
                                    "equipolocal",
                                    "equipovisita",
                                    "tiempolocal",
                                    "tiempovisita",
                                    "gollocal",
                                    "golvisita",
                                    "periodo",
                                    "faltalocal",
                                    "faltavisita",
                                    "posesion",
                                    "librelocal",
                                    "librevisita",
                                    "numazuleslocal",
                                    "numrojaslocal",
                                    "numazulesvisita",
                                    "numrojasvisita"};
const char* const kCopiedColors[] = {
    "a",       "b",           "Label6",       "c",          "d",           "Label1",  "e",
    "f",       "Label8",      "c2",           "d2",         "Label1b",     "e2",      "f2",
    "Label8b", "tiempolocal", "tiempovisita", "faltalocal", "faltavisita", "posesion"};
struct Follows {
    const char* source;
    const char* target;
};
const Follows kCopiedVisibility[] = {{"amonlocal", "amonlocal"},
                                     {"amonlocal", "Label1"},
                                     {"amonlocal", "c"},
                                     {"amonlocal", "d"},
                                     {"amonvisita", "amonvisita"},
                                     {"amonvisita", "Label8"},
                                     {"amonvisita", "e"},
                                     {"amonvisita", "f"},
                                     {"amonlocal2", "amonlocal2"},
                                     {"amonlocal2", "Label1b"},
                                     {"amonlocal2", "c2"},
                                     {"amonlocal2", "d2"},
                                     {"amonvisita2", "amonvisita2"},
                                     {"amonvisita2", "Label8b"},
                                     {"amonvisita2", "e2"},
                                     {"amonvisita2", "f2"},
                                     {"numazuleslocal", "numazuleslocal"},
                                     {"numazulesvisita", "numazulesvisita"},
                                     {"numrojaslocal", "numrojaslocal"},
                                     {"numrojasvisita", "numrojasvisita"},
                                     {"leyendapenal", "leyendapenal"},
                                     {"posesion", "posesion"},
                                     {"posesion", "Label9"},
                                     {"Label2", "Label2"},
                                     {"Label2", "librelocal"},
                                     {"Label5", "Label5"},
                                     {"Label5", "librevisita"}};

// The program refreshes the mirror after every public change and tick, so
// after any action both windows must agree, without a refresh forced here.
std::string mirror(Program& p, Window& f) {
    if (p.clonactivo != "SI") return {};
    Window* m = p.existing("clontabrino");
    if (!m) return "the mirror is on but its window is absent";
    for (const char* n : kCopiedTexts)
        if (m->find(n) && (*m)[n].text() != f[n].text())
            return std::string("mirror ") + n + " shows \"" + (*m)[n].text() + "\" for \"" + f[n].text() + "\"";
    for (const char* n : kCopiedColors)
        if (m->find(n) && (*m)[n].color() != f[n].color()) return std::string("mirror ") + n + " has another colour";
    for (const Follows& v : kCopiedVisibility)
        if (m->find(v.target) && (*m)[v.target].visible() != f[v.source].visible())
            return std::string("mirror ") + v.target + " is " + ((*m)[v.target].visible() ? "shown" : "hidden") +
                   " but " + v.source + " is not";
    return {};
}

}  // namespace

std::string broken(Program& p, bool mirrorMayLag) {
    if (p.exited()) return {};
    Window& f = p.form1();
    for (auto check : {counters, suspensions})
        if (std::string why = check(p, f); !why.empty()) return why;
    if (std::string why = clockFields(f); !why.empty()) return why;
    if (mirrorMayLag) refrescaclon(p);
    return mirror(p, f);
}

}  // namespace tabrino::soak
