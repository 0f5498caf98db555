#pragma once
// Proportional scaling: each window's elements are moved and stretched from
// the 1280 x 720 design canvas to the screen the window is maximised on.
#include <string>

#include "app/program.h"

namespace tabrino {

struct ScreenFactors {
    float ancho = 1;  // factorancho
    float alto = 1;   // factoralto
};

// The factors for a window already maximised on its screen.
ScreenFactors screenFactors(const Program& p, const Window& w);

// Every element whose height can be set is moved and sized by the factors.
// Push buttons and text boxes get their font scaled by the vertical factor;
// every other font by the smaller factor, so that text keeps to its box on a
// screen of another shape.
void scaleElements(Window& w, ScreenFactors f);

// The factor a label's font follows: the smaller of the two.
float labelFontFactor(ScreenFactors f);

// How much taller an element's box has grown than its font (1 when both
// grew alike): where a 4:3 screen stretches a box more than its text, the
// text is moved down by as much to keep its place in the box.
float verticalSlack(const Element& e);

// Back to the design geometry and fonts, keeping everything else (texts,
// colours, visibility), so the window can be scaled for another screen.
void unscaleElements(Window& w);

// The resize notification of the operator window: scaled once.
void Form1_Resize(Program& p);
// The resize notification of the other scaled windows: kept maximised,
// scaled once, right after their first maximising.
void scaledWindow_Resize(Program& p, const std::string& window);
// A scaled window moved to another screen: maximised and scaled for it.
void rescaleWindow(Program& p, Window& w);

}  // namespace tabrino
