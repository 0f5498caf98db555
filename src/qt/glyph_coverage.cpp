#include "qt/glyph_coverage.h"

#include <algorithm>
#include <climits>

#include "qt/direct_paint.h"

namespace tabrino::qt {

namespace {

// `src` over `dst` where `src` covers `a` of 255 parts: both 32-bit
// premultiplied pixels, two channels at a time, rounded as the toolkit's
// blending rounds.
inline quint32 mix(quint32 src, quint32 dst, quint32 a) {
    const quint32 b = 255 - a;
    quint32 rb = (src & 0xFF00FFu) * a + (dst & 0xFF00FFu) * b;
    rb = (rb + ((rb >> 8) & 0xFF00FFu) + 0x800080u) >> 8;
    quint32 ag = ((src >> 8) & 0xFF00FFu) * a + ((dst >> 8) & 0xFF00FFu) * b;
    ag = ag + ((ag >> 8) & 0xFF00FFu) + 0x800080u;
    return (rb & 0xFF00FFu) | (ag & 0xFF00FF00u);
}

}  // namespace

GlyphCoverage::GlyphCoverage(const QImage& glyph) : size_(glyph.size()) {
    if (size_.width() > 0xFFFF) {  // wider than any screen: kept as nothing
        size_ = {};
        return;
    }
    const QImage img = glyph.format() == QImage::Format_ARGB32_Premultiplied
                           ? glyph
                           : glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    rowStart_.reserve(std::size_t(size_.height()) + 1);
    for (int y = 0; y < size_.height(); ++y) {
        rowStart_.push_back(int(runs_.size()));
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < size_.width()) {
            const int a = qAlpha(line[x]);
            if (a == 0) {
                ++x;
                continue;
            }
            const int start = x;
            if (a == 255) {
                while (x < size_.width() && qAlpha(line[x]) == 255) ++x;
                runs_.push_back({quint16(start), quint16(x - start), -1});
                continue;
            }
            const int at = int(alphas_.size());
            for (int b; x < size_.width() && (b = qAlpha(line[x])) != 0 && b != 255; ++x) alphas_.push_back(uchar(b));
            runs_.push_back({quint16(start), quint16(x - start), at});
        }
    }
    rowStart_.push_back(int(runs_.size()));
    runs_.shrink_to_fit();
    alphas_.shrink_to_fit();
}

std::size_t GlyphCoverage::bytes() const {
    return sizeof(*this) + rowStart_.capacity() * sizeof(int) + runs_.capacity() * sizeof(Run) + alphas_.capacity();
}

void GlyphCoverage::drawRow(quint32* line, int y, int from, int to, quint32 pixel) const {
    for (int r = rowStart_[y]; r < rowStart_[y + 1]; ++r) {
        const Run& run = runs_[r];
        const int s = std::max(int(run.x), from), e = std::min(run.x + run.length, to);
        if (s >= e) continue;
        if (run.alphaAt < 0) {
            fillPixels(line + s, e - s, pixel);
            continue;
        }
        const uchar* a = alphas_.data() + run.alphaAt - run.x;
        for (int x = s; x < e; ++x) line[x] = mix(pixel, line[x], a[x]);
    }
}

void GlyphCoverage::draw(QImage& target, QPoint at, const QRegion& clip, QRgb color) const {
    if (isNull()) return;
    const QRect glyph(at, size_);
    const quint32 pixel = 0xFF000000u | color;
    for (const QRect& r : clip) {
        const QRect part = r & glyph & target.rect();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            quint32* line = pixelLine(target, y) + at.x();
            drawRow(line, y - at.y(), part.left() - at.x(), part.right() + 1 - at.x(), pixel);
        }
    }
}

