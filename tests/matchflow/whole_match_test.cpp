// Whole matches played second by second with the start-up durations.
#include "match_fixture.h"

namespace tabrino {
namespace {

const char* answerName(Answer a) { return a == Answer::Yes ? "yes" : "no"; }

// What every period end leaves on the operator window.
void expectPause(Desk& d) {
    EXPECT_FALSE(d.p.timer1.enabled());
    EXPECT_EQ(d.p.estadoinicio, "noiniciado");
    for (const char* n : {"Command1", "Command2", "Command3", "Command4", "tramos", "Image3", "apagar", "config"})
        EXPECT_TRUE(d.el(n).visible()) << n;
    EXPECT_EQ(d.el("a").color(), colors::white);
    EXPECT_EQ(d.el("b").color(), colors::white);
}

struct NormalTime : MatchFixture, ::testing::WithParamInterface<Answer> {};

TEST_P(NormalTime, FirstPeriodBreakSecondPeriodEnd) {
    const bool yes = GetParam() == Answer::Yes;
    pick("Sub 19");
    ASSERT_EQ(clock(), "20:00");
    playToTheEnd();

    expectPause(*this);
    EXPECT_EQ(text("periodo"), "E");
    EXPECT_EQ(clock(), "05:00");
    EXPECT_EQ(text("tramos"), "Entretiempo");
    EXPECT_TRUE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "1");
    EXPECT_EQ(p.contadorfin, 1);
    EXPECT_EQ(p.minutosinicio, "20");
    EXPECT_EQ(played("bip.wav"), 11);
    EXPECT_EQ(played("final.wav"), 1);
    // The last second sounds the beep and the siren together.
    ASSERT_GE(fake.sounds.log.size(), 2u);
    EXPECT_EQ(fake.sounds.log[fake.sounds.log.size() - 2], "bip.wav");
    EXPECT_EQ(fake.sounds.log.back(), "final.wav");

    // A suspension given at the end of the first period waits out the break.
    p.castigolocal1 = "activo";
    p.castigadoslocal = 1;
    p.relojlocal1 = "si";
    el("c").setText("01");
    el("d").setText("00");
    fake.dialogs.answer(GetParam());
    playToTheEnd();
    EXPECT_EQ(text("c") + ":" + text("d"), "01:00");
    EXPECT_EQ(fake.dialogs.lastText, "Jugaran los mismos minutos que el primer tiempo?");
    EXPECT_EQ(fake.dialogs.lastTitle, "Confirmar");
    EXPECT_EQ(played("bip.wav"), 12) << "a break beeps once, when it enters its last ten seconds";
    EXPECT_EQ(played("final.wav"), 2);

    expectPause(*this);
    EXPECT_EQ(text("periodo"), "2");
    EXPECT_EQ(text("tramos"), "Serie que jugara?");
    EXPECT_FALSE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "2");
    if (yes) {
        EXPECT_EQ(clock(), "20:00");
        EXPECT_EQ(p.minutosinicio, "");
        EXPECT_EQ(p.segundosinicio, "");
    } else {
        EXPECT_EQ(clock(), "00:00");
        EXPECT_EQ(p.minutosinicio, "20");
        click("a");
        EXPECT_FALSE(p.timer1.enabled()) << "a clock at 00:00 does not start";
        pick("Sub 19");
    }
    playToTheEnd();

    expectPause(*this);
    EXPECT_EQ(p.castigolocal1, "noactivo") << "the suspension ran in the second period";
    EXPECT_EQ(text("periodo"), "1");
    EXPECT_EQ(clock(), "00:00");
    EXPECT_EQ(text("tramos"), "Serie que jugara?");
    EXPECT_EQ(p.contadorfin, 0);
    EXPECT_EQ(fake.dialogs.messages, 1);
    EXPECT_EQ(played("bip.wav"), 23);
    EXPECT_EQ(played("final.wav"), 3);
    EXPECT_EQ(played("clin.wav"), 1);
    EXPECT_EQ(played("timbre.wav"), 0);
    EXPECT_EQ(played("aviso.wav"), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, NormalTime, ::testing::Values(Answer::Yes, Answer::No),
                         [](const auto& info) { return std::string(answerName(info.param)); });

struct Overtime : MatchFixture, ::testing::WithParamInterface<Answer> {};

TEST_P(Overtime, LevelAfterTheSecondHalfPlaysBothOvertimePeriods) {
    const bool yes = GetParam() == Answer::Yes;
    p.conalargue = "SI";
    pick("Sub 19");
    playToTheEnd();
    fake.dialogs.answer(GetParam());
    playToTheEnd();
    EXPECT_EQ(text("periodo"), "2");
    EXPECT_EQ(p.mitadjuego, "1") << "with overtime allowed the second half keeps the first pair open";
    if (!yes) pick("Sub 19");
    playToTheEnd();

    // Level: the break before overtime.
    expectPause(*this);
    EXPECT_EQ(text("periodo"), "E");
    EXPECT_EQ(clock(), "03:00");
    EXPECT_EQ(text("tramos"), "Descanso para alargue");
    EXPECT_TRUE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "2");
    EXPECT_EQ(p.contadorfin, 2);
    playToTheEnd();

