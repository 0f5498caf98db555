// Time-outs taken, reserved, given back and cancelled, and the minute's
// countdown, through the operator's double-clicks.
#include "fixture.h"

namespace tabrino {
namespace {

struct Timeouts : Scoreboard {
    void SetUp() override {
        Scoreboard::SetUp();
        el("equipolocal").setText("PATIN");
        el("equipovisita").setText("HOCKEY");
        el("gollocal").setText("3");
        el("golvisita").setText("2");
    }
    Window& minuto() { return *p.existing("minuto"); }
    Window& twin() { return p.win("clonminuto"); }
    std::string countdown(Window& w) { return w["min"].text() + ":" + w["seg"].text(); }
    // One minute taken by the home side at 12:34 and run to its end.
    void takeHomeAt1234() {
        playFrom("12", "35");
        stopClock();
        dblclick("tiempolocal");
    }
};

struct MinuteRun : Timeouts, ::testing::WithParamInterface<const char*> {};

TEST_P(MinuteRun, FromTakingToTheHorn) {
    p.pantallaauxiliar = GetParam();
    const bool extraScreen = p.pantallaauxiliar == "SI";
    takeHomeAt1234();

    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_TRUE(el("tiempolocal").enabled());
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(el("a").text() + ":" + el("b").text(), "12:34");
    ASSERT_EQ(shown("minuto"), "shown");
    EXPECT_TRUE(p.timer3.enabled());
    for (Window* w : {&minuto(), &twin()}) {
        EXPECT_EQ((*w)["nomminuto"].text(), "PATIN") << w->name();
        EXPECT_EQ((*w)["loqueva"].text(), "12:34") << w->name();
        EXPECT_EQ((*w)["minlocal"].text(), "PATIN") << w->name();
        EXPECT_EQ((*w)["minvisita"].text(), "HOCKEY") << w->name();
        EXPECT_EQ((*w)["golminlocal"].text(), "3") << w->name();
        EXPECT_EQ((*w)["golminvisita"].text(), "2") << w->name();
    }
    EXPECT_EQ(shown("clonminuto"), extraScreen ? "shown" : "hidden");
    EXPECT_EQ(countdown(minuto()), "00:00");

    wait(1);
    EXPECT_EQ(countdown(minuto()), "00:59");
    EXPECT_EQ(countdown(twin()), "00:59");
    wait(43);
    EXPECT_EQ(countdown(minuto()), "00:16");
    EXPECT_EQ(played("clin.wav"), 0);
    wait(1);
    EXPECT_EQ(countdown(minuto()), "00:15");
    EXPECT_EQ(played("clin.wav"), 1);
    wait(5);
    EXPECT_EQ(countdown(minuto()), "00:10");
    wait(1);
    EXPECT_EQ(countdown(twin()), "00:09");
    // Cards given meanwhile are for the horn to release again.
    for (const char* card : {"Image4", "Image5", "Image6", "Image7"}) el(card).setEnabled(false);
    wait(8);
    EXPECT_EQ(countdown(minuto()), "00:01");
    EXPECT_EQ(played("timbre.wav"), 0);

    wait(1);  // the 60th second
    EXPECT_EQ(shown("minuto"), "absent");
    EXPECT_FALSE(p.timer3.enabled());
    EXPECT_EQ(played("timbre.wav"), 1);
    EXPECT_EQ(played("clin.wav"), 1);
    for (const char* card : {"Image4", "Image5", "Image6", "Image7"}) EXPECT_TRUE(el(card).enabled()) << card;
    EXPECT_EQ(shown("clonminuto"), "hidden");
    EXPECT_EQ(countdown(twin()), "01:00");
    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_EQ(el("a").text() + ":" + el("b").text(), "12:34");

    wait(5);  // nothing left counting
    EXPECT_EQ(played("timbre.wav"), 1);

    // The next minute opens at 00:00 while the twin still shows 01:00.
    dblclick("tiempovisita");
    EXPECT_EQ(countdown(minuto()), "00:00");
    EXPECT_EQ(countdown(twin()), "01:00");
    EXPECT_EQ(twin()["nomminuto"].text(), "HOCKEY");
    wait(1);
    EXPECT_EQ(countdown(twin()), "00:59");
}

INSTANTIATE_TEST_SUITE_P(ExtraScreen, MinuteRun, ::testing::Values("NO", "SI"));

TEST_F(Timeouts, WarningSecondComesFromTheSeriesTable) {
    p.tablaseries[30] = "05";
    takeHomeAt1234();
    wait(54);
    EXPECT_EQ(minuto()["seg"].text(), "06");
    EXPECT_EQ(played("clin.wav"), 0);
    wait(1);
    EXPECT_EQ(played("clin.wav"), 1);
    wait(5);
    EXPECT_EQ(played("clin.wav"), 1);
    EXPECT_EQ(played("timbre.wav"), 1);
    EXPECT_EQ(shown("minuto"), "absent");
}

TEST_F(Timeouts, ReservedWhileTheClockRunsAndTakenAfterTheHorn) {
    playFrom("10", "00");
    dblclick("tiempolocal");
    EXPECT_TRUE(el("Image8").visible());
    EXPECT_EQ(p.minutopedido, "local");
    EXPECT_EQ(el("tiempolocal").text(), "0");
    EXPECT_EQ(shown("minuto"), "absent");
    EXPECT_TRUE(p.timer1.enabled());

    dblclick("tiempolocal");  // the same side again: nothing more
    EXPECT_EQ(p.minutopedido, "local");
    EXPECT_TRUE(el("Image8").visible());

    stopClock();
    EXPECT_EQ(played("timbre.wav"), 1);
    dblclick("tiempolocal");
    EXPECT_EQ(fake.dialogs.messages, 0);
    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_FALSE(el("Image8").visible());
    EXPECT_EQ(p.minutopedido, "");
    EXPECT_EQ(shown("minuto"), "shown");
}

TEST_F(Timeouts, OtherSidesRequestReplacesTheFirst) {
    playFrom("10", "00");
    dblclick("tiempolocal");
    dblclick("tiempovisita");
    EXPECT_FALSE(el("Image8").visible());
    EXPECT_TRUE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "visita");
    dblclick("tiempolocal");
    EXPECT_TRUE(el("Image8").visible());
    EXPECT_FALSE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "local");
    EXPECT_EQ(fake.dialogs.messages, 0);
}

