#pragma once
// The three design faces of the windows, mapped onto faces Debian ships, and
// point sizes turned into pixels at a fixed 96 dpi so a window looks the same
// on every screen the desktop reports.
#include <QFont>

#include "form/types.h"

namespace tabrino::qt {

// Registers the substitutes once per process.
void installFontSubstitutions();

// Pixel size of a design point size: points x 96/72 x the view's scale.
int pixelSize(float points, double scale = 1.0);

// The Qt font of an element font. The seven-segment substitute is narrowed
// to the proportions of the design face, so "00" fits its box.
QFont qtFont(const Font& f, double scale = 1.0);

}  // namespace tabrino::qt
