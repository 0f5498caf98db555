#pragma once
// Painting straight into a window's image. The toolkit's fills and blends
// are made for any device and hand large ones to a pool of threads; a
// scoreboard window is one image of 32-bit pixels, and its background and
// glyphs are plain stretches of one colour, written here in place.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QRgb>
#include <optional>

class QPainter;

namespace tabrino::qt {

// Where a painter puts its pixels, when it paints into an image of 32-bit
// pixels moved by whole pixels at most, as a window's paint event does: the
// image, the shift from the painter's coordinates to the image's, and the
// image pixels it may touch.
struct DirectTarget {
    QImage* image;
    QPoint offset;
    QRegion clip;
};
std::optional<DirectTarget> directTarget(QPainter& painter);

// Row `y` of an image of 32-bit pixels, to write in place.
quint32* pixelLine(const QImage& image, int y);
// Sets `count` pixels from `line` on to one value.
void fillPixels(quint32* line, qsizetype count, quint32 pixel);
// Fills the target's pixels in `region` (image pixels, within its clip) with
// an opaque colour.
void fillRegion(const DirectTarget& target, const QRegion& region, QRgb color);

// Draws a premultiplied image with its top-left at `at` (image pixels),
// source over, inside the target's clip.
void blendImage(const DirectTarget& target, QPoint at, const QImage& source);

}  // namespace tabrino::qt
