// The kept images must draw what drawing directly draws: every text look of
// the scoreboard, small and large, at 720p and 4K sizes, is painted both
// ways on black and compared pixel by pixel.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "gui_support.h"
#include "qt/fonts.h"
#include "qt/paint_cache.h"
#include "qt/picture_book.h"

namespace tabrino::qt {
namespace {

struct Case {
    const char* what;
    const char* face;
    float points;
    double scale;  // the window's scaling: 1 on 1280 x 720, 3 on 3840 x 2160
    const char* text;
    Qt::Alignment align;
    QSize box;  // at scale 1
    QRgb color;
};

const Case kCases[] = {
    {"clock digits", "DS-Digital", 309.75f, 1, "02", Qt::AlignHCenter, {377, 337}, 0xFF00FF00},
    {"clock digits at 4K", "DS-Digital", 309.75f, 3, "59", Qt::AlignHCenter, {377, 337}, 0xFFFFFFFF},
    {"clock colon", "DS-Digital", 230.25f, 1, ":", Qt::AlignHCenter, {185, 297}, 0xFFFFFFFF},
    {"goals", "Impact", 260.25f, 1, "17", Qt::AlignHCenter, {345, 361}, 0xFFFFFFFF},
    {"goals at 4K", "Impact", 260.25f, 3, "8", Qt::AlignHCenter, {345, 361}, 0xFFFFFFFF},
    {"long name, wrapped", "Impact", 65.25f, 1, "CLUB PATIN VOLTREGA", Qt::AlignHCenter, {429, 91}, 0xFFFFFF00},
    {"long name at 4K", "Impact", 60, 3, "DEPORTIVO LICEO", Qt::AlignHCenter, {413, 83}, 0xFFFFFF00},
    {"suspension clock", "DS-Digital", 30, 1, "01", Qt::AlignHCenter, {41, 33}, 0xFFFF00FF},
    {"suspension clock at 4K", "DS-Digital", 30, 3, "53", Qt::AlignHCenter, {41, 33}, 0xFFFF00FF},
    {"small caption", "MS Sans Serif", 13.5f, 1, "POSESION", Qt::AlignLeft, {113, 25}, 0xFFFFFF00},
    {"right-aligned, two lines", "Impact", 99.75f, 1, "E 1", Qt::AlignRight, {89, 300}, 0xFF00FF00},
    {"text wider than its box", "Impact", 180, 1, "10", Qt::AlignHCenter, {121, 249}, 0xFF00FFFF},
};

int channelDiff(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The images a text can be drawn on: a window's (32-bit pixels, written in
// place, also through a moved painter) and others, where kept glyphs go as
// images.
struct Target {
    const char* what;
    QImage::Format format;
    QPoint shift;  // the painter is moved by this, the box back by as much
    int step;      // the smallest change of a channel the image holds
};
const Target kTargets[] = {
    {"window image", QImage::Format_RGB32, {}, 1},
    {"window image with alpha", QImage::Format_ARGB32_Premultiplied, {}, 1},
    {"moved painter", QImage::Format_RGB32, {40, -3}, 1},
    {"16-bit image", QImage::Format_RGB16, {}, 8},
};

TEST(PaintCache, DrawsTextsAsDrawingThemDirectly) {
    for (const Target& t : kTargets)
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(t.what) + ": " + c.what);
            const FittedFont f = fittedFont(Font{c.face, c.points, false}, c.scale);
            const QRect box(QPoint(7, 5), c.box * c.scale);
            const int flags = int(c.align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip);
            const QSize canvas = box.size() + QSize(14, 10);

            QImage direct(canvas, t.format);
            direct.fill(Qt::black);
            {
                QPainter p(&direct);
                p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
                p.setClipRect(box);
                p.setFont(f.font);
                p.setPen(QColor::fromRgb(c.color));
                p.translate(0, f.shift);
                p.drawText(box, flags, QString::fromLatin1(c.text));
            }
            PaintCache cache;
            const TextLook look{QString::fromLatin1(c.text), f.font, f.shift, QColor::fromRgb(c.color), flags};
            QImage kept(canvas, t.format);
            long firstMisses = 0;
            for (int twice = 0; twice < 2; ++twice) {  // the second time from what was kept
                kept.fill(Qt::black);
                QPainter p(&kept);
                p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
                p.translate(t.shift);
                if (twice) firstMisses = cache.misses();
                cache.drawText(p, box.translated(-t.shift), look);
            }
            EXPECT_GT(firstMisses, 0);
            EXPECT_EQ(cache.misses(), firstMisses);

            const QRect ink = cache.textInk(box, look);
            EXPECT_TRUE(box.contains(ink));
            int differ = 0, worst = 0, inked = 0, outsideInk = 0;
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x) {
                    const QRgb d = direct.pixel(x, y);
                    const int diff = channelDiff(d, kept.pixel(x, y) | 0xFF000000);
                    if (diff > 0) ++differ;
                    worst = std::max(worst, diff);
                    if ((d & 0xFFFFFF) != 0) {
                        ++inked;
                        if (!ink.contains(x, y)) ++outsideInk;
                    }
                }
            EXPECT_GT(inked, 0);
            EXPECT_EQ(outsideInk, 0) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                     << ink.height();
            // Where the edges of two large glyphs share a pixel, each blends it
            // in turn instead of both at once: a few steps of 255 there, no more.
            // Past a rounding, a 16-bit image shows one step of its own.
            EXPECT_LE(worst, 6 + (t.step > 1 ? t.step : 0)) << differ << " of " << inked << " inked pixels differ";
        }
}

