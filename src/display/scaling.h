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

// Every element whose height can be set is moved and sized by the factors;
// push buttons and text boxes also get their font scaled by the vertical one.
void scaleElements(Window& w, ScreenFactors f);

// The resize notification of the operator window: scaled once.
void Form1_Resize(Program& p);
// The resize notification of the other scaled windows: kept maximised,
// scaled once, right after their first maximising.
void scaledWindow_Resize(Program& p, const std::string& window);

}  // namespace tabrino
