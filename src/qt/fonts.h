#pragma once
// The three design faces of the windows, mapped onto faces Debian ships, and
// point sizes turned into pixels at a fixed 96 dpi so a window looks the same
// on every screen the desktop reports.
//
// The layouts were drawn for the proportions of the design faces (the clock
// digits fill their boxes, "PERIODO" just fits its title box), so a
// substitute face is fitted to those proportions: its size and width are
// adjusted and its glyphs moved to where the design face puts them.
#include <QFont>
#include <QStringList>

#include "form/types.h"

namespace tabrino::qt {

// Registers the substitutes once per process.
void installFontSubstitutions();

// The design faces of which neither the face nor any substitute is among
// the installed families (those text is drawn in whatever face Qt falls on).
QStringList missingDesignFaces(const QStringList& installed);

// Pixel size of a design point size: points x 96/72 x the view's scale.
int pixelSize(float points, double scale = 1.0);

struct FittedFont {
    QFont font;
    int shift = 0;  // pixels to move the text down (negative: up) in its box
};

FittedFont fittedFont(const Font& f, double scale = 1.0);
inline QFont qtFont(const Font& f, double scale = 1.0) { return fittedFont(f, scale).font; }

}  // namespace tabrino::qt
