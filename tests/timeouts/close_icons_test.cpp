// The close icons of the time-out and possession windows must lie inside
// their windows, or the operator cannot end a minute early or put the
// possession window away.
#include "fixture.h"

namespace tabrino {
namespace {

struct CloseIcons : Scoreboard {};

TEST_F(CloseIcons, SitInsideTheirWindowsAtEverySize) {
    const char* windows[] = {"minuto", "tenencia"};
    const int screens[][2] = {{1280, 720}, {1920, 1080}, {1024, 768}};
    for (const auto& screen : screens) {
        // The operator's screen and a public one of the same size beside it.
        fake.monitors.monitors = {{{0, 0, screen[0], screen[1]}, true},
                                  {{screen[0], 0, 2 * screen[0], screen[1]}, false}};
        p.screensChanged();
        for (const char* name : windows) {
            SCOPED_TRACE(std::string(name) + " on " + std::to_string(screen[0]) + "x" + std::to_string(screen[1]));
            Window& w = p.win(name);
            if (w.name() == "tenencia") w.setLeft(static_cast<float>(screen[0]) * 15);
            w.show();
            EXPECT_FLOAT_EQ(w.width(), static_cast<float>(screen[0]) * 15);
            const Rect icon = w["finmiuto"].absoluteGeometry();
            EXPECT_GE(icon.left, 0);
            EXPECT_GE(icon.top, 0);
            EXPECT_LE(icon.left + icon.width, w.width());
            EXPECT_LE(icon.top + icon.height, w.height());
            click(w, "finmiuto");
            EXPECT_EQ(shown(name), "absent");
        }
    }
}

}  // namespace
}  // namespace tabrino
