// Double clicks in the core's routing: one whose first click closes its own
// window, and the quick second click on elements with and without a
// double-click action.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "script/drive.h"

namespace tabrino {
namespace {

// The second half must find the window gone and do nothing (this once read
// freed memory).
TEST(DoubleClick, FirstClickClosingItsWindowEndsTheDoubleClick) {
    // The close picture of the possession window and of the time-out window.
    struct Case {
        const char* window;
        const char* close;
    } cases[] = {{"tenencia", "finmiuto"}, {"minuto", "finmiuto"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        FakeServices fake;
        // The possession window is shown on a screen of the public's own.
        fake.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        Program p{fake.services()};
        p.setStrict(true);
        p.start();
        Window& w = p.win(c.window);
        if (w.name() == "tenencia") w.setLeft(19200);
        w.show();
        clickCentre(p, w, c.close, true);
        EXPECT_EQ(p.existing(c.window), nullptr);
        EXPECT_TRUE(p.form1().shown());
    }
}

// How the two halves of a double click are taken, by what the element does
// with a double click. `dblClickAt` is the runner's whole gesture; the Qt view
// gives the first click at its release and the second press to secondClickAt.
// Either way the operator's clicks must all count.
struct QuickClicks : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    Window* f = nullptr;
    void SetUp() override {
        p.setStrict(true);
        p.start();
        f = &p.form1();
        (*f)["a"].setText("05");  // minutes on the clock: fouls count
    }
    void twoHalves(const std::string& element) {
        const Rect r = (*f)[element].absoluteGeometry();
        const float x = r.left + r.width / 2, y = r.top + r.height / 2;
        p.clickAt(*f, x, y);
        p.secondClickAt(*f, x, y);
    }
};

TEST_F(QuickClicks, WithoutADoubleClickActionEveryClickCounts) {
    struct Case {
        const char* element;
        const char* after;  // the field's text after two double clicks
    } cases[] = {{"gollocal", "4"}, {"golvisita", "4"}, {"faltalocal", "4"}, {"faltavisita", "4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        (*f)[c.element].setText("0");
        clickCentre(p, *f, c.element, true);
        twoHalves(c.element);
        EXPECT_EQ((*f)[c.element].text(), c.after);
    }
}

TEST_F(QuickClicks, TenQuickFoulClicksGiveTheFreeHit) {
    for (int i = 0; i < 5; ++i) clickCentre(p, *f, "faltalocal", true);
    EXPECT_EQ((*f)["faltalocal"].text(), "0");
    EXPECT_EQ((*f)["librelocal"].text(), "1");
    EXPECT_TRUE((*f)["librelocal"].visible());
    EXPECT_EQ(fake.sounds.played("timbre.wav"), 1);
}

TEST_F(QuickClicks, ClockDigitsTakeADoubleClickAsOneClick) {
    for (const char* digit : {"a", "Label6", "b"}) {
        SCOPED_TRACE(digit);
        ASSERT_FALSE(p.timer1.enabled());
        clickCentre(p, *f, digit, true);
        EXPECT_TRUE(p.timer1.enabled()) << "started once, not started and stopped";
        twoHalves(digit);
        EXPECT_FALSE(p.timer1.enabled()) << "stopped once";
    }
}

TEST_F(QuickClicks, ADoubleClickActionStillGetsClickThenDblClick) {
    std::vector<std::string> seen;
    for (const char* e : {"gollocal", "periodo"}) {
        p.on("Form1", e, Event::Click, [&seen, e] { seen.push_back(std::string(e) + " Click"); });
        p.on("Form1", e, Event::DblClick, [&seen, e] { seen.push_back(std::string(e) + " DblClick"); });
    }
    clickCentre(p, *f, "gollocal", true);
    twoHalves("periodo");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"gollocal Click", "gollocal DblClick", "periodo Click", "periodo DblClick"}));
}

}  // namespace
}  // namespace tabrino
