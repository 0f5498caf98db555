#include "qt/paint_cache.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

#include "qt/direct_paint.h"
#include "qt/glyph_coverage.h"
#include "qt/picture_book.h"

namespace tabrino::qt {

namespace {

// Above this pixel size Qt fills glyph outlines instead of using its glyph cache.
constexpr int kLargeText = 64;
// Glyph positions are kept to 1/64 pixel, the resolution text layout works in.
constexpr int kSubpixel = 64;

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& img) {
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x0 = 0;
        while (x0 < img.width() && qAlpha(line[x0]) == 0) ++x0;
        if (x0 == img.width()) continue;
        int x1 = img.width() - 1;
        while (qAlpha(line[x1]) == 0) --x1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage transparentImage(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QString lookKey(const QRect& box, const TextLook& look) {
    return look.font.key() + QLatin1Char('\x1f') + look.text + QLatin1Char('\x1f') + QString::number(look.shift) +
           QLatin1Char(',') + QString::number(look.flags) + QLatin1Char(',') + QString::number(look.color.rgba(), 16) +
           QLatin1Char(',') + QString::number(box.width()) + QLatin1Char('x') + QString::number(box.height());
}

}  // namespace

template <class V>
class PaintCache::Lru {
public:
    explicit Lru(std::size_t budget) : budget_(budget) {}

    std::shared_ptr<const V> find(const QString& key) {
        auto it = index_.find(key);
        if (it == index_.end()) return {};
        order_.splice(order_.begin(), order_, it.value());
        return it.value()->value;
    }

    void put(const QString& key, std::shared_ptr<const V> value, std::size_t bytes) {
        order_.push_front({key, std::move(value), bytes});
        index_.insert(key, order_.begin());
        bytes_ += bytes;
        // The newest stays even over the limit: it is about to be drawn.
        while (bytes_ > budget_ && order_.size() > 1) {
            bytes_ -= order_.back().bytes;
            index_.remove(order_.back().key);
            order_.pop_back();
        }
    }

    std::size_t bytes() const { return bytes_; }

private:
    struct Entry {
        QString key;
        std::shared_ptr<const V> value;
        std::size_t bytes;
    };
    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::list<Entry> order_;  // most recently used first
    QHash<QString, typename std::list<Entry>::iterator> index_;
};

// One glyph filled at one subpixel offset, in no colour yet; `at` is its
// top-left from the whole pixel the glyph's origin falls in.
struct PaintCache::Glyph {
    GlyphCoverage coverage;
    QPoint at;
};

// A text laid out in its box: either where each glyph goes, or the whole
// text's coverage. Positions are from the box's top-left. Glyphs are looked
// up at each paint, so the glyph limit bounds them all.
struct PaintCache::PlacedGlyph {
    QString key;
    QRawFont font;
    quint32 index;
    int fx, fy;    // subpixel offset, in 1/64 pixel
    QPoint whole;  // the pixel the glyph's origin falls in
};

struct PaintCache::Layout {
    std::vector<PlacedGlyph> glyphs;
    QColor color;
    GlyphCoverage whole;  // a small text, all of it
    QImage translucent;   // the same in a see-through colour, as drawText made it
    QPoint wholeAt;
    QRect ink;
    bool needsClip = false;  // some ink falls outside the box
};

PaintCache::PaintCache(std::size_t glyphBytes, std::size_t textBytes, std::size_t pictureBytes)
    : layouts_(std::make_unique<Lru<Layout>>(textBytes)),
      glyphs_(std::make_unique<Lru<Glyph>>(glyphBytes)),
      pictures_(std::make_unique<Lru<QImage>>(pictureBytes)),
      differences_(std::make_unique<Lru<QRegion>>(256u << 10)) {}

PaintCache::~PaintCache() = default;

std::size_t PaintCache::bytes() const {
    return layouts_->bytes() + glyphs_->bytes() + pictures_->bytes() + differences_->bytes();
}

std::shared_ptr<const PaintCache::Layout> PaintCache::layout(const QRect& box, const TextLook& look) {
    const QString key = lookKey(box, look);
    if (auto found = layouts_->find(key)) return found;
    ++misses_;
    std::shared_ptr<const Layout> made =
        look.font.pixelSize() > kLargeText ? layOutLarge(box, look) : renderSmall(box, look);
    const std::size_t bytes =
        made->whole.bytes() + std::size_t(made->translucent.sizeInBytes()) + made->glyphs.size() * 96 + 256;
    layouts_->put(key, made, bytes);
    return made;
}

std::shared_ptr<const PaintCache::Layout> PaintCache::renderSmall(const QRect& box, const TextLook& look) {
    auto out = std::make_shared<Layout>();
    out->color = look.color;
    if (look.text.isEmpty() || box.isEmpty()) return out;
    // The very call the window would make, on an image the size of the box
    // (which is where the window clips it).
    QImage img = transparentImage(box.size());
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(look.font);
        p.setPen(look.color);
        p.translate(0, look.shift);
        p.drawText(QRect(QPoint(0, 0), box.size()), look.flags, look.text);
    }
    const QRect ink = inkBounds(img);
    if (ink.isEmpty()) return out;
    // In an opaque colour the image's alpha is the text's coverage: kept
    // as such, it takes a fraction of the image and draws in place.
    if (look.color.alpha() == 255)
        out->whole = GlyphCoverage(img.copy(ink));
    else
        out->translucent = img.copy(ink);
    out->wholeAt = ink.topLeft();
    out->ink = ink;
    return out;
}

std::shared_ptr<const PaintCache::Layout> PaintCache::layOutLarge(const QRect& box, const TextLook& look) {
    auto out = std::make_shared<Layout>();
    out->color = look.color;
    if (look.text.isEmpty() || box.isEmpty()) return out;
    // Lines broken and placed as QPainter::drawText places them in a box.
    QTextLayout text(look.text, look.font);
    QTextOption option;
    const bool wrap = look.flags & Qt::TextWordWrap;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    if (!wrap) option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setAlignment(Qt::AlignLeft);
    text.setTextOption(option);
    const qreal leading = QFontMetricsF(look.font).leading();
    qreal height = -leading;
    text.beginLayout();
    for (;;) {
        QTextLine line = text.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(std::max(0, box.width()));
        height = std::ceil(height + leading);  // lines start on whole pixels
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
    }
    text.endLayout();
    qreal yoff = look.shift;
    if (look.flags & Qt::AlignBottom)
        yoff += box.height() - height;
    else if (look.flags & Qt::AlignVCenter)
        yoff += (box.height() - height) / 2;

    const QRect inBox(QPoint(0, 0), box.size());
    for (int i = 0; i < text.lineCount(); ++i) {
        const QTextLine line = text.lineAt(i);
        const qreal advance = line.horizontalAdvance();
        qreal xoff = 0;
        if (look.flags & Qt::AlignRight)
            xoff = box.width() - advance;
        else if (look.flags & Qt::AlignHCenter)
            xoff = (box.width() - advance) / 2;
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QRawFont raw = run.rawFont();
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            const QString runKey = look.font.key() + QLatin1Char('\x1f') + raw.familyName() + QLatin1Char(',') +
                                   raw.styleName() + QLatin1Char(',') + QString::number(raw.pixelSize());
            for (qsizetype g = 0; g < indexes.size(); ++g) {
                const QPointF pos = positions[g] + QPointF(xoff, yoff);
                QPoint whole(int(std::floor(pos.x())), int(std::floor(pos.y())));
                int fx = int(std::lround((pos.x() - whole.x()) * kSubpixel));
                int fy = int(std::lround((pos.y() - whole.y()) * kSubpixel));
                if (fx == kSubpixel) fx = 0, whole.rx() += 1;
                if (fy == kSubpixel) fy = 0, whole.ry() += 1;
                const QString key = runKey + QLatin1Char(',') + QString::number(indexes[g]) + QLatin1Char(',') +
                                    QString::number(fx) + QLatin1Char(',') + QString::number(fy);
                const PlacedGlyph placed{key, raw, indexes[g], fx, fy, whole};
                const std::shared_ptr<const Glyph> glyph = glyphFor(placed);
                if (glyph->coverage.isNull()) continue;
                out->glyphs.push_back(placed);
                const QRect rect(whole + glyph->at, glyph->coverage.size());
                out->ink |= rect & inBox;
                if (!inBox.contains(rect)) out->needsClip = true;
            }
        }
    }
    return out;
}