// A kept picture blended into a window's image in place gives the pixels
// the toolkit's own blending gives: see-through edges and a half-clear fill
// over a coloured ground, the box partly outside the image and clipped.
TEST(PaintCache, DrawsPicturesAsTheToolkitBlendsThem) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("pictures"));
    QFile svg(dir.filePath(QStringLiteral("pictures/badge.svg")));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 30'>"
        "<circle cx='20' cy='15' r='13' fill='#e02030'/>"
        "<rect x='3' y='4' width='30' height='12' fill='#20c0f0' fill-opacity='0.5'/></svg>");
    svg.close();
    PictureBook book(dir.path());
    const QSize canvas(300, 200);
    const QRect box(-40, 20, 310, 150);
    const QRegion clip = QRegion(0, 0, 300, 200) - QRegion(100, 60, 50, 40);
    // Onto a window's image (drawn in place) and onto an image the painter
    // blends itself (no alpha premultiplied), the same picture, the same clip.
    const auto paint = [&](QImage::Format format) {
        QImage img(canvas, format);
        img.fill(QColor(0x30, 0x80, 0x30));
        QPainter p(&img);
        p.setClipRegion(clip);
        EXPECT_TRUE(book.cache().drawPicture(p, book, "badge", box));
        p.end();
        return img.convertToFormat(QImage::Format_RGB32);
    };
    const QImage inPlace = paint(QImage::Format_RGB32), blended = paint(QImage::Format_ARGB32);
    int worst = 0, seen = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            worst = std::max(worst, channelDiff(inPlace.pixel(x, y), blended.pixel(x, y)));
            if (inPlace.pixel(x, y) != 0xFF308030u) ++seen;
        }
    EXPECT_GT(seen, 10000);
    EXPECT_LE(worst, 1);
    EXPECT_EQ(inPlace.pixel(120, 80), 0xFF308030u) << "outside the clip, the ground stays";
}

