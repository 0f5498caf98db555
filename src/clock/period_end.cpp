// What happens when the game clock reaches 00:00: the window is tidied for
// the pause, then the match moves to a break, the next period, overtime or
// its end. The clock is stopped first, so no tick can come while the
// operator answers a question here.
#include "app/procedures.h"
#include "app/series_table.h"
#include "app/text.h"
#include "clock/match_flow.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

void commonActions(Program& p, Window& f) {
    p.timer1.setEnabled(false);
    for (const char* n : {"Command1", "Command2", "Command3", "Command4", "tramos"}) f[n].setVisible(true);
    p.play(Cue::Final);
    f["posesion"].setText("45");
    f["posesion"].setColor(colors::yellow);
    p.ceroavisado = flag::no;
    f["tiempolocal"].setText("0");
    f["tiempovisita"].setText("0");
    for (const char* n : {"Image3", "apagar", "config"}) f[n].setVisible(true);
    f["leyendapenal"].setVisible(false);
    p.estadoinicio = flag::noiniciado;
    hideTimeoutMarkers(f);
    p.minutopedido.clear();
    for (const char* n : {"tiempolocal", "tiempovisita"}) {
        f[n].setColor(colors::yellow);
        f[n].setEnabled(true);
    }
    p.win("tenencia")["segunditos"].setText("45");
    refrescaclon(p);
}

// Row 1: a break after a first period; the third break counted is the
// change of ends between the two overtime periods.
void breakAfterFirstPeriod(Program& p, Window& f) {
    f["periodo"].setText("E");
    ++p.contadorfin;
    if (p.contadorfin == 3) {
        setSeriesText(p, "Cambio de lado");
        p.contadorfin = 0;
        p.cambiolado = flag::SI;
    } else if (p.seriejugada == "Adulta Honor" && p.minutosinicio == "25") {
        f["a"].setText("10");
        p.seriejugada.clear();
    } else {
        f["a"].setText(p.tablaseries[series::duration(series::kEntretiempo)]);
        setSeriesText(p, "Entretiempo");
    }
    p.cambioperiodo = true;
    p.mitadjuego = "1";
}

// Row 2: the second period of a pair, with the first period's minutes on request.
void secondPeriod(Program& p, Window& f) {
    Element& a = f["a"];
    Element& b = f["b"];
    f["periodo"].setText("2");
    if (!p.minutosinicio.empty() && !p.segundosinicio.empty() &&
        p.ask("Jugaran los mismos minutos que el primer tiempo?", "Confirmar", Buttons::YesNo, Icon::None) ==
            Answer::Yes) {
        a.setText(p.minutosinicio);
        b.setText(p.segundosinicio);
        p.minutosinicio.clear();
        p.segundosinicio.clear();
    }
    if (p.cambiolado != flag::SI) {
        setSeriesText(p, "Serie que jugara?");
    } else {
        // After the change of ends the overtime minutes load themselves,
        // unless the operator has just restored others.
        setSeriesText(p, a.text() != "00" || b.text() != "00" ? "Serie que jugara?" : "Alargue");
        p.cambiolado.clear();
    }
}

// Row 3: level after the second half with overtime allowed.
void breakBeforeOvertime(Program& p, Window& f) {
    f["periodo"].setText("E");
    ++p.contadorfin;
    f["a"].setText(p.tablaseries[series::duration(series::kDescansoAlargue)]);
    p.cambioperiodo = true;
    setSeriesText(p, "Descanso para alargue");
    p.mitadjuego = "2";
}

// Row 4: the first overtime period; overtime is played once.
void firstOvertimePeriod(Program& p, Window& f) {
    f["periodo"].setText("1");
    p.cambioperiodo = false;
    f["a"].setText(p.tablaseries[series::duration(series::kAlargue)]);
    setSeriesText(p, "Alargue");
    p.conalargue = flag::NO;
    p.mitadjuego = "1";
}

// Row 5: the end of the match and its result.
void endOfMatch(Program& p, Window& f) {
    f["periodo"].setText("1");
    p.contadorfin = 0;
    setSeriesText(p, "Serie que jugara?");
    // The first period's start belongs to this match: the next one, begun by
    // picking its series, must save its own and not be offered this one.
    p.minutosinicio.clear();
    p.segundosinicio.clear();
    llenaFinPartido(p);
}

void closingStep(Program& p, Window& f) {
    bool suspensionClockFlagged = p.relojlocal1 == flag::si || p.relojvisita1 == flag::si ||
                                  p.relojlocal2 == flag::si || p.relojvisita2 == flag::si;
    if (p.mitadjuego == "2" && !p.cambioperiodo && suspensionClockFlagged) {
        // Suspensions end with the match; a match that may still go to
        // overtime keeps them.
        if (p.conalargue == flag::NO) escondecastigados(p);
    } else if (numericValue(p.mitadjuego) == 1 && f["periodo"].text() != "E" && p.cambioperiodo) {
        beginSecondHalf(p);
    }
}

}  // namespace

void finDePeriodo(Program& p) {
    Window& f = p.form1();
    commonActions(p, f);

    const std::string periodo = f["periodo"].text();
    const double half = numericValue(p.mitadjuego);
    const bool level = numericValue(f["gollocal"].text()) == numericValue(f["golvisita"].text());
    if (periodo == "1")
        breakAfterFirstPeriod(p, f);
    else if (periodo == "E" && half == 1)
        secondPeriod(p, f);
    else if (periodo == "2" && p.conalargue == flag::SI && level)
        breakBeforeOvertime(p, f);
    else if (periodo == "E" && p.conalargue == flag::SI && half == 2)
        // Only the break before overtime leads into it: overtime switched on
        // during a second half must not follow a decided match.
        firstOvertimePeriod(p, f);
    else
        endOfMatch(p, f);

    closingStep(p, f);
}

}  // namespace tabrino
