// The end-of-match screen: the result fill, the seven-tick delay and the close.
#include "fixture.h"

namespace tabrino::testing {
namespace {

struct MatchEnd : Scoreboard {
    // The result fields shown on one window, as "GANADOR <name>" or "EMPATE".
    std::string result(const std::string& window) {
        Window& w = p.win(window);
        std::string out;
        if (w["ganador1"].visible()) out += w["ganador1"].text();
        if (w["ganador2"].visible()) out += (out.empty() ? "" : " ") + w["ganador2"].text();
        if (w["empate"].visible()) out += (out.empty() ? "" : " ") + w["empate"].text();
        return out;
    }
    void endMatchAndShow() {
        llenaFinPartido(p);
        wait(7);
    }
};

TEST_F(MatchEnd, ResultByTheNumbersOfTheGoals) {
    struct Case {
        const char* local;
        const char* visita;
        const char* conpenales;
        const char* expected;  // on both windows; empty: no end screen
    } cases[] = {
        {"3", "2", "NO", "GANADOR CAÑUELAS"},
        {"2", "3", "NO", "GANADOR OLÍMPICO"},
        {"10", "9", "NO", "GANADOR CAÑUELAS"},  // by number, not by text
        {"9", "10", "SI", "GANADOR OLÍMPICO"},
        {"2", "2", "NO", "EMPATE"},
        {"0", "0", "NO", "EMPATE"},
        {"2", "2", "SI", ""},
    };
    for (const Case& c : cases) {
        FakeServices f;
        f.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        Program q{f.services()};
        q.setStrict(true);
        q.start();
        q.form1()["equipolocal"].setText("CAÑUELAS");
        q.form1()["equipovisita"].setText("OLÍMPICO");
        q.form1()["gollocal"].setText(c.local);
        q.form1()["golvisita"].setText(c.visita);
        q.conpenales = c.conpenales;
        llenaFinPartido(q);
        SCOPED_TRACE(std::string(c.local) + "-" + c.visita + " conpenales " + c.conpenales);
        const bool penalties = std::string(c.expected).empty();
        EXPECT_EQ(q.form1()["leyendapenal"].visible(), penalties);
        EXPECT_EQ(q.timer2.enabled(), !penalties);
        if (penalties) {
            EXPECT_EQ(q.existing("finpartido"), nullptr);
            continue;
        }
        for (const char* window : {"finpartido", "clonfinpartido"}) {
            Window& w = q.win(window);
            EXPECT_FALSE(w.shown()) << window;
            EXPECT_EQ(w.state(), WindowState::Maximized) << window;
            EXPECT_TRUE(w["fin"].visible()) << window;
            std::string shownResult;
            for (const char* field : {"ganador1", "ganador2", "empate"})
                if (w[field].visible()) shownResult += (shownResult.empty() ? "" : " ") + w[field].text();
            EXPECT_EQ(shownResult, c.expected) << window;
        }
    }
}

TEST_F(MatchEnd, WinnerNameIsCopiedAsShown) {
    names("  los   DE   acá ", "V I S I T A");
    goals("1", "0");
    llenaFinPartido(p);
    EXPECT_EQ(at("finpartido", "ganador2").text(), "  los   DE   acá ");
    EXPECT_EQ(at("clonfinpartido", "ganador2").text(), "  los   DE   acá ");
}

TEST_F(MatchEnd, ShownOnTheSeventhTick) {
    struct Case {
        const char* pantallaauxiliar;
        bool publicShown;
    } cases[] = {{"NO", false}, {"SI", true}, {"no", false}};
    for (const Case& c : cases) {
        FakeServices f;
        f.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        Program q{f.services()};
        q.setStrict(true);
        q.start();
        q.pantallaauxiliar = c.pantallaauxiliar;
        q.form1()["gollocal"].setText("1");
        llenaFinPartido(q);
        SCOPED_TRACE(c.pantallaauxiliar);
        for (int tick = 1; tick <= 6; ++tick) {
            f.clock.now += 1000;
            q.runDueTimers();
            EXPECT_FALSE(q.win("finpartido").shown()) << "tick " << tick;
            EXPECT_EQ(q.contadortimer2, tick);
        }
        f.clock.now += 1000;
        q.runDueTimers();
        EXPECT_TRUE(q.win("finpartido").shown());
        EXPECT_EQ(q.win("clonfinpartido").shown(), c.publicShown);
        EXPECT_FALSE(q.timer2.enabled());
        EXPECT_EQ(q.contadortimer2, 0);
        EXPECT_TRUE(q.form1().shown());
    }
}

TEST_F(MatchEnd, CloseUnloadsTheOperatorScreenAndHidesThePublicOne) {
    struct Case {
        const char* pantallaauxiliar;
        bool byWindowSystem;  // closed without its close picture
    } cases[] = {{"SI", false}, {"NO", false}, {"SI", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pantallaauxiliar) + (c.byWindowSystem ? " window system" : " finmiuto"));
        p.pantallaauxiliar = c.pantallaauxiliar;
        goals("4", "1");
        endMatchAndShow();
        if (c.byWindowSystem)
            p.unload("finpartido");
        else
            click("finpartido", "finmiuto");
        EXPECT_EQ(p.existing("finpartido"), nullptr);
        ASSERT_NE(p.existing("clonfinpartido"), nullptr);
        EXPECT_FALSE(shown("clonfinpartido"));
        EXPECT_EQ(result("clonfinpartido"), "");
        EXPECT_EQ(at("clonfinpartido", "ganador2").text(), "L O C A L");  // kept, hidden
    }
}

TEST_F(MatchEnd, ASecondMatchEndShowsOnlyTheNewResult) {
    struct Case {
        const char* first[2];
        const char* second[2];
        const char* expected;
        bool closeBetween;
    } cases[] = {
        {{"1", "1"}, {"2", "1"}, "GANADOR L O C A L", true},
        {{"2", "1"}, {"1", "1"}, "EMPATE", true},
        {{"0", "5"}, {"3", "3"}, "EMPATE", false},
        {{"3", "3"}, {"0", "5"}, "GANADOR V I S I T A", false},
    };
    for (const char* aux : {"SI", "NO"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(aux) + " " + c.expected + (c.closeBetween ? " closed" : " left open"));
            p.pantallaauxiliar = aux;
            goals(c.first[0], c.first[1]);
            endMatchAndShow();
            if (c.closeBetween) click("finpartido", "finmiuto");
            goals(c.second[0], c.second[1]);
            endMatchAndShow();
            EXPECT_EQ(result("finpartido"), c.expected);
            EXPECT_EQ(result("clonfinpartido"), c.expected);
            click("finpartido", "finmiuto");
        }
    }
}

TEST_F(MatchEnd, ReopenedOperatorScreenStartsFromItsDesign) {
    goals("2", "0");
    endMatchAndShow();
    click("finpartido", "finmiuto");
    Window& fresh = p.win("finpartido");
    EXPECT_EQ(fresh["ganador2"].text(), "");
    EXPECT_FALSE(fresh["ganador1"].visible());
    EXPECT_TRUE(fresh["fin"].visible());
}

}  // namespace
}  // namespace tabrino::testing
