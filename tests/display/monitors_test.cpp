// Monitor discovery at start-up and where the public windows are put.
#include <gtest/gtest.h>

#include "board.h"
#include "display/monitors.h"

namespace tabrino {
namespace {

using test::Board;

const char* const kMirrors[] = {"clontabrino", "clonminuto", "clonpenales", "clonfinpartido"};

struct Layout {
    const char* monitors;
    int cantidad, reintentos, ancho, alto;
    const char* resolucion;
    double izquierda2, izquierda3;
    bool mirrorsPlaced;
    Rect mirrorBounds;  // when placed
};

const Layout kLayouts[] = {
    {"1280x720", 1, 2, 1280, 720, "", 0, 0, false, {}},
    {"1280x720 1280x720@1280,0", 2, 4, 1280, 720, "1280x720", 19200, 0, true, {19200, 0, 19200, 10795}},
    {"1280x720 1920x1080@1280,0", 2, 6, 1280, 720, "1920x1080", 19200, 0, true, {19200, 0, 19200, 10800}},
    {"1280x720 1280x720@1280,0 1280x720@2560,0",
     3,
     6,
     1280,
     720,
     "1280x720",
     19200,
     38400,
     true,
     {19200, 0, 19200, 10795}},
    // Found first, left of the primary: the windows still go to it.
    {"1280x720@-1280,0 1280x720*", 2, 4, 1280, 720, "1280x720", -19200, 0, true, {-19200, 0, 19200, 10795}},
    {"1920x1080 1280x720@1920,0", 2, 6, 1920, 1080, "1280x720", 28800, 0, true, {28800, 0, 19200, 10795}},
    // A wide primary alone gives six hits; the scan goes on to the second screen.
    {"3840x2160 1920x1080@3840,0", 2, 8, 3840, 2160, "1920x1080", 57600, 0, true, {57600, 0, 19200, 10800}},
    // A second screen lower than the primary keeps its own top.
    {"1280x720 1280x720@1280,360", 2, 4, 1280, 720, "1280x720", 19200, 0, true, {19200, 5400, 19200, 10795}},
    {"none", 0, 0, 0, 0, "", 0, 0, false, {}},
};

TEST(Placement, MonitorLayouts) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.monitors);
        Board b{l.monitors};
        EXPECT_EQ(b.p.cantidadmonitores, l.cantidad);
        EXPECT_EQ(b.p.reintentosmonitor, l.reintentos);
        EXPECT_EQ(b.p.anchopantalla, l.ancho);
        EXPECT_EQ(b.p.altopantalla, l.alto);
        EXPECT_EQ(b.p.resolucion, l.resolucion);
        EXPECT_DOUBLE_EQ(b.p.izquierdapantalla2, l.izquierda2);
        EXPECT_DOUBLE_EQ(b.p.izquierdapantalla3, l.izquierda3);
        for (const char* name : kMirrors) {
            Window* w = b.p.existing(name);
            if (!l.mirrorsPlaced) {
                EXPECT_EQ(w, nullptr) << name;
                continue;
            }
            ASSERT_NE(w, nullptr) << name;
            EXPECT_FALSE(w->shown()) << name;
            test::expectBounds(*w, l.mirrorBounds);
        }
    }
}

