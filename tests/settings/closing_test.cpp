// Closing the settings window: the reminder and the rebuilt series list.
#include "settings_fixture.h"

namespace tabrino {
namespace {

using Closing = SettingsTest;

const std::vector<std::string> kRebuiltList = {"Serie que jugara?",
                                               "Mini Hockey",
                                               "Sub 9",
                                               "Sub 11",
                                               "Sub 13",
                                               "Sub 15",
                                               "Sub 17",
                                               "Sub 19",
                                               "Sub 20",
                                               "Sub 23",
                                               "Adulta",
                                               "Adulta Honor",
                                               "Entretiempo",
                                               "Descanso para alargue",
                                               "Cambio de lado",
                                               "Alargue"};

TEST_F(Closing, EitherWayRebuildsTheSeriesList) {
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "Command1" : "close control");
        f()["tramos"].setText("Sub 17");
        f()["a"].setText("18");
        openSettingsWindow();
        if (byButton)
            click("Command1");
        else
            closeByItsControl();
        EXPECT_EQ(p().existing("configuracion"), nullptr);
        EXPECT_EQ(f()["tramos"].list(), kRebuiltList);
        EXPECT_EQ(f()["tramos"].text(), "Serie que jugara?");
        EXPECT_EQ(f()["a"].text(), "18") << "the clock waits for the next pick";
        EXPECT_EQ(fake().dialogs.messages, 0);
    }
}

TEST_F(Closing, StoredNameDurationIsOfferedAndShownAgain) {
    openSettingsWindow();
    type("Text10b", "30");
    click("Command1");
    EXPECT_EQ(p().tablaseries[31], "30");
    EXPECT_EQ(f()["tramos"].list()[11], "Adulta Honor");
    openSettingsWindow();
    EXPECT_EQ(cfg()["Text10b"].text(), "30");
}

TEST_F(Closing, ReminderOnlyBeforeTheStartWithPossessionOn) {
    struct Case {
        const char* estadoinicio;
        bool possession;
        bool reminded;
    } cases[] = {{"noiniciado", true, true}, {"iniciado", true, false}, {"noiniciado", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.estadoinicio) + (c.possession ? " SI" : " NO"));
        p().estadoinicio = "noiniciado";
        openSettingsWindow();
        click(c.possession ? "Option12" : "Option13");
        p().estadoinicio = c.estadoinicio;
        int messages = fake().dialogs.messages;
        if (c.reminded) expectOk();
        click("Command1");
        EXPECT_EQ(fake().dialogs.messages, messages + (c.reminded ? 1 : 0));
        if (c.reminded)
            expectLastMessage(
                "Recuerde que si no tiene la botonera\r\nPuede usar la combinacion ALT + X\r\n"
                "para llevar el contador de posesion",
                "Recordatorio", Icon::Information);
        EXPECT_EQ(f()["tramos"].list(), kRebuiltList);
    }
}

TEST_F(Closing, PossessionSwitchesTheCountAndItsWarnings) {
    openSettingsWindow();
    click("Option12");
    EXPECT_EQ(p().conposesion, "SI");
    EXPECT_TRUE(f()["posesion"].visible());
    EXPECT_TRUE(f()["Label9"].visible());
    EXPECT_TRUE(enabled("Check1"));
    EXPECT_TRUE(enabled("Check4"));
    EXPECT_FALSE(enabled("Check2"));  // one screen
    click("Check1");
    click("Check4");
    EXPECT_EQ(p().avisocinco, "si");
    EXPECT_EQ(p().avisocero, "si");
    click("Check5");
    EXPECT_EQ(p().sonarbip, "NO");

    click("Option13");
    EXPECT_EQ(p().conposesion, "NO");
    EXPECT_FALSE(f()["posesion"].visible());
    EXPECT_FALSE(f()["Label9"].visible());
    for (const char* c : {"Check1", "Check4", "Check2"}) {
        EXPECT_FALSE(on(c)) << c;
        EXPECT_FALSE(enabled(c)) << c;
    }
    EXPECT_EQ(p().avisocinco, "no");
    EXPECT_EQ(p().avisocero, "no");
    EXPECT_EQ(fake().dialogs.messages, 0);
}

}  // namespace
}  // namespace tabrino
