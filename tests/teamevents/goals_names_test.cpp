// Goals by the score and its buttons, team names by the input box.
#include <string>
#include <vector>

#include "team_fixture.h"

namespace tabrino {
namespace {

struct SideNames {
    const char* score;
    const char* plus;
    const char* minus;
    const char* name;
    const char* prompt;
    const char* otherScore;
};
const SideNames kHome{"gollocal", "Command5", "Command6", "equipolocal", "Configurar Equipo Local", "golvisita"};
const SideNames kAway{"golvisita", "Command7", "Command8", "equipovisita", "Configurar Equipo Visitante", "gollocal"};

// Click sequences: 's' the score itself, '+' and '-' its buttons.
TEST_F(TeamEvents, GoalsNeverGoBelowZero) {
    struct Case {
        const char* start;
        const char* clicks;
        const char* expected;
    } cases[] = {
        {"0", "-", "0"},  {"0", "--+", "1"},   {"9", "s", "10"},     {"9", "+", "10"},
        {"10", "-", "9"}, {"2", "---s", "1"},  {"", "+", "1"},       {"abc", "-", "0"},
        {"-3", "-", "0"}, {"1", "-+-s-", "0"}, {"5", "sss---", "5"},
    };
    for (const SideNames* side : {&kHome, &kAway}) {
        for (const Case& c : cases) {
            el(side->score).setText(c.start);
            el(side->otherScore).setText("7");
            for (const char* k = c.clicks; *k; ++k)
                click(*k == 's' ? side->score : *k == '+' ? side->plus : side->minus);
            EXPECT_EQ(el(side->score).text(), c.expected) << side->score << " from '" << c.start << "' " << c.clicks;
            EXPECT_EQ(el(side->otherScore).text(), "7");
        }
    }
}

TEST_F(TeamEvents, ScoreClickCountsWhileTheClockRuns) {
    el("a").setText("10");
    toggleClock();
    wait(2);
    click("gollocal");
    click("Command7");
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_EQ(el("gollocal").text(), "1");
    EXPECT_EQ(el("golvisita").text(), "1");
}

TEST_F(TeamEvents, NameEntryUpperCasesAndIgnoresEmptyReplies) {
    const std::string longName(500, 'x');
    std::string longAccents;
    for (int i = 0; i < 250; ++i) longAccents += "ñ";
    std::string longAccentsUpper;
    for (int i = 0; i < 250; ++i) longAccentsUpper += "Ñ";
    struct Case {
        bool cancel;
        std::string reply;
        std::string expected;
    } cases[] = {
        {false, "ñandú fc", "ÑANDÚ FC"},
        {false, "", "ÑANDÚ FC"},
        {true, "", "ÑANDÚ FC"},
        {false, "  cp vic", "  CP VIC"},
        {false, longName, std::string(500, 'X')},
        {false, longAccents, longAccentsUpper},
        {false, "los 🏑 ángeles ⚽ çà", "LOS 🏑 ÁNGELES ⚽ ÇÀ"},
        {false, "e\xCC\x81lan", "E\xCC\x81LAN"},  // a combining accent stays where it is
        {false, "\xC3", "\xC3"},                  // a broken trailing byte is kept as it came
    };
    for (const SideNames* side : {&kHome, &kAway}) {
        for (const Case& c : cases) {
            el(side->name).setAlign(Align::Left);
            if (c.cancel)
                fake.dialogs.cancel();
            else
                fake.dialogs.reply(c.reply);
            dblclick(side->name);
            EXPECT_EQ(el(side->name).text(), c.expected) << side->name << " reply '" << c.reply << "'";
            EXPECT_EQ(el(side->name).align(), Align::Center);
            EXPECT_EQ(fake.dialogs.lastPrompt, side->prompt);
            EXPECT_EQ(fake.dialogs.lastInputTitle, "Actualizar Dato");
        }
    }
    EXPECT_EQ(fake.dialogs.inputs, 2 * static_cast<int>(std::size(cases)));
}

TEST_F(TeamEvents, NameIsNotAskedForWhileTheClockRuns) {
    el("a").setText("10");
    toggleClock();
    el("equipolocal").setAlign(Align::Left);
    dblclick("equipolocal");
    dblclick("equipovisita");
    EXPECT_EQ(fake.dialogs.inputs, 0);
    EXPECT_EQ(el("equipolocal").text(), "L O C A L");
    EXPECT_EQ(el("equipovisita").text(), "V I S I T A");
    EXPECT_EQ(el("equipolocal").align(), Align::Left);
    toggleClock();
    fake.dialogs.reply("patín");
    dblclick("equipolocal");
    EXPECT_EQ(el("equipolocal").text(), "PATÍN");
}

}  // namespace
}  // namespace tabrino
