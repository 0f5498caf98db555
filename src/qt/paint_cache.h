#pragma once
// What the windows draw, kept between paints so a paint costs the same on a
// 4K screen as on a small one. Qt keeps glyphs in its own cache only up to
// 64 pixels; above that every paint filled each glyph's outline again, and
// the big digits of the scoreboard are several hundred pixels tall. SVG
// pictures were rendered afresh at every paint as well.
//
// Texts up to that size are kept whole, as the coverage of the image
// QPainter::drawText makes of them; larger texts keep their layout (glyphs
// and where they go) and each glyph's coverage, so a clock second that
// changes one digit draws two kept glyphs, and repaints only the pixels of
// the digit that differ. Pictures are kept as images, one per size. The
// pixels are those of drawing directly: the same calls make them, on an
// image instead of the screen.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "qt/direct_paint.h"

class QPainter;

namespace tabrino::qt {

class PictureBook;

// Everything that decides the pixels of a text in its box.
struct TextLook {
    QString text;
    QFont font;     // as it is finally drawn, its size included
    int shift = 0;  // pixels down (negative: up) from the box's top
    QColor color;
    int flags = 0;  // Qt alignment and text flags, as for QPainter::drawText
};

class PaintCache {
    struct Layout;
    struct Glyph;

public:
    // Limits, in bytes kept: glyphs of large texts, whole small texts,
    // pictures. Past a limit the least recently drawn go first.
    explicit PaintCache(std::size_t glyphBytes = 24u << 20, std::size_t textBytes = 12u << 20,
                        std::size_t pictureBytes = 16u << 20);
    ~PaintCache();
    PaintCache(const PaintCache&) = delete;
    PaintCache& operator=(const PaintCache&) = delete;

    // A text looked up once for a paint: its layout and glyphs, held while
    // it lives.
    class Prepared {
    public:
        // The pixels the text touches, inside its box; empty for no ink.
        QRect ink() const;

    private:
        friend class PaintCache;
        QRect box_;
        std::shared_ptr<const Layout> layout_;
        std::vector<std::shared_ptr<const Glyph>> glyphs_;
    };
    Prepared prepare(const QRect& box, const TextLook& look);

    // Draws the text as QPainter::drawText(box, flags, text) would, moved
    // down by the shift and clipped to the box. The painter must not be
    // scaled or rotated. `into`, when given, is where the painter puts its
    // pixels (worked out once for many draws).
    void drawText(QPainter& painter, const QRect& box, const TextLook& look);
    void drawText(QPainter& painter, const Prepared& text, const DirectTarget* into = nullptr);
    // The pixels drawText touches, inside the box; empty for no ink.
    QRect textInk(const QRect& box, const TextLook& look);
    // Where the box's pixels differ between two looks of a text in it: for
    // large texts, only the glyphs that changed or moved (a clock going from
    // "58" to "57" changes one digit), else both looks' ink.
    QRegion changedInk(const QRect& box, const TextLook& before, const TextLook& after);

    // Draws the picture stretched to the box from an image of that size.
    // False when the picture cannot be drawn.
    bool drawPicture(QPainter& painter, PictureBook& book, const std::string& id, const QRect& box,
                     const DirectTarget* into = nullptr);

    // Bytes of images kept now.
    std::size_t bytes() const;
    // Texts laid out, glyphs filled and pictures rendered since the cache
    // was made: what a paint could not take from the cache.
    long misses() const { return misses_ + glyphMisses_; }

private:
    struct PlacedGlyph;
    template <class V>
    class Lru;

    std::shared_ptr<const Layout> layout(const QRect& box, const TextLook& look);
    std::shared_ptr<const Layout> layOutLarge(const QRect& box, const TextLook& look);
    std::shared_ptr<const Layout> renderSmall(const QRect& box, const TextLook& look);
    std::shared_ptr<const Glyph> glyphFor(const PlacedGlyph& g);

    std::unique_ptr<Lru<Layout>> layouts_;
    std::unique_ptr<Lru<Glyph>> glyphs_;
    std::unique_ptr<Lru<QImage>> pictures_;
    std::unique_ptr<Lru<QRegion>> differences_;  // between two looks of a large text
    long misses_ = 0;
    long glyphMisses_ = 0;
};

}  // namespace tabrino::qt