    // First overtime period, loaded without a question.
    expectPause(*this);
    EXPECT_EQ(fake.dialogs.messages, 1);
    EXPECT_EQ(text("periodo"), "1");
    EXPECT_EQ(clock(), "05:00");
    EXPECT_EQ(text("tramos"), "Alargue");
    EXPECT_EQ(p.conalargue, "NO");
    EXPECT_FALSE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "1");
    playToTheEnd();

    // Its end is the third break: the change of ends.
    expectPause(*this);
    EXPECT_EQ(text("periodo"), "E");
    EXPECT_EQ(clock(), "02:00");
    EXPECT_EQ(text("tramos"), "Cambio de lado");
    EXPECT_EQ(p.contadorfin, 0);
    EXPECT_EQ(p.cambiolado, "SI");
    EXPECT_TRUE(p.cambioperiodo);
    // Yes cleared the saved start, so the overtime start was saved; No kept normal time's.
    EXPECT_EQ(p.minutosinicio, yes ? "05" : "20");
    fake.dialogs.answer(GetParam());
    playToTheEnd();

    expectPause(*this);
    EXPECT_EQ(fake.dialogs.messages, 2);
    EXPECT_EQ(text("periodo"), "2");
    EXPECT_EQ(clock(), "05:00");
    EXPECT_EQ(text("tramos"), yes ? "Serie que jugara?" : "Alargue");
    EXPECT_EQ(p.cambiolado, "");
    EXPECT_FALSE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "2");
    playToTheEnd();

    // Still level, but overtime is played once: the match ends.
    expectPause(*this);
    EXPECT_EQ(text("periodo"), "1");
    EXPECT_EQ(clock(), "00:00");
    EXPECT_EQ(text("tramos"), "Serie que jugara?");
    EXPECT_EQ(p.contadorfin, 0);
    EXPECT_EQ(fake.dialogs.messages, 2);
    EXPECT_EQ(played("bip.wav"), 4 * 11 + 3);
    EXPECT_EQ(played("final.wav"), 7);
    EXPECT_EQ(played("timbre.wav"), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, Overtime, ::testing::Values(Answer::Yes, Answer::No),
                         [](const auto& info) { return std::string(answerName(info.param)); });

TEST_F(MatchFixture, AdultaHonorAtTwentyFiveHasATenMinuteBreak) {
    pick("Adulta Honor");
    ASSERT_EQ(clock(), "25:00");
    playToTheEnd();
    expectPause(*this);
    EXPECT_EQ(text("periodo"), "E");
    EXPECT_EQ(clock(), "10:00");
    EXPECT_EQ(text("tramos"), "Adulta Honor");
    EXPECT_EQ(p.seriejugada, "");
    fake.dialogs.answer(Answer::Yes);
    playToTheEnd();
    EXPECT_EQ(text("periodo"), "2");
    EXPECT_EQ(clock(), "25:00");
    playToTheEnd();
    EXPECT_EQ(text("periodo"), "1");
    EXPECT_EQ(text("tramos"), "Serie que jugara?");
    EXPECT_EQ(played("bip.wav"), 23);
    EXPECT_EQ(played("final.wav"), 3);
    EXPECT_EQ(fake.dialogs.messages, 1);
}

TEST(HalfTimeBreak, LengthDependsOnTheSeriesAndItsStart) {
    struct Case {
        const char* series;
        const char* correction;  // a clock button pressed before the start, or none
        const char* breakClock;
        const char* tramos;
        const char* seriejugada;
    } cases[] = {
        {"Adulta Honor", nullptr, "10:00", "Adulta Honor", ""},
        {"Adulta Honor", "Command2", "05:00", "Entretiempo", "Adulta Honor"},
        {"Adulta", nullptr, "05:00", "Entretiempo", "Adulta"},
    };
    for (const Case& c : cases) {
        Desk d;
        d.pick(c.series);
        if (c.correction) d.click(c.correction);
        d.playToTheEnd();
        EXPECT_EQ(d.clock(), c.breakClock) << c.series << (c.correction ? " corrected" : "");
        EXPECT_EQ(d.text("tramos"), c.tramos) << c.series;
        EXPECT_EQ(d.p.seriejugada, c.seriejugada) << c.series;
    }
}

}  // namespace
}  // namespace tabrino
