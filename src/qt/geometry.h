#pragma once
// Twips of the design to pixels of the screen.
#include <QPoint>
#include <QRect>
#include <cmath>

#include "form/types.h"

namespace tabrino::qt {

inline constexpr double kTwipsPerPixel = 15.0;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline float toTwips(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

// Edges are rounded, not sizes, so boxes that touch in the design still touch.
inline QRect toPixels(const Rect& r) {
    const int left = toPixels(r.left), top = toPixels(r.top);
    return QRect(left, top, toPixels(double(r.left) + r.width) - left, toPixels(double(r.top) + r.height) - top);
}

// The centre of a pixel, in twips.
inline float pixelCentreTwips(int px) { return toTwips(px + 0.5); }

}  // namespace tabrino::qt
