// The shoot-out boards and the end-of-match screens as the shell shows them:
// their fixed texts must stand on one unclipped line in the face the shell
// paints with, and the marks must show their state on both boards.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

#include "app/procedures.h"
#include "gui_support.h"
#include "qt/fonts.h"

namespace tabrino::qt::test {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kGreen = 0xFF00FF00, kRed = 0xFFFF0000;

struct ShootoutScreens : ::testing::Test, ShownProgram {
    WindowView& view(const char* window) { return *shell->view(window); }
    QImage grab(const char* window) {
        settle();
        return view(window).grab().toImage();
    }
    void click(const char* window, const char* element) {
        WindowView& v = view(window);
        v.routeClick(v.boxOf(element).center(), false);
        settle();
    }
    void openShootout() {
        p.pantallaauxiliar = "SI";
        f()["leyendapenal"].setVisible(true);
        form1View().routeClick(centreOf("leyendapenal"), false);
        settle();
    }
    void endTheMatch(const char* local, const char* visita) {
        p.pantallaauxiliar = "SI";
        f()["gollocal"].setText(local);
        f()["golvisita"].setText(visita);
        llenaFinPartido(p);
        passSeconds(p, fake.clock, 7);
        settle();
    }
    // The text's ink, placed as the painter places it, lies inside the box
    // on a single line.
    void expectOneUnclippedLine(const char* window, const char* element) {
        SCOPED_TRACE(std::string(window) + "." + element);
        WindowView& v = view(window);
        const Element& e = (*v.model())[element];
        const QRect box = v.boxOf(element);
        const FittedFont font = fittedFont(e.font());
        const QFontMetricsF m(font.font);
        const QString text = QString::fromStdString(e.text());
        EXPECT_LE(m.horizontalAdvance(text), box.width()) << "wraps to a second line";
        const QRectF ink = m.tightBoundingRect(text).translated(0, m.ascent() + font.shift);
        EXPECT_LE(ink.bottom(), box.height()) << "bottom of the letters clipped";
        EXPECT_GE(ink.top(), 0) << "top of the letters clipped";
    }
};

TEST_F(ShootoutScreens, FixedTextsStandOnOneUnclippedLine) {
    openShootout();
    for (const char* w : {"penales", "clonpenales"})
        for (const char* e : {"fin", "equipopenall", "equipopenalv", "tabrinogollocal", "tabrinogolvisita"})
            expectOneUnclippedLine(w, e);
    click("penales", "finmiuto");

    endTheMatch("3", "2");
    for (const char* w : {"finpartido", "clonfinpartido"})
        for (const char* e : {"fin", "ganador1", "ganador2", "empate"}) expectOneUnclippedLine(w, e);
}

TEST_F(ShootoutScreens, MarksShowTheirStateOnBothBoards) {
    openShootout();
    ASSERT_TRUE(view("clonpenales").isVisible());
    click("penales", "Image3");   // home 1 goal
    click("penales", "Image4");   // home 2 miss
    click("penales", "Image20");  // away 1 goal
    click("penales", "Image28");  // and cleared
    struct {
        const char* mark;
        QRgb colour;
    } expected[] = {{"penal1l", kGreen}, {"penal2l", kRed}, {"penal3l", kWhite}, {"penal1v", kWhite}};
    for (const char* w : {"penales", "clonpenales"}) {
        const QImage shot = grab(w);
        for (const auto& x : expected) {
            const QRect box = view(w).boxOf(x.mark);
            EXPECT_EQ(shot.pixel(box.center()), x.colour) << w << "." << x.mark;
            EXPECT_EQ(shot.pixel(box.topLeft()), x.colour) << w << "." << x.mark << " outline";
        }
    }
    EXPECT_EQ(p.golespenallocal, 1);
    EXPECT_EQ(p.golespenalvisita, 0);
}

}  // namespace
}  // namespace tabrino::qt::test
