#pragma once
// Which screen a window belongs on, from the monitors found at start-up.
#include <vector>

#include "app/program.h"

namespace tabrino {

// The design canvas is 1280 x 720 pixels at this many twips per pixel.
inline constexpr float kTwipsPerPixel = 15;

// A window the public sees on an extra screen.
bool isPublicWindow(const Window& w);

// The screen rectangle (pixels) a window is maximised on: an operator
// window on the primary screen, a public window on the screen its left
// edge lies on (the primary when it lies on none).
PixelRect screenOf(Program& p, const Window& w);

// The screens other than the primary, in the order found.
std::vector<const Variables::MonitorRecord*> extraScreens(const Program& p);

// A public window that lies on the operator's screen (or on none).
bool onPrimaryScreen(Program& p, const Window& w);

// The show guard of the public windows (see Program::setShowGuard).
bool mayShowPublicWindow(Program& p, Window& w);

}  // namespace tabrino
