#pragma once
// A program on a scripted desktop, for the display tests.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/procedures.h"
#include "platform/fake/fakes.h"
#include "script/drive.h"

namespace tabrino::test {

// "1280x720 1920x1080@1280,0*" as the scenarios write it; "none" for a
// system without multi-monitor support.
inline void setMonitors(FakeMonitors& fm, const std::string& layout) {
    fm.monitors.clear();
    if (layout == "none") {
        fm.noMultiMonitor = true;
        return;
    }
    std::istringstream words(layout);
    std::string w;
    bool starred = false;
    while (words >> w) {
        FakeMonitors::Monitor m;
        if (w.back() == '*') {
            m.primary = starred = true;
            w.pop_back();
        }
        int width = 0, height = 0, x = 0, y = 0;
        char sep;
        std::istringstream parts(w);
        parts >> width >> sep >> height;
        if (parts >> sep) parts >> x >> sep >> y;
        m.rect = {x, y, x + width, y + height};
        fm.monitors.push_back(m);
    }
    if (!starred) fm.monitors.front().primary = true;
}

struct Board {
    FakeServices fake;
    Program p{fake.services()};

    explicit Board(const std::string& layout = "1280x720") {
        setMonitors(fake.monitors, layout);
        p.setStrict(true);
        p.start();
    }
    Window& f() { return p.form1(); }
    Window& mirror() { return p.win("clontabrino"); }

    // The mirror switched on as the settings window leaves it.
    Window& mirrorOn() {
        p.clonactivo = "SI";
        p.pantallaauxiliar = "SI";
        Window& m = mirror();
        m.show();
        return m;
    }
    void click(Window& w, const char* name) { clickCentre(p, w, name); }
    void wait(int seconds) { passSeconds(p, fake.clock, seconds); }
};

inline Rect box(const Element& e) { return e.geometry(); }

inline void expectBox(const Element& e, Rect want) {
    const Rect g = e.geometry();
    EXPECT_FLOAT_EQ(g.left, want.left) << e.window().name() << "." << e.name() << " left";
    EXPECT_FLOAT_EQ(g.top, want.top) << e.window().name() << "." << e.name() << " top";
    EXPECT_FLOAT_EQ(g.width, want.width) << e.window().name() << "." << e.name() << " width";
    EXPECT_FLOAT_EQ(g.height, want.height) << e.window().name() << "." << e.name() << " height";
}

inline void expectBounds(const Window& w, Rect want) {
    EXPECT_FLOAT_EQ(w.left(), want.left) << w.name() << " left";
    EXPECT_FLOAT_EQ(w.top(), want.top) << w.name() << " top";
    EXPECT_FLOAT_EQ(w.width(), want.width) << w.name() << " width";
    EXPECT_FLOAT_EQ(w.height(), want.height) << w.name() << " height";
}

}  // namespace tabrino::test
