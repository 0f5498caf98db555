// Faults the soak found, pinned down one by one.
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fakes.h"

using namespace tabrino;

namespace {

struct Match : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    void SetUp() override {
        fake.monitors.monitors.push_back({{1280, 0, 2560, 720}, false});
        p.setStrict(true);
        p.start();
    }
    void click(Window& w, const char* name) {
        const Rect r = w[name].absoluteGeometry();
        p.clickAt(w, r.left + r.width / 2, r.top + r.height / 2);
    }
};

// Switched on with the clock stopped, the mirror showed the design's
// texts until the next change: the public saw a wrong board.
TEST_F(Match, TheMirrorShowsTheBoardAsSoonAsItIsSwitchedOn) {
    Window& f = p.form1();
    for (int i = 0; i < 3; ++i) click(f, "Command1");
    click(f, "gollocal");
    click(f, "config");
    p.win("configuracion")["Check3"].setChecked(true);
    ASSERT_EQ(p.clonactivo, "SI");
    Window& m = *p.existing("clontabrino");
    for (const char* n : {"a", "b", "gollocal", "golvisita", "periodo", "faltalocal"})
        EXPECT_EQ(m[n].text(), f[n].text()) << n;
}

// A minutes field of "99" (the longest duration the settings take) grew a
// third digit on "+"; it wraps to "00". Longer periods count on as before.
TEST_F(Match, AddingAMinuteKeepsTwoDigits) {
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {{"00", "01"}, {"09", "10"}, {"58", "59"}, {"59", "00"}, {"60", "61"}, {"75", "76"}, {"99", "00"}};
    Window& f = p.form1();
    for (const Case& c : cases) {
        f["a"].setText(c.before);
        click(f, "Command1");
        EXPECT_EQ(f["a"].text(), c.after) << "from " << c.before;
    }
}

}  // namespace
