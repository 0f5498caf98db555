#include "qt/element_painter.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "display/scaling.h"
#include "display/screens.h"
#include "qt/fonts.h"
#include "qt/geometry.h"
#include "qt/picture_book.h"
#include "qt/text_fit.h"

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
    const QRect box = elementBox(e);
    const QString text = QString::fromStdString(e.text());
    const TextFit fit =
        holdsTeamName(e) ? fitName(text, e.font(), box.size()) : fitLabel(text, e.font(), box.size(), verticalSlack(e));
    // A disabled label is greyed, as the toolkit greys disabled captions.
    // The background stays transparent: the window shows through the box.
    // Moved as the design face would sit, but clipped to the box itself.
    // The fitted lines are drawn as they are: no further wrapping.
    return TextLook{fit.lines.join(QLatin1Char('\n')), fit.font, fit.shift,
                    e.effectivelyEnabled() ? toColor(e.color())
                                           : QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText),
                    static_cast<int>(horizontal(e.align()) | Qt::AlignTop | Qt::TextDontClip)};
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

bool holdsTeamName(const Element& e) {
    static const char* const names[] = {"equipolocal", "equipovisita", "nomminuto",    "minlocal",
                                        "minvisita",   "ganador2",     "equipopenall", "equipopenalv"};
    for (const char* n : names)
        if (e.name() == n) return true;
    return false;
}

bool closeIconOfPublicWindow(const Element& e) { return e.name() == "finmiuto" && isPublicWindow(e.window()); }

QRect elementBox(const Element& e) { return toPixels(e.geometry()); }

TextLook labelLook(const Element& e) { return lookOf(e); }

QRect elementInk(const Element& e, PictureBook& pictures) {
    if (!e.effectivelyVisible()) return {};
    const QRect box = elementBox(e);
    if (e.kind() != Kind::Label) return box;
    return e.text().empty() ? QRect() : pictures.cache().textInk(box, lookOf(e));
}

int paintWindowless(QPainter& painter, const Window& w, const Element* container, const QRegion& dirty,
                    PictureBook& pictures, bool pointerInside) {
    int painted = 0;
    for (const Element* e : w.paintOrder()) {
        if (e->container() != container || !e->effectivelyVisible()) continue;
        // The public never sees a red cross: it shows while the pointer is over the window.
        if (!pointerInside && closeIconOfPublicWindow(*e)) continue;
        const QRect box = elementBox(*e);
        if (box.isEmpty() || !dirty.intersects(box)) continue;
        // A label is painted only where its text is: the big digits' boxes
        // overlap their neighbours, their ink does not.
        if (e->kind() == Kind::Label && !dirty.intersects(elementInk(*e, pictures))) continue;
        switch (e->kind()) {
            case Kind::Label: paintLabel(painter, *e, box, pictures.cache()); break;
            // A disabled picture looks the same: it only ignores the pointer.
            case Kind::Picture:
                if (!pictures.cache().drawPicture(painter, pictures, e->picture(), box) && !e->picture().empty())
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
