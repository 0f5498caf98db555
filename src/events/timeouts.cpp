// Time-outs. A double-click on a side's count takes the minute when the
// game is stopped and reserves it while the game runs; the reservation is
// shown by the alarm clock beside the side's "MINUTO" and sounds the horn
// when the clock is next stopped (iniciapara).
#include "events/timeouts.h"

#include "app/procedures.h"
#include "app/series_table.h"
#include "app/text.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

bool clockShowsTime(Window& f) { return numericValue(f["a"].text()) + numericValue(f["b"].text()) > 0; }

void takeOrReserve(Program& p, const TeamSide& s) {
    if (p.estadoinicio != flag::iniciado) return;
    Window& f = p.form1();
    const bool stopped = !p.timer1.enabled();
    const TeamSide& other = otherSide(s);

    if (stopped && f[other.timeout.marker].visible()) {
        const std::string text = "El minuto fue solicitado por " + f[other.name].text() + ", \n" +
                                 "desea que sea tomado por " + f[s.name].text() + "?";
        if (p.ask(text, "Cuidado!!!", Buttons::YesNo, Icon::None) != Answer::Yes) return;
        f[other.timeout.marker].setVisible(false);
    }

    if (stopped && clockShowsTime(f)) {
        Element& count = f[s.timeout.count];
        count.setText(numberText(numericValue(count.text()) + 1));
        if (numericValue(count.text()) >= 2) count.setEnabled(false);
        if (p.pantallaauxiliar == flag::SI) p.win("clonminuto").show();
        p.minutopedido.clear();
        enviaraminuto(p, f[s.name].text());
        hideTimeoutMarkers(f);
    } else if (p.minutopedido != s.timeout.request) {
        // One request at a time: this side's replaces the other's.
        p.minutopedido = s.timeout.request;
        f[s.timeout.marker].setVisible(true);
        f[other.timeout.marker].setVisible(false);
    }

    if (p.pantallaauxiliar == flag::SI) refrescaclon(p);
}

void giveBack(Program& p, const TeamSide& s) {
    Window& f = p.form1();
    if (p.timer1.enabled() || !clockShowsTime(f) || p.estadoinicio != flag::iniciado) return;
    Element& count = f[s.timeout.count];
    if (numericValue(count.text()) > 0) {
        count.setText(numberText(numericValue(count.text()) - 1));
        if (!count.enabled()) count.setEnabled(true);
    }
    refrescaclon(p);
}

void cancelRequest(Program& p, const TeamSide& s) {
    p.form1()[s.timeout.marker].setVisible(false);
    p.minutopedido.clear();
}

// The twin is only hidden between time-outs; "01":"00" is what it shows
// until the next minute's first tick.
void closeTwin(Program& p) {
    Window& twin = p.win("clonminuto");
    twin["min"].setText("01");
    twin["seg"].setText("00");
    twin.hide();
}

void finmiuto_Click(Program& p) {
    p.play(Cue::Timbre);
    p.unload("minuto");
    closeTwin(p);
}

}  // namespace

void enviaraminuto(Program& p, const std::string& side) {
    Window& f = p.form1();
    for (const char* window : {"minuto", "clonminuto"}) {
        Window& w = p.win(window);
        w["nomminuto"].setText(side);
        w["loqueva"].setText(p.relojperiodo);
        w["minlocal"].setText(f["equipolocal"].text());
        w["minvisita"].setText(f["equipovisita"].text());
        w["golminlocal"].setText(f["gollocal"].text());
        w["golminvisita"].setText(f["golvisita"].text());
    }
    // Already open (the other side took a minute): its countdown goes on.
    p.win("minuto").show();
}

void Timer3_Timer(Program& p) {
    Window* w = p.existing("minuto");
    if (!w) {
        p.timer3.setEnabled(false);
        return;
    }
    Window& twin = p.win("clonminuto");
    Element& seg = (*w)["seg"];
    const std::string s = seg.text();
    const double v = numericValue(s);
    if (s == "00")
        seg.setText("59");
    else
        seg.setText(v <= 10 ? twoDigits(v - 1) : numberText(v - 1));
    twin["seg"].setText(seg.text());
    (*w)["min"].setText("00");
    twin["min"].setText("00");

    if (seg.text() == p.tablaseries[series::duration(series::kAviso)]) p.play(Cue::Clin);

    if (seg.text() == "00") {
        p.timer3.setEnabled(false);
        p.play(Cue::Timbre);
        activafalta(p, true);
        closeTwin(p);
        p.unload("minuto");
    }
}

void wireTimeouts(Program& p) {
    const TeamSide& home = homeSide();
    const TeamSide& away = awaySide();
    p.handle("Form1", "tiempolocal_DblClick", [&p, &home] { takeOrReserve(p, home); });
    p.handle("Form1", "tiempovisita_DblClick", [&p, &away] { takeOrReserve(p, away); });
    p.handle("Form1", "Label3a_DblClick", [&p, &home] { giveBack(p, home); });
    p.handle("Form1", "Label3b_DblClick", [&p, &away] { giveBack(p, away); });
    p.handle("Form1", "Image8_DblClick", [&p, &home] { cancelRequest(p, home); });
    p.handle("Form1", "Image9_DblClick", [&p, &away] { cancelRequest(p, away); });
    p.onWindow("minuto", WindowEvent::Load, [&p] { p.timer3.setEnabled(true); });
    // However the time-out window goes (also closed by the window system),
    // the public screen must not keep a frozen minute.
    p.onWindow("minuto", WindowEvent::Unload, [&p] { closeTwin(p); });
    p.onTimer("Timer3", [&p] { Timer3_Timer(p); });
    p.handle("minuto", "finmiuto_Click", [&p] { finmiuto_Click(p); });
}

}  // namespace tabrino
