#include "qt/element_painter.h"

#include <algorithm>
#include <vector>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "display/scaling.h"
#include "display/screens.h"
#include "qt/direct_paint.h"
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

namespace {

// One element to paint, with what decides its pixels worked out once.
struct Drawable {
    const Element* e;
    QRect box;
    PaintCache::Prepared text;  // labels only
};

void paintOne(QPainter& painter, const Drawable& d, PictureBook& pictures, const DirectTarget* into) {
    switch (d.e->kind()) {
        case Kind::Label: pictures.cache().drawText(painter, d.text, into); break;
        // A disabled picture looks the same: it only ignores the pointer.
        case Kind::Picture:
            if (!pictures.cache().drawPicture(painter, pictures, d.e->picture(), d.box, into) &&
                !d.e->picture().empty())
                paintMissingPicture(painter, *d.e, d.box);
            break;
        case Kind::Shape: paintShape(painter, *d.e, d.box); break;
        default: break;
    }
}

}  // namespace

int paintWindowless(QPainter& painter, const Window& w, const Element* container, const QRegion& dirty,
                    PictureBook& pictures, bool pointerInside, const QColor* background) {
    std::vector<Drawable> list;
    for (const Element* e : w.paintOrder()) {
        if (e->container() != container || !e->effectivelyVisible()) continue;
        // The public never sees a red cross: it shows while the pointer is over the window.
        if (!pointerInside && closeIconOfPublicWindow(*e)) continue;
        if (e->kind() != Kind::Label && e->kind() != Kind::Picture && e->kind() != Kind::Shape) continue;
        Drawable d{e, elementBox(*e), {}};
        if (d.box.isEmpty() || !dirty.intersects(d.box)) continue;
        if (e->kind() == Kind::Label) {
            if (e->text().empty()) continue;
            // A label is painted only where its text is: the big digits'
            // boxes overlap their neighbours, their ink does not.
            d.text = pictures.cache().prepare(d.box, lookOf(*e));
            if (!dirty.intersects(d.text.ink())) continue;
        }
        list.push_back(std::move(d));
    }
    // Where the painter puts its pixels, worked out once for all of them.
    const std::optional<DirectTarget> direct = directTarget(painter);
    if (background) {
        if (direct)
            fillRegion(*direct, dirty.translated(direct->offset), background->rgb());
        else
            for (const QRect& r : dirty) painter.fillRect(r, *background);
    }
    for (const Drawable& d : list) paintOne(painter, d, pictures, direct ? &*direct : nullptr);
    return int(list.size());
}

}  // namespace tabrino::qt
