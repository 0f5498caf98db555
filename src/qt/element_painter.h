#pragma once
// Painting of the windowless elements (labels, pictures, shapes) that lie
// directly in one container: the window itself or a frame.
#include <QColor>
#include <QRegion>

#include "form/window.h"
#include "qt/paint_cache.h"

class QPainter;

namespace tabrino::qt {

class PictureBook;

// Paints, back to front, the shown windowless elements of `container`
// (nullptr: the window's client area) whose box meets `dirty`, over the
// background colour when one is given. Returns how many elements were
// painted. The close icon of a public window is left out unless the pointer
// is inside the window.
int paintWindowless(QPainter& painter, const Window& w, const Element* container, const QRegion& dirty,
                    PictureBook& pictures, bool pointerInside = true, const QColor* background = nullptr);

// A field that holds a team name (drawn smaller before it wraps).
bool holdsTeamName(const Element& e);
// The close icon of a window the public sees.
bool closeIconOfPublicWindow(const Element& e);

// Pixel box of an element inside its container.
QRect elementBox(const Element& e);
// The pixels an element paints inside its container: for a label, those its
// text touches; empty when nothing of it is drawn.
QRect elementInk(const Element& e, PictureBook& pictures);
// What decides a label's pixels in its box.
TextLook labelLook(const Element& e);

}  // namespace tabrino::qt
