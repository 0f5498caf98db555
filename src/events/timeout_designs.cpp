// The time-out window and its public twin, as designed: a big "MINUTO"
// caption with the side's name, the 60-second countdown, both teams with
// their goals and the game-clock reading when the minute was taken.
#include "app/window_catalog.h"
#include "form/design_rows.h"

namespace tabrino {

namespace {
using namespace rows;
constexpr const char* kDigital = "DS-Digital";
constexpr const char* kImpact = "Impact";
constexpr Align C = Align::Center;
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;

// The twin has the same labels; two of them sit slightly differently.
struct Lefts {
    float golminlocal;
    float minvisita;
};

std::vector<ElementDesign> labels(Lefts at) {
    const Rgb white = colors::white, green = colors::green, yellow = colors::yellow, cyan = colors::cyan;
    return {
        label("Label3(2)", {240, 120, 6735, 2535}, kImpact, 99.75f, regular, green, "MINUTO", C),
        label("nomminuto", {7680, 240, 10455, 2535}, kImpact, 99.75f, regular, green, "", R),
        label("min", {2400, 1800, 6255, 5055}, kDigital, 300, bold, white, "00", C),
        label("Label6", {8880, 1560, 1455, 5055}, kDigital, 300, bold, white, ":", L),
        label("seg", {10560, 1800, 6015, 5055}, kDigital, 300, bold, white, "00", C),
        label("minlocal", {240, 6960, 4935, 1095}, kImpact, 48, bold, cyan, "", C),
        label("golminlocal", {at.golminlocal, 7560, 3255, 3135}, kImpact, 150, regular, cyan, "", C),
        label("loqueva", {5040, 7320, 8895, 3255}, kDigital, 200.25f, bold, yellow, "00:00", C),
        label("minvisita", {at.minvisita, 6960, 5055, 1095}, kImpact, 48, bold, cyan, "", C),
        label("golminvisita", {15120, 7560, 3255, 3135}, kImpact, 150, regular, cyan, "", C),
    };
}

WindowDesign buildMinuto() {
    WindowDesign w;
    w.name = "minuto";
    w.title = "Minuto";
    w.elements = labels({1200, 13920});
    w.elements.push_back(
        picture("finmiuto", {18480, 240, 480, 360}, "cross", {.tooltip = "Finalizar minuto anticipadamente"}));
    w.frontToBack = {"finmiuto"};
    return w;
}

WindowDesign buildClonminuto() {
    WindowDesign w;
    w.name = "clonminuto";
    w.title = "Minuto";
    w.publicWindow = true;
    w.elements = labels({1320, 13800});
    return w;
}
}  // namespace

const WindowDesign& minutoDesign() {
    static const WindowDesign d = buildMinuto();
    return d;
}

const WindowDesign& clonminutoDesign() {
    static const WindowDesign d = buildClonminuto();
    return d;
}

}  // namespace tabrino
