// Team fouls: the warning one foul before each limit, the free hit at the
// 10th foul and at every 5th after it, and the foul taken back.
#include <string>

#include "team_fixture.h"

namespace tabrino {
namespace {

struct FoulSide {
    const char* fouls;
    const char* title;
    const char* freeHits;
    const char* freeHitTitle;
    const char* otherFouls;
};
const FoulSide kHome{"faltalocal", "titulofalta", "librelocal", "Label2", "faltavisita"};
const FoulSide kAway{"faltavisita", "titulofalta2", "librevisita", "Label5", "faltalocal"};
const char* const kCards[] = {"Image4", "Image5", "Image6", "Image7"};

TEST_F(TeamEvents, FoulLimitsWarnAndAwardFreeHits) {
    // After each foul click: count shown, its colour, free hits so far.
    struct Step {
        int fouls;
        const char* text;
        Rgb color;
        const char* freeHits;
    } steps[] = {
        {8, "8", colors::cyan, "0"}, {1, "9", colors::pink, "0"}, {1, "0", colors::cyan, "1"},
        {3, "3", colors::cyan, "1"}, {1, "4", colors::pink, "1"}, {1, "0", colors::cyan, "2"},
        {4, "4", colors::pink, "2"}, {1, "0", colors::cyan, "3"},
    };
    for (const FoulSide* side : {&kHome, &kAway}) {
        Session q;
        q.el("a").setText("10");
        for (const Step& s : steps) {
            for (int i = 0; i < s.fouls; ++i) q.click(side->fouls);
            EXPECT_EQ(q.el(side->fouls).text(), s.text) << side->fouls;
            EXPECT_EQ(q.el(side->fouls).color(), s.color) << side->fouls << " " << s.text;
            EXPECT_EQ(q.el(side->freeHits).text(), s.freeHits);
            bool anyFreeHit = std::string(s.freeHits) != "0";
            EXPECT_EQ(q.el(side->freeHits).visible(), anyFreeHit);
            EXPECT_EQ(q.el(side->freeHitTitle).visible(), anyFreeHit);
            EXPECT_EQ(q.fake.sounds.played("timbre.wav"), std::stoi(s.freeHits)) << side->fouls << " " << s.text;
            for (const char* card : kCards) EXPECT_EQ(q.el(card).enabled(), anyFreeHit) << card;
            EXPECT_EQ(q.el(side->otherFouls).text(), "0");
        }
        EXPECT_FALSE(q.p.timer1.enabled());
    }
}

TEST_F(TeamEvents, FreeHitStopsARunningClock) {
    el("a").setText("10");
    for (int i = 0; i < 9; ++i) click("faltavisita");
    toggleClock();
    wait(3);
    ASSERT_TRUE(p.timer1.enabled());
    click("faltavisita");
    EXPECT_FALSE(p.timer1.enabled());
    for (const char* n : {"a", "Label6", "b"}) EXPECT_EQ(el(n).color(), colors::white) << n;
    EXPECT_EQ(reading("a", "b"), "09:57");
    wait(5);
    EXPECT_EQ(reading("a", "b"), "09:57");
    EXPECT_EQ(fake.sounds.played("timbre.wav"), 1);
    for (const char* card : kCards) EXPECT_TRUE(el(card).enabled()) << card;
    // The operator restarts the clock as usual.
    toggleClock();
    wait(1);
    EXPECT_EQ(reading("a", "b"), "09:56");
}

TEST_F(TeamEvents, FoulsCountOnlyWithTimeOnTheClock) {
    struct Case {
        const char* a;
        const char* b;
        const char* expected;
    } cases[] = {{"00", "00", "0"}, {"00", "01", "1"}, {"01", "00", "1"}, {"", "", "0"}};
    for (const Case& c : cases) {
        el("faltalocal").setText("0");
        el("a").setText(c.a);
        el("b").setText(c.b);
        click("faltalocal");
        EXPECT_EQ(el("faltalocal").text(), c.expected) << c.a << ":" << c.b;
    }
}

// Click sequences: 'f' a foul, 't' a double click on "FALTAS".
TEST_F(TeamEvents, FoulsNeverGoBelowZero) {
    struct Case {
        const char* clicks;
        const char* expected;
        Rgb color;
    } cases[] = {
        {"t", "0", colors::cyan},           {"tt", "0", colors::cyan},          {"fttf", "1", colors::cyan},
        {"ffft", "2", colors::cyan},        {"fffffffff", "9", colors::pink},   {"ffffffffft", "8", colors::cyan},
        {"ffffffffftf", "9", colors::pink}, {"fffffffffft", "0", colors::cyan},
    };
    el("a").setText("05");
    for (const FoulSide* side : {&kHome, &kAway}) {
        for (const Case& c : cases) {
            el(side->fouls).setText("0");
            el(side->fouls).setColor(colors::cyan);
            el(side->freeHits).setText("0");
            for (const char* k = c.clicks; *k; ++k)
                if (*k == 'f')
                    click(side->fouls);
                else
                    dblclick(side->title);
            EXPECT_EQ(el(side->fouls).text(), c.expected) << side->fouls << " " << c.clicks;
            EXPECT_EQ(el(side->fouls).color(), c.color) << side->fouls << " " << c.clicks;
        }
    }
}

TEST_F(TeamEvents, TakingAFoulOffNeverUndoesAFreeHit) {
    el("a").setText("05");
    for (int i = 0; i < 11; ++i) click("faltalocal");
    dblclick("titulofalta");
    dblclick("titulofalta");
    EXPECT_EQ(el("faltalocal").text(), "0");
    EXPECT_EQ(el("librelocal").text(), "1");
    EXPECT_TRUE(el("librelocal").visible());
    // The next limit is still the short one.
    for (int i = 0; i < 5; ++i) click("faltalocal");
    EXPECT_EQ(el("librelocal").text(), "2");
}

TEST_F(TeamEvents, CardPictureOverTheFoulsTakesTheClick) {
    startAndStop();
    // A card picture that the free hit or a stop left disabled swallows the click.
    for (const char* card : kCards) el(card).setEnabled(false);
    for (const char* card : kCards) click(card);
    EXPECT_EQ(el("faltalocal").text(), "0");
    EXPECT_EQ(el("faltavisita").text(), "0");
    EXPECT_EQ(p.castigadoslocal + p.castigadosvisita, 0);
    // Enabled, it gives its card and still counts no foul.
    for (const char* card : {"Image6", "Image4"}) el(card).setEnabled(true);
    click("Image6");
    click("Image4");
    EXPECT_EQ(el("faltalocal").text(), "0");
    EXPECT_EQ(el("faltavisita").text(), "0");
    EXPECT_EQ(el("numrojaslocal").text(), "1");
    EXPECT_EQ(el("numazulesvisita").text(), "1");
}

}  // namespace
}  // namespace tabrino