// Every pixel that differs between two looks of a text must lie in the
// region a view repaints for that change.
TEST(PaintCache, ChangedInkHoldsEveryPixelThatChanged) {
    struct Change {
        const char* face;
        float points;
        double scale;
        const char* before;
        const char* after;
        bool oneGlyph;  // only one glyph's place may be repainted
    };
    const Change changes[] = {
        {"DS-Digital", 309.75f, 1, "58", "57", true},
        {"DS-Digital", 309.75f, 3, "10", "09", false},
        {"DS-Digital", 309.75f, 1, "09", "9", false},  // a glyph moves
        {"Impact", 260.25f, 1, "9", "10", false},
        {"DS-Digital", 30, 1, "01", "00", false},  // small: both looks' ink
        {"Impact", 65.25f, 1, "L O C A L", "CLUB PATIN VOLTREGA", false},
        {"Impact", 180, 1, "3", "", false},
    };
    const QRect box(QPoint(3, 4), QSize(377, 337));
    const int flags = int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip);
    for (const Change& c : changes) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        const FittedFont f = fittedFont(Font{c.face, c.points, false}, c.scale);
        const QRect scaled(box.topLeft(), box.size() * c.scale);
        const auto look = [&](const char* text) {
            return TextLook{QString::fromLatin1(text), f.font, f.shift, Qt::white, flags};
        };
        PaintCache cache;
        const auto draw = [&](const char* text) {
            QImage img(scaled.size() + QSize(6, 8), QImage::Format_RGB32);
            img.fill(Qt::black);
            QPainter p(&img);
            cache.drawText(p, scaled, look(text));
            return img;
        };
        const QImage a = draw(c.before), b = draw(c.after);
        const QRegion changed = cache.changedInk(scaled, look(c.before), look(c.after));
        int outside = 0, differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    ++differing;
                    if (!changed.contains(QPoint(x, y))) ++outside;
                }
        EXPECT_GT(differing, 0);
        EXPECT_EQ(outside, 0) << "of " << differing << " changed pixels";
        if (c.oneGlyph) {
            const QRect ink = cache.textInk(scaled, look(c.before));
            EXPECT_LT(changed.boundingRect().width(), ink.width() * 2 / 3);
        }
    }
}

TEST(PaintCache, KeepsWithinItsLimitAndRedrawsWhatItDropped) {
    // Room for a few large glyphs only: the oldest go, and drawing them
    // again renders them again, the same.
    PaintCache cache(64 * 1024, 64 * 1024, 64 * 1024);
    const FittedFont f = fittedFont(Font{"DS-Digital", 309.75f, false}, 1);
    const QRect box(0, 0, 377, 337);
    const int flags = int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    QImage first, again;
    for (int s = 0; s < 60; ++s) {
        QImage img(box.size(), QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        cache.drawText(p, box, TextLook{QString::asprintf("%02d", s), f.font, f.shift, Qt::white, flags});
        p.end();
        if (s == 0) first = img;
        EXPECT_LE(cache.bytes(), 3u * 64 * 1024 + 600 * 1024) << "seconds " << s;  // one oversized glyph may stay
    }
    QImage img(box.size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const long misses = cache.misses();
    cache.drawText(p, box, TextLook{QStringLiteral("00"), f.font, f.shift, Qt::white, flags});
    p.end();
    EXPECT_GT(cache.misses(), misses);
    EXPECT_EQ(img, first);
}

// What a window shows after many small repaints is what it shows painted
// whole: the screen's image of it against a fresh paint of the view.
TEST(PaintCache, WindowAfterChangesLooksAsPaintedWhole) {
    test::ShownProgram s;
    WindowView& view = s.form1View();
    const auto same = [&] {
        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return onScreen == whole;
    };
    s.f()["c"].setVisible(true);
    s.f()["d"].setVisible(true);
    const std::vector<std::pair<const char*, const char*>> steps = {
        {"b", "59"},        {"b", "58"}, {"d", "07"}, {"b", "50"}, {"b", "49"},       {"gollocal", "1"}, {"b", "09"},
        {"gollocal", "10"}, {"b", "9"},  {"d", "00"}, {"b", ""},   {"gollocal", "9"}, {"b", "00"},       {"a", "24"},
    };
    for (const auto& [name, text] : steps) {
        SCOPED_TRACE(std::string(name) + " = \"" + text + "\"");
        s.f()[name].setText(text);
        test::settle();
        EXPECT_TRUE(same());
    }
    s.f()["b"].setColor(0x0000FF);
    test::settle();
    EXPECT_TRUE(same());
}

}  // namespace
}  // namespace tabrino::qt
