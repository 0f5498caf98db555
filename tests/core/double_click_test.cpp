// A double click whose first click closes its own window: the second half
// must find the window gone and do nothing (this once read freed memory).
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "script/drive.h"

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
        Program p{fake.services()};
        p.setStrict(true);
        p.start();
        Window& w = p.win(c.window);
        w.show();
        clickCentre(p, w, c.close, true);
        EXPECT_EQ(p.existing(c.window), nullptr);
        EXPECT_TRUE(p.form1().shown());
    }
}

}  // namespace
}  // namespace tabrino
