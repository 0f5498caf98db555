// The scoreboard mirror: its design, the copy from the operator window and
// its close cross.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "app/text.h"
#include "board.h"

namespace tabrino {
namespace {

using test::Board;
using test::expectBox;

// Records every real change a view would have to repaint.
struct Repaints : WindowListener {
    std::vector<std::pair<std::string, Property>> changes;
    void elementChanged(Element& e, Property p) override { changes.emplace_back(e.name(), p); }
    void windowChanged(Window&) override {}
    std::multiset<std::pair<std::string, Property>> set() const { return {changes.begin(), changes.end()}; }
};

TEST(MirrorDesign, ScoreboardElementsWithItsOwnPlacesAndCross) {
    Board b;
    Window& m = b.mirror();
    Window& f = b.f();
    for (const char* absent : {"Command1", "Command5", "Command9", "tramos", "config", "Image1", "Image2", "Image3",
                               "apagar", "Label4", "Image8", "Image9"})
        EXPECT_EQ(m.find(absent), nullptr) << absent;
    struct Placed {
        const char* name;
        Rect box;
        float font;
    } placed[] = {
        {"a", {3120, -960, 5895, 5415}, 309.75f},
        {"Label6", {8760, -600, 1335, 4455}, 230.25f},
        {"equipovisita", {12360, 4560, 6435, 1365}, 65.25f},
        {"gollocal", {960, 5160, 5775, 6015}, 249.75f},
        {"golvisita", {12720, 5160, 5295, 6015}, 249.75f},
        {"posesion", {8520, 7560, 2055, 2055}, 80.25f},
        {"Label3(2)", {8520, 4560, 1935, 735}, 27.75f},
        {"f2", {18652, 9240, 495, 375}, 21.75f},
        {"c", {480, 2520, 615, 495}, 30},  // as on the operator window
        {"finmiuto", {120, 120, 480, 360}, 0},
    };
    for (const Placed& e : placed) {
        SCOPED_TRACE(e.name);
        expectBox(m[e.name], e.box);
        EXPECT_FLOAT_EQ(m[e.name].font().size, e.font);
    }
    for (const auto& e : m.elements()) {
        SCOPED_TRACE(e->name());
        EXPECT_TRUE(e->tooltip().empty());
        EXPECT_FALSE(isWindowed(e->kind()));
        if (e->name() == "finmiuto") continue;
        const Element& op = f[e->name()];
        EXPECT_EQ(e->kind(), op.kind());
        EXPECT_EQ(e->text(), op.text());
        EXPECT_EQ(e->color(), op.color());
        EXPECT_EQ(e->visible(), op.visible());
        EXPECT_EQ(e->align(), op.align());
        EXPECT_EQ(e->picture(), op.picture());
    }
    EXPECT_EQ(m.elements().size(), 49u);
    EXPECT_EQ(m["finmiuto"].picture(), "cross");
    EXPECT_EQ(m.paintOrder().back()->name(), "finmiuto");
}

TEST(MirrorDesign, OnlyTheCrossTakesThePointer) {
    Board b;
    Window& m = b.mirrorOn();
    b.click(m, "gollocal");
    b.click(m, "a");
    b.click(m, "faltalocal");
    EXPECT_EQ(b.f()["gollocal"].text(), "0");
    EXPECT_FALSE(b.p.timer1.enabled());
    EXPECT_EQ(b.p.existing("clontabrino"), &m);
}

// One operator change on Form1 and what the mirror shows after the refresh.
struct Follow {
    const char* what;
    std::function<void(Board&, Window& f)> change;
    std::function<void(Window& m)> check;
};

void show(Window& f, std::initializer_list<const char*> names, bool shown = true) {
    for (const char* n : names) f[n].setVisible(shown);
}

const Follow kFollows[] = {
    {"minute added", [](Board& b, Window& f) { b.click(f, "Command1"); },
     [](Window& m) { EXPECT_EQ(m["a"].text(), "01"); }},
    {"second added", [](Board& b, Window& f) { b.click(f, "Command3"); },
     [](Window& m) { EXPECT_EQ(m["b"].text(), "01"); }},
    {"clock started and ticking",
     [](Board& b, Window& f) {
         b.click(f, "Command1");
         b.click(f, "a");
         b.wait(2);
     },
     [](Window& m) {
         EXPECT_EQ(m["a"].text() + ":" + m["b"].text(), "00:58");
         for (const char* n : {"a", "Label6", "b"}) EXPECT_EQ(m[n].color(), colors::green) << n;
     }},
    {"clock reset",
     [](Board& b, Window& f) {
         b.click(f, "Command3");
         b.click(f, "Image2");
     },
     [](Window& m) { EXPECT_EQ(m["b"].text(), "00"); }},
    {"goals",
     [](Board& b, Window& f) {
         f["gollocal"].setText("3");
         f["golvisita"].setText("12");
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_EQ(m["gollocal"].text(), "3");
         EXPECT_EQ(m["golvisita"].text(), "12");
     }},
    {"team names, longer than the field",
     [](Board& b, Window& f) {
         f["equipolocal"].setText("CLUB DEPORTIVO HOCKEY PATIN DE LA COSTA");
         f["equipovisita"].setText("SAN JUAN");
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_EQ(m["equipolocal"].text(), "CLUB DEPORTIVO HOCKEY PATIN DE LA COSTA");
         EXPECT_EQ(m["equipovisita"].text(), "SAN JUAN");
     }},
    {"fouls and their colour",
     [](Board& b, Window& f) {
         f["faltalocal"].setText("5");
         f["faltavisita"].setText("10");
         f["faltavisita"].setColor(colors::red);
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_EQ(m["faltalocal"].text(), "5");
         EXPECT_EQ(m["faltavisita"].text(), "10");
         EXPECT_EQ(m["faltavisita"].color(), colors::red);
     }},
    {"free hit shown with its title, whatever the count's own visibility",
     [](Board& b, Window& f) {
         show(f, {"Label2"});
         f["librelocal"].setText("1");
         show(f, {"librevisita"});
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_TRUE(m["Label2"].visible());
         EXPECT_TRUE(m["librelocal"].visible());
         EXPECT_EQ(m["librelocal"].text(), "1");
         EXPECT_FALSE(m["Label5"].visible());
         EXPECT_FALSE(m["librevisita"].visible());
     }},
    {"cards",
     [](Board& b, Window& f) {
         show(f, {"numazuleslocal", "numrojasvisita"});
         f["numazuleslocal"].setText("2");
         f["numrojasvisita"].setText("1");
         f["Image5"].setEnabled(true);
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_TRUE(m["numazuleslocal"].visible());
         EXPECT_EQ(m["numazuleslocal"].text(), "2");
         EXPECT_TRUE(m["numrojasvisita"].visible());
         EXPECT_EQ(m["numrojasvisita"].text(), "1");
         EXPECT_FALSE(m["numrojaslocal"].visible());
         EXPECT_FALSE(m["Image5"].enabled());  // the card pictures stay as designed
     }},
    {"home slot 1 suspended: picture and clock together",
     [](Board& b, Window& f) {
         show(f, {"amonlocal"});
         f["c"].setText("02");
         f["d"].setText("00");
         refrescaclon(b.p);
     },
     [](Window& m) {
         for (const char* n : {"amonlocal", "Label1", "c", "d"}) EXPECT_TRUE(m[n].visible()) << n;
         EXPECT_EQ(m["c"].text() + m["d"].text(), "0200");
         for (const char* n : {"amonvisita", "e", "amonlocal2", "c2", "amonvisita2", "e2"})
             EXPECT_FALSE(m[n].visible()) << n;
     }},
    {"away slot 2 suspended, its clock shown though only the picture is",
     [](Board& b, Window& f) {
         show(f, {"amonvisita2"});
         f["e2"].setText("01");
         f["f2"].setText("30");
         refrescaclon(b.p);
     },
     [](Window& m) {
         for (const char* n : {"amonvisita2", "Label8b", "e2", "f2"}) EXPECT_TRUE(m[n].visible()) << n;
         EXPECT_EQ(m["f2"].text(), "30");
     }},
    {"suspension ended: all four hidden",
     [](Board& b, Window& f) {
         show(f, {"amonvisita", "Label8", "e", "f"});
         refrescaclon(b.p);
         f["amonvisita"].setVisible(false);
         refrescaclon(b.p);
     },
     [](Window& m) {
         for (const char* n : {"amonvisita", "Label8", "e", "f"}) EXPECT_FALSE(m[n].visible()) << n;
     }},
    {"suspension clock colours by group",
     [](Board& b, Window& f) {
         for (const char* n : {"c2", "d2", "Label1b"}) f[n].setColor(colors::red);
         refrescaclon(b.p);
     },
     [](Window& m) {
         for (const char* n : {"c2", "d2", "Label1b"}) EXPECT_EQ(m[n].color(), colors::red) << n;
         EXPECT_EQ(m["c"].color(), colors::pink);
     }},
    {"time-outs",
     [](Board& b, Window& f) {
         f["tiempolocal"].setText("1");
         f["tiempovisita"].setColor(colors::red);
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_EQ(m["tiempolocal"].text(), "1");
         EXPECT_EQ(m["tiempovisita"].color(), colors::red);
     }},
    {"possession count",
     [](Board& b, Window& f) {
         show(f, {"posesion", "Label9"});
         f["posesion"].setText("00");
         f["posesion"].setColor(colors::magenta);
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_TRUE(m["posesion"].visible());
         EXPECT_TRUE(m["Label9"].visible());
         EXPECT_EQ(m["posesion"].text(), "00");
         EXPECT_EQ(m["posesion"].color(), colors::magenta);
     }},
    {"break and shoot-out caption",
     [](Board& b, Window& f) {
         f["periodo"].setText("E");
         show(f, {"leyendapenal"});
         refrescaclon(b.p);
     },
     [](Window& m) {
         EXPECT_EQ(m["periodo"].text(), "E");
         EXPECT_TRUE(m["leyendapenal"].visible());
     }},
};

TEST(Mirror, FollowsTheOperatorWindow) {
    for (const Follow& c : kFollows) {
        SCOPED_TRACE(c.what);
        Board b;
        Window& m = b.mirrorOn();
        c.change(b, b.f());
        c.check(m);
    }
}

TEST(Mirror, UntouchedWhileSwitchedOff) {
    Board b{"1280x720 1280x720@1280,0"};
    Window& m = b.mirror();
    m.show();
    ASSERT_EQ(b.p.clonactivo, "NO");
    Repaints seen;
    m.addListener(&seen);
    Window& f = b.f();
    b.click(f, "Command1");
    b.click(f, "Command3");
    b.click(f, "a");
    b.wait(3);
    b.click(f, "b");
    b.click(f, "Image2");
    f["gollocal"].setText("4");
    refrescaclon(b.p);
    EXPECT_TRUE(seen.changes.empty());
    EXPECT_EQ(m["a"].text(), "00");
    EXPECT_EQ(m["gollocal"].text(), "0");
    m.removeListener(&seen);
}

TEST(Mirror, RefreshCreatesTheMirrorHiddenWhenAbsent) {
    Board b;
    ASSERT_EQ(b.p.existing("clontabrino"), nullptr);
    b.p.clonactivo = "SI";
    b.click(b.f(), "Command1");
    Window* m = b.p.existing("clontabrino");
    ASSERT_NE(m, nullptr);
    EXPECT_FALSE(m->shown());
    EXPECT_EQ((*m)["a"].text(), "01");
}

// Each tick repaints only the fields that changed, on both windows.
TEST(Mirror, TickChangesOnlyWhatChanged) {
    using Changes = std::multiset<std::pair<std::string, Property>>;
    const auto T = Property::Text, C = Property::Color;
    struct Case {
        const char* clock;  // before the counted tick
        Changes form1, mirror;
    } cases[] = {
        {"09:58", {{"b", T}}, {{"b", T}}},
        {"10:00", {{"a", T}, {"b", T}}, {{"a", T}, {"b", T}}},
        // The last ten seconds turn the clock red: one colour write per field.
        {"00:11", {{"a", C}, {"Label6", C}, {"b", C}, {"b", T}}, {{"a", C}, {"Label6", C}, {"b", C}, {"b", T}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clock);
        Board b{"1280x720 1280x720@1280,0"};
        Window& f = b.f();
        Window& m = b.mirrorOn();
        std::string clock = c.clock;
        // Start one second earlier so the counted tick is not the first refresh.
        int seconds = static_cast<int>(numericValue(clock.substr(0, 2)) * 60 + numericValue(clock.substr(3))) + 1;
        f["a"].setText(twoDigits(seconds / 60));
        f["b"].setText(twoDigits(seconds % 60));
        b.click(f, "a");
        b.wait(1);
        ASSERT_EQ(m["a"].text() + ":" + m["b"].text(), clock);
        Repaints onForm1, onMirror;
        f.addListener(&onForm1);
        m.addListener(&onMirror);
        b.wait(1);
        EXPECT_EQ(onForm1.set(), c.form1);
        EXPECT_EQ(onMirror.set(), c.mirror);
        f.removeListener(&onForm1);
        m.removeListener(&onMirror);
    }
}

TEST(Mirror, NamesAndTimeOutsAreWrittenOnlyWhenTheyDiffer) {
    Board b;
    Window& m = b.mirrorOn();
    b.f()["equipolocal"].setText("PATIN");
    refrescaclon(b.p);
    Repaints seen;
    m.addListener(&seen);
    refrescaclon(b.p);
    EXPECT_TRUE(seen.changes.empty());
    m.removeListener(&seen);
}

TEST(Mirror, CrossSwitchesTheMirrorOff) {
    for (bool settingsOpen : {false, true}) {
        SCOPED_TRACE(settingsOpen ? "settings window open" : "settings window closed");
        Board b{"1280x720 1280x720@1280,0"};
        if (settingsOpen) b.p.win("configuracion").show();
        Window& m = b.mirrorOn();
        b.click(m, "finmiuto");
        EXPECT_EQ(b.p.existing("clontabrino"), nullptr);
        EXPECT_EQ(b.p.clonactivo, "NO");
        EXPECT_EQ(b.p.pantallaauxiliar, "NO");
        // Later refreshes do not bring it back.
        b.click(b.f(), "Command1");
        EXPECT_EQ(b.p.existing("clontabrino"), nullptr);
    }
}

}  // namespace
}  // namespace tabrino
