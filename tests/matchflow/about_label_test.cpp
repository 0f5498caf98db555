// The small label at the foot of the operator window opens the About window
// and touches nothing of the match.
#include "match_fixture.h"

namespace tabrino {
namespace {

TEST_F(MatchFixture, Label4OpensTheAboutWindowWhileTheClockRuns) {
    pick("Sub 9");
    click("a");
    ASSERT_TRUE(p.timer1.enabled());
    const std::string before = clock();
    click("Label4");
    EXPECT_EQ(fake.process.aboutShown, 1);
    EXPECT_EQ(fake.dialogs.messages, 0);
    EXPECT_TRUE(p.timer1.enabled());
    wait(2);
    EXPECT_NE(clock(), before);

    // Each click asks again; the window itself brings the open one forward.
    click("Label4");
    EXPECT_EQ(fake.process.aboutShown, 2);
}

}  // namespace
}  // namespace tabrino
