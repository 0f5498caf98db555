// The series field and the manual period change.
#include "match_fixture.h"

namespace tabrino {
namespace {

using SeriesField = MatchFixture;

TEST_F(SeriesField, PickLoadsMinutesAndRecordsTheSeries) {
    p.tablaseries[31] = "30";  // "Adulta Honor" set apart from "Adulta"
    struct Case {
        const char* item;
        const char* clock;
    } cases[] = {{"Mini Hockey", "12:00"},    {"Sub 17", "18:00"},      {"Adulta", "25:00"},
                 {"Adulta Honor", "30:00"},   {"Entretiempo", "05:00"}, {"Descanso para alargue", "03:00"},
                 {"Cambio de lado", "02:00"}, {"Alargue", "05:00"}};
    for (const Case& c : cases) {
        el("a").setText("07");
        el("b").setText("33");
        pick(c.item);
        EXPECT_EQ(clock(), c.clock) << c.item;
        EXPECT_EQ(p.relojperiodo, c.clock) << c.item;
        EXPECT_EQ(p.seriejugada, c.item);
    }
}

TEST_F(SeriesField, TypingLoadsOnlyTheMinutesOfAnExactName) {
    p.tablaseries[31] = "30";
    struct Case {
        const char* typed;
        const char* minutes;
    } cases[] = {
        {"Adult", "07"},
        {"Adulta", "25"},
        {"Adulta Honor", "30"},
        {"adulta", "07"},
        {"ADULTA", "07"},
        {"Adulta ", "07"},
        {" Sub 9", "07"},
        {"Sub 9", "15"},
        {"Sub", "07"},
        {"Aviso", "07"},  // the time-out warning second is no series
        {"Serie que jugara?", "07"},
        {"", "07"},
    };
    for (const Case& c : cases) {
        el("a").setText("07");
        el("b").setText("33");
        p.relojperiodo = "07:33";
        p.seriejugada = "Sub 13";
        type(c.typed);
        EXPECT_EQ(text("a"), c.minutes) << '"' << c.typed << '"';
        EXPECT_EQ(text("b"), "33") << c.typed;
        EXPECT_EQ(p.relojperiodo, "07:33") << c.typed;
        EXPECT_EQ(p.seriejugada, "Sub 13") << c.typed;
    }
}

TEST_F(SeriesField, PickingAnUnknownNameOnlyClearsTheSeconds) {
    el("a").setText("07");
    el("b").setText("33");
    for (const char* item : {"Serie que jugara?", "sub 17", "Sub 17 "}) {
        pick(item);
        EXPECT_EQ(clock(), "07:00") << item;
        EXPECT_EQ(p.seriejugada, item);
    }
}

TEST_F(SeriesField, ManualPeriodChangeCyclesOneBreakTwoOnYes) {
    struct Case {
        const char* from;
        const char* to;
        const char* minutes;
    } cases[] = {{"1", "E", "05"}, {"E", "2", "00"}, {"2", "1", "00"}, {"x", "1", "00"}};
    for (const Case& c : cases) {
        el("periodo").setText(c.from);
        el("a").setText("17");
        el("b").setText("42");
        p.contadorfin = 2;
        fake.dialogs.answer(Answer::Yes);
        dblclick("periodo");
        EXPECT_EQ(fake.dialogs.lastText, "Desea Cambiar el Periodo?");
        EXPECT_EQ(fake.dialogs.lastTitle, "Confirmacion");
        EXPECT_EQ(fake.dialogs.lastIcon, Icon::Question);
        EXPECT_EQ(text("periodo"), c.to) << c.from;
        EXPECT_EQ(text("a"), c.minutes) << c.from;
        EXPECT_EQ(text("b"), "42") << "the seconds are never touched";
        bool reset = std::string(c.to) == "1";
        EXPECT_EQ(p.contadorfin, reset ? 0 : 2) << c.from;
    }
}

TEST_F(SeriesField, ManualBreakIsHeldLikeThePeriodEndsBreak) {
    fake.dialogs.answer(Answer::Yes);
    dblclick("periodo");
    EXPECT_EQ(text("periodo"), "E");
    EXPECT_TRUE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "1");
}

TEST_F(SeriesField, NoLeavesThePeriodAlone) {
    el("a").setText("17");
    fake.dialogs.answer(Answer::No);
    dblclick("periodo");
    EXPECT_EQ(fake.dialogs.messages, 1);
    EXPECT_EQ(text("periodo"), "1");
    EXPECT_EQ(text("a"), "17");
    EXPECT_FALSE(p.cambioperiodo);
}

TEST_F(SeriesField, NoManualChangeOnceTheClockHasRunInThePeriod) {
    pick("Sub 9");
    click("a");
    wait(3);
    for (bool running : {true, false}) {
        if (!running) click("a");
        ASSERT_EQ(p.timer1.enabled(), running);
        std::string before = clock();
        dblclick("periodo");  // no answer queued: a question would fail the test
        EXPECT_EQ(fake.dialogs.messages, 0);
        EXPECT_EQ(text("periodo"), "1");
        EXPECT_EQ(clock(), before);
        EXPECT_FALSE(p.cambioperiodo);
    }
}

// The hold a break puts on the suspension clocks ends when play starts again,
// also when the operator moved the period by hand.
TEST_F(SeriesField, ManualSecondPeriodLetsSuspensionClocksRun) {
    for (int i = 0; i < 2; ++i) {
        fake.dialogs.answer(Answer::Yes);
        dblclick("periodo");
    }
    ASSERT_EQ(text("periodo"), "2");
    EXPECT_FALSE(p.cambioperiodo);
    EXPECT_EQ(p.mitadjuego, "2");

    p.castigolocal1 = "activo";
    p.castigadoslocal = 1;
    el("c").setText("02");
    el("d").setText("00");
    pick("Sub 9");
    click("a");
    wait(2);
    EXPECT_EQ(text("c") + ":" + text("d"), "01:58");
}

}  // namespace
}  // namespace tabrino
