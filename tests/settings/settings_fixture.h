#pragma once
// A started program with the settings window at hand, and fake services.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/fake/fakes.h"

namespace tabrino {

struct SettingsTest : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};

    void SetUp() override {
        p.setStrict(true);
        p.start();
        screens(1);
    }
    void TearDown() override { EXPECT_TRUE(fake.dialogs.queue.empty()) << "an answer was never asked for"; }

    // The monitor data the start-up placement records.
    void screens(int count) {
        p.cantidadmonitores = static_cast<std::int16_t>(count);
        p.izquierdapantalla2 = count >= 2 ? 19200 : 0;
        p.izquierdapantalla3 = count >= 3 ? 38400 : 0;
    }

    Window& f() { return p.form1(); }
    Window& cfg() {
        Window* w = p.existing("configuracion");
        if (!w) throw std::logic_error("the settings window is not open");
        return *w;
    }
    bool open() const { return p.existing("configuracion") && p.existing("configuracion")->shown(); }

    static void centre(const Element& e, float& x, float& y) {
        Rect r = e.absoluteGeometry();
        x = r.left + r.width / 2;
        y = r.top + r.height / 2;
    }
    void click(Window& w, const std::string& name) {
        float x, y;
        centre(w[name], x, y);
        p.clickAt(w, x, y);
    }
    void dblclick(Window& w, const std::string& name) {
        float x, y;
        centre(w[name], x, y);
        p.dblClickAt(w, x, y);
    }
    Window& openSettingsWindow() {
        click(f(), "config");
        return cfg();
    }
    void click(const std::string& name) { click(cfg(), name); }
    bool on(const std::string& name) { return cfg()[name].checked(); }
    bool enabled(const std::string& name) { return cfg()[name].enabled(); }
    void type(const std::string& box, const std::string& text) { cfg()[box].setText(text); }
    void closeByItsControl() { p.unload("configuracion"); }

    // An OK message expected next.
    void expectOk() { fake.dialogs.answer(Answer::Ok); }
    void expectLastMessage(const std::string& text, const std::string& title, Icon icon) {
        EXPECT_EQ(fake.dialogs.lastText, text);
        EXPECT_EQ(fake.dialogs.lastTitle, title);
        EXPECT_EQ(fake.dialogs.lastIcon, icon);
        EXPECT_EQ(fake.dialogs.lastButtons, Buttons::Ok);
    }
};

}  // namespace tabrino
