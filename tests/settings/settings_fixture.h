#pragma once
// A started program with the settings window at hand, and fake services.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"

namespace tabrino {

struct SettingsTest : ::testing::Test {
    // One run of the program on a desktop chosen before it starts.
    struct Run {
        FakeServices fake;
        Program p{fake.services()};
    };
    std::unique_ptr<Run> run;
    FakeServices& fake() { return run->fake; }
    Program& p() { return run->p; }

    void SetUp() override { restart(1); }
    void TearDown() override { EXPECT_TRUE(fake().dialogs.queue.empty()) << "an answer was never asked for"; }

    // A fresh program on `count` 1280 x 720 screens side by side (0: a
    // system without multi-monitor support). The monitor data is set as the
    // start-up placement records it for such a desktop.
    void restart(int count) {
        if (run) {
            EXPECT_TRUE(fake().dialogs.queue.empty()) << "an answer was never asked for";
        }
        run = std::make_unique<Run>();
        fake().monitors.noMultiMonitor = count == 0;
        fake().monitors.monitors.clear();
        for (int i = 0; i < std::max(count, 1); ++i)
            fake().monitors.monitors.push_back({{1280 * i, 0, 1280 * (i + 1), 720}, i == 0});
        p().setStrict(true);
        p().start();
        p().cantidadmonitores = static_cast<std::int16_t>(count);
        p().izquierdapantalla2 = count >= 2 ? 19200 : 0;
        p().izquierdapantalla3 = count >= 3 ? 38400 : 0;
    }

    Window& f() { return p().form1(); }
    Window& cfg() {
        Window* w = p().existing("configuracion");
        if (!w) throw std::logic_error("the settings window is not open");
        return *w;
    }
    bool open() { return p().existing("configuracion") && p().existing("configuracion")->shown(); }

    static void centre(const Element& e, float& x, float& y) {
        Rect r = e.absoluteGeometry();
        x = r.left + r.width / 2;
        y = r.top + r.height / 2;
    }
    void click(Window& w, const std::string& name) {
        float x, y;
        centre(w[name], x, y);
        p().clickAt(w, x, y);
    }
    void dblclick(Window& w, const std::string& name) {
        float x, y;
        centre(w[name], x, y);
        p().dblClickAt(w, x, y);
    }
    Window& openSettingsWindow() {
        click(f(), "config");
        return cfg();
    }
    void click(const std::string& name) { click(cfg(), name); }
    bool on(const std::string& name) { return cfg()[name].checked(); }
    bool enabled(const std::string& name) { return cfg()[name].enabled(); }
    void type(const std::string& box, const std::string& text) { cfg()[box].setText(text); }
    void closeByItsControl() { p().unload("configuracion"); }

    // An OK message expected next.
    void expectOk() { fake().dialogs.answer(Answer::Ok); }
    void expectLastMessage(const std::string& text, const std::string& title, Icon icon) {
        EXPECT_EQ(fake().dialogs.lastText, text);
        EXPECT_EQ(fake().dialogs.lastTitle, title);
        EXPECT_EQ(fake().dialogs.lastIcon, icon);
        EXPECT_EQ(fake().dialogs.lastButtons, Buttons::Ok);
    }
};

}  // namespace tabrino
