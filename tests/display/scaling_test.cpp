// Scaling of the windows from the design canvas to their screens.
#include <gtest/gtest.h>

#include "app/window_catalog.h"
#include "board.h"
#include "display/scaling.h"
#include "display/screens.h"
#include "form/design_rows.h"

namespace tabrino {
namespace {

using test::Board;
using test::expectBox;

// Every element of a window against its design row, scaled by the factors.
void expectScaled(const Window& w, float fa, float fh) {
    for (const ElementDesign& d : w.design().elements) {
        const Element& e = w[d.name];
        SCOPED_TRACE(w.name() + "." + d.name);
        if (e.kind() == Kind::ComboBox) continue;  // checked by name where it matters
        expectBox(e, {d.left * fa, d.top * fh, d.width * fa, d.height * fh});
        // Labels by the smaller factor, so text keeps to its box; buttons
        // and text boxes by the vertical one.
        const bool followsHeight = e.kind() == Kind::Button || e.kind() == Kind::TextBox;
        EXPECT_FLOAT_EQ(e.font().size, d.fontSize * (followsHeight ? fh : std::min(fa, fh)));
    }
}

TEST(Scaling, OperatorWindowOnThePrimaryScreen) {
    struct Case {
        const char* monitors;
        float fa, fh;
        Rect gollocal, tramos;
        float buttonFont;
    } cases[] = {
        {"1280x720", 1, 1, {1200, 5160, 5175, 5415}, {7920, 4200, 3015, 420}, 19.5f},
        {"1920x1080", 1.5f, 1.5f, {1800, 7740, 7762.5f, 8122.5f}, {11880, 4200, 3015, 420}, 29.25f},
        {"1280x1024", 1, 1024.0f / 720, {1200, 7338.6665f, 5175, 7701.333f}, {7920, 4200, 3015, 420}, 27.733334f},
        // The primary counts, not the public screen beside it.
        {"1920x1080 1280x720@1920,0", 1.5f, 1.5f, {1800, 7740, 7762.5f, 8122.5f}, {11880, 4200, 3015, 420}, 29.25f},
        // Size unknown: the window's own maximised size instead of nothing.
        {"none", 1, 1, {1200, 5160, 5175, 5415}, {7920, 4200, 3015, 420}, 19.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monitors);
        Board b{c.monitors};
        Window& f = b.f();
        EXPECT_TRUE(f.scaled());
        expectScaled(f, c.fa, c.fh);
        expectBox(f["gollocal"], c.gollocal);
        expectBox(f["tramos"], c.tramos);
        EXPECT_FLOAT_EQ(f["Command1"].font().size, c.buttonFont);
        EXPECT_FLOAT_EQ(f["tramos"].font().size, 12);
        EXPECT_FLOAT_EQ(f["a"].font().size, 309.75f * std::min(c.fa, c.fh));
    }
}

TEST(Scaling, LaterResizeOfTheOperatorWindowKeepsItsGeometry) {
    Board b{"1920x1080"};
    Window& f = b.f();
    f.setState(WindowState::Minimized);
    f.setState(WindowState::Normal);
    f.setState(WindowState::Maximized);
    expectScaled(f, 1.5f, 1.5f);
    expectBox(f["tramos"], {11880, 4200, 3015, 420});
}

TEST(Scaling, PublicWindowFollowsTheScreenItIsShownOn) {
    struct Case {
        const char* monitors;
        float fa, fh;
        Rect bounds;
    } cases[] = {
        {"1280x720 1280x720@1280,0", 1, 1, {19200, 0, 19200, 10800}},
        {"1280x720 1920x1080@1280,0", 1.5f, 1.5f, {19200, 0, 28800, 16200}},
        {"1920x1080 1280x720@1920,0", 1, 1, {28800, 0, 19200, 10800}},
        {"1280x720@-1280,0 1920x1080*", 1, 1, {-19200, 0, 19200, 10800}},
        {"1280x720 1280x1024@1280,0", 1, 1024.0f / 720, {19200, 0, 19200, 15360}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monitors);
        Board b{c.monitors};
        Window& m = b.mirror();
        m.show();
        EXPECT_EQ(m.state(), WindowState::Maximized);
        test::expectBounds(m, c.bounds);
        expectScaled(m, c.fa, c.fh);
    }
}

TEST(Scaling, GuardedWindowIsScaledOnceAndKeptMaximised) {
    Board b{"1280x720 1920x1080@1280,0"};
    Window& m = b.mirror();
    m.show();
    // A second notification, a minimise and a restore: no compounding.
    m.notifyResize();
    m.setState(WindowState::Minimized);
    EXPECT_EQ(m.state(), WindowState::Maximized);
    m.setState(WindowState::Normal);
    EXPECT_EQ(m.state(), WindowState::Maximized);
    expectScaled(m, 1.5f, 1.5f);
    // Hidden and shown again: still the first scaling.
    m.hide();
    m.show();
    expectScaled(m, 1.5f, 1.5f);
}

TEST(Scaling, RecreatedWindowStartsFromItsDesign) {
    Board b{"1280x720 1920x1080@1280,0"};
    b.mirror().show();
    b.p.unload("clontabrino");
    ASSERT_EQ(b.p.existing("clontabrino"), nullptr);
    Window& again = b.mirror();
    expectScaled(again, 1, 1);
    again.setLeft(b.p.izquierdapantalla2);
    again.show();
    expectScaled(again, 1.5f, 1.5f);
}

TEST(Scaling, WindowMaximisedBeforeItIsFirstShownIsStillScaled) {
    Board b{"1280x720 1920x1080@1280,0"};
    Window& m = b.mirror();
    maximizeWindow(b.p, m);
    EXPECT_FALSE(m.scaled());
    m.show();
    expectScaled(m, 1.5f, 1.5f);
}

TEST(Scaling, EveryScaledWindowIsMaximisedAndScaledWhenFirstShown) {
    Board b{"1920x1080 1920x1080@1920,0"};
    for (const char* name : {"clontabrino", "clonminuto", "clonfinpartido", "tenencia", "minuto", "finpartido",
                             "penales", "clonpenales"}) {
        SCOPED_TRACE(name);
        Window& w = b.p.win(name);
        // Start-up places the mirror windows; the settings place this one.
        if (w.name() == "tenencia") w.setLeft(28800);
        w.show();
        EXPECT_EQ(w.state(), WindowState::Maximized);
        EXPECT_TRUE(w.scaled());
        // Public windows on the extra screen, the others on the operator's.
        test::expectBounds(w, {isPublicWindow(w) ? 28800.0f : 0.0f, 0, 28800, 16200});
        expectScaled(w, 1.5f, 1.5f);
    }
    // The settings dialog keeps its design size.
    Window& settings = b.p.win("configuracion");
    settings.show();
    EXPECT_FALSE(settings.scaled());
    EXPECT_EQ(settings.state(), WindowState::Normal);
}

// The element rules on a window of every kind of element.
TEST(Scaling, ElementKinds) {
    using namespace rows;
    WindowDesign d;
    d.name = "sample";
    d.elements = {
        label("caption", {100, 200, 300, 400}, "Impact", 20, regular, colors::white, "x"),
        picture("icon", {10, 20, 30, 40}, "cross"),
        shape("box", {1000, 1000, 600, 300}, colors::red, colors::white),
        control(Kind::Button, "go", {2000, 2000, 400, 300}, "MS Sans Serif", 10, bold, "+"),
        control(Kind::TextBox, "minutes", {3000, 3000, 500, 300}, "MS Sans Serif", 8, regular, "25"),
        control(Kind::ComboBox, "list", {4000, 4000, 3000, 420}, "MS Sans Serif", 12, regular, "a"),
        control(Kind::Frame, "group", {5000, 5000, 2000, 2000}, "MS Sans Serif", 8, regular, "Frame"),
        control(Kind::CheckBox, "inside", {100, 100, 800, 200}, "MS Sans Serif", 8, regular, "on", {}, "group"),
    };
    Window w{d, nullptr};
    scaleElements(w, {2, 0.5f});
    struct Case {
        const char* name;
        Rect box;
        float font;
    } cases[] = {
        {"caption", {200, 100, 600, 200}, 10},   {"icon", {20, 10, 60, 20}, 0},
        {"box", {2000, 500, 1200, 150}, 0},      {"go", {4000, 1000, 800, 150}, 5},
        {"minutes", {6000, 1500, 1000, 150}, 4}, {"list", {4000, 4000, 3000, 420}, 12},  // left to its owner
        {"group", {10000, 2500, 4000, 1000}, 4}, {"inside", {200, 50, 1600, 100}, 4},    // relative to its frame
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectBox(w[c.name], c.box);
        EXPECT_FLOAT_EQ(w[c.name].font().size, c.font);
        EXPECT_EQ(tienealtura(w[c.name]), w[c.name].kind() != Kind::ComboBox);
    }
}

}  // namespace
}  // namespace tabrino
