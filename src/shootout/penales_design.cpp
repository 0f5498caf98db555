// The shoot-out boards: `penales` for the operator, with the thirty shot
// buttons, and its public twin `clonpenales`, marks, counts and names only.
// Boxes are twips on the 19200 x 10800 canvas.
#include "app/window_catalog.h"
#include "form/design_rows.h"
#include "shootout/shots.h"

namespace tabrino {

namespace {
using namespace rows;
constexpr const char* kImpact = "Impact";
constexpr Align C = Align::Center;
constexpr Rgb white = colors::white, green = colors::green;

// The heading runs to the right edge of the canvas: left-aligned, it starts
// where it was drawn, but a substitute for Impact a little wider than the
// real face must not push "PENALES" onto a second, clipped line.
constexpr float kHeadingLeft = 960, kHeadingWidth = 19200 - kHeadingLeft;

ElementDesign mark(const char* name, float left, float top) {
    return shape(name, {left, top, kMarkWidth, kMarkHeight}, white, white);
}

// Marks, names and counts, in front of the score bar.
void addFrontToBackOfBoard(WindowDesign& w) {
    for (const char* n : {"fin", "equipopenall", "equipopenalv", "tabrinogollocal", "tabrinogolvisita"})
        w.frontToBack.push_back(n);
    for (const PenaltyShot& s : kShots) w.frontToBack.push_back(s.mark);
    w.frontToBack.push_back("Image1");
}

WindowDesign buildPenales() {
    WindowDesign w;
    w.name = "penales";
    w.title = "Definicion a penales";
    w.elements = {
        label("fin", {kHeadingLeft, 720, kHeadingWidth, 2775}, kImpact, 99.75f, bold, green, "DEFINICION A PENALES",
              Align::Left),
        picture("Image1", {120, 5520, 18840, 4440}, "score_bar"),
    };
    for (const PenaltyShot& s : kShots) w.elements.push_back(mark(s.mark, s.left, s.top));
    w.elements.push_back(label("equipopenall", {600, 7800, 5775, 1215}, kImpact, 54.75f, bold, white, "", C));
    w.elements.push_back(label("equipopenalv", {12960, 7800, 5535, 1215}, kImpact, 54.75f, bold, white, "", C));
    w.elements.push_back(label("tabrinogollocal", {6960, 7320, 1575, 1815}, kImpact, 80.25f, bold, white, "0", C));
    w.elements.push_back(label("tabrinogolvisita", {10800, 7320, 1575, 1815}, kImpact, 80.25f, bold, white, "0", C));
    for (const PenaltyShot& s : kShots) {
        const float g = kGoalMissSize, b = kBlankSize;
        w.elements.push_back(picture(s.goal.name, {s.goal.left, s.goal.top, g, g}, "tick"));
        w.elements.push_back(picture(s.miss.name, {s.miss.left, s.miss.top, g, g}, "cross"));
        w.elements.push_back(
            picture(s.blank.name, {s.blank.left, s.blank.top, b, b}, "minus", {.tooltip = "Dejar en blanco"}));
    }
    w.elements.push_back(picture("Image22", {9000, 9600, 1395, 1095}, "horn", {.tooltip = "Bocina"}));
    w.elements.push_back(picture("resetpenal", {9120, 7680, 975, 975}, "reset_orange",
                                 {.visible = false, .tooltip = "Restablecer Valores"}));
    w.elements.push_back(picture("finmiuto", {240, 120, 480, 360}, "cross", {.tooltip = "Cerrar"}));

    // Every button lies in front of the texts, the marks and the score bar.
    w.frontToBack = {"finmiuto", "resetpenal", "Image22"};
    for (const PenaltyShot& s : kShots)
        for (const ShotButton* btn : {&s.blank, &s.goal, &s.miss}) w.frontToBack.push_back(btn->name);
    addFrontToBackOfBoard(w);
    return w;
}

WindowDesign buildClonpenales() {
    WindowDesign w;
    w.name = "clonpenales";
    w.title = "Definicion a penales";
    w.publicWindow = true;
    w.elements = {
        label("fin", {kHeadingLeft, 600, kHeadingWidth, 2775}, kImpact, 99.75f, bold, green, "DEFINICION A PENALES",
              Align::Left),
        picture("Image1", {120, 5640, 18720, 3720}, "score_bar"),
    };
    for (const PenaltyShot& s : kShots) w.elements.push_back(mark(s.mark, s.publicLeft, kPublicMarkTop));
    // The names are as tall as on the operator board: a 975-twip box clips
    // the round bottoms of letters such as O and C at this size.
    w.elements.push_back(label("equipopenall", {600, 7560, 5655, 1215}, kImpact, 50.25f, bold, white, "", C));
    w.elements.push_back(label("equipopenalv", {12840, 7560, 5535, 1215}, kImpact, 50.25f, bold, white, "", C));
    w.elements.push_back(label("tabrinogollocal", {6840, 6960, 1575, 1815}, kImpact, 80.25f, bold, white, "0", C));
    w.elements.push_back(label("tabrinogolvisita", {10920, 6960, 1455, 1815}, kImpact, 80.25f, bold, white, "0", C));
    addFrontToBackOfBoard(w);
    return w;
}
}  // namespace

const WindowDesign& penalesDesign() {
    static const WindowDesign d = buildPenales();
    return d;
}

const WindowDesign& clonpenalesDesign() {
    static const WindowDesign d = buildClonpenales();
    return d;
}

}  // namespace tabrino
