// The horn, the match reset and the exit.
#include "match_fixture.h"

namespace tabrino {
namespace {

TEST(Horn, StopsARunningClockAndFreesCardsOfSidesWithoutAFirstSuspension) {
    struct Case {
        bool running;
        const char* castigolocal1;
        const char* castigovisita1;
        bool homeCards, awayCards;
    } cases[] = {
        {true, "noactivo", "noactivo", true, true}, {true, "activo", "noactivo", false, true},
        {true, "noactivo", "activo", true, false},  {false, "noactivo", "noactivo", true, true},
        {false, "activo", "activo", false, false},
    };
    for (const Case& c : cases) {
        Desk d;
        d.pick("Sub 9");
        d.click("a");
        d.wait(5);
        if (!c.running) {
            d.click("a");
            for (const char* n : {"Image4", "Image5", "Image6", "Image7"}) d.el(n).setEnabled(false);
        }
        d.p.castigolocal1 = c.castigolocal1;
        d.p.castigovisita1 = c.castigovisita1;
        d.click("Image1");
        std::string what = std::string(c.running ? "running " : "stopped ") + c.castigolocal1 + "/" + c.castigovisita1;
        EXPECT_FALSE(d.p.timer1.enabled()) << what;
        EXPECT_EQ(d.p.estadoinicio, "iniciado") << what;
        EXPECT_EQ(d.played("timbre.wav"), 1) << what;
        for (const char* n : {"a", "Label6", "b"}) EXPECT_EQ(d.el(n).color(), colors::white) << what << " " << n;
        EXPECT_EQ(d.el("Image5").enabled(), c.homeCards) << what;
        EXPECT_EQ(d.el("Image6").enabled(), c.homeCards) << what;
        EXPECT_EQ(d.el("Image4").enabled(), c.awayCards) << what;
        EXPECT_EQ(d.el("Image7").enabled(), c.awayCards) << what;
        std::string stopped = d.clock();
        d.wait(3);
        EXPECT_EQ(d.clock(), stopped) << what;
        d.click("a");
        EXPECT_TRUE(d.p.timer1.enabled()) << "the clock starts again from where the horn stopped it";
    }
}

TEST_F(MatchFixture, HornPaintsTheMirrorClockOnlyWhenTheMirrorExists) {
    pick("Sub 9");
    click("a");
    click("Image1");
    EXPECT_EQ(p.existing("clontabrino"), nullptr) << "the horn creates no window";

    Window& mirror = p.win("clontabrino");
    for (const char* n : {"a", "Label6", "b"})
        if (Element* e = mirror.find(n)) e->setColor(colors::green);
    click("a");
    click("Image1");
    for (const char* n : {"a", "Label6", "b"}) {
        if (Element* e = mirror.find(n)) {
            EXPECT_EQ(e->color(), colors::white) << n;
        }
    }
    EXPECT_EQ(played("timbre.wav"), 2);
}

// Dirties everything the match reset puts back, as a match would leave it.
void playAMatchAndMess(Desk& d) {
    d.click("Image2");  // the reset picture is offered between periods
    ASSERT_TRUE(d.el("Image3").visible());
    d.el("equipolocal").setText("PATIN");
    d.el("equipovisita").setText("SAN JUAN");
    for (const char* n : {"gollocal", "golvisita", "faltalocal", "faltavisita", "tiempolocal", "tiempovisita",
                          "librelocal", "librevisita", "numrojaslocal", "numazulesvisita"})
        d.el(n).setText("3");
    for (const char* n : {"leyendapenal", "numrojaslocal", "numazulesvisita", "Image8", "Image9", "Label2",
                          "librelocal", "Label5", "librevisita", "c", "d", "Label1", "amonlocal", "f2", "amonvisita2"})
        d.el(n).setVisible(true);
    for (const char* n : {"faltalocal", "tiempovisita", "posesion"}) d.el(n).setColor(colors::red);
    d.el("tiempolocal").setEnabled(false);
    for (const char* n : {"Image4", "Image5", "Image6", "Image7"}) d.el(n).setEnabled(true);
    d.el("posesion").setText("00");
    d.el("periodo").setText("E");
    d.el("a").setText("02");
    d.el("b").setText("30");
    d.el("tramos").setTextSilently("Cambio de lado");
    d.p.conalargue = "SI";
    d.p.conpenales = "SI";
    d.p.colorreloj = "&HFF80FF";
    d.p.ceroavisado = "si";
    d.p.enultimos10 = "si";
    d.p.contadorfin = 2;
    d.p.castigadoslocal = 1;
    d.p.castigadosvisita = 1;
    d.p.castigolocal1 = "activo";
    d.p.castigovisita2 = "activo";
    d.p.relojlocal1 = "si";
    d.p.minutopedido = "visita";
    d.p.cambioperiodo = true;
    d.p.mitadjuego = "2";
    d.p.cambiolado = "SI";
    d.p.minutosinicio = "20";
    d.p.segundosinicio = "00";
    d.p.seriejugada = "Adulta Honor";
    d.p.timer2.setEnabled(true);  // the end screen still on its way
    d.p.contadortimer2 = 3;
    d.p.sonarbip = "NO";
    d.p.avisocinco = "si";
}

TEST(MatchReset, BringsTheMatchBackToStartUp) {
    for (Answer keep : {Answer::Yes, Answer::No}) {
        Desk d;
        playAMatchAndMess(d);
        d.fake.dialogs.answer(keep);
        d.click("Image3");
        const char* what = keep == Answer::Yes ? "keeping names" : "new names";
        EXPECT_EQ(d.fake.dialogs.lastText, "Desea conservar los nombres de los equipos?");
        EXPECT_EQ(d.fake.dialogs.lastTitle, "Confirmar");
        EXPECT_EQ(d.text("equipolocal"), keep == Answer::Yes ? "PATIN" : "L O C A L") << what;
        EXPECT_EQ(d.text("equipovisita"), keep == Answer::Yes ? "SAN JUAN" : "V I S I T A") << what;

        for (const char* n : {"gollocal", "golvisita", "faltalocal", "faltavisita", "tiempolocal", "tiempovisita",
                              "librelocal", "librevisita", "numrojaslocal", "numazulesvisita"})
            EXPECT_EQ(d.text(n), "0") << n;
        for (const char* n :
             {"leyendapenal", "numrojaslocal", "numazulesvisita", "Image8", "Image9", "Label2", "librelocal", "Label5",
              "librevisita", "c", "d", "Label1", "amonlocal", "f2", "amonvisita2"})
            EXPECT_FALSE(d.el(n).visible()) << n;
        EXPECT_EQ(d.el("faltalocal").color(), colors::cyan);
        EXPECT_EQ(d.el("tiempovisita").color(), colors::yellow);
        EXPECT_TRUE(d.el("tiempolocal").enabled());
        EXPECT_EQ(d.text("posesion"), "45");
        EXPECT_EQ(d.el("posesion").color(), colors::yellow);
        EXPECT_EQ(d.p.win("tenencia")["segunditos"].text(), "45");
        EXPECT_EQ(d.text("periodo"), "1");
        EXPECT_EQ(d.clock(), "00:00");
        EXPECT_EQ(d.text("tramos"), "Serie que jugara?");
        EXPECT_TRUE(d.el("tramos").visible());
        for (const char* n : {"Image4", "Image5", "Image6", "Image7"}) EXPECT_FALSE(d.el(n).enabled()) << n;

        EXPECT_EQ(d.p.conalargue, "NO");
        EXPECT_EQ(d.p.conpenales, "NO");
        EXPECT_EQ(d.p.colorreloj, "65280");
        EXPECT_EQ(d.p.ceroavisado, "no");
        EXPECT_EQ(d.p.enultimos10, "no");
        EXPECT_EQ(d.p.contadorfin, 0);
        EXPECT_EQ(d.p.castigadoslocal, 0);
        EXPECT_EQ(d.p.castigadosvisita, 0);
        for (const std::string* s : {&d.p.castigolocal1, &d.p.castigolocal2, &d.p.castigovisita1, &d.p.castigovisita2})
            EXPECT_EQ(*s, "noactivo");
        EXPECT_EQ(d.p.minutopedido, "");
        EXPECT_EQ(d.p.estadoinicio, "noiniciado");
        // The match state the next match must not inherit.
        EXPECT_FALSE(d.p.cambioperiodo);
        EXPECT_EQ(d.p.mitadjuego, "");
        EXPECT_EQ(d.p.cambiolado, "");
        EXPECT_EQ(d.p.minutosinicio, "");
        EXPECT_EQ(d.p.segundosinicio, "");
        EXPECT_EQ(d.p.seriejugada, "");
        EXPECT_EQ(d.p.relojlocal1, "");
        EXPECT_FALSE(d.p.timer2.enabled());
        EXPECT_EQ(d.p.contadortimer2, 0);
        // The operator's settings stay.
        EXPECT_EQ(d.p.sonarbip, "NO");
        EXPECT_EQ(d.p.avisocinco, "si");
    }
}

TEST_F(MatchFixture, AfterAResetTheNextMatchRunsInGreen) {
    playAMatchAndMess(*this);
    fake.dialogs.answer(Answer::Yes);
    click("Image3");
    pick("Sub 9");
    click("a");
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_EQ(el("a").color(), colors::green);
    wait(2);
    EXPECT_EQ(clock(), "14:58");
    EXPECT_EQ(p.minutosinicio, "15") << "the first start of the new match is saved";
}

TEST_F(MatchFixture, ResetAndExitAreOutOfReachDuringPlay) {
    pick("Sub 9");
    click("a");
    wait(2);
    click("a");  // stopped, but the period has started
    click("Image3");
    click("apagar");
    EXPECT_EQ(fake.dialogs.messages, 0);
    EXPECT_FALSE(p.exited());
    EXPECT_EQ(text("tramos"), "Sub 9");
}

TEST_F(MatchFixture, ExitEndsTheProgramAtOnce) {
    pick("Sub 9");
    click("apagar");
    EXPECT_TRUE(p.exited());
    EXPECT_TRUE(fake.process.quitCalled);
    EXPECT_EQ(fake.dialogs.messages, 0);
    EXPECT_FALSE(f->shown());
}

}  // namespace
}  // namespace tabrino
