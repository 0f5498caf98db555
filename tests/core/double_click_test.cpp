// A double click whose first click closes its own window: the second half
// must find the window gone and do nothing (this once read freed memory).
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {
namespace {

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

}  // namespace
}  // namespace tabrino
