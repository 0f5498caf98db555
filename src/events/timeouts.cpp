// Time-outs. A double-click on a side's count takes the minute when the
// game is stopped and reserves it while the game runs; the reservation is
// shown by the alarm clock beside the side's "MINUTO" and sounds the horn
// when the clock is next stopped (iniciapara).
#include "events/timeouts.h"

#include "app/procedures.h"
#include "app/text.h"

namespace tabrino {

namespace {

struct Side {
    const char* count;        // time-outs taken
    const char* caption;      // "MINUTO" above the count
    const char* marker;       // alarm clock of this side's request
    const char* otherMarker;  // the other side's
    const char* request;      // value of minutopedido for this side
    const char* name;         // team name field
    const char* otherName;
};

const Side kHome{"tiempolocal", "Label3a", "Image8", "Image9", "local", "equipolocal", "equipovisita"};
const Side kAway{"tiempovisita", "Label3b", "Image9", "Image8", "visita", "equipovisita", "equipolocal"};

bool clockShowsTime(Window& f) { return numericValue(f["a"].text()) + numericValue(f["b"].text()) > 0; }

void takeOrReserve(Program& p, const Side& s) {
    if (p.estadoinicio != "iniciado") return;
    Window& f = p.form1();
    const bool stopped = !p.timer1.enabled();

    if (stopped && f[s.otherMarker].visible()) {
        const std::string text = "El minuto fue solicitado por " + f[s.otherName].text() + ", \n" +
                                 "desea que sea tomado por " + f[s.name].text() + "?";
        if (p.ask(text, "Cuidado!!!", Buttons::YesNo, Icon::None) != Answer::Yes) return;
        f[s.otherMarker].setVisible(false);
    }

    if (stopped && clockShowsTime(f)) {
        Element& count = f[s.count];
        count.setText(numberText(numericValue(count.text()) + 1));
        if (numericValue(count.text()) >= 2) count.setEnabled(false);
        if (p.pantallaauxiliar == "SI") p.win("clonminuto").show();
        p.minutopedido.clear();
        enviaraminuto(p, f[s.name].text());
        f["Image8"].setVisible(false);
        f["Image9"].setVisible(false);
    } else if (p.minutopedido != s.request) {
        // One request at a time: this side's replaces the other's.
        p.minutopedido = s.request;
        f[s.marker].setVisible(true);
        f[s.otherMarker].setVisible(false);
    }

    if (p.pantallaauxiliar == "SI") refrescaclon(p);
}

void giveBack(Program& p, const Side& s) {
    Window& f = p.form1();
    if (p.timer1.enabled() || !clockShowsTime(f) || p.estadoinicio != "iniciado") return;
    Element& count = f[s.count];
    if (numericValue(count.text()) > 0) {
        count.setText(numberText(numericValue(count.text()) - 1));
        if (!count.enabled()) count.setEnabled(true);
    }
    refrescaclon(p);
}

void cancelRequest(Program& p, const char* marker) {
    p.form1()[marker].setVisible(false);
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

    if (seg.text() == p.tablaseries[30]) p.play(Cue::Clin);

    if (seg.text() == "00") {
        p.timer3.setEnabled(false);
        p.play(Cue::Timbre);
        activafalta(p, true);
        closeTwin(p);
        p.unload("minuto");
    }
}

void wireTimeouts(Program& p) {
    p.handle("Form1", "tiempolocal_DblClick", [&p] { takeOrReserve(p, kHome); });
    p.handle("Form1", "tiempovisita_DblClick", [&p] { takeOrReserve(p, kAway); });
    p.handle("Form1", "Label3a_DblClick", [&p] { giveBack(p, kHome); });
    p.handle("Form1", "Label3b_DblClick", [&p] { giveBack(p, kAway); });
    p.handle("Form1", "Image8_DblClick", [&p] { cancelRequest(p, "Image8"); });
    p.handle("Form1", "Image9_DblClick", [&p] { cancelRequest(p, "Image9"); });
    p.onWindow("minuto", WindowEvent::Load, [&p] { p.timer3.setEnabled(true); });
    // However the time-out window goes (also closed by the window system),
    // the public screen must not keep a frozen minute.
    p.onWindow("minuto", WindowEvent::Unload, [&p] { closeTwin(p); });
    p.onTimer("Timer3", [&p] { Timer3_Timer(p); });
    p.handle("minuto", "finmiuto_Click", [&p] { finmiuto_Click(p); });
}

}  // namespace tabrino