std::shared_ptr<const PaintCache::Glyph> PaintCache::glyphFor(const PlacedGlyph& g) {
    if (auto found = glyphs_->find(g.key)) return found;
    auto made = std::make_shared<Glyph>();
    QPainterPath path = g.font.pathForGlyph(g.index);
    if (!path.isEmpty()) {
        // Filled as QPainter fills a glyph too large for its cache.
        path.setFillRule(Qt::WindingFill);
        const QPointF frac(double(g.fx) / kSubpixel, double(g.fy) / kSubpixel);
        const QRectF b = path.boundingRect().translated(frac);
        const QRect r(QPoint(int(std::floor(b.left())) - 1, int(std::floor(b.top())) - 1),
                      QPoint(int(std::ceil(b.right())) + 1, int(std::ceil(b.bottom())) + 1));
        QImage img = transparentImage(r.size());
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.translate(frac - QPointF(r.topLeft()));
            p.fillPath(path, Qt::white);  // opaque: the alpha is the coverage
        }
        const QRect ink = inkBounds(img);
        if (!ink.isEmpty()) {
            made->coverage = GlyphCoverage(img.copy(ink));
            made->at = r.topLeft() + ink.topLeft();
        }
    }
    ++glyphMisses_;
    glyphs_->put(g.key, made, made->coverage.bytes() + 128);
    return made;
}

