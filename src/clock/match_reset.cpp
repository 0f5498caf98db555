// Between matches: the match reset back to the start-up state (keeping the
// team names on request) and the exit.
#include "app/procedures.h"
#include "clock/match_flow.h"
#include "events/team_side.h"

namespace tabrino {

void Image3_Click(Program& p) {
    Window& f = p.form1();
    bool keepNames =
        p.ask("Desea conservar los nombres de los equipos?", "Confirmar", Buttons::YesNo, Icon::None) == Answer::Yes;
    p.timer1.setEnabled(false);
    for (const char* n : {"numrojaslocal", "numrojasvisita", "numazuleslocal", "numazulesvisita"}) f[n].setText("0");
    for (const char* n : {"leyendapenal", "numrojaslocal", "numrojasvisita", "numazuleslocal", "numazulesvisita"})
        f[n].setVisible(false);
    p.conalargue = flag::NO;
    p.conpenales = flag::NO;
    hideTimeoutMarkers(f);
    f["posesion"].setColor(colors::yellow);
    p.win("tenencia")["segunditos"].setText("45");
    p.ceroavisado = flag::no;
    p.enultimos10 = flag::no;
    p.contadorfin = 0;
    f["a"].setText("00");
    f["b"].setText("00");
    p.colorreloj = "65280";
    f["posesion"].setText("45");
    if (!keepNames) {
        f["equipolocal"].setText("L O C A L");
        f["equipovisita"].setText("V I S I T A");
    }
    for (const char* n : {"faltalocal", "tiempolocal", "faltavisita", "tiempovisita"}) f[n].setText("0");
    f["Label2"].setVisible(false);
    f["librelocal"].setText("0");
    f["librelocal"].setVisible(false);
    f["librevisita"].setText("0");
    f["librevisita"].setVisible(false);
    f["Label5"].setVisible(false);
    f["periodo"].setText("1");
    f["gollocal"].setText("0");
    f["golvisita"].setText("0");
    f["faltalocal"].setColor(colors::cyan);
    f["faltavisita"].setColor(colors::cyan);
    for (const char* n : {"tiempolocal", "tiempovisita"}) {
        f[n].setColor(colors::yellow);
        f[n].setEnabled(true);
    }
    hideSuspensionSlots(f);
    p.castigadoslocal = 0;
    p.castigadosvisita = 0;
    p.estadoinicio = flag::noiniciado;
    f["tramos"].setText("Serie que jugara?");
    f["tramos"].setVisible(true);
    p.castigolocal1 = p.castigolocal2 = p.castigovisita1 = p.castigovisita2 = flag::noactivo;
    p.minutopedido.clear();

    // The rest of the match state goes back to start-up too, so the next
    // match does not inherit the last one's half, break hold, saved start
    // time or pending end screen. The operator's settings stay.
    p.cambioperiodo = false;
    p.mitadjuego.clear();
    p.cambiolado.clear();
    p.minutosinicio.clear();
    p.segundosinicio.clear();
    p.seriejugada.clear();
    p.relojlocal1.clear();
    p.relojlocal2.clear();
    p.relojvisita1.clear();
    p.relojvisita2.clear();
    activafalta(p, false);
    for (const char* n : {"a", "Label6", "b"}) f[n].setColor(colors::white);
    p.timer2.setEnabled(false);
    p.contadortimer2 = 0;

    refrescaclon(p);
}

// Closing the operator window ends the program; nothing is asked or kept.
void apagar_Click(Program& p) { p.unload("Form1"); }

void wireMatchReset(Program& p) {
    p.handle("Form1", "Image3_Click", [&p] { Image3_Click(p); });
    p.handle("Form1", "apagar_Click", [&p] { apagar_Click(p); });
}

}  // namespace tabrino
