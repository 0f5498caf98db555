// The scoreboard mirror for the public screen: the scoreboard elements of
// the operator window, several placed a little differently, and its own
// close cross in front of everything. No buttons, no command icons, no
// tooltips.
#include <algorithm>
#include <stdexcept>

#include "app/window_catalog.h"
#include "form/design_rows.h"

namespace tabrino {

namespace {

using rows::Box;

const char* const kMirrored[] = {
    "a",
    "Label6",
    "b",
    "c",
    "Label1",
    "d",
    "e",
    "Label8",
    "f",
    "c2",
    "Label1b",
    "d2",
    "e2",
    "Label8b",
    "f2",
    "amonlocal",
    "amonvisita",
    "amonlocal2",
    "amonvisita2",
    "equipolocal",
    "equipovisita",
    "gollocal",
    "golvisita",
    "periodo",
    "Label3(2)",
    "titulofalta",
    "titulofalta2",
    "faltalocal",
    "faltavisita",
    "Label2",
    "librelocal",
    "Label5",
    "librevisita",
    "Image4",
    "Image5",
    "Image6",
    "Image7",
    "numazuleslocal",
    "numrojaslocal",
    "numazulesvisita",
    "numrojasvisita",
    "Label3a",
    "tiempolocal",
    "Label3b",
    "tiempovisita",
    "posesion",
    "Label9",
    "leyendapenal",
};

struct Difference {
    const char* name;
    Box box;
    float fontSize = 0;  // 0: as on the operator window
};

const Difference kDifferences[] = {
    {"a", {3120, -960, 5895, 5415}},
    {"b", {9840, -960, 5895, 5175}},
    {"Label6", {8760, -600, 1335, 4455}},
    {"Label1", {1080, 2520, 135, 735}},
    {"e", {17280, 2520, 615, 495}},
    {"Label8", {17880, 2520, 255, 615}},
    {"f", {18000, 2520, 615, 495}},
    {"Label1b", {600, 9360, 135, 495}},
    {"d2", {720, 9360, 495, 375}},
    {"f2", {18652, 9240, 495, 375}},
    {"amonvisita", {17040, 120, 1695, 2295}},
    {"equipolocal", {240, 4560, 6555, 1485}},
    {"equipovisita", {12360, 4560, 6435, 1365}, 65.25f},
    {"gollocal", {960, 5160, 5775, 6015}, 249.75f},
    {"golvisita", {12720, 5160, 5295, 6015}, 249.75f},
    {"Label3(2)", {8520, 4560, 1935, 735}},
    {"Label3a", {6960, 4560, 1335, 495}},
    {"tiempolocal", {7080, 4800, 1095, 1695}},
    {"Label3b", {10800, 4560, 1335, 495}},
    {"tiempovisita", {11040, 4800, 855, 1455}},
    {"titulofalta2", {11160, 6840, 1215, 495}},
    {"faltavisita", {10800, 6960, 1695, 3735}},
    {"Image4", {10800, 6960, 255, 375}},
    {"numazulesvisita", {10800, 6480, 255, 495}},
    {"Image7", {12360, 6960, 255, 375}},
    {"numrojasvisita", {12360, 6480, 255, 495}},
    {"librelocal", {2280, 2520, 855, 1455}},
    {"librevisita", {16080, 2520, 855, 1455}},
    {"Label5", {16920, 3240, 1935, 495}},
    {"posesion", {8520, 7560, 2055, 2055}},
};

const ElementDesign& operatorRow(const WindowDesign& form1, const std::string& name) {
    auto it = std::find_if(form1.elements.begin(), form1.elements.end(),
                           [&](const ElementDesign& d) { return d.name == name; });
    if (it == form1.elements.end()) throw std::logic_error("the operator window has no " + name);
    return *it;
}

WindowDesign build() {
    const WindowDesign& form1 = form1Design();
    WindowDesign w;
    w.name = "clontabrino";
    w.title = "Tabrino de Hockey - Pantalla";
    w.publicWindow = true;
    for (const char* name : kMirrored) {
        ElementDesign d = operatorRow(form1, name);
        d.tooltip.clear();
        w.elements.push_back(std::move(d));
    }
    for (const Difference& diff : kDifferences) {
        auto it = std::find_if(w.elements.begin(), w.elements.end(),
                               [&](const ElementDesign& d) { return d.name == diff.name; });
        it->left = diff.box.left, it->top = diff.box.top, it->width = diff.box.width, it->height = diff.box.height;
        if (diff.fontSize > 0) it->fontSize = diff.fontSize;
    }
    w.elements.push_back(rows::picture("finmiuto", {120, 120, 480, 360}, "cross"));

    // The close cross in front, then the operator window's stacking.
    w.frontToBack.push_back("finmiuto");
    for (const std::string& name : form1.frontToBack)
        if (std::find(std::begin(kMirrored), std::end(kMirrored), name) != std::end(kMirrored))
            w.frontToBack.push_back(name);
    return w;
}

}  // namespace

const WindowDesign& clontabrinoDesign() {
    static const WindowDesign d = build();
    return d;
}

}  // namespace tabrino