QImage GlyphCoverage::toImage(QRgb color) const {
    QImage img(size_, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    const quint32 pixel = 0xFF000000u | color;
    for (int y = 0; y < size_.height(); ++y)
        drawRow(reinterpret_cast<quint32*>(img.scanLine(y)), y, 0, size_.width(), pixel);
    return img;
}

void GlyphCoverage::rowSpans(int y, int dx, std::vector<Span>& out) const {
    if (y < 0 || y >= size_.height()) return;
    for (int r = rowStart_[y]; r < rowStart_[y + 1]; ++r) {
        const Run& run = runs_[r];
        out.push_back({run.x + dx, run.x + run.length + dx, run.alphaAt < 0 ? nullptr : alphas_.data() + run.alphaAt});
    }
}

namespace {

using Span = GlyphCoverage::Span;

// The stretches of one row of a set of glyphs, in order along it; false
// when two of them overlap, so that the row's pixels are not one glyph's.
bool rowOf(const std::vector<PlacedCoverage>& glyphs, int y, std::vector<Span>& out) {
    out.clear();
    for (const PlacedCoverage& g : glyphs) g.coverage->rowSpans(y - g.at.y(), g.at.x(), out);
    std::sort(out.begin(), out.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
    for (std::size_t i = 1; i < out.size(); ++i)
        if (out[i].from < out[i - 1].to) return false;
    return true;
}

int coverageAt(const Span* s, int x) { return !s ? 0 : s->alpha ? s->alpha[x - s->from] : 255; }

// The stretches of a row where two sets of stretches differ, each [from, to).
void rowDifference(const std::vector<Span>& a, const std::vector<Span>& b, std::vector<std::pair<int, int>>& out) {
    const auto mark = [&out](int from, int to) {
        if (!out.empty() && out.back().second == from)
            out.back().second = to;
        else
            out.emplace_back(from, to);
    };
    std::size_t i = 0, j = 0;
    int x = INT_MIN;
    for (;;) {
        while (i < a.size() && a[i].to <= x) ++i;
        while (j < b.size() && b[j].to <= x) ++j;
        if (i == a.size() && j == b.size()) return;
        const Span* sa = i < a.size() && a[i].from <= x ? &a[i] : nullptr;
        const Span* sb = j < b.size() && b[j].from <= x ? &b[j] : nullptr;
        int next = INT_MAX;
        if (i < a.size()) next = std::min(next, sa ? a[i].to : a[i].from);
        if (j < b.size()) next = std::min(next, sb ? b[j].to : b[j].from);
        if ((!sa && !sb) || (sa && sb && !sa->alpha && !sb->alpha)) {
            // neither covers it, or both fully: the same pixels
        } else if ((sa && !sa->alpha && !sb) || (sb && !sb->alpha && !sa)) {
            mark(x, next);
        } else {
            for (int p = x; p < next; ++p)
                if (coverageAt(sa, p) != coverageAt(sb, p)) mark(p, p + 1);
        }
        x = next;
    }
}

}  // namespace

QRegion coverageDifference(const std::vector<PlacedCoverage>& before, const std::vector<PlacedCoverage>& after) {
    QRect bounds;
    for (const auto* side : {&before, &after})
        for (const PlacedCoverage& g : *side) bounds |= QRect(g.at, g.coverage->size());
    if (bounds.isEmpty()) return {};
    // Built band by band, as a region keeps itself: rows with the same
    // stretches as the row above lengthen its rectangles.
    std::vector<QRect> rects;
    std::vector<Span> a, b;
    std::vector<std::pair<int, int>> row, above;
    std::size_t bandStart = 0;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        row.clear();
        if (rowOf(before, y, a) && rowOf(after, y, b))
            rowDifference(a, b, row);
        else
            row.emplace_back(bounds.left(), bounds.right() + 1);
        if (!row.empty() && row == above && rects.size() > bandStart) {
            for (std::size_t k = bandStart; k < rects.size(); ++k) rects[k].setBottom(y);
        } else {
            bandStart = rects.size();
            for (const auto& [from, to] : row) rects.emplace_back(from, y, to - from, 1);
        }
        above.swap(row);
    }
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

}  // namespace tabrino::qt
