// The extra-screen boxes with one, two and three monitors.
#include "settings_fixture.h"

namespace tabrino {
namespace {

using Screens = SettingsTest;

constexpr const char* kConflict = "solo tiene una pantalla adicional, no puede activar ambas funciones";

TEST_F(Screens, BoxesNeedAScreenBesidesTheOperators) {
    for (int count : {0, 1, 2, 3}) {
        SCOPED_TRACE(count);
        restart(count);
        openSettingsWindow();
        bool offered = count >= 2;
        EXPECT_EQ(enabled("Check3"), offered);
        click("Option12");
        EXPECT_EQ(enabled("Check2"), offered);
        EXPECT_EQ(cfg()["Label28"].text(), "Se han detectado " + std::to_string(count) +
                                               " Monitores disponibles, Si desea activar ambas funciones debe "
                                               "tener tres monitores.");
        click("Check3");  // a disabled box swallows the click
        EXPECT_EQ(on("Check3"), offered);
        if (offered) click("Check3");
        click("Option13");
        closeByItsControl();
    }
}

TEST_F(Screens, MirrorGoesToTheSecondScreen) {
    for (int count : {2, 3}) {
        SCOPED_TRACE(count);
        restart(count);
        openSettingsWindow();
        click("Check3");
        EXPECT_EQ(p().pantallaauxiliar, "SI");
        EXPECT_EQ(p().clonactivo, "SI");
        Window* mirror = p().existing("clontabrino");
        ASSERT_NE(mirror, nullptr);
        EXPECT_TRUE(mirror->shown());
        EXPECT_EQ(mirror->left(), 19200);
        closeByItsControl();
        // Found ticked at the next opening, and cleared it closes the mirror.
        openSettingsWindow();
        EXPECT_TRUE(on("Check3"));
        EXPECT_EQ(p().existing("clontabrino"), mirror);
        click("Check3");
        EXPECT_EQ(p().pantallaauxiliar, "NO");
        EXPECT_EQ(p().clonactivo, "NO");
        EXPECT_EQ(p().existing("clontabrino"), nullptr);
        closeByItsControl();
    }
}

TEST_F(Screens, PossessionWindowGoesToTheLastScreen) {
    const std::pair<int, float> cases[] = {{2, 19200}, {3, 38400}};
    for (auto [count, left] : cases) {
        SCOPED_TRACE(count);
        restart(count);
        openSettingsWindow();
        click("Option12");
        click("Check2");
        EXPECT_EQ(p().tenenciaauxiliar, "si");
        Window* big = p().existing("tenencia");
        ASSERT_NE(big, nullptr);
        EXPECT_TRUE(big->shown());
        EXPECT_EQ(big->left(), left);
        expectOk();  // the reminder
        closeByItsControl();
        openSettingsWindow();
        EXPECT_TRUE(on("Check2"));
        // Possession off clears the box, which closes the window.
        click("Option13");
        EXPECT_EQ(p().tenenciaauxiliar, "no");
        EXPECT_EQ(p().existing("tenencia"), nullptr);
        closeByItsControl();
    }
}

TEST_F(Screens, TwoScreensTakeOnlyOneOfTheBoxes) {
    for (bool mirrorFirst : {true, false}) {
        SCOPED_TRACE(mirrorFirst ? "mirror first" : "possession window first");
        restart(2);
        openSettingsWindow();
        click("Option12");
        const char* first = mirrorFirst ? "Check3" : "Check2";
        const char* second = mirrorFirst ? "Check2" : "Check3";
        click(first);
        expectOk();
        click(second);
        expectLastMessage(kConflict, "Error", Icon::Error);
        EXPECT_TRUE(on(first));
        EXPECT_FALSE(on(second));
        EXPECT_EQ(p().clonactivo, mirrorFirst ? "SI" : "NO");
        EXPECT_EQ(p().pantallaauxiliar, mirrorFirst ? "SI" : "NO");
        EXPECT_EQ(p().tenenciaauxiliar, mirrorFirst ? "no" : "si");
        EXPECT_EQ(p().existing("clontabrino") != nullptr && p().existing("clontabrino")->shown(), mirrorFirst);
        EXPECT_EQ(p().existing("tenencia") != nullptr, !mirrorFirst);
        click(first);
        click("Option13");
        closeByItsControl();
    }
}

TEST_F(Screens, ThreeScreensTakeBoth) {
    restart(3);
    openSettingsWindow();
    click("Option12");
    click("Check3");
    click("Check2");
    EXPECT_TRUE(on("Check3"));
    EXPECT_TRUE(on("Check2"));
    EXPECT_EQ(p().existing("clontabrino")->left(), 19200);
    EXPECT_EQ(p().existing("tenencia")->left(), 38400);
    EXPECT_EQ(p().existing("tenencia")->state(), WindowState::Maximized);
    EXPECT_EQ(fake().dialogs.messages, 0);
    expectOk();  // the reminder
    closeByItsControl();
}

}  // namespace
}  // namespace tabrino
