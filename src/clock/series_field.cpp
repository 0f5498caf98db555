// The series field loads a period's or break's minutes from the series
// table; the period indicator can be corrected by hand between periods.
#include "app/procedures.h"
#include "app/series_table.h"
#include "app/text.h"
#include "clock/match_flow.h"

namespace tabrino {

namespace {

// Only an exact name loads anything; any other text leaves the minutes alone.
void loadMinutesOfSeriesField(Program& p) {
    Window& f = p.form1();
    int slot = durationSlotFor(f["tramos"].text());
    if (slot >= 0) f["a"].setText(p.tablaseries[static_cast<std::size_t>(slot)]);
}

}  // namespace

void setSeriesText(Program& p, const std::string& text) { p.form1()["tramos"].setText(text); }

void tramos_Click(Program& p) {
    Window& f = p.form1();
    loadMinutesOfSeriesField(p);
    f["b"].setText("00");
    p.relojperiodo = f["a"].text() + ":" + f["b"].text();
    p.seriejugada = f["tramos"].text();
    refrescaclon(p);
}

void tramos_Change(Program& p) { loadMinutesOfSeriesField(p); }

void beginSecondHalf(Program& p) {
    p.cambioperiodo = false;
    if (p.conalargue == flag::NO) p.mitadjuego = "2";
}

void periodo_DblClick(Program& p) {
    // Once the clock has run in this period the sequence is the period end's.
    if (p.estadoinicio == flag::iniciado) return;
    if (p.ask("Desea Cambiar el Periodo?", "Confirmacion", Buttons::YesNo, Icon::Question) != Answer::Yes) return;
    Window& f = p.form1();
    Element& periodo = f["periodo"];
    Element& a = f["a"];
    if (periodo.text() == "1") {
        // A half-time break, as the period end leaves it.
        periodo.setText("E");
        a.setText("05");
        p.cambioperiodo = true;
        p.mitadjuego = "1";
    } else if (periodo.text() == "E") {
        periodo.setText("2");
        a.setText("00");
        // A second period, as the period end leaves it: a break's hold on the
        // suspension clocks must not last into play.
        if (numericValue(p.mitadjuego) == 1)
            beginSecondHalf(p);
        else
            p.cambioperiodo = false;
    } else {
        p.contadorfin = 0;
        a.setText("00");
        periodo.setText("1");
    }
    refrescaclon(p);
}

void wireSeriesField(Program& p) {
    p.handle("Form1", "tramos_Click", [&p] { tramos_Click(p); });
    p.handle("Form1", "tramos_Change", [&p] { tramos_Change(p); });
    p.handle("Form1", "periodo_DblClick", [&p] { periodo_DblClick(p); });
}

}  // namespace tabrino