TEST_F(Timeouts, CuidadoDecidesWhoTakesAReservedMinute) {
    playFrom("10", "00");
    dblclick("tiempovisita");
    stopClock();

    fake.dialogs.answer(Answer::No);
    dblclick("tiempolocal");
    EXPECT_EQ(fake.dialogs.lastText, "El minuto fue solicitado por HOCKEY, \ndesea que sea tomado por PATIN?");
    EXPECT_EQ(fake.dialogs.lastTitle, "Cuidado!!!");
    EXPECT_EQ(fake.dialogs.lastButtons, Buttons::YesNo);
    EXPECT_EQ(fake.dialogs.lastIcon, Icon::None);
    EXPECT_TRUE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "visita");
    EXPECT_EQ(el("tiempolocal").text(), "0");
    EXPECT_EQ(shown("minuto"), "absent");

    fake.dialogs.answer(Answer::Yes);
    dblclick("tiempolocal");
    EXPECT_EQ(fake.dialogs.messages, 2);
    EXPECT_FALSE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "");
    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_EQ(el("tiempovisita").text(), "0");
    EXPECT_EQ(minuto()["nomminuto"].text(), "PATIN");
}

TEST_F(Timeouts, CuidadoTheOtherWayRound) {
    playFrom("10", "00");
    dblclick("tiempolocal");
    stopClock();
    fake.dialogs.answer(Answer::Yes);
    dblclick("tiempovisita");
    EXPECT_EQ(fake.dialogs.lastText, "El minuto fue solicitado por PATIN, \ndesea que sea tomado por HOCKEY?");
    EXPECT_EQ(el("tiempovisita").text(), "1");
    EXPECT_FALSE(el("Image8").visible());
    EXPECT_EQ(minuto()["nomminuto"].text(), "HOCKEY");
}

TEST_F(Timeouts, CountStopsAtTwoUntilOneIsGivenBack) {
    takeHomeAt1234();
    click(minuto(), "finmiuto");
    dblclick("tiempolocal");
    EXPECT_EQ(el("tiempolocal").text(), "2");
    EXPECT_FALSE(el("tiempolocal").enabled());
    click(minuto(), "finmiuto");

    dblclick("tiempolocal");  // swallowed by the disabled count
    EXPECT_EQ(el("tiempolocal").text(), "2");
    EXPECT_EQ(shown("minuto"), "absent");
    EXPECT_EQ(p.minutopedido, "");

    dblclick("Label3a");
    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_TRUE(el("tiempolocal").enabled());
    dblclick("tiempolocal");
    EXPECT_EQ(el("tiempolocal").text(), "2");
    EXPECT_EQ(shown("minuto"), "shown");

    dblclick("Label3b");  // the away side has none to give back
    EXPECT_EQ(el("tiempovisita").text(), "0");
}

