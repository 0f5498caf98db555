// Long random sequences of the operator's clicks on every team element, with
// the clock started, stopped and running in between. Whatever is clicked,
// the counts stay whole numbers that never go below 0, the fouls stay under
// their limit and the suspended count matches the occupied slots.
#include <random>
#include <string>
#include <vector>

#include "app/text.h"
#include "team_fixture.h"

namespace tabrino {
namespace {

struct Action {
    const char* element;
    bool dbl;
};
const std::vector<Action> kActions = {
    {"gollocal", false},
    {"golvisita", false},
    {"Command5", false},
    {"Command6", false},
    {"Command7", false},
    {"Command8", false},
    {"gollocal", true},
    {"golvisita", true},
    {"faltalocal", false},
    {"faltavisita", false},
    {"faltalocal", true},
    {"faltavisita", true},
    {"titulofalta", true},
    {"titulofalta2", true},
    {"titulofalta", false},
    {"Image4", false},
    {"Image5", false},
    {"Image6", false},
    {"Image7", false},
    {"Image5", true},
    {"numazuleslocal", true},
    {"numrojaslocal", true},
    {"numazulesvisita", true},
    {"numrojasvisita", true},
    {"amonlocal", true},
    {"amonlocal2", true},
    {"amonvisita", true},
    {"amonvisita2", true},
    {"a", false},
    {"a", false},
};

bool wholeNumber(const std::string& t) {
    if (t.empty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

struct RandomClicks : TeamEvents {
    std::string step;  // what was done last, for the failure message

    void expectWholeNumber(const char* name, bool mayBeEmpty = false) {
        const std::string& t = el(name).text();
        if (mayBeEmpty && t.empty()) return;
        EXPECT_TRUE(wholeNumber(t)) << name << " reads '" << t << "' after " << step;
    }
    void expectSide(const char* fouls, const char* freeHits, std::int16_t suspended,
                    std::initializer_list<std::pair<const std::string*, const char*>> slots) {
        expectWholeNumber(fouls);
        expectWholeNumber(freeHits);
        const double limit = numericValue(el(freeHits).text()) == 0 ? 10 : 5;
        EXPECT_LT(numericValue(el(fouls).text()), limit) << fouls << " after " << step;
        int occupied = 0;
        for (const auto& [state, picture] : slots) {
            const bool active = *state == "activo";
            occupied += active;
            EXPECT_EQ(el(picture).visible(), active) << picture << " after " << step;
        }
        EXPECT_EQ(suspended, occupied) << fouls << " side after " << step;
    }
    void expectSound() {
        for (const char* n : {"gollocal", "golvisita"}) expectWholeNumber(n);
        for (const char* n : {"numazuleslocal", "numrojaslocal", "numazulesvisita", "numrojasvisita"})
            expectWholeNumber(n, true);
        expectSide("faltalocal", "librelocal", p.castigadoslocal,
                   {{&p.castigolocal1, "amonlocal"}, {&p.castigolocal2, "amonlocal2"}});
        expectSide("faltavisita", "librevisita", p.castigadosvisita,
                   {{&p.castigovisita1, "amonvisita"}, {&p.castigovisita2, "amonvisita2"}});
    }
};

TEST_F(RandomClicks, CountsStaySoundWhateverIsClicked) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        std::mt19937 random(seed);
        // Far from the period end, so only the card confirmation asks.
        el("a").setText("59");
        for (int i = 0; i < 400 && !HasFailure(); ++i) {
            // Two answers ready: a double click on a card icon is two cards.
            while (fake.dialogs.queue.size() < 2) fake.dialogs.answer(random() % 2 ? Answer::Yes : Answer::No);
            const Action& a = kActions[random() % kActions.size()];
            step = "step " + std::to_string(i) + " of seed " + std::to_string(seed) + ": " +
                   (a.dbl ? "double click " : "click ") + a.element;
            clickOn(p, a.element, a.dbl);
            // Now and then a long stretch, so suspensions run out by the tick.
            wait(random() % 12 == 0 ? 40 : static_cast<int>(random() % 4));
            expectSound();
        }
        fake.dialogs.queue.clear();
        // Back to where the next seed starts: the clock stopped.
        if (p.timer1.enabled()) click("a");
    }
    // The sequences reached what they are meant to stress.
    EXPECT_GT(fake.dialogs.messages, 0) << "no second-player confirmation";
    EXPECT_GT(fake.sounds.played("clin.wav"), 0) << "no suspension ran out";
    EXPECT_GT(numericValue(el("librelocal").text()), 0) << "no free hit";
}

}  // namespace
}  // namespace tabrino
