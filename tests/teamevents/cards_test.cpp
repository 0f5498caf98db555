// Cards, the two suspension slots of each side, the card counters and the
// freeing of slots by the countdown, by hand and at a period end.
#include <string>

#include "app/procedures.h"
#include "team_fixture.h"

namespace tabrino {
namespace {

constexpr Rgb kHighlight = 0x0078D7;  // the fake platform's highlight colour
const char* const kSecondPlayer = "Ya tiene un jugador de este equipo castigado,\ndesea agregar un segundo jugador?";

struct SlotNames {
    const char* picture;
    const char* minutes;
    const char* colon;
    const char* seconds;
    std::string Variables::*state;
    std::string Variables::*clockFlag;
};
const SlotNames kHome1{"amonlocal", "c", "Label1", "d", &Variables::castigolocal1, &Variables::relojlocal1};
const SlotNames kHome2{"amonlocal2", "c2", "Label1b", "d2", &Variables::castigolocal2, &Variables::relojlocal2};
const SlotNames kAway1{"amonvisita", "e", "Label8", "f", &Variables::castigovisita1, &Variables::relojvisita1};
const SlotNames kAway2{"amonvisita2", "e2", "Label8b", "f2", &Variables::castigovisita2, &Variables::relojvisita2};

struct CardNames {
    const char* icon;
    const char* pairIcon;
    const char* counter;
    const SlotNames* slot1;
    const SlotNames* slot2;
    std::int16_t Variables::*suspended;
    const char* minutes;
    Rgb color;
};
const CardNames kCards[] = {
    {"Image5", "Image6", "numazuleslocal", &kHome1, &kHome2, &Variables::castigadoslocal, "02", kHighlight},
    {"Image6", "Image5", "numrojaslocal", &kHome1, &kHome2, &Variables::castigadoslocal, "04", colors::red},
    {"Image4", "Image7", "numazulesvisita", &kAway1, &kAway2, &Variables::castigadosvisita, "02", kHighlight},
    {"Image7", "Image4", "numrojasvisita", &kAway1, &kAway2, &Variables::castigadosvisita, "04", colors::red},
};

struct Cards : TeamEvents {
    bool slotShown(const SlotNames& s) {
        bool shown = el(s.picture).visible();
        for (const char* n : {s.minutes, s.colon, s.seconds})
            EXPECT_EQ(el(n).visible(), shown) << n << " against its picture " << s.picture;
        return shown;
    }
    std::string slotClock(const SlotNames& s) { return reading(s.minutes, s.seconds); }
    void expectSlotFilled(const SlotNames& s, const CardNames& c) {
        EXPECT_TRUE(slotShown(s)) << s.picture;
        EXPECT_EQ(slotClock(s), std::string(c.minutes) + ":00") << s.picture;
        for (const char* n : {s.minutes, s.colon, s.seconds}) EXPECT_EQ(el(n).color(), c.color) << n;
        EXPECT_EQ(p.*s.state, "activo");
        EXPECT_EQ(p.*s.clockFlag, "si");
    }
};

TEST_F(Cards, FirstCardFillsSlotOneWithoutAQuestion) {
    for (const CardNames& c : kCards) {
        Session s;
        s.startAndStop();
        s.click(c.icon);
        EXPECT_EQ(s.fake.dialogs.messages, 0) << c.icon;
        EXPECT_EQ(s.el(c.slot1->minutes).text() + ":" + s.el(c.slot1->seconds).text(), std::string(c.minutes) + ":00");
        for (const char* n : {c.slot1->picture, c.slot1->minutes, c.slot1->colon, c.slot1->seconds})
            EXPECT_TRUE(s.el(n).visible()) << c.icon << " " << n;
        for (const char* n : {c.slot1->minutes, c.slot1->colon, c.slot1->seconds})
            EXPECT_EQ(s.el(n).color(), c.color) << c.icon << " " << n;
        EXPECT_FALSE(s.el(c.slot2->picture).visible());
        EXPECT_EQ(s.p.*c.slot1->state, "activo");
        EXPECT_EQ(s.p.*c.slot1->clockFlag, "si");
        EXPECT_EQ(s.p.*c.suspended, 1);
        EXPECT_EQ(s.el(c.counter).text(), "1");
        EXPECT_TRUE(s.el(c.counter).visible());
        // The card leaves the pictures as they were.
        EXPECT_TRUE(s.el(c.icon).enabled());
        EXPECT_TRUE(s.el(c.pairIcon).enabled());
    }
}

TEST_F(Cards, SecondCardOfASideAsksForConfirmation) {
    struct Case {
        Answer answer;
        bool filled;
    } cases[] = {{Answer::Yes, true}, {Answer::No, false}};
    for (const Case& k : cases) {
        for (int side : {0, 2}) {
            const CardNames& blue = kCards[side];
            const CardNames& red = kCards[side + 1];
            // The operator frees what the previous case left.
            for (const SlotNames* s : {blue.slot1, blue.slot2})
                if (el(s->picture).visible()) dblclick(s->picture);
            ASSERT_EQ(p.*blue.suspended, 0);
            el(red.counter).setText("0");
            el(red.counter).setVisible(false);
            el(blue.counter).setText("0");
            startAndStop();
            click(blue.icon);
            wait(1);  // the clock is stopped: the slot does not move
            fake.dialogs.answer(k.answer);
            click(red.icon);
            EXPECT_EQ(fake.dialogs.lastText, kSecondPlayer);
            EXPECT_EQ(fake.dialogs.lastTitle, "Confirmar!!!");
            EXPECT_EQ(fake.dialogs.lastButtons, Buttons::YesNo);
            EXPECT_EQ(fake.dialogs.lastIcon, Icon::None);
            expectSlotFilled(*blue.slot1, blue);
            EXPECT_EQ(slotShown(*blue.slot2), k.filled) << red.icon;
            EXPECT_EQ(p.*blue.suspended, k.filled ? 2 : 1);
            EXPECT_EQ(el(red.counter).text(), k.filled ? "1" : "0");
            EXPECT_TRUE(el(red.counter).visible());
            EXPECT_EQ(el(blue.counter).text(), "1");
            if (k.filled) expectSlotFilled(*blue.slot2, red);
        }
    }
}

TEST_F(Cards, ThirdCardIsIgnoredEvenWhenTheFreeHitEnablesIt) {
    startAndStop();
    click("Image5");
    fake.dialogs.answer(Answer::Yes);
    click("Image6");
    ASSERT_EQ(p.castigadoslocal, 2);
    toggleClock();
    wait(5);
    toggleClock();
    // The stop leaves a full side's pictures disabled ...
    EXPECT_FALSE(el("Image5").enabled());
    EXPECT_TRUE(el("Image4").enabled());
    // ... the free hit by fouls enables them.
    for (int i = 0; i < 10; ++i) click("faltavisita");
    ASSERT_TRUE(el("Image5").enabled());
    click("Image5");
    click("Image6");
    EXPECT_EQ(fake.dialogs.messages, 1);
    EXPECT_EQ(p.castigadoslocal, 2);
    EXPECT_EQ(el("numazuleslocal").text(), "1");
    EXPECT_EQ(el("numrojaslocal").text(), "1");
    EXPECT_EQ(slotClock(kHome1), "01:55");
    EXPECT_EQ(slotClock(kHome2), "03:55");
}

TEST_F(Cards, CardsCountOnlyWhileAPeriodIsUnderWay) {
    struct Case {
        const char* what;
        const char* a;
        const char* b;
        bool started;
        const char* periodo;
    } cases[] = {
        {"clock at 00:00", "00", "00", true, "1"},
        {"clock blank", "", "", true, "1"},
        {"not started in this period", "10", "00", false, "1"},
        {"break", "05", "00", true, "E"},
    };
    for (const Case& c : cases) {
        el("a").setText(c.a);
        el("b").setText(c.b);
        p.estadoinicio = c.started ? "iniciado" : "noiniciado";
        el("periodo").setText(c.periodo);
        activafalta(p, true);
        for (const CardNames& card : kCards) click(card.icon);
        EXPECT_EQ(p.castigadoslocal + p.castigadosvisita, 0) << c.what;
        EXPECT_FALSE(el("amonlocal").visible()) << c.what;
        EXPECT_FALSE(el("amonvisita").visible()) << c.what;
        for (const CardNames& card : kCards) {
            EXPECT_EQ(el(card.counter).text(), "0") << c.what;
            EXPECT_FALSE(el(card.counter).visible()) << c.what;
        }
    }
    EXPECT_EQ(fake.dialogs.messages, 0);
}

TEST_F(Cards, FreedSlotOneIsReusedWhileSlotTwoRuns) {
    startAndStop();
    click("Image4");
    fake.dialogs.answer(Answer::Yes);
    click("Image7");
    toggleClock();
    wait(30);
    toggleClock();
    dblclick("amonvisita");
    EXPECT_EQ(p.castigadosvisita, 1);
    EXPECT_FALSE(slotShown(kAway1));
    EXPECT_EQ(slotClock(kAway1), "01:30");  // the texts are left as they were
    fake.dialogs.answer(Answer::Yes);
    click("Image4");
    expectSlotFilled(kAway1, kCards[2]);
    EXPECT_EQ(slotClock(kAway2), "03:30");
    EXPECT_EQ(p.castigadosvisita, 2);
    EXPECT_EQ(el("numazulesvisita").text(), "2");
    // And with slot 2 freed instead, the next card goes to slot 2.
    dblclick("amonvisita2");
    fake.dialogs.answer(Answer::Yes);
    click("Image7");
    expectSlotFilled(kAway2, kCards[3]);
    EXPECT_EQ(slotClock(kAway1), "02:00");
}

TEST_F(Cards, SuspensionsLastTheirRunningTicks) {
    struct Case {
        const CardNames* card;
        int ticks;
    } cases[] = {{&kCards[0], 120}, {&kCards[1], 240}, {&kCards[2], 120}, {&kCards[3], 240}};
    for (const Case& c : cases) {
        const SlotNames& slot = *c.card->slot1;
        int clins = fake.sounds.played("clin.wav");
        startAndStop();
        click(c.card->icon);
        toggleClock();
        // Stops in between hold the suspension with the game clock.
        wait(10);
        toggleClock();
        wait(50);
        toggleClock();
        wait(c.ticks - 11);
        EXPECT_EQ(slotClock(slot), "00:01") << c.card->icon;
        EXPECT_TRUE(slotShown(slot));
        EXPECT_FALSE(el(c.card->icon).enabled());
        wait(1);
        EXPECT_FALSE(slotShown(slot)) << c.card->icon;
        EXPECT_EQ(slotClock(slot), "00:00");
        EXPECT_EQ(p.*slot.state, "noactivo");
        EXPECT_EQ(p.*slot.clockFlag, "no");
        EXPECT_EQ(p.*c.card->suspended, 0);
        EXPECT_EQ(fake.sounds.played("clin.wav"), clins + 1);
        EXPECT_TRUE(el(c.card->icon).enabled());
        EXPECT_TRUE(el(c.card->pairIcon).enabled());
        EXPECT_EQ(el(c.card->counter).text(), "1");
        toggleClock();
        el(c.card->counter).setText("0");
    }
}

TEST_F(Cards, SuspensionsStandStillAtThePeriodEndAndDuringBreaks) {
    el("b").setText("05");
    click("b");
    click("b");
    click("Image5");
    click("Image7");
    toggleClock();
    wait(5);
    // Four ticks count the suspensions; the one that ends the period does
    // not. The period end has loaded the break by then.
    EXPECT_EQ(el("periodo").text(), "E");
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(slotClock(kHome1), "01:56");
    EXPECT_EQ(slotClock(kAway1), "03:56");
    // The break holds them while its own clock runs.
    p.cambioperiodo = true;
    el("periodo").setText("E");
    el("a").setText("01");
    toggleClock();
    wait(20);
    EXPECT_EQ(reading("a", "b"), "00:40");
    EXPECT_EQ(slotClock(kHome1), "01:56");
    EXPECT_EQ(slotClock(kAway1), "03:56");
    EXPECT_TRUE(slotShown(kHome1));
    EXPECT_EQ(fake.sounds.played("clin.wav"), 0);
}

TEST_F(Cards, EarlyReleaseEnablesThePicturesOnlyWithTheClockStopped) {
    struct Case {
        const CardNames* card;
        const SlotNames* slot;
        const char* picture;
        bool running;
    } cases[] = {
        {&kCards[0], &kHome1, "amonlocal", false},
        {&kCards[0], &kHome1, "amonlocal", true},
        {&kCards[3], &kAway1, "amonvisita", false},
        {&kCards[3], &kAway1, "amonvisita", true},
    };
    for (const Case& c : cases) {
        startAndStop();
        click(c.card->icon);
        toggleClock();
        wait(3);
        if (!c.running) toggleClock();
        bool enabledBefore = el(c.card->icon).enabled();
        dblclick(c.picture);
        EXPECT_FALSE(slotShown(*c.slot)) << c.picture;
        EXPECT_NE(slotClock(*c.slot), "00:00");
        EXPECT_EQ(p.*c.slot->state, "noactivo");
        EXPECT_EQ(p.*c.slot->clockFlag, "no");
        EXPECT_EQ(p.*c.card->suspended, 0);
        EXPECT_EQ(el(c.card->icon).enabled(), !c.running) << c.picture << (c.running ? " running" : " stopped");
        EXPECT_EQ(el(c.card->pairIcon).enabled(), !c.running);
        EXPECT_EQ(enabledBefore, !c.running);
        EXPECT_EQ(el(c.card->counter).text(), "1");
        // A freed slot stays freed: its clock no longer counts.
        std::string left = slotClock(*c.slot);
        if (!c.running) toggleClock();
        wait(2);
        EXPECT_EQ(slotClock(*c.slot), left);
        toggleClock();
        el(c.card->counter).setText("0");
    }
    EXPECT_EQ(fake.sounds.played("clin.wav"), 0);
}

TEST_F(Cards, CountersAreLoweredToEmptyAndNeverBelow) {
    struct Case {
        const char* start;
        const char* expected;
        bool visible;
    } cases[] = {{"1", "", false}, {"3", "2", true},     {"", "", true},
                 {"0", "0", true}, {"abc", "abc", true}, {"-2", "-2", true}};
    for (const CardNames& card : kCards) {
        for (const Case& c : cases) {
            el(card.counter).setText(c.start);
            el(card.counter).setVisible(true);
            dblclick(card.counter);
            EXPECT_EQ(el(card.counter).text(), c.expected) << card.counter << " from '" << c.start << "'";
            EXPECT_EQ(el(card.counter).visible(), c.visible) << card.counter << " from '" << c.start << "'";
        }
    }
}

TEST_F(Cards, LoweringACounterLeavesTheSuspensionAndTheNextCardShowsOne) {
    startAndStop();
    click("Image6");
    dblclick("numrojaslocal");
    EXPECT_EQ(el("numrojaslocal").text(), "");
    EXPECT_FALSE(el("numrojaslocal").visible());
    EXPECT_TRUE(slotShown(kHome1));
    EXPECT_EQ(p.castigadoslocal, 1);
    dblclick("amonlocal");
    click("Image6");
    EXPECT_EQ(el("numrojaslocal").text(), "1");
    EXPECT_TRUE(el("numrojaslocal").visible());
}

TEST_F(Cards, SuspendedCountNeverGoesBelowZero) {
    startAndStop();
    click("Image5");
    dblclick("amonlocal");
    dblclick("amonlocal");  // hidden now: the click finds nothing
    EXPECT_EQ(p.castigadoslocal, 0);
    // A picture shown without a suspension behind it frees nothing.
    el("amonlocal2").setVisible(true);
    dblclick("amonlocal2");
    EXPECT_EQ(p.castigadoslocal, 0);
    EXPECT_FALSE(el("amonlocal2").visible());
}

TEST_F(Cards, EscondecastigadosFreesEverySlotAndKeepsTheRest) {
    startAndStop();
    click("Image5");
    fake.dialogs.answer(Answer::Yes);
    click("Image6");
    click("Image7");
    toggleClock();
    wait(7);
    toggleClock();
    p.cambioperiodo = true;
    escondecastigados(p);
    for (const SlotNames* s : {&kHome1, &kHome2, &kAway1, &kAway2}) {
        EXPECT_FALSE(slotShown(*s)) << s->picture;
        EXPECT_EQ(p.*s->state, "noactivo");
        EXPECT_EQ(p.*s->clockFlag, "");
    }
    EXPECT_FALSE(p.cambioperiodo);
    EXPECT_EQ(p.castigadoslocal, 0);
    EXPECT_EQ(p.castigadosvisita, 0);
    EXPECT_EQ(slotClock(kHome1), "01:53");
    EXPECT_EQ(slotClock(kHome2), "03:53");
    EXPECT_EQ(slotClock(kAway1), "03:53");
    EXPECT_EQ(el("numazuleslocal").text(), "1");
    EXPECT_EQ(el("numrojasvisita").text(), "1");
    EXPECT_FALSE(el("Image5").enabled());  // a full side stays as the stop left it
    EXPECT_TRUE(el("Image7").enabled());
}

}  // namespace
}  // namespace tabrino
