// The game clock's one-second tick: the heart of the match. It counts the
// clock, the possession count and the suspension clocks down, and hands
// 00:00 to the period end.
#include "app/procedures.h"
#include "app/text.h"
#include "clock/countdown.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

// A running suspension slot counts one second down; at 00:00 it frees
// itself and its side's card icons.
void countDownSlot(Program& p, Window& f, const TeamSide& side, const SuspensionSlot& s) {
    if (p.*s.state != flag::activo) return;
    Element& m = f[s.minutes];
    Element& sec = f[s.seconds];
    bool rolled = rollOver(m, sec);
    stepSeconds(sec, rolled);
    if (m.text() == "00" && sec.text() == "00") {
        f[s.picture].setVisible(false);
        m.setVisible(false);
        sec.setVisible(false);
        f[s.colon].setVisible(false);
        p.*s.state = flag::noactivo;
        f[side.blueCard.icon].setEnabled(true);
        f[side.redCard.icon].setEnabled(true);
        p.*side.suspended = static_cast<std::int16_t>(p.*side.suspended - 1);
        p.*s.clockFlag = flag::no;
        p.play(Cue::Clin);
    }
}

void countDownPossession(Program& p, Window& f) {
    Element& pos = f["posesion"];
    if (pos.text() != "00" && f["periodo"].text() != "E") {
        double n = numericValue(pos.text()) - 1;
        pos.setText(n < 10 ? twoDigits(n) : numberText(n));
        p.win("tenencia")["segunditos"].setText(pos.text());
    }
    if (pos.text() == "05" && p.avisocinco == flag::si) p.play(Cue::Aviso);
    if (pos.text() == "00" && p.ceroavisado == flag::no && p.avisocinco == flag::si) {
        if (p.avisocero == flag::si) p.play(Cue::Clin);
        p.ceroavisado = flag::si;
    }
    if (pos.text() == "00") pos.setColor(colors::magenta);
}

}  // namespace

void Timer1_Timer(Program& p) {
    if (p.estadoinicio == flag::noiniciado) return;
    Window& f = p.form1();
    Element& a = f["a"];
    Element& b = f["b"];

    bool rolled = rollOver(a, b);

    if (p.relojperiodo == "00:11") {
        ultimos10(p);
        if (p.sonarbip == flag::SI) p.play(Cue::Bip);
    }

    double s = numericValue(b.text());
    if (a.text() == "00" && f["periodo"].text() != "E" && s <= 10) {
        b.setText(twoDigits(s - 1));
        if (p.sonarbip == flag::SI) p.play(Cue::Bip);
    } else if (!rolled) {
        b.setText(s <= 10 ? twoDigits(s - 1) : numberText(s - 1));
    }

    p.relojperiodo = a.text() + ":" + b.text();

    if (p.conposesion == flag::SI) countDownPossession(p, f);

    if (a.text() == "00" && b.text() == "00") finDePeriodo(p);

    if (p.relojperiodo != "00:00") {
        if (!p.cambioperiodo)
            for (const TeamSide* side : teamSides())
                for (const SuspensionSlot& slot : side->slots) countDownSlot(p, f, *side, slot);
        refrescaclon(p);
    } else {
        finultimos10(p);
        refrescaclon(p);
    }
}

void wireTick(Program& p) {
    p.onTimer("Timer1", [&p] { Timer1_Timer(p); });
}

}  // namespace tabrino
