#pragma once
// A large glyph kept as its coverage along each row: the fully covered
// stretches, the antialiased edge pixels with their coverage, and nothing
// for the empty ones. A 4K clock digit keeps some tens of kilobytes instead
// of a megabyte of image, one coverage serves every colour, and it is drawn
// as fills of the text colour straight into the window's image: the empty
// part of its box costs nothing and the covered part the price of a fill,
// where blending an image reads and writes every pixel of the box.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QRgb>
#include <QSize>
#include <cstddef>
#include <vector>

namespace tabrino::qt {

class GlyphCoverage {
public:
    GlyphCoverage() = default;
    // From the alpha channel of a premultiplied image of the glyph.
    explicit GlyphCoverage(const QImage& glyph);

    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    std::size_t bytes() const;

    // Draws the glyph in an opaque colour with its top-left at `at` (image
    // pixels), only inside `clip`: source-over, as drawing its image would.
    void draw(QImage& target, QPoint at, const QRegion& clip, QRgb color) const;
    // The glyph as a premultiplied image in that colour.
    QImage toImage(QRgb color) const;

    // A covered stretch of a row, [from, to), with the coverage of each of
    // its pixels from `from` on, or nullptr where it is fully covered.
    struct Span {
        int from;
        int to;
        const uchar* alpha;
    };
    // Appends the stretches of row `y`, moved right by `dx`.
    void rowSpans(int y, int dx, std::vector<Span>& out) const;

private:
    struct Run {
        quint16 x;
        quint16 length;
        qint32 alphaAt;  // index of its coverage bytes; -1 when fully covered
    };
    void drawRow(quint32* line, int y, int from, int to, quint32 pixel) const;

    QSize size_;
    std::vector<int> rowStart_;  // the first run of each row, and one past the last
    std::vector<Run> runs_;
    std::vector<uchar> alphas_;
};

// A glyph's coverage placed at a point.
struct PlacedCoverage {
    const GlyphCoverage* coverage;
    QPoint at;
};
// The pixels that differ between two sets of placed glyphs drawn in one
// colour: where a clock digit turns from 8 to 9, one segment of it.
QRegion coverageDifference(const std::vector<PlacedCoverage>& before, const std::vector<PlacedCoverage>& after);

}  // namespace tabrino::qt
