#include "qt/element_painter.h"

#include <QPainter>
#include <QPalette>
#include <QGuiApplication>

#include "qt/fonts.h"
#include "qt/geometry.h"
#include "qt/picture_book.h"

namespace tabrino::qt {

namespace {

QColor toColor(Rgb c) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | c)); }

Qt::Alignment horizontal(Align a) {
    switch (a) {
        case Align::Center: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        case Align::Left: break;
    }
    return Qt::AlignLeft;
}

TextLook lookOf(const Element& e) {
    const FittedFont font = fittedFont(e.font());
    // A disabled label is greyed, as the toolkit greys disabled captions.
    // The background stays transparent: the window shows through the box.
    // Moved as the design face would sit, but clipped to the box itself.
    return TextLook{QString::fromStdString(e.text()), font.font, font.shift,
                    e.effectivelyEnabled() ? toColor(e.color())
                                           : QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText),
                    static_cast<int>(horizontal(e.align()) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip)};
}

void paintLabel(QPainter& painter, const Element& e, const QRect& box, PaintCache& cache) {
    if (e.text().empty()) return;
    cache.drawText(painter, box, lookOf(e));
}

void paintShape(QPainter& painter, const Element& e, const QRect& box) {
    painter.save();
    painter.setPen(QPen(toColor(e.border()), 1));
    painter.setBrush(toColor(e.color()));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace

QRect elementBox(const Element& e) { return toPixels(e.geometry()); }

TextLook labelLook(const Element& e) { return lookOf(e); }

QRect elementInk(const Element& e, PictureBook& pictures) {
    if (!e.effectivelyVisible()) return {};
    const QRect box = elementBox(e);
    if (e.kind() != Kind::Label) return box;
    return e.text().empty() ? QRect() : pictures.cache().textInk(box, lookOf(e));
}

int paintWindowless(QPainter& painter, const Window& w, const Element* container, const QRegion& dirty,
                    PictureBook& pictures) {
    int painted = 0;
    for (const Element* e : w.paintOrder()) {
        if (e->container() != container || !e->effectivelyVisible()) continue;
        const QRect box = elementBox(*e);
        if (box.isEmpty() || !dirty.intersects(box)) continue;
        // A label is painted only where its text is: the big digits' boxes
        // overlap their neighbours, their ink does not.
        if (e->kind() == Kind::Label && !dirty.intersects(elementInk(*e, pictures))) continue;
        switch (e->kind()) {
            case Kind::Label: paintLabel(painter, *e, box, pictures.cache()); break;
            // A disabled picture looks the same: it only ignores the pointer.
            case Kind::Picture: pictures.cache().drawPicture(painter, pictures, e->picture(), box); break;
            case Kind::Shape: paintShape(painter, *e, box); break;
            default: continue;
        }
        ++painted;
    }
    return painted;
}

}  // namespace tabrino::qt
