// The possession count: its step in the game-clock tick, the warnings, the
// restart by Alt+X (Command9's access key) and the possession window.
#include "fixture.h"

namespace tabrino {
namespace {

struct Possession : Scoreboard {
    void SetUp() override {
        Scoreboard::SetUp();
        p.conposesion = "SI";
    }
    Element& posesion() { return el("posesion"); }
    std::string big() { return p.win("tenencia")["segunditos"].text(); }
    void altX() { p.press(el("Command9")); }
    void start(const char* minutes = "10") {
        el("a").setText(minutes);
        el("b").setText("00");
        click("a");
    }
};

TEST_F(Possession, CountsDownFrom45AndHoldsAtZeroInMagenta) {
    struct Case {
        const char* cinco;
        const char* cero;
        int avisoPlays;
        int clinPlays;
        const char* ceroavisado;
    } cases[] = {
        {"si", "si", 1, 1, "si"},
        {"si", "no", 1, 0, "si"},
        {"no", "si", 0, 0, "no"},  // the end warning needs both
        {"no", "no", 0, 0, "no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cinco) + "/" + c.cero);
        p.avisocinco = c.cinco;
        p.avisocero = c.cero;
        fake.sounds.plays.clear();
        start();
        wait(39);
        EXPECT_EQ(posesion().text(), "06");
        EXPECT_EQ(fake.sounds.played("aviso.wav"), 0);
        wait(1);
        EXPECT_EQ(posesion().text(), "05");
        EXPECT_EQ(big(), "05");
        EXPECT_EQ(fake.sounds.played("aviso.wav"), c.avisoPlays);
        wait(4);
        EXPECT_EQ(posesion().text(), "01");
        EXPECT_EQ(posesion().color(), colors::yellow);
        wait(1);
        EXPECT_EQ(posesion().text(), "00");
        EXPECT_EQ(big(), "00");
        EXPECT_EQ(posesion().color(), colors::magenta);
        EXPECT_EQ(p.win("tenencia")["segunditos"].color(), colors::white);
        EXPECT_EQ(p.ceroavisado, c.ceroavisado);
        wait(20);  // held at 00: nothing more sounds
        EXPECT_EQ(posesion().text(), "00");
        EXPECT_EQ(fake.sounds.played("aviso.wav"), c.avisoPlays);
        EXPECT_EQ(fake.sounds.played("clin.wav"), c.clinPlays);
        EXPECT_EQ(el("a").text() + ":" + el("b").text(), "08:55");  // the game clock went on regardless
        stopClock();
        altX();
    }
}

TEST_F(Possession, EachRestartGivesOneMoreOfEachWarning) {
    p.avisocinco = "si";
    p.avisocero = "si";
    start();
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        wait(50);
        EXPECT_EQ(fake.sounds.played("aviso.wav"), run);
        EXPECT_EQ(fake.sounds.played("clin.wav"), run);
        altX();
        EXPECT_EQ(p.ceroavisado, "no");
    }
}

TEST_F(Possession, AltXRestartsEverywhereAtOnce) {
    start();
    wait(28);
    ASSERT_EQ(posesion().text(), "17");
    altX();
    EXPECT_EQ(posesion().text(), "45");
    EXPECT_EQ(posesion().color(), colors::yellow);
    EXPECT_EQ(big(), "45");
    EXPECT_TRUE(p.timer1.enabled());
    wait(1);
    EXPECT_EQ(posesion().text(), "44");
    // Restarting from the magenta 00.
    wait(44);
    ASSERT_EQ(posesion().color(), colors::magenta);
    altX();
    EXPECT_EQ(posesion().color(), colors::yellow);
    EXPECT_EQ(posesion().text(), "45");
}

TEST_F(Possession, AltXCreatesThePossessionWindowHidden) {
    ASSERT_EQ(shown("tenencia"), "absent");
    altX();
    EXPECT_EQ(shown("tenencia"), "hidden");
    EXPECT_EQ(big(), "45");
}

TEST_F(Possession, FrozenWhileTheClockIsStoppedAndDuringBreaks) {
    start();
    wait(15);
    ASSERT_EQ(posesion().text(), "30");
    stopClock();
    wait(10);
    EXPECT_EQ(posesion().text(), "30");
    el("periodo").setText("E");
    click("a");
    wait(10);
    EXPECT_EQ(el("a").text() + ":" + el("b").text(), "09:35");
    EXPECT_EQ(posesion().text(), "30");
    el("periodo").setText("2");
    wait(1);
    EXPECT_EQ(posesion().text(), "29");
}

TEST_F(Possession, SwitchedOffTheTickLeavesItAloneButAltXStillWrites) {
    p.conposesion = "NO";
    posesion().setText("17");
    start();
    wait(5);
    EXPECT_EQ(posesion().text(), "17");
    altX();
    EXPECT_EQ(posesion().text(), "45");
    EXPECT_EQ(big(), "45");
}

TEST_F(Possession, ClosingThePossessionWindow) {
    p.tenenciaauxiliar = "si";
    p.win("tenencia").setLeft(19200);  // on the public's screen, as the settings put it
    p.win("tenencia").show();
    click(p.win("tenencia"), "finmiuto");
    EXPECT_EQ(p.tenenciaauxiliar, "no");
    EXPECT_EQ(shown("tenencia"), "absent");
    EXPECT_EQ(shown("configuracion"), "absent");  // not opened to clear its box

    // The count goes on being written; the window comes back hidden.
    start();
    wait(1);
    EXPECT_EQ(shown("tenencia"), "hidden");
    EXPECT_EQ(big(), "44");
}

}  // namespace
}  // namespace tabrino
