#include "qt/direct_paint.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tabrino::qt {

quint32* pixelLine(const QImage& image, int y) {
    // Written through the constant bits: asking for writable ones would copy
    // the image if it were shared, and the painter draws in this one.
    return reinterpret_cast<quint32*>(const_cast<uchar*>(image.constBits()) + y * image.bytesPerLine());
}

std::optional<DirectTarget> directTarget(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()) return {};
    if (engine->paintDevice()->devType() != QInternal::Image) return {};
    auto* image = static_cast<QImage*>(engine->paintDevice());
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied) return {};
    if (image->devicePixelRatio() != 1.0) return {};
    if (painter.opacity() < 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver) return {};
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate) return {};
    const QPoint offset(int(std::lround(t.dx())), int(std::lround(t.dy())));
    if (std::abs(t.dx() - offset.x()) > 1e-6 || std::abs(t.dy() - offset.y()) > 1e-6) return {};
    QRegion clip(image->rect());
    if (const QRegion system = engine->systemClip(); !system.isEmpty()) clip &= system;
    if (painter.hasClipping()) clip &= painter.clipRegion().translated(offset);
    return DirectTarget{image, offset, clip};
}

void fillPixels(quint32* line, qsizetype count, quint32 pixel) {
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(int(pixel));
    for (; count >= 4; count -= 4, line += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(line), four);
#endif
    while (count-- > 0) *line++ = pixel;
}

void fillRegion(const DirectTarget& target, const QRegion& region, QRgb color) {
    const quint32 pixel = 0xFF000000u | color;
    for (const QRect& r : region& target.clip)
        for (int y = r.top(); y <= r.bottom(); ++y)
            fillPixels(pixelLine(*target.image, y) + r.left(), r.width(), pixel);
}

namespace {

// Each channel of a premultiplied pixel times a / 255, rounded as the
// toolkit rounds it.
inline quint32 byteMul(quint32 x, quint32 a) {
    quint32 rb = (x & 0xFF00FFu) * a;
    rb = ((rb + ((rb >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    quint32 ag = ((x >> 8) & 0xFF00FFu) * a;
    ag = (ag + ((ag >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return ag | rb;
}

}  // namespace

void blendImage(const DirectTarget& target, QPoint at, const QImage& source) {
    const QImage src = source.format() == QImage::Format_ARGB32_Premultiplied
                           ? source
                           : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect area(at, src.size());
    for (const QRect& r : target.clip) {
        const QRect part = r & area;
        for (int y = part.top(); y <= part.bottom(); ++y) {
            quint32* d = pixelLine(*target.image, y);
            const auto* s = reinterpret_cast<const quint32*>(src.constScanLine(y - at.y())) - at.x();
            for (int x = part.left(); x <= part.right(); ++x) {
                const quint32 p = s[x], a = p >> 24;
                if (a == 255)
                    d[x] = p;
                else if (a)
                    d[x] = p + byteMul(d[x], 255 - a);
            }
        }
    }
}

}  // namespace tabrino::qt
