#include "qt/element_painter.h"

#include <algorithm>

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

void paintLabel(QPainter& painter, const Element& e, const QRect& box) {
    if (e.text().empty()) return;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    const FittedFont font = fittedFont(e.font());
    painter.setFont(font.font);
    // A disabled label is greyed, as the toolkit greys disabled captions.
    painter.setPen(e.effectivelyEnabled() ? toColor(e.color())
                                          : QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    // The background stays transparent: the window shows through the box.
    // Moved as the design face would sit, but clipped to the box itself.
    painter.translate(0, font.shift);
    painter.drawText(box, static_cast<int>(horizontal(e.align()) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip),
                     QString::fromStdString(e.text()));
    painter.restore();
}

void paintShape(QPainter& painter, const Element& e, const QRect& box) {
    painter.save();
    painter.setPen(QPen(toColor(e.border()), 1));
    painter.setBrush(toColor(e.color()));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}

// A picture whose file is missing is still something to see and aim at: a
// plain box with the element's name.
void paintMissingPicture(QPainter& painter, const Element& e, const QRect& box) {
    painter.save();
    painter.fillRect(box, QColor(0x30, 0x30, 0x30));
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(std::max(8, std::min(box.height() / 3, 16)));
    painter.setFont(font);
    const QString name = QString::fromStdString(e.name());
    painter.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    painter.restore();
}

}  // namespace

QRect elementBox(const Element& e) { return toPixels(e.geometry()); }

int paintWindowless(QPainter& painter, const Window& w, const Element* container, const QRegion& dirty,
                    PictureBook& pictures) {
    int painted = 0;
    for (const Element* e : w.paintOrder()) {
        if (e->container() != container || !e->effectivelyVisible()) continue;
        const QRect box = elementBox(*e);
        if (box.isEmpty() || !dirty.intersects(box)) continue;
        switch (e->kind()) {
            case Kind::Label: paintLabel(painter, *e, box); break;
            // A disabled picture looks the same: it only ignores the pointer.
            case Kind::Picture:
                if (!pictures.draw(painter, e->picture(), box) && !e->picture().empty())
                    paintMissingPicture(painter, *e, box);
                break;
            case Kind::Shape: paintShape(painter, *e, box); break;
            default: continue;
        }
        ++painted;
    }
    return painted;
}

}  // namespace tabrino::qt