TEST_F(Timeouts, GiveBackOnlyWithTheGameStoppedAfterItRan) {
    struct Case {
        const char* what;
        bool running;
        const char* a;
        const char* b;
        const char* estado;
        const char* expected;
    } cases[] = {
        {"stopped during play", false, "12", "34", "iniciado", "0"},
        {"clock running", true, "12", "34", "iniciado", "1"},
        {"clock at 00:00", false, "00", "00", "iniciado", "1"},
        {"not started in this period", false, "12", "34", "noiniciado", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        el("tiempovisita").setText("1");
        el("a").setText(c.a);
        el("b").setText(c.b);
        p.estadoinicio = c.estado;
        p.timer1.setEnabled(c.running);
        dblclick("Label3b");
        EXPECT_EQ(el("tiempovisita").text(), c.expected);
        p.timer1.setEnabled(false);
    }
}

TEST_F(Timeouts, NothingBeforeTheClockHasRunInThePeriod) {
    el("a").setText("12");
    el("b").setText("34");
    ASSERT_EQ(p.estadoinicio, "noiniciado");
    dblclick("tiempolocal");
    dblclick("tiempovisita");
    EXPECT_EQ(el("tiempolocal").text(), "0");
    EXPECT_EQ(el("tiempovisita").text(), "0");
    EXPECT_FALSE(el("Image8").visible());
    EXPECT_FALSE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "");
    EXPECT_EQ(shown("minuto"), "absent");
}

TEST_F(Timeouts, AtZeroZeroAStoppedClockOnlyReserves) {
    el("a").setText("00");
    el("b").setText("00");
    p.estadoinicio = "iniciado";
    dblclick("tiempovisita");
    EXPECT_TRUE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "visita");
    EXPECT_EQ(el("tiempovisita").text(), "0");
    EXPECT_EQ(shown("minuto"), "absent");
    // Handing it to the other side there reserves it for that side.
    fake.dialogs.answer(Answer::Yes);
    dblclick("tiempolocal");
    EXPECT_FALSE(el("Image9").visible());
    EXPECT_TRUE(el("Image8").visible());
    EXPECT_EQ(p.minutopedido, "local");
}

TEST_F(Timeouts, DoubleClickOnTheMarkerCancelsTheRequest) {
    for (const char* side : {"tiempolocal", "tiempovisita"}) {
        SCOPED_TRACE(side);
        const char* marker = std::string(side) == "tiempolocal" ? "Image8" : "Image9";
        playFrom("10", "00");
        dblclick(side);
        ASSERT_TRUE(el(marker).visible());
        dblclick(marker);
        EXPECT_FALSE(el(marker).visible());
        EXPECT_EQ(p.minutopedido, "");
        stopClock();
        EXPECT_EQ(played("timbre.wav"), 0);
    }
}

TEST_F(Timeouts, EarlyEndClosesBothWindowsWithTheHorn) {
    p.pantallaauxiliar = "SI";
    takeHomeAt1234();
    wait(20);
    EXPECT_EQ(minuto()["seg"].text(), "40");
    const bool cardsBefore = el("Image5").enabled();
    click(minuto(), "finmiuto");
    EXPECT_EQ(played("timbre.wav"), 1);
    EXPECT_EQ(shown("minuto"), "absent");
    EXPECT_FALSE(p.timer3.enabled());
    EXPECT_EQ(shown("clonminuto"), "hidden");
    EXPECT_EQ(twin()["min"].text() + ":" + twin()["seg"].text(), "01:00");
    EXPECT_EQ(el("tiempolocal").text(), "1");
    EXPECT_EQ(el("Image5").enabled(), cardsBefore);
    wait(60);
    EXPECT_EQ(played("timbre.wav"), 1);
    EXPECT_EQ(played("clin.wav"), 0);
}

TEST_F(Timeouts, ClosedByTheWindowSystemTheMinuteLeavesThePublicScreen) {
    p.pantallaauxiliar = "SI";
    takeHomeAt1234();
    wait(10);
    p.unload("minuto");
    EXPECT_FALSE(p.timer3.enabled());
    EXPECT_EQ(shown("clonminuto"), "hidden");
    EXPECT_EQ(twin()["min"].text() + ":" + twin()["seg"].text(), "01:00");
    EXPECT_EQ(played("timbre.wav"), 0);
}

TEST_F(Timeouts, OtherSideTakingAMinuteRewritesTheOpenWindow) {
    takeHomeAt1234();
    wait(10);
    // Play resumes meanwhile, then the away side stops it for its own minute.
    click("a");
    wait(2);
    stopClock();
    el("golvisita").setText("3");
    dblclick("tiempovisita");
    EXPECT_EQ(el("tiempovisita").text(), "1");
    EXPECT_EQ(el("tiempolocal").text(), "1");
    for (Window* w : {&minuto(), &twin()}) {
        EXPECT_EQ((*w)["nomminuto"].text(), "HOCKEY") << w->name();
        EXPECT_EQ((*w)["loqueva"].text(), "12:32") << w->name();
        EXPECT_EQ((*w)["golminvisita"].text(), "3") << w->name();
    }
    EXPECT_EQ(minuto()["seg"].text(), "48");
    wait(1);
    EXPECT_EQ(minuto()["seg"].text(), "47");
    wait(47);
    EXPECT_EQ(shown("minuto"), "absent");
    EXPECT_EQ(played("timbre.wav"), 1);
}

}  // namespace
}  // namespace tabrino