PaintCache::Prepared PaintCache::prepare(const QRect& box, const TextLook& look) {
    Prepared p;
    p.box_ = box;
    p.layout_ = layout(box, look);
    for (const PlacedGlyph& g : p.layout_->glyphs) p.glyphs_.push_back(glyphFor(g));
    return p;
}

QRect PaintCache::Prepared::ink() const {
    return layout_->ink.isEmpty() ? QRect() : layout_->ink.translated(box_.topLeft());
}

void PaintCache::drawText(QPainter& painter, const QRect& box, const TextLook& look) {
    drawText(painter, prepare(box, look));
}

void PaintCache::drawText(QPainter& painter, const Prepared& text, const DirectTarget* into) {
    const Layout& l = *text.layout_;
    const QRect& box = text.box_;
    if (l.ink.isEmpty()) return;
    if (!l.translucent.isNull()) {
        painter.drawImage(box.topLeft() + l.wholeAt, l.translucent);
        return;
    }
    const QRgb color = l.color.rgba();
    // Into a window's image the coverage is drawn in place; elsewhere (a
    // scaled painter, another kind of device) as an image made for this
    // paint.
    std::optional<DirectTarget> direct = into ? std::optional<DirectTarget>(*into) : directTarget(painter);
    if (l.needsClip) {
        if (direct)
            direct->clip &= box.translated(direct->offset);
        else
            painter.save(), painter.setClipRect(box, Qt::IntersectClip);
    }
    const auto put = [&](const GlyphCoverage& c, QPoint at) {
        if (direct)
            c.draw(*direct->image, direct->offset + at, direct->clip, color);
        else
            painter.drawImage(at, c.toImage(color));
    };
    if (!l.whole.isNull()) put(l.whole, box.topLeft() + l.wholeAt);
    for (std::size_t i = 0; i < l.glyphs.size(); ++i)
        put(text.glyphs_[i]->coverage, box.topLeft() + l.glyphs[i].whole + text.glyphs_[i]->at);
    if (l.needsClip && !direct) painter.restore();
}

