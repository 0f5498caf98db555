// The period end: what it tidies, which transition it takes, and that the
// clock is stopped while it asks.
#include <functional>

#include "match_fixture.h"

namespace tabrino {
namespace {

// Plays a two-second first period and its break, answering Yes, so the
// second period starts again from "00":"02".
void reachShortSecondPeriod(Desk& d) {
    d.click("Command3");
    d.click("Command3");
    d.playToTheEnd();
    d.fake.dialogs.answer(Answer::Yes);
    d.playToTheEnd();
    ASSERT_EQ(d.text("periodo"), "2");
    ASSERT_EQ(d.clock(), "00:02");
}

TEST(SecondPeriodEnd, OvertimeOnlyWhenAllowedAndLevel) {
    struct Case {
        const char* conalargue;       // before the match
        const char* conalargueLater;  // switched during the second half
        const char* home;
        const char* away;
        const char* periodo;
        const char* clock;
        const char* tramos;
    } cases[] = {
        {"SI", "SI", "2", "2", "E", "03:00", "Descanso para alargue"},
        {"SI", "SI", "02", "2", "E", "03:00", "Descanso para alargue"},  // goals compared by value
        {"NO", "NO", "2", "2", "1", "00:00", "Serie que jugara?"},
        {"SI", "SI", "3", "2", "1", "00:00", "Serie que jugara?"},
        {"SI", "SI", "2", "3", "1", "00:00", "Serie que jugara?"},
        {"NO", "SI", "2", "2", "E", "03:00", "Descanso para alargue"},
        {"NO", "SI", "3", "2", "1", "00:00", "Serie que jugara?"},  // a decided match never goes to overtime
    };
    for (const Case& c : cases) {
        Desk d;
        d.p.conalargue = c.conalargue;
        reachShortSecondPeriod(d);
        d.p.conalargue = c.conalargueLater;
        d.el("gollocal").setText(c.home);
        d.el("golvisita").setText(c.away);
        d.playToTheEnd();
        std::string what = std::string(c.conalargue) + "/" + c.conalargueLater + " " + c.home + "-" + c.away;
        EXPECT_EQ(d.text("periodo"), c.periodo) << what;
        EXPECT_EQ(d.clock(), c.clock) << what;
        EXPECT_EQ(d.text("tramos"), c.tramos) << what;
        EXPECT_EQ(d.fake.dialogs.messages, 1) << what;
    }
}

// A blue card shortly before the end of normal time: its suspension is
// still running when the match ends.
TEST(MatchEnd, SuspensionsEndWithTheMatchUnlessOvertimeWasAllowed) {
    struct Case {
        const char* conalargue;
        const char* home;
        bool kept;
    } cases[] = {
        {"NO", "0", false}, {"NO", "1", false}, {"SI", "1", true},  // decided in normal time with overtime allowed
    };
    for (const Case& c : cases) {
        Desk d;
        d.p.conalargue = c.conalargue;
        reachShortSecondPeriod(d);
        d.el("gollocal").setText(c.home);
        d.click("a");
        d.wait(1);
        d.click("a");
        d.click("Image5");
        ASSERT_EQ(d.p.relojlocal1, "si");
        d.playToTheEnd();
        std::string what = std::string(c.conalargue) + " " + c.home + "-0";
        ASSERT_EQ(d.text("periodo"), "1") << what << ": the match is over";
        EXPECT_EQ(d.el("amonlocal").visible(), c.kept) << what;
        EXPECT_EQ(d.el("c").visible(), c.kept) << what;
        EXPECT_EQ(d.p.castigolocal1, c.kept ? "activo" : "noactivo") << what;
        EXPECT_EQ(d.p.castigadoslocal, c.kept ? 1 : 0) << what;
        EXPECT_EQ(d.p.relojlocal1, c.kept ? "si" : "") << what;
        EXPECT_FALSE(d.p.cambioperiodo) << what;
    }
}

TEST_F(MatchFixture, CommonActionsTidyTheWindowForThePause) {
    pick("Sub 9");
    click("a");
    wait(60);
    // State the period end must put back.
    el("posesion").setText("07");
    el("posesion").setColor(colors::magenta);
    p.ceroavisado = "si";
    el("tiempolocal").setText("1");
    el("tiempovisita").setText("1");
    el("tiempolocal").setColor(colors::red);
    el("tiempovisita").setEnabled(false);
    el("leyendapenal").setVisible(true);
    el("Image8").setVisible(true);
    p.minutopedido = "local";
    p.win("tenencia")["segunditos"].setText("07");
    el("a").setText("00");
    el("b").setText("01");
    wait(1);

    EXPECT_EQ(text("posesion"), "45");
    EXPECT_EQ(el("posesion").color(), colors::yellow);
    EXPECT_EQ(p.ceroavisado, "no");
    for (const char* n : {"tiempolocal", "tiempovisita"}) {
        EXPECT_EQ(text(n), "0") << n;
        EXPECT_EQ(el(n).color(), colors::yellow) << n;
        EXPECT_TRUE(el(n).enabled()) << n;
    }
    EXPECT_FALSE(el("leyendapenal").visible());
    EXPECT_FALSE(el("Image8").visible());
    EXPECT_FALSE(el("Image9").visible());
    EXPECT_EQ(p.minutopedido, "");
    EXPECT_EQ(p.win("tenencia")["segunditos"].text(), "45");
    EXPECT_EQ(played("final.wav"), 1);
    EXPECT_EQ(played("timbre.wav"), 0) << "the stop by the period end is no start/stop click";
}

// Dialogs that let time pass while a question is open.
struct SlowOperator : Dialogs {
    std::function<Answer()> onMessage;
    Answer message(const std::string&, const std::string&, Buttons, Icon) override { return onMessage(); }
    std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
};

TEST(PeriodEndQuestion, NoTickWhileTheOperatorAnswers) {
    SlowOperator op;
    Desk d(&op);
    int asked = 0;
    op.onMessage = [&] {
        ++asked;
        EXPECT_FALSE(d.p.timer1.enabled()) << "the clock must be stopped before the question";
        std::string clockBefore = d.clock();
        int bipsBefore = d.played("bip.wav");
        d.wait(30);
        EXPECT_EQ(d.clock(), clockBefore);
        EXPECT_EQ(d.played("bip.wav"), bipsBefore);
        EXPECT_EQ(d.text("periodo"), "2") << "the question comes after the period moved on";
        return Answer::Yes;
    };
    d.click("Command3");
    d.click("Command3");
    d.click("Command3");
    d.playToTheEnd();
    d.playToTheEnd();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(d.clock(), "00:03");
    EXPECT_FALSE(d.p.timer1.enabled());
    d.wait(5);
    EXPECT_EQ(d.clock(), "00:03") << "the period end never starts the clock by itself";
}

TEST_F(MatchFixture, SecondBreakAsksOnlyWhileAStartIsSaved) {
    // A first period started afresh saves its start; Yes uses it up.
    click("Command3");
    click("Command3");
    playToTheEnd();
    fake.dialogs.answer(Answer::Yes);
    playToTheEnd();
    EXPECT_EQ(fake.dialogs.messages, 1);
    // A break entered by hand from the second period's "E" finds no saved start.
    fake.dialogs.answer(Answer::Yes);
    fake.dialogs.answer(Answer::Yes);
    dblclick("periodo");  // "2" -> "1"
    dblclick("periodo");  // "1" -> "E"
    ASSERT_EQ(text("periodo"), "E");
    el("a").setText("00");
    el("b").setText("02");
    playToTheEnd();
    EXPECT_EQ(fake.dialogs.messages, 3) << "two manual changes, no question at the break's end";
    EXPECT_EQ(text("periodo"), "2");
    EXPECT_EQ(clock(), "00:00");
    EXPECT_EQ(text("tramos"), "Serie que jugara?");
}

// The period end loads a phase's minutes through the series field, also
// when the field already shows that phase's name.
TEST(PhaseMinutes, LoadEvenWhenTheSeriesFieldShowsTheName) {
    struct Case {
        const char* periodo;
        const char* mitadjuego;
        const char* cambiolado;
        int contadorfin;
        const char* shown;
        const char* clock;
    } cases[] = {
        {"1", "1", "", 2, "Cambio de lado", "02:00"},  // end of the first overtime period
        {"E", "1", "SI", 0, "Alargue", "05:00"},       // end of the change of ends
    };
    for (const Case& c : cases) {
        Desk d;
        d.el("periodo").setText(c.periodo);
        d.p.mitadjuego = c.mitadjuego;
        d.p.cambiolado = c.cambiolado;
        d.p.contadorfin = c.contadorfin;
        d.el("tramos").setTextSilently(c.shown);
        d.click("Command3");
        d.click("Command3");
        d.playToTheEnd();
        EXPECT_EQ(d.text("tramos"), c.shown) << c.shown;
        EXPECT_EQ(d.clock(), c.clock) << c.shown;
    }
}

TEST_F(MatchFixture, NextMatchIsNotOfferedTheLastMatchsStart) {
    // A short match whose second period is loaded by hand: No keeps the start.
    click("Command3");
    click("Command3");
    playToTheEnd();
    fake.dialogs.answer(Answer::No);
    playToTheEnd();
    click("Command3");
    playToTheEnd();
    ASSERT_EQ(text("tramos"), "Serie que jugara?") << "the match is over";

    pick("Sub 9");
    playToTheEnd();
    ASSERT_EQ(text("periodo"), "E");
    fake.dialogs.answer(Answer::Yes);
    playToTheEnd();
    EXPECT_EQ(fake.dialogs.messages, 2);
    EXPECT_EQ(clock(), "15:00") << "the new match's own first period";
}

}  // namespace
}  // namespace tabrino