TEST(Placement, OperatorWindowFillsThePrimaryScreen) {
    struct Case {
        const char* monitors;
        Rect bounds;
    } cases[] = {
        {"1280x720", {0, 0, 19200, 10800}},
        {"1920x1080 1280x720@1920,0", {0, 0, 28800, 16200}},
        {"1280x720@-1280,0 1920x1080*", {0, 0, 28800, 16200}},
        // A primary that does not sit at the desktop origin.
        {"1280x720 1920x1080@1280,0*", {19200, 0, 28800, 16200}},
        {"none", {0, 0, 19200, 10800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monitors);
        Board b{c.monitors};
        EXPECT_EQ(b.f().state(), WindowState::Maximized);
        test::expectBounds(b.f(), c.bounds);
    }
}

TEST(Placement, PublicWindowIsMaximisedOnTheScreenItLiesOn) {
    Board b{"1280x720 1920x1080@1280,0 1280x1024@3200,0"};
    EXPECT_DOUBLE_EQ(b.p.izquierdapantalla3, 48000);
    struct Case {
        const char* window;
        float left, top;
        Rect bounds;
    } cases[] = {
        {"clontabrino", 19200, 0, {19200, 0, 28800, 16200}},
        {"tenencia", 48000, 0, {48000, 0, 19200, 15360}},
        // Below the second screen's bottom, the left edge still decides.
        {"clonminuto", 20000, 17000, {19200, 0, 28800, 16200}},
        {"clonpenales", 90000, 0, {0, 0, 19200, 10800}},  // off every screen: the primary
        {"minuto", 19200, 0, {0, 0, 19200, 10800}},       // an operator window stays with the operator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        Window& w = b.p.win(c.window);
        w.setLeft(c.left);
        w.setTop(c.top);
        maximizeWindow(b.p, w);
        EXPECT_EQ(w.state(), WindowState::Maximized);
        test::expectBounds(w, c.bounds);
    }
}

// The enumeration object on its own.
struct Enumeration : ::testing::Test {
    FakeMonitors api;
    Variables vars;
};

TEST_F(Enumeration, RecordsEachMonitorOnceInTheOrderFound) {
    test::setMonitors(api, "1280x720@-1280,0 1920x1080*");
    clsMonitors m(vars, api);
    EXPECT_EQ(m.DesktopLeft(), -1280);
    EXPECT_EQ(m.DesktopTop(), 0);
    EXPECT_EQ(m.DesktopWidth(), 3200);
    EXPECT_EQ(m.DesktopHeight(), 1080);
    ASSERT_EQ(m.Monitors.Count(), 2u);
    const clsMonitor& left = m.Monitors.Item(1);
    EXPECT_FALSE(left.IsPrimary);
    EXPECT_EQ(left.Handle, FakeMonitors::handleOf(0));
    EXPECT_EQ(left.Left, -1280);
    EXPECT_EQ(left.Right, 0);
    EXPECT_EQ(left.Width, 1280);
    EXPECT_EQ(left.Height, 720);
    EXPECT_EQ(left.WorkRight, 0);
    EXPECT_EQ(left.WorkBottom, 720);
    EXPECT_TRUE(m.Monitors.Item(2).IsPrimary);
    EXPECT_TRUE(m.Monitors.Exists(std::to_string(FakeMonitors::handleOf(1))));
    EXPECT_EQ(m.GetMonitorFromXYPoint(-1, 0, 0), FakeMonitors::handleOf(0));
    EXPECT_EQ(m.GetMonitorFromXYPoint(1920, 0, 0), 0u);
}

TEST_F(Enumeration, WithoutMultiMonitorSupportThePrimaryStandsForTheDesktop) {
    api.noMultiMonitor = true;
    api.fallbackWidthPx = 1024;
    api.fallbackHeightPx = 768;
    api.monitors.clear();
    clsMonitors m(vars, api);
    EXPECT_EQ(vars.cantidadmonitores, 0);
    EXPECT_EQ(m.DesktopLeft(), 0);
    EXPECT_EQ(m.DesktopWidth(), 1024);
    EXPECT_EQ(m.DesktopHeight(), 768);
    ASSERT_EQ(m.Monitors.Count(), 1u);
    EXPECT_TRUE(m.Monitors.Exists("0"));
    const clsMonitor& only = m.Monitors.Item(1);
    EXPECT_FALSE(only.IsPrimary);
    EXPECT_EQ(only.Right, 1024);
    EXPECT_EQ(only.Bottom, 768);
    EXPECT_EQ(only.WorkRight, 1024);
    EXPECT_EQ(vars.anchopantalla, 0);
    EXPECT_EQ(vars.reintentosmonitor, 0);
}

TEST_F(Enumeration, MissingMonitorFunctionEndsTheScanEmpty) {
    test::setMonitors(api, "1280x720 1280x720@1280,0");
    api.noMonitorFromRect = true;
    clsMonitors m(vars, api);
    EXPECT_EQ(m.GetMonitorFromXYPoint(0, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(m.Monitors.Count(), 0u);
    EXPECT_EQ(vars.cantidadmonitores, 2);
    EXPECT_EQ(vars.reintentosmonitor, 0);
}

TEST_F(Enumeration, CountIsSetOnceAndAKnownMultiMonitorDesktopIsNotScannedAgain) {
    test::setMonitors(api, "1280x720 1280x720@1280,0");
    vars.cantidadmonitores = 2;
    clsMonitors m(vars, api);
    EXPECT_EQ(m.Monitors.Count(), 0u);
    m.Refresh();
    EXPECT_EQ(m.Monitors.Count(), 2u);
    test::setMonitors(api, "1280x720");
    m.Refresh();
    EXPECT_EQ(vars.cantidadmonitores, 2);
    EXPECT_EQ(m.Monitors.Count(), 1u);
}

TEST(Placement, NoMonitorFoundStillGivesTheOperatorItsScreen) {
    FakeServices fake;
    fake.monitors.noMonitorFromRect = true;
    Program p{fake.services()};
    p.setStrict(true);
    p.start();
    EXPECT_EQ(p.anchopantalla, 0);
    test::expectBounds(p.form1(), {0, 0, 19200, 10800});
    test::expectBox(p.form1()["gollocal"], {1200, 5160, 5175, 5415});
    EXPECT_EQ(p.existing("clontabrino"), nullptr);
}

}  // namespace
}  // namespace tabrino
