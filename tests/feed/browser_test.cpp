// The pages in a real headless Chromium: they load, connect, and show a goal
// and a tick the program sends, without reloading.
#include "feed_fixture.h"

namespace tabrino::test {
namespace {

struct PageCase {
    const char* path;
    quint16 port;
};

class FeedInBrowser : public ::testing::TestWithParam<PageCase> {};

TEST_P(FeedInBrowser, ShowsAGoalAndATickAsTheyHappen) {
    if (HeadlessBrowser::executable().isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/deps.sh installs it)";
    const PageCase c = GetParam();
    LiveProgram lp(c.port);
    ASSERT_TRUE(lp.startFeed());
    lp.fake.dialogs.reply("CLUB PATIN VOLTREGA");
    lp.click("equipolocal", true);

    HeadlessBrowser browser;
    ASSERT_TRUE(browser.start()) << browser.error().toStdString();
    const QString page = browser.open(QStringLiteral("http://127.0.0.1:%1%2").arg(c.port).arg(c.path));
    ASSERT_FALSE(page.isEmpty()) << browser.error().toStdString();
    ASSERT_TRUE(browser.waitFor(
        page, QStringLiteral("document.getElementById('nombrel')?.textContent === 'CLUB PATIN VOLTREGA'"), 15000))
        << "the page never showed the state";
    ASSERT_TRUE(spinUntil([&] { return lp.feed->pages() == 1; }, 3000));

    lp.click("gollocal");
    EXPECT_TRUE(browser.waitFor(page, QStringLiteral("document.getElementById('golesl').textContent === '1'")))
        << "the goal did not reach the page";

    lp.startClock("10");
    EXPECT_TRUE(browser.waitFor(page, QStringLiteral("document.getElementById('reloj').textContent === '09:59'"), 4000))
        << "the first tick did not reach the page";
    lp.click("a");  // stop

    // Nothing was fetched again: the same page got pushed states.
    EXPECT_GE(browser.eval(page, QStringLiteral("Number(document.body.dataset.version)")).toDouble(), 3.0);
    EXPECT_EQ(browser.eval(page, QStringLiteral("performance.getEntriesByType('navigation').length")).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, FeedInBrowser, ::testing::Values(PageCase{"/", 18030}, PageCase{"/overlay", 18032}),
                         [](const auto& info) {
                             return std::string(info.param.path == std::string("/") ? "Board" : "Overlay");
                         });

}  // namespace
}  // namespace tabrino::test