QRect PaintCache::textInk(const QRect& box, const TextLook& look) {
    const QRect ink = layout(box, look)->ink;
    return ink.isEmpty() ? QRect() : ink.translated(box.topLeft());
}

QRegion PaintCache::changedInk(const QRect& box, const TextLook& before, const TextLook& after) {
    const std::shared_ptr<const Layout> a = layout(box, before), b = layout(box, after);
    if (!a->whole.isNull() || !b->whole.isNull() || !a->translucent.isNull() || !b->translucent.isNull() ||
        a->needsClip || b->needsClip || a->color != b->color)
        return QRegion(a->ink.translated(box.topLeft())).united(b->ink.translated(box.topLeft()));
    // A glyph drawn at the same place in both looks has the same pixels.
    const auto same = [](const PlacedGlyph& g, const Layout& in) {
        for (const PlacedGlyph& h : in.glyphs)
            if (h.whole == g.whole && h.key == g.key) return true;
        return false;
    };
    // Of the glyphs that did change, only the pixels whose coverage differs:
    // most segments of a clock digit stay lit from one second to the next.
    // The same change comes back (every minute, 9 to 8 in the same place),
    // so the difference is kept, from the box's corner.
    std::vector<const PlacedGlyph*> changes[2];
    QString key;
    for (int side = 0; side < 2; ++side) {
        const Layout& from = side ? *b : *a;
        const Layout& other = side ? *a : *b;
        key += side ? QStringLiteral("\x1e") : QString();
        for (const PlacedGlyph& g : from.glyphs)
            if (!same(g, other)) {
                changes[side].push_back(&g);
                key += g.key + QLatin1Char('@') + QString::number(g.whole.x()) + QLatin1Char(',') +
                       QString::number(g.whole.y()) + QLatin1Char('\x1f');
            }
    }
    if (auto found = differences_->find(key)) return found->translated(box.topLeft());
    std::vector<std::shared_ptr<const Glyph>> held;  // alive while compared
    std::vector<PlacedCoverage> placed[2];
    for (int side = 0; side < 2; ++side)
        for (const PlacedGlyph* g : changes[side]) {
            held.push_back(glyphFor(*g));
            placed[side].push_back({&held.back()->coverage, g->whole + held.back()->at});
        }
    auto made = std::make_shared<const QRegion>(coverageDifference(placed[0], placed[1]));
    differences_->put(key, made, std::size_t(made->rectCount()) * sizeof(QRect) + 64);
    return made->translated(box.topLeft());
}

bool PaintCache::drawPicture(QPainter& painter, PictureBook& book, const std::string& id, const QRect& box,
                             const DirectTarget* into) {
    if (box.isEmpty()) return false;
    const QString key = QString::fromStdString(id) + QLatin1Char('\x1f') + QString::number(box.width()) +
                        QLatin1Char('x') + QString::number(box.height());
    std::shared_ptr<const QImage> image = pictures_->find(key);
    if (!image) {
        QImage img = transparentImage(box.size());
        bool drawn;
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            drawn = book.draw(p, id, QRectF(QPointF(0, 0), QSizeF(box.size())));
        }
        if (!drawn) return false;  // not kept: the picture book knows it cannot draw it
        ++misses_;
        image = std::make_shared<const QImage>(std::move(img));
        pictures_->put(key, image, std::size_t(image->sizeInBytes()));
    }
    // Through a clip of many pieces (a tick's changed pixels) the toolkit
    // first builds a buffer of spans the height of the window, megabytes on
    // a 4K screen, at each image: there the picture is blended in place.
    // Through a plain rectangle its own blending is the quicker.
    const std::optional<DirectTarget> direct = into ? std::optional<DirectTarget>(*into) : directTarget(painter);
    if (direct && direct->clip.rectCount() > 1)
        blendImage(*direct, direct->offset + box.topLeft(), *image);
    else
        painter.drawImage(box.topLeft(), *image);
    return true;
}

}  // namespace tabrino::qt
