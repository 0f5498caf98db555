// The running game clock through the program object, with fake services.
#include <gtest/gtest.h>

#include "support/started_program.h"

namespace tabrino {
namespace {

using Match = test::StartedTest;

TEST_F(Match, StartUpState) {
    EXPECT_TRUE(f->shown());
    EXPECT_EQ(p.estadoinicio, "noiniciado");
    EXPECT_EQ(p.colorreloj, "65280");
    EXPECT_EQ(p.tablaseries[15], "Adulta Honor");
    EXPECT_EQ(p.tablaseries[31], "25");
    EXPECT_EQ(*p.variableText("tablaseries(30)"), "15");
    EXPECT_EQ(fake.sounds.files.size(), 5u);
    EXPECT_EQ(clock(), "00:00");
    EXPECT_FALSE(p.timer1.enabled());
}

TEST_F(Match, SecondCopyIsRefused) {
    FakeServices other;
    other.process.otherCopy = true;
    other.dialogs.answer(Answer::Ok);
    Program second{other.services()};
    second.start();
    EXPECT_TRUE(second.exited());
    EXPECT_EQ(other.dialogs.lastText, "Ya está ejecutando el Tabrino de Hockey");
    EXPECT_EQ(other.dialogs.lastTitle, "Atención!");
    EXPECT_TRUE(other.sounds.files.empty());
    EXPECT_FALSE(p.exited());
}

TEST_F(Match, ClockAtZeroDoesNotStart) {
    click("a");
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(p.estadoinicio, "noiniciado");
}

TEST_F(Match, ButtonsSetTheClockWithCarry) {
    struct Case {
        const char* a;
        const char* b;
        const char* button;
        const char* expected;
    } cases[] = {{"59", "00", "Command1", "00:00"}, {"12", "59", "Command3", "13:00"},
                 {"59", "59", "Command3", "00:00"}, {"05", "00", "Command4", "05:00"},
                 {"00", "10", "Command2", "00:10"}, {"x", "7", "Command1", "01:7"}};
    for (const Case& c : cases) {
        (*f)["a"].setText(c.a);
        (*f)["b"].setText(c.b);
        click(c.button);
        EXPECT_EQ(clock(), c.expected) << c.a << ":" << c.b << " " << c.button;
    }
}

TEST_F(Match, LastTwelveSecondsTurnRedAndBeepElevenTimes) {
    (*f)["b"].setText("12");
    click("b");
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_EQ((*f)["a"].color(), 0x00FF00u);
    EXPECT_FALSE((*f)["Command1"].visible());
    wait(1);
    EXPECT_EQ(clock(), "00:11");
    EXPECT_EQ(fake.sounds.played("bip.wav"), 0);
    wait(1);
    EXPECT_EQ(clock(), "00:10");
    EXPECT_EQ((*f)["b"].color(), 0xFF0000u);
    wait(10);
    // The seconds ran out; the period end has loaded the half-time break.
    EXPECT_EQ((*f)["b"].text(), "00");
    EXPECT_EQ((*f)["periodo"].text(), "E");
    EXPECT_EQ(fake.sounds.played("bip.wav"), 11);
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ((*f)["a"].color(), 0xFFFFFFu);
}

TEST_F(Match, MinuteRolloverSkipsTheSecondsStep) {
    (*f)["a"].setText("01");
    click("a");
    wait(1);
    EXPECT_EQ(clock(), "00:59");
    wait(1);
    EXPECT_EQ(clock(), "00:58");
}

TEST_F(Match, StopKeepsThePartOfASecondAlreadyRun) {
    (*f)["a"].setText("01");
    click("a");
    fake.clock.now += 600;
    p.runDueTimers();
    click("a");  // stopped 600 ms into the second
    fake.clock.now += 5000;
    click("a");
    fake.clock.now += 399;
    p.runDueTimers();
    EXPECT_EQ(clock(), "01:00");
    fake.clock.now += 1;
    p.runDueTimers();
    EXPECT_EQ(clock(), "00:59");
}

TEST_F(Match, TimeResetAsksOnlyWithSuspensions) {
    (*f)["a"].setText("10");
    click("a");
    wait(3);
    click("Image2");
    EXPECT_EQ(fake.dialogs.messages, 0);
    EXPECT_EQ(clock(), "00:00");
    EXPECT_EQ((*f)["tramos"].text(), "Serie que jugara?");
    EXPECT_TRUE((*f)["tramos"].visible());
    EXPECT_EQ(p.estadoinicio, "noiniciado");
    p.castigadoslocal = 1;
    fake.dialogs.answer(Answer::Yes);
    click("Image2");
    EXPECT_EQ(fake.dialogs.lastText, "Desea borrar los amonestados?");
    EXPECT_EQ(p.castigadoslocal, 0);
}

TEST_F(Match, DisabledCardOverFoulsSwallowsTheClick) {
    Rect card = (*f)["Image6"].absoluteGeometry();
    EXPECT_EQ(f->hitTest(card.left + 10, card.top + 10)->name(), "Image6");
    (*f)["Image6"].setVisible(false);
    EXPECT_EQ(f->hitTest(card.left + 10, card.top + 10)->name(), "faltalocal");
    Rect plus = (*f)["Command9"].absoluteGeometry();
    EXPECT_EQ(f->hitTest(plus.left + 100, plus.top + 100)->name(), "Command5");
}

}  // namespace
}  // namespace tabrino
